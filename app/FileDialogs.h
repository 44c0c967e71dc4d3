#pragma once
#include <QFileDialog>

// An open or save dialog for one kind of file: the open dialog takes any
// typed name, the save dialog overwrites without asking.
QFileDialog* NewFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                           const QString& suffix);

// Runs the dialog; the chosen path, or empty when it was cancelled.
QString ChosenFile(QFileDialog* dialog);
