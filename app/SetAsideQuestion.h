#pragma once
#include <QString>
#include <functional>

class QWidget;

// The answers to "Сохранить изменения?".
enum class TSetAsideAnswer { Save, Discard, Cancel };

// Asks the user whether to save the unsaved work before it is replaced or
// the program ends: Сохранить / Не сохранять / Отмена (Escape). The
// question names the file "Сохранить" will write to, when there is one.
TSetAsideAnswer AskSetAside(QWidget* parent, const QString& file);

// Replaces the question box by a function (tests that run commands
// unattended); an empty function restores the box.
void SetSetAsideHandler(std::function<TSetAsideAnswer()> handler);
