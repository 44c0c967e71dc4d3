#pragma once
#include <QStringList>
#include <functional>

class QWidget;

// The two questions of a restore.
enum class TRestoreQuestion {
    WriteAnyway,   // the image failed the checks: write it all the same?
    Restore,       // this is what the restore changes in the station: go on?
};

// Lists why the file's image is no configuration the program would write
// and asks whether to write it all the same: "Записать всё равно" /
// "Отмена" (the default, and Escape).
bool AskWriteAnyway(QWidget* parent, const QString& file, const QStringList& problems);

// Lists what the restore changes in the station (channels, settings, other
// bytes) and asks whether to go on: "Восстановить" / "Отмена".
bool AskRestore(QWidget* parent, const QStringList& changes);

// Replaces the question boxes by a function that gets the question and its
// text (tests that run commands unattended); an empty function restores
// the boxes.
void SetRestoreQuestionHandler(std::function<bool(TRestoreQuestion, const QString& text)> handler);
