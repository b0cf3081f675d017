// Binds widgets to the plain fields of a core form (app/FormState.h).
//
// Load() shows the fields in the widgets (texts, list entries and selection,
// checks, enabled and visible flags) without raising change signals; Store()
// copies what the user has entered back into the fields. A user event on a
// bound widget stores all fields, runs the form's handler and loads all fields,
// so whatever the handler changes appears at once.
#pragma once

#include "app/FormState.h"

#include <QObject>
#include <QValidator>

#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace vmr {

class CSpinEdit;

// The typing rules of an edit box: characters failing the field's key test are
// dropped, and no more than maxLength characters are taken. Texts the form
// loads pass unchecked.
class TextGate {
public:
    TextGate(CharRule rule, int maxLength);
    QValidator::State Validate(QString& input, int& pos);
    void Loaded(const QString& text) { prev_ = text; }
    bool loading = false;

private:
    CharRule rule_;
    int maxLength_;
    QString prev_;
};

class FormBinder : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using StepHandler = std::function<void(int delta)>;

    explicit FormBinder(QObject* parent = nullptr) : QObject(parent) {}

    // An edit box; onFinished runs when it loses the focus or Enter is pressed.
    // Characters that fail field.accepts are dropped as they are typed or pasted.
    void Bind(QLineEdit* edit, TextField& field, Handler onFinished = {});
    // A list or combo box; onChanged runs when the user picks an entry.
    void Bind(QComboBox* combo, ComboField& field, Handler onChanged = {});
    // A check box; onToggled runs when the user changes it.
    void Bind(QCheckBox* check, CheckField& field, Handler onToggled = {});
    // An edit box with a spin button; onStep gets each step's signed size.
    void Bind(CSpinEdit* spin, TextField& field, StepHandler onStep, Handler onFinished = {});
    // A push button that runs a handler of the form.
    void BindButton(QAbstractButton* button, Handler onClicked);
    // A label that is shown and hidden with its field's widget.
    void AttachLabel(QWidget* fieldWidget, QWidget* label);

    void Load();
    void Store();

    // Stores, runs handler, loads: for events the view receives itself.
    void Run(const Handler& handler);

private:
    struct Binding {
        QWidget* widget;
        std::function<void()> load;
        std::function<void()> store;
    };
    void ApplyFlags(QWidget* w, bool enabled, bool visible);
    TextGate* NewGate(const TextField& field);

    std::vector<Binding> bindings_;
    std::vector<std::unique_ptr<TextGate>> gates_;
    std::vector<std::pair<QWidget*, QWidget*>> labels_;
    bool loading_ = false;
};

} // namespace vmr
