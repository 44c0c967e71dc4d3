#include "app/RestoreQuestions.h"
#include "widgets/ProgramTitle.h"
#include "editors/StationCatalogue.h"
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {

// How many changes a question lists before it says how many more there are.
constexpr int ListedChanges = 20;

std::function<bool(TRestoreQuestion, const QString&)>& Handler()
{
    static std::function<bool(TRestoreQuestion, const QString&)> handler;
    return handler;
}

bool Ask(QWidget* parent, TRestoreQuestion question, QMessageBox::Icon icon, const QString& text,
         const QString& yes)
{
    if (Handler())
        return Handler()(question, text);
    QMessageBox box(icon, ProgramTitle(), text, QMessageBox::NoButton, parent);
    QPushButton* go = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("RestoreQuestions", "Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == go;
}

} // namespace

bool AskWriteAnyway(QWidget* parent, const QString& file, const QStringList& problems)
{
    const QString text = QCoreApplication::translate("RestoreQuestions", "Образ в файле %1 не прошёл проверку:\n\n%2\n\n"
                                        "Такую конфигурацию программа не записала бы. Записать всё равно?")
                             .arg(QDir::toNativeSeparators(file), ProblemListText(problems));
    return Ask(parent, TRestoreQuestion::WriteAnyway, QMessageBox::Warning, text,
               QCoreApplication::translate("RestoreQuestions", "Записать всё равно"));
}

bool AskRestore(QWidget* parent, const QStringList& changes)
{
    const QString text = QCoreApplication::translate("RestoreQuestions", "Восстановление изменит в станции:\n\n%1\n\nВосстановить?")
                             .arg(ProblemListText(changes, ListedChanges));
    return Ask(parent, TRestoreQuestion::Restore, QMessageBox::Question, text, QCoreApplication::translate("RestoreQuestions", "Восстановить"));
}

void SetRestoreQuestionHandler(std::function<bool(TRestoreQuestion, const QString&)> handler)
{
    Handler() = std::move(handler);
}
