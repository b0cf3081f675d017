#include "link/qt/PasswordDlg.h"

#include "link/TransferWorker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vmr {

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Password"));
    setModal(true);
    edit_->setObjectName(QStringLiteral("password"));
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMaxLength(8);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Password"), this));
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    edit_->setFocus();
}

void CPasswordDlg::accept() {
    if (AccessCodeMatches(edit_->text().toStdString()))
        QDialog::accept();
    else
        QDialog::reject();
}

} // namespace vmr
