// Dialog 181, "Password": the access code of a read-protected radio.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vmr {

class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPasswordDlg(QWidget* parent = nullptr);

    // OK ends the dialog with OK only when the text is the access code (any
    // case), with Cancel otherwise; no message either way.
    void accept() override;

private:
    QLineEdit* edit_;
};

} // namespace vmr
