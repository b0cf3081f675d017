// The "VFO" dialog: one tab per VFO of an enabled band or transmit range, and
// the fields of the selected tab's record below the tabs. It has no OK or
// Cancel button: leaving a tab stores its record, and so does closing.
#pragma once

#include "app/AppContext.h"
#include "app/qt/FormBinder.h"
#include "editors/channels/VfoForm.h"
#include "editors/channels/qt/ChannelWidgets.h"

class QComboBox;
class QLineEdit;
class QTabBar;

namespace vmr {

class CVfoDlg : public CFormDialog<VfoForm> {
    Q_OBJECT
public:
    CVfoDlg(AppContext& ctx, QWidget* parent = nullptr);

    QTabBar* tabs;
    QLineEdit* rxEdit;
    QLineEdit* offsetEdit;
    QComboBox* offsetDirectionCombo;
    QComboBox* stepCombo;
    QComboBox* powerCombo;
};

// Runs the dialog modally over parent, titled as the editor table says.
void RunVfoDialog(AppContext& ctx, QWidget* parent);

} // namespace vmr
