#include "editors/channels/qt/ChannelEditDlg.h"

#include "app/qt/SpinEdit.h"
#include "editors/channels/qt/ChannelWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace vmr {

CChannelEditDlg::CChannelEditDlg(AppContext& ctx, int channel, QWidget* parent)
    : QDialog(parent), form_(ctx, channel) {
    setWindowTitle(tr("Channel edit"));
    setObjectName("dialog143");
    // Two columns of fields, each laid out on its own so that hidden rows of
    // one leave no gaps in the other.
    auto* columns = new QHBoxLayout(this);
    columns->setSpacing(24);
    auto* leftGrid = new QGridLayout();
    auto* rightGrid = new QGridLayout();
    for (QGridLayout* g : {leftGrid, rightGrid}) {
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(6);
        columns->addLayout(g);
    }
    ChannelEditForm& f = form_;

    FieldColumn left(this, leftGrid, binder_, runner_);
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
    ctcssCombo = left.EditList("CTCSS tone", f.ctcss, ChannelFields::kCtcssMaxLength,
                               ChannelFields::kCtcssAccepts, [&f] { f.OnCtcssCommit(); });
    dcsCombo = left.EditList("DCS code", f.dcs, ChannelFields::kDcsMaxLength,
                             ChannelFields::kDcsAccepts, [&f] { f.OnDcsCommit(); });
    left.List("DCS polarity", f.dcsPolarity);
    decodeTypeCombo = left.List("Decode type", f.decodeType, [&f] { f.OnDecodeTypeChanged(); });
    optionSignalingCombo =
        left.List("Option signaling", f.optionSignaling, [&f] { f.OnOptionSignalingChanged(); });
    signalDecodeCombo = left.List("Siganling decode", f.signalDecode);
    left.List("PTT ID", f.pttId);
    sqlModeCombo = left.List("SQL mode", f.sqlMode);
    left.List("Tx stop", f.txStop);

    FieldColumn right(this, rightGrid, binder_, runner_);
    right.Check("Reverse", f.reverseBackup); // the hidden reverse backup flag
    right.Check("Emphasis", f.emphasis);
    right.Check("Compander", f.compander);
    right.Check("Scrambler", f.scrambler);
    reverseCheck = right.Check("Reverse", f.reverse, [&f] { f.OnReverseClicked(); });
    talkAroundCheck = right.Check("Talk around", f.talkAround, [&f] { f.OnTalkAroundClicked(); });
    right.Check("Beat shift", f.beatShift);
    right.Check("AM", f.am);
    right.List("Bandwidth", f.bandwidth);
    right.List("Scan", f.scan);
    powerCombo = right.List("Tx power", f.power);
    right.List("Busy lock", f.busyLock);
    right.List("Display type", f.displayType);
    right.List("Frequency step", f.step);
    right.List("Offset direction", f.offsetDirection);
    right.Edit("Offset freq(MHz)", f.offset);
    for (QGridLayout* g : {leftGrid, rightGrid}) g->setRowStretch(g->rowCount(), 1);

    form_.Open();
    binder_.Load();
    rxEdit->setFocus();
}

void CChannelEditDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither close the dialog nor press a button; the boxes
    // that commit on Enter have done so before the key arrives here.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CChannelEditDlg::done(int result) {
    if (!closed_) {
        closed_ = true;
        // The box being edited commits as if it lost the focus, then the
        // channel shown is stored.
        if (QWidget* w = focusWidget()) w->clearFocus();
        runner_.Run([this] { form_.Close(); });
    }
    QDialog::done(result);
}

void RunChannelEditDialog(AppContext& ctx, int channel, QWidget* parent) {
    CChannelEditDlg dialog(ctx, channel, parent);
    dialog.exec();
}

} // namespace vmr
