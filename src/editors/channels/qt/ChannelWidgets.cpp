#include "editors/channels/qt/ChannelWidgets.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace vmr {

namespace {

// The binder's typing gate as the validator of a combo box's edit part: the
// characters that fail the rule are dropped as they are typed or pasted.
class GateValidator : public QValidator {
public:
    GateValidator(CharRule rule, QObject* parent) : QValidator(parent), gate_(rule, 0) {}
    State validate(QString& input, int& pos) const override { return gate_.Validate(input, pos); }

private:
    mutable TextGate gate_;
};

class FocusWatcher : public QObject {
public:
    FocusWatcher(QObject* parent, QObject* context, std::function<void()> onFocus,
                 std::function<void()> onBlur)
        : QObject(parent), context_(context), onFocus_(std::move(onFocus)),
          onBlur_(std::move(onBlur)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Widgets lose the focus while their window is torn down; by then the
        // handlers' owner may be gone.
        if (!context_) return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::FocusIn && onFocus_) onFocus_();
        if (event->type() == QEvent::FocusOut && onBlur_ &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            onBlur_();
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QObject> context_;
    std::function<void()> onFocus_;
    std::function<void()> onBlur_;
};

} // namespace

void LimitComboText(QComboBox* combo, int maxLength, CharRule accepts) {
    QLineEdit* edit = combo->lineEdit();
    if (!edit) return;
    if (maxLength > 0) edit->setMaxLength(maxLength);
    if (accepts) edit->setValidator(new GateValidator(accepts, edit));
}

void WatchFocus(QWidget* widget, QObject* context, std::function<void()> onFocus,
                std::function<void()> onBlur) {
    auto* watcher = new FocusWatcher(widget, context, std::move(onFocus), std::move(onBlur));
    // An editable combo box passes its focus on to its edit part: watching the
    // box alone is enough.
    widget->installEventFilter(watcher);
}

void FormRunner::Run(const FormBinder::Handler& handler) {
    if (busy_) return;
    busy_ = true;
    binder_.Run(handler);
    busy_ = false;
}

FieldColumn::FieldColumn(QWidget* parent, QGridLayout* grid, FormBinder& binder, FormRunner& runner)
    : parent_(parent), grid_(grid), binder_(binder), runner_(runner) {}

void FieldColumn::Row(const char* label, QWidget* widget) {
    auto* l = new QLabel(QString::fromLatin1(label), parent_);
    l->setBuddy(widget);
    grid_->addWidget(l, row_, 0);
    grid_->addWidget(widget, row_, 1);
    binder_.AttachLabel(widget, l);
    ++row_;
}

QLineEdit* FieldColumn::Edit(const char* label, TextField& field, FormBinder::Handler onFinished) {
    auto* edit = new QLineEdit(parent_);
    edit->setObjectName(QString::fromLatin1(label));
    Row(label, edit);
    binder_.Bind(edit, field);
    if (onFinished)
        QObject::connect(edit, &QLineEdit::editingFinished, &runner_,
                         [&runner = runner_, onFinished] { runner.Run(onFinished); });
    return edit;
}

QComboBox* FieldColumn::List(const char* label, ComboField& field, FormBinder::Handler onChanged) {
    auto* combo = new QComboBox(parent_);
    combo->setObjectName(QString::fromLatin1(label));
    combo->setMaxVisibleItems(16);
    Row(label, combo);
    binder_.Bind(combo, field);
    if (onChanged)
        QObject::connect(combo, &QComboBox::activated, &runner_,
                         [&runner = runner_, onChanged] { runner.Run(onChanged); });
    return combo;
}

QComboBox* FieldColumn::EditList(const char* label, ComboField& field, int maxLength,
                                 CharRule accepts, FormBinder::Handler onBlur) {
    QComboBox* combo = List(label, field);
    combo->setInsertPolicy(QComboBox::NoInsert);
    LimitComboText(combo, maxLength, accepts);
    FormRunner& runner = runner_; // this column is gone once the window is built
    WatchFocus(combo, &runner, {}, [&runner, onBlur] { runner.Run(onBlur); });
    return combo;
}

QCheckBox* FieldColumn::Check(const char* label, CheckField& field, FormBinder::Handler onToggled) {
    auto* check = new QCheckBox(QString::fromLatin1(label), parent_);
    check->setObjectName(QString::fromLatin1(label));
    grid_->addWidget(check, row_, 0, 1, 2);
    ++row_;
    binder_.Bind(check, field);
    if (onToggled)
        QObject::connect(check, &QCheckBox::toggled, &runner_,
                         [&runner = runner_, onToggled] { runner.Run(onToggled); });
    return check;
}

std::pair<QGridLayout*, QGridLayout*> AddTwoColumns(QBoxLayout* into) {
    auto* columns = new QHBoxLayout();
    columns->setSpacing(24);
    auto* left = new QGridLayout();
    auto* right = new QGridLayout();
    for (QGridLayout* g : {left, right}) {
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(6);
        columns->addLayout(g);
    }
    into->addLayout(columns);
    return {left, right};
}

void EndColumns(std::pair<QGridLayout*, QGridLayout*> columns) {
    for (QGridLayout* g : {columns.first, columns.second}) g->setRowStretch(g->rowCount(), 1);
}

RecordFieldWidgets AddRecordFields(FieldColumn& left, FieldColumn& right, ChannelFields& f,
                                   const RecordFieldLabels& labels,
                                   FormBinder::Handler onOffsetDirection) {
    RecordFieldWidgets w{};
    w.ctcss = left.EditList("CTCSS tone", f.ctcss, ChannelFields::kCtcssMaxLength,
                            ChannelFields::kCtcssAccepts, [&f] { f.OnCtcssCommit(); });
    w.dcs = left.EditList("DCS code", f.dcs, ChannelFields::kDcsMaxLength,
                          ChannelFields::kDcsAccepts, [&f] { f.OnDcsCommit(); });
    left.List("DCS polarity", f.dcsPolarity);
    w.decodeType = left.List(labels.decodeType, f.decodeType, [&f] { f.OnDecodeTypeChanged(); });
    w.optionSignaling =
        left.List("Option signaling", f.optionSignaling, [&f] { f.OnOptionSignalingChanged(); });
    w.signalDecode = left.List("Siganling decode", f.signalDecode);
    left.List("PTT ID", f.pttId);
    w.sqlMode = left.List("SQL mode", f.sqlMode);
    left.List("Tx stop", f.txStop);

    right.Check(labels.reverseBackup, f.reverseBackup);
    right.Check("Emphasis", f.emphasis);
    right.Check("Compander", f.compander);
    right.Check("Scrambler", f.scrambler);
    w.reverse = right.Check("Reverse", f.reverse, [&f] { f.OnReverseClicked(); });
    w.talkAround = right.Check("Talk around", f.talkAround, [&f] { f.OnTalkAroundClicked(); });
    right.Check("Beat shift", f.beatShift);
    right.Check("AM", f.am);
    right.List("Bandwidth", f.bandwidth);
    right.List("Scan", f.scan);
    w.power = right.List("Tx power", f.power);
    right.List(labels.busyLock, f.busyLock);
    right.List("Display type", f.displayType);
    w.step = right.List("Frequency step", f.step);
    w.offsetDirection = right.List("Offset direction", f.offsetDirection, onOffsetDirection);
    w.offset = right.Edit("Offset freq(MHz)", f.offset);
    return w;
}

} // namespace vmr
