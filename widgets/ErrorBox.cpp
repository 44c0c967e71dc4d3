#include "widgets/ErrorBox.h"
#include "widgets/ProgramTitle.h"
#include "document/Convert.h"
#include <QCoreApplication>
#include <QApplication>
#include <QMessageBox>
#include <new>

namespace {
std::function<void(const QString&)>& Handler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}
} // namespace

void SetErrorBoxHandler(std::function<void(const QString&)> handler)
{
    Handler() = std::move(handler);
}

void ShowErrorBox(const QString& message)
{
    if (Handler()) {
        Handler()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ProgramTitle(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool Guarded(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const EProgramError& e) {
        ShowErrorBox(e.Message());
    } catch (const std::bad_alloc&) {
        ShowErrorBox(QCoreApplication::translate("ErrorBox", "Не хватило памяти. Действие прервано, программа продолжает работу."));
    } catch (...) {
        // Anything else comes from a library, in its own words (English,
        // technical): the user is told in the program's words instead.
        ShowErrorBox(QCoreApplication::translate("ErrorBox", "Внутренняя ошибка программы. Действие прервано, программа продолжает работу."));
    }
    return false;
}
