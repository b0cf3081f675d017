// The "VFO" dialog: one tab per VFO of an enabled band or transmit range, and
// the fields of the selected tab's record below the tabs. It has no OK or
// Cancel button: leaving a tab stores its record, and so does closing.
#pragma once

#include "app/AppContext.h"
#include "app/qt/FormBinder.h"
#include "editors/channels/VfoForm.h"
#include "editors/channels/qt/ChannelWidgets.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTabBar;

namespace vmr {

class CVfoDlg : public QDialog {
    Q_OBJECT
public:
    CVfoDlg(AppContext& ctx, QWidget* parent = nullptr);

    VfoForm& form() { return form_; }
    FormBinder& binder() { return binder_; }

    QTabBar* tabs;
    QLineEdit* rxEdit;
    QLineEdit* offsetEdit;
    QComboBox* offsetDirectionCombo;
    QComboBox* stepCombo;
    QComboBox* powerCombo;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    VfoForm form_;
    FormBinder binder_;
    FormRunner runner_{binder_};
    bool closed_ = false;
};

// Runs the dialog modally over parent, titled as the editor table says.
void RunVfoDialog(AppContext& ctx, QWidget* parent);

} // namespace vmr
