// Widget helpers shared by the channel editors' windows: editable combo boxes
// whose edit part takes only a field's characters, focus events as handlers,
// and the two-column label/field layout of the channel and VFO dialogs.
#pragma once

#include "app/FormState.h"
#include "app/qt/FormBinder.h"

#include <QObject>

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace vmr {

// The edit part of an editable combo box takes at most maxLength characters,
// each passing accepts.
void LimitComboText(QComboBox* combo, int maxLength, CharRule accepts);

// Calls onFocus when widget gains the focus and onBlur when it loses it (a
// drop-down list opening excepted), for as long as context exists.
void WatchFocus(QWidget* widget, QObject* context, std::function<void()> onFocus,
                std::function<void()> onBlur);

// Runs form handlers through a binder, one at a time: a handler asked for
// while another runs (a focus change while the widgets are being loaded, say)
// is dropped.
class FormRunner : public QObject {
public:
    explicit FormRunner(FormBinder& binder) : binder_(binder) {}
    void Run(const FormBinder::Handler& handler);
    bool Busy() const { return busy_; }

private:
    FormBinder& binder_;
    bool busy_ = false;
};

// One column of "label  field" rows (check boxes span both cells), binding each
// field to its widget as it is added; the handlers run through the runner.
class FieldColumn {
public:
    FieldColumn(QWidget* parent, QGridLayout* grid, FormBinder& binder, FormRunner& runner);

    QLineEdit* Edit(const char* label, TextField& field, FormBinder::Handler onFinished = {});
    QComboBox* List(const char* label, ComboField& field, FormBinder::Handler onChanged = {});
    // An editable combo committed when it loses the focus.
    QComboBox* EditList(const char* label, ComboField& field, int maxLength, CharRule accepts,
                        FormBinder::Handler onBlur);
    QCheckBox* Check(const char* label, CheckField& field, FormBinder::Handler onToggled = {});
    // A row of its own for a widget bound elsewhere.
    void Row(const char* label, QWidget* widget);

private:
    QWidget* parent_;
    QGridLayout* grid_;
    int row_ = 0;
    FormBinder& binder_;
    FormRunner& runner_;
};

} // namespace vmr
