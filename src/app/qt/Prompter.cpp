#include "app/qt/Prompter.h"

#include "app/Shell.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vmr {

Prompter::Answer Prompter::Ask(QWidget* parent, const QString& caption, const QString& text,
                               bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    const auto b = QMessageBox::question(parent, caption, text, buttons,
                                         withCancel ? QMessageBox::Cancel : QMessageBox::Yes);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return withCancel ? Answer::Cancel : Answer::No;
}

void Prompter::Tell(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

namespace {

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& dir,
                      const QString& proposed) {
    QFileDialog dialog(parent, mode == QFileDialog::AcceptOpen ? QObject::tr("Open")
                                                               : QObject::tr("Save As"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromLatin1(kFileFilter));
    dialog.setDefaultSuffix("dat");
    if (!dir.isEmpty() && QDir(dir).exists()) dialog.setDirectory(dir);
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString Prompter::OpenFileName(QWidget* parent, const QString& dir) {
    return RunFileDialog(parent, QFileDialog::AcceptOpen, dir, {});
}

QString Prompter::SaveFileName(QWidget* parent, const QString& dir, const QString& proposed) {
    return RunFileDialog(parent, QFileDialog::AcceptSave, dir, proposed);
}

} // namespace vmr
