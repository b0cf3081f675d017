#include "app/qt/FormBinder.h"

#include "app/qt/SpinEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace vmr {

namespace {

QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}

void LoadText(QLineEdit* edit, TextGate& gate, const TextField& f) {
    const QString text = ToQ(f.text);
    if (edit->text() != text) {
        // What the form puts into a box is shown as it is: the key rule and
        // the length limit apply to what the user types.
        gate.loading = true;
        edit->setText(text);
        gate.loading = false;
    }
    gate.Loaded(text);
    edit->setReadOnly(f.readOnly);
}

// The QValidator face of a gate.
class GateValidator : public QValidator {
public:
    GateValidator(TextGate* gate, QObject* parent) : QValidator(parent), gate_(gate) {}
    State validate(QString& input, int& pos) const override { return gate_->Validate(input, pos); }

private:
    TextGate* gate_;
};

} // namespace

TextGate::TextGate(CharRule rule, int maxLength) : rule_(rule), maxLength_(maxLength) {}

QValidator::State TextGate::Validate(QString& input, int& pos) {
    if (loading) {
        prev_ = input;
        return QValidator::Acceptable;
    }
    if (rule_) {
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
    }
    // A limited box takes no more characters than fit; the ones just typed or
    // pasted in front of the cursor are the ones dropped.
    if (maxLength_ > 0 && input.size() > maxLength_) {
        const qsizetype inserted = input.size() - prev_.size();
        const qsizetype room = std::max<qsizetype>(0, maxLength_ - prev_.size());
        const qsizetype drop = std::min<qsizetype>(inserted - room, pos);
        if (inserted > 0 && drop > 0) {
            input.remove(pos - drop, drop);
            pos -= static_cast<int>(drop);
        }
    }
    prev_ = input;
    return QValidator::Acceptable;
}

void FormBinder::ApplyFlags(QWidget* w, bool enabled, bool visible) {
    w->setEnabled(enabled);
    if (w->isHidden() == visible) w->setVisible(visible);
    for (auto& [field, label] : labels_) {
        if (field != w) continue;
        label->setEnabled(enabled);
        if (label->isHidden() == visible) label->setVisible(visible);
    }
}

TextGate* FormBinder::NewGate(const TextField& field) {
    gates_.push_back(std::make_unique<TextGate>(field.accepts, field.maxLength));
    return gates_.back().get();
}

void FormBinder::Bind(QLineEdit* edit, TextField& field, Handler onFinished) {
    TextGate* gate = NewGate(field);
    edit->setValidator(new GateValidator(gate, edit));
    bindings_.push_back({edit,
                         [this, edit, gate, &field] {
                             LoadText(edit, *gate, field);
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
    TextGate* gate = NewGate(field);
    spin->SetTextRule([gate](QString& input, int& pos) { return gate->Validate(input, pos); });
    bindings_.push_back({spin,
                         [this, spin, edit, gate, &field] {
                             LoadText(edit, *gate, field);
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
