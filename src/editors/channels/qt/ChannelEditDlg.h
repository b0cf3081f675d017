// The "Channel edit" dialog: every field of one channel, stepping through the
// channels of bank A with the number box and its spin. It has no OK or Cancel
// button: closing it stores the channel shown.
#pragma once

#include "app/AppContext.h"
#include "app/qt/FormBinder.h"
#include "editors/channels/ChannelEditForm.h"
#include "editors/channels/qt/ChannelWidgets.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vmr {

class CSpinEdit;

class CChannelEditDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog on channel (1..800); its record is loaded at once.
    CChannelEditDlg(AppContext& ctx, int channel, QWidget* parent = nullptr);

    ChannelEditForm& form() { return form_; }
    FormBinder& binder() { return binder_; }

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

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ChannelEditForm form_;
    FormBinder binder_;
    FormRunner runner_{binder_};
    bool closed_ = false;
};

// Runs the dialog modally on channel over parent.
void RunChannelEditDialog(AppContext& ctx, int channel, QWidget* parent);

} // namespace vmr
