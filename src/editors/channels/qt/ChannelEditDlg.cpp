#include "editors/channels/qt/ChannelEditDlg.h"

#include "app/qt/SpinEdit.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace vmr {

CChannelEditDlg::CChannelEditDlg(AppContext& ctx, int channel, QWidget* parent)
    : CFormDialog<ChannelEditForm>(parent, ctx, channel) {
    setWindowTitle(tr("Channel edit"));
    setObjectName("dialog143");
    auto* outer = new QVBoxLayout(this);
    const auto columns = AddTwoColumns(outer);
    ChannelEditForm& f = form_;

    FieldColumn left(this, columns.first, binder_, runner_);
    numberSpin = new CSpinEdit(this);
    numberSpin->setObjectName("Channel number");
    left.Row("Channel number", numberSpin);
    binder_.Bind(numberSpin, f.channelNumber, {});
    connect(numberSpin, &CSpinEdit::Stepped, &runner_,
            [this](int delta) { runner_.Run([this, delta] { form_.OnSpin(delta); }); });
    connect(numberSpin, &CSpinEdit::editingFinished, &runner_,
            [this] { runner_.Run([this] { form_.OnChannelNumberCommit(); }); });
    rxEdit = left.Edit("Rx frequency(MHz)", f.rx, [&f] { f.OnRxCommit(); });
    // The transmit box commits when it loses the focus, not on Enter.
    txEdit = left.Edit("Tx frequency(MHz)", f.tx);
    WatchFocus(
        txEdit, &runner_, [this] { runner_.Run([this] { form_.OnTxFocus(); }); },
        [this] { runner_.Run([this] { form_.OnTxCommit(); }); });
    nameEdit = left.Edit("Name", f.name);

    FieldColumn right(this, columns.second, binder_, runner_);
    // The first "Reverse" is the hidden reverse backup flag.
    const RecordFieldWidgets w =
        AddRecordFields(left, right, f, {"Decode type", "Reverse", "Busy lock"});
    EndColumns(columns);
    ctcssCombo = w.ctcss;
    dcsCombo = w.dcs;
    decodeTypeCombo = w.decodeType;
    optionSignalingCombo = w.optionSignaling;
    signalDecodeCombo = w.signalDecode;
    sqlModeCombo = w.sqlMode;
    powerCombo = w.power;
    reverseCheck = w.reverse;
    talkAroundCheck = w.talkAround;

    form_.Open();
    binder_.Load();
    rxEdit->setFocus();
}

void RunChannelEditDialog(AppContext& ctx, int channel, QWidget* parent) {
    CChannelEditDlg dialog(ctx, channel, parent);
    dialog.exec();
}

} // namespace vmr
