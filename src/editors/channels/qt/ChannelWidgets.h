// Widget helpers shared by the channel editors' windows: editable combo boxes
// whose edit part takes only a field's characters, focus events as handlers,
// the two-column label/field layout of the channel and VFO dialogs, the rows
// of record fields both dialogs show, and their common dialog behaviour.
#pragma once

#include "app/FormState.h"
#include "app/qt/FormBinder.h"
#include "editors/channels/ChannelFields.h"

#include <QDialog>
#include <QKeyEvent>
#include <QObject>

#include <functional>
#include <utility>

class QBoxLayout;
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

// Two columns of label/field rows side by side in into, each laid out on its
// own so that hidden rows of one leave no gaps in the other.
std::pair<QGridLayout*, QGridLayout*> AddTwoColumns(QBoxLayout* into);
// Ends both columns with a stretch so that their rows stay at the top.
void EndColumns(std::pair<QGridLayout*, QGridLayout*> columns);

// The labels in which the two dialogs differ.
struct RecordFieldLabels {
    const char* decodeType;
    const char* reverseBackup;
    const char* busyLock;
};

// The widgets of the record field rows that callers and tests reach.
struct RecordFieldWidgets {
    QComboBox* ctcss;
    QComboBox* dcs;
    QComboBox* decodeType;
    QComboBox* optionSignaling;
    QComboBox* signalDecode;
    QComboBox* sqlMode;
    QComboBox* power;
    QComboBox* step;
    QComboBox* offsetDirection;
    QCheckBox* reverse;
    QCheckBox* talkAround;
    QLineEdit* offset;
};

// The rows the channel and VFO dialogs share, in screen order: "CTCSS tone"
// to "Tx stop" in the left column (after the caller's frequency and name rows)
// and the whole right column, with the field dependencies as handlers.
RecordFieldWidgets AddRecordFields(FieldColumn& left, FieldColumn& right, ChannelFields& f,
                                   const RecordFieldLabels& labels,
                                   FormBinder::Handler onOffsetDirection = {});

// A modal dialog over one form, without OK or Cancel: Enter and Escape neither
// close it nor press a button, and closing it commits the box being edited as
// if it lost the focus, then runs the form's Close once.
template <class Form> class CFormDialog : public QDialog {
public:
    template <class... Args>
    explicit CFormDialog(QWidget* parent, Args&&... args)
        : QDialog(parent), form_(std::forward<Args>(args)...) {}

    Form& form() { return form_; }
    FormBinder& binder() { return binder_; }

    void done(int result) override {
        if (!closed_) {
            closed_ = true;
            if (QWidget* w = focusWidget()) w->clearFocus();
            runner_.Run([this] { form_.Close(); });
        }
        QDialog::done(result);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // The boxes that commit on Enter have done so before the key arrives.
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

    Form form_;
    FormBinder binder_;
    FormRunner runner_{binder_};

private:
    bool closed_ = false;
};

} // namespace vmr
