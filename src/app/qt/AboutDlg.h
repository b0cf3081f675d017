// The About box.
#pragma once

#include <QDialog>

class QLabel;

namespace vmr {

struct AppSettings;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 100;
    CAboutDlg(const AppSettings& settings, QWidget* parent = nullptr);

    QLabel* company;   // static 1066
    QLabel* version;   // static 1262
    QLabel* applyText; // static 1068
};

} // namespace vmr
