#include "app/SetAsideQuestion.h"
#include "widgets/ProgramTitle.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {
std::function<TSetAsideAnswer()>& Handler()
{
    static std::function<TSetAsideAnswer()> handler;
    return handler;
}
} // namespace

void SetSetAsideHandler(std::function<TSetAsideAnswer()> handler) { Handler() = std::move(handler); }

TSetAsideAnswer AskSetAside(QWidget* parent, const QString& file)
{
    if (Handler())
        return Handler()();
    const QString question = file.isEmpty()
        ? QCoreApplication::translate("SetAsideQuestion", "Конфигурация изменена и не сохранена. Сохранить изменения?")
        : QCoreApplication::translate("SetAsideQuestion", "Конфигурация изменена и не сохранена. Сохранить изменения в файл %1?")
              .arg(QFileInfo(file).fileName());
    QMessageBox box(QMessageBox::Question, ProgramTitle(), question, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QCoreApplication::translate("SetAsideQuestion", "Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("SetAsideQuestion", "Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("SetAsideQuestion", "Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return TSetAsideAnswer::Save;
    return box.clickedButton() == discard ? TSetAsideAnswer::Discard : TSetAsideAnswer::Cancel;
}
