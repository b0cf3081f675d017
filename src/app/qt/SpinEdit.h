// An edit box with a spin button beside it, whose steps go to the editor's own
// stepping rule (app/FieldFunctions.h) instead of a numeric value of its own.
#pragma once

#include <QAbstractSpinBox>
#include <QElapsedTimer>
#include <QValidator>

#include <functional>

class QLineEdit;

namespace vmr {

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CSpinEdit(QWidget* parent = nullptr);

    QLineEdit* Edit() const { return lineEdit(); }
    void stepBy(int steps) override;

    // The typing rule of the edit part (see FormBinder); none accepts all.
    using TextRule = std::function<QValidator::State(QString& input, int& pos)>;
    void SetTextRule(TextRule rule) { rule_ = std::move(rule); }
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // A step of delta: ±1 for a click, larger while a button or key is held.
    void Stepped(int delta);

protected:
    StepEnabled stepEnabled() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QElapsedTimer held_;
    TextRule rule_;
};

} // namespace vmr
