// The questions, messages and file dialogs of the main window, in one place so
// that a test can answer them.
#pragma once

#include <QString>

class QWidget;

namespace vmr {

class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // Yes and No, or Yes, No and Cancel.
    virtual Answer Ask(QWidget* parent, const QString& caption, const QString& text,
                       bool withCancel);
    // A message with an OK button.
    virtual void Tell(QWidget* parent, const QString& caption, const QString& text);
    // A codeplug file to open or to save to; empty text when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& dir);
    virtual QString SaveFileName(QWidget* parent, const QString& dir, const QString& proposed);
};

} // namespace vmr
