#include "app/qt/FormBinder.h"

#include "app/qt/SpinEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace vmr {

namespace {

QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}

// Drops every character that fails the field's key test, keeping the rest.
class CharRuleValidator : public QValidator {
public:
    CharRuleValidator(CharRule rule, QObject* parent) : QValidator(parent), rule_(rule) {}
    State validate(QString& input, int& pos) const override {
        QString kept;
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            const bool ok = c.unicode() < 0x80 && rule_(static_cast<char>(c.unicode()));
            if (ok)
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

void LoadText(QLineEdit* edit, const TextField& f) {
    if (edit->text() != ToQ(f.text)) edit->setText(ToQ(f.text));
    edit->setReadOnly(f.readOnly);
    edit->setMaxLength(f.maxLength > 0 ? f.maxLength : 32767);
}

void PrepareEdit(QLineEdit* edit, const TextField& field) {
    if (field.accepts) edit->setValidator(new CharRuleValidator(field.accepts, edit));
    if (field.maxLength > 0) edit->setMaxLength(field.maxLength);
}

} // namespace

void FormBinder::ApplyFlags(QWidget* w, bool enabled, bool visible) {
    w->setEnabled(enabled);
    if (w->isHidden() == visible) w->setVisible(visible);
    for (auto& [field, label] : labels_) {
        if (field != w) continue;
        label->setEnabled(enabled);
        if (label->isHidden() == visible) label->setVisible(visible);
    }
}

void FormBinder::Bind(QLineEdit* edit, TextField& field, Handler onFinished) {
    PrepareEdit(edit, field);
    bindings_.push_back({edit,
                         [this, edit, &field] {
                             LoadText(edit, field);
                             ApplyFlags(edit, field.enabled, field.visible);
                         },
                         [edit, &field] { field.text = edit->text().toStdString(); }});
    if (onFinished)
        connect(edit, &QLineEdit::editingFinished, this, [this, onFinished] {
            if (!loading_) Run(onFinished);
        });
}

void FormBinder::Bind(QComboBox* combo, ComboField& field, Handler onChanged) {
    combo->setEditable(field.editable);
    bindings_.push_back({combo,
                         [this, combo, &field] {
                             bool same = combo->count() == static_cast<int>(field.items.size());
                             for (int i = 0; same && i < combo->count(); ++i)
                                 same = combo->itemText(i) == ToQ(field.items[i]);
                             if (!same) {
                                 combo->clear();
                                 for (const std::string& s : field.items) combo->addItem(ToQ(s));
                             }
                             const int n = static_cast<int>(field.items.size());
                             combo->setCurrentIndex(field.current < n ? field.current : -1);
                             if (field.editable) combo->setEditText(ToQ(field.text));
                             ApplyFlags(combo, field.enabled, field.visible);
                         },
                         [combo, &field] {
                             field.current = combo->currentIndex();
                             if (field.editable) field.text = combo->currentText().toStdString();
                         }});
    if (onChanged)
        connect(combo, &QComboBox::activated, this, [this, onChanged] {
            if (!loading_) Run(onChanged);
        });
}

void FormBinder::Bind(QCheckBox* check, CheckField& field, Handler onToggled) {
    bindings_.push_back({check,
                         [this, check, &field] {
                             check->setChecked(field.checked);
                             ApplyFlags(check, field.enabled, field.visible);
                         },
                         [check, &field] { field.checked = check->isChecked(); }});
    if (onToggled)
        connect(check, &QCheckBox::toggled, this, [this, onToggled] {
            if (!loading_) Run(onToggled);
        });
}

void FormBinder::Bind(CSpinEdit* spin, TextField& field, StepHandler onStep, Handler onFinished) {
    QLineEdit* edit = spin->Edit();
    PrepareEdit(edit, field);
    bindings_.push_back({spin,
                         [this, spin, edit, &field] {
                             LoadText(edit, field);
                             spin->setReadOnly(field.readOnly);
                             ApplyFlags(spin, field.enabled, field.visible);
                         },
                         [edit, &field] { field.text = edit->text().toStdString(); }});
    connect(spin, &CSpinEdit::Stepped, this, [this, onStep](int delta) {
        if (!loading_ && onStep) Run([&] { onStep(delta); });
    });
    if (onFinished)
        connect(spin, &CSpinEdit::editingFinished, this, [this, onFinished] {
            if (!loading_) Run(onFinished);
        });
}

void FormBinder::BindButton(QAbstractButton* button, Handler onClicked) {
    connect(button, &QAbstractButton::clicked, this, [this, onClicked] {
        if (!loading_) Run(onClicked);
    });
}

void FormBinder::AttachLabel(QWidget* fieldWidget, QWidget* label) {
    labels_.emplace_back(fieldWidget, label);
}

void FormBinder::Load() {
    loading_ = true;
    for (const Binding& b : bindings_) {
        const QSignalBlocker block(b.widget);
        b.load();
    }
    loading_ = false;
}

void FormBinder::Store() {
    for (const Binding& b : bindings_) b.store();
}

void FormBinder::Run(const Handler& handler) {
    Store();
    if (handler) handler();
    Load();
}

} // namespace vmr
