#include "app/qt/SpinEdit.h"

#include "app/FieldFunctions.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vmr {

CSpinEdit::CSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setAccelerated(false);
    setKeyboardTracking(true);
}

void CSpinEdit::stepBy(int steps) {
    int delta = steps;
    if (held_.isValid() && (steps == 1 || steps == -1))
        delta = steps * SpinAcceleration(held_.elapsed());
    emit Stepped(delta);
}

QValidator::State CSpinEdit::validate(QString& input, int& pos) const {
    return rule_ ? rule_(input, pos) : QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled; // stepping past an end wraps
}

void CSpinEdit::mousePressEvent(QMouseEvent* event) {
    held_.start();
    QAbstractSpinBox::mousePressEvent(event);
}

void CSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    held_.invalidate();
    QAbstractSpinBox::mouseReleaseEvent(event);
}

void CSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) held_.start();
    QAbstractSpinBox::keyPressEvent(event);
}

void CSpinEdit::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) held_.invalidate();
    QAbstractSpinBox::keyReleaseEvent(event);
}

} // namespace vmr
