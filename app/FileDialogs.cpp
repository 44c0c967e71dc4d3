#include "app/FileDialogs.h"

QFileDialog* NewFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                           const QString& suffix)
{
    auto* d = new QFileDialog(parent);
    d->setNameFilter(filter);
    d->setDefaultSuffix(suffix);
    d->setAcceptMode(mode);
    d->setFileMode(QFileDialog::AnyFile);
    d->setOption(QFileDialog::DontConfirmOverwrite, mode == QFileDialog::AcceptSave);
    return d;
}

QString ChosenFile(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
