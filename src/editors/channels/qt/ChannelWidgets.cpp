#include "editors/channels/qt/ChannelWidgets.h"

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

// Drops the characters that fail the rule as they are typed or pasted.
class CharRuleValidator : public QValidator {
public:
    CharRuleValidator(CharRule rule, QObject* parent) : QValidator(parent), rule_(rule) {}
    State validate(QString& input, int& pos) const override {
        QString kept;
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c.unicode() < 0x80 && rule_(static_cast<char>(c.unicode())))
                kept += c;
            else if (i < pos)
                --newPos;
        }
        input = kept;
        pos = newPos;
        return Acceptable;
    }

private:
    CharRule rule_;
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
    if (accepts) edit->setValidator(new CharRuleValidator(accepts, edit));
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

} // namespace vmr
