// The "Channel edit" dialog: every field of one channel, stepping through the
// channels of bank A with the number box and its spin. It has no OK or Cancel
// button: closing it stores the channel shown.
#pragma once

#include "app/AppContext.h"
#include "app/qt/FormBinder.h"
#include "editors/channels/ChannelEditForm.h"
#include "editors/channels/qt/ChannelWidgets.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vmr {

class CSpinEdit;

class CChannelEditDlg : public CFormDialog<ChannelEditForm> {
    Q_OBJECT
public:
    // The dialog on channel (1..800); its record is loaded at once.
    CChannelEditDlg(AppContext& ctx, int channel, QWidget* parent = nullptr);

    CSpinEdit* numberSpin;
    QLineEdit* rxEdit;
    QLineEdit* txEdit;
    QLineEdit* nameEdit;
    QComboBox* ctcssCombo;
    QComboBox* dcsCombo;
    QComboBox* decodeTypeCombo;
    QComboBox* optionSignalingCombo;
    QComboBox* signalDecodeCombo;
    QComboBox* sqlModeCombo;
    QComboBox* powerCombo;
    QCheckBox* reverseCheck;
    QCheckBox* talkAroundCheck;
};

// Runs the dialog modally on channel over parent.
void RunChannelEditDialog(AppContext& ctx, int channel, QWidget* parent);

} // namespace vmr
