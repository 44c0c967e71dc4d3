#include "app/ErrorBox.h"
#include "app/ProgramTitle.h"
#include "app/Convert.h"
#include <QApplication>
#include <QMessageBox>
#include <exception>

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
    } catch (const EConvertError& e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowErrorBox(QString());
    }
    return false;
}
