#include "editors/channels/qt/VfoDlg.h"

#include "app/Editors.h"
#include "editors/channels/qt/ChannelWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

namespace vmr {

CVfoDlg::CVfoDlg(AppContext& ctx, QWidget* parent) : QDialog(parent), form_(ctx) {
    setObjectName("dialog193");
    auto* column = new QVBoxLayout(this);
    tabs = new QTabBar(this);
    tabs->setObjectName("tab1162");
    tabs->setExpanding(false);
    column->addWidget(tabs);
    // Two columns of fields, each laid out on its own so that hidden rows of
    // one leave no gaps in the other.
    auto* columns = new QHBoxLayout();
    columns->setSpacing(24);
    auto* leftGrid = new QGridLayout();
    auto* rightGrid = new QGridLayout();
    for (QGridLayout* g : {leftGrid, rightGrid}) {
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(6);
        columns->addLayout(g);
    }
    column->addLayout(columns);
    VfoForm& f = form_;

    FieldColumn left(this, leftGrid, binder_, runner_);
    // The boxes commit when they lose the focus; Enter does nothing here.
    rxEdit = left.Edit("Rx frequency (MHz)", f.rx);
    WatchFocus(rxEdit, &runner_, {}, [this] { runner_.Run([this] { form_.OnRxCommit(); }); });
    left.Edit("Tx frequency (MHz)", f.tx);
    left.Edit("Name", f.name);
    left.EditList("CTCSS tone", f.ctcss, ChannelFields::kCtcssMaxLength,
                  ChannelFields::kCtcssAccepts, [&f] { f.OnCtcssCommit(); });
    left.EditList("DCS code", f.dcs, ChannelFields::kDcsMaxLength, ChannelFields::kDcsAccepts,
                  [&f] { f.OnDcsCommit(); });
    left.List("DCS polarity", f.dcsPolarity);
    left.List("Deocde type", f.decodeType, [&f] { f.OnDecodeTypeChanged(); });
    left.List("Option signaling", f.optionSignaling, [&f] { f.OnOptionSignalingChanged(); });
    left.List("Siganling decode", f.signalDecode);
    left.List("PTT ID", f.pttId);
    left.List("SQL mode", f.sqlMode);
    left.List("Tx stop", f.txStop);

    FieldColumn right(this, rightGrid, binder_, runner_);
    right.Check("Reverse backup", f.reverseBackup);
    right.Check("Emphasis", f.emphasis);
    right.Check("Compander", f.compander);
    right.Check("Scrambler", f.scrambler);
    right.Check("Reverse", f.reverse, [&f] { f.OnReverseClicked(); });
    right.Check("Talk around", f.talkAround, [&f] { f.OnTalkAroundClicked(); });
    right.Check("Beat shift", f.beatShift);
    right.Check("AM", f.am);
    right.List("Bandwidth", f.bandwidth);
    right.List("Scan", f.scan);
    powerCombo = right.List("Tx power", f.power);
    right.List("Busy lcok", f.busyLock);
    right.List("Display type", f.displayType);
    stepCombo = right.List("Frequency step", f.step);
    offsetDirectionCombo =
        right.List("Offset direction", f.offsetDirection, [&f] { f.OnOffsetDirectionChanged(); });
    offsetEdit = right.Edit("Offset freq(MHz)", f.offset);
    WatchFocus(offsetEdit, &runner_, {},
               [this] { runner_.Run([this] { form_.OnOffsetCommit(); }); });
    for (QGridLayout* g : {leftGrid, rightGrid}) g->setRowStretch(g->rowCount(), 1);

    form_.Open();
    for (const std::string& t : form_.tabs) tabs->addTab(QString::fromStdString(t));
    if (form_.currentTab >= 0) tabs->setCurrentIndex(form_.currentTab);
    binder_.Load();
    connect(tabs, &QTabBar::currentChanged, &runner_, [this](int index) {
        runner_.Run([this, index] {
            form_.OnTabChanging();
            form_.OnTabChanged(index);
        });
    });
    rxEdit->setFocus();
}

void CVfoDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither close the dialog nor commit a field.
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

void CVfoDlg::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (QWidget* w = focusWidget()) w->clearFocus();
        runner_.Run([this] { form_.Close(); });
    }
    QDialog::done(result);
}

void RunVfoDialog(AppContext& ctx, QWidget* parent) {
    CVfoDlg dialog(ctx, parent);
    const std::string_view title = InfoOf(EditorId::Vfo).title;
    dialog.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    dialog.exec();
}

} // namespace vmr
