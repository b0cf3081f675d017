// The frame of every editor window: the editor's view above a bar with the
// "Help" and "Close" buttons.
#pragma once

#include "app/Editors.h"

#include <QMdiSubWindow>

class QPushButton;

namespace vmr {

class CBaseFormView;

class CMyChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int kBarId = 130;
    CMyChildFrame(EditorId editor, CBaseFormView* view, QWidget* parent = nullptr);

    EditorId Editor() const { return editor_; }
    CBaseFormView* View() const { return view_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* HelpButton() const { return help_; }

signals:
    // The "Help" button: help for the view, as F1 in it would ask.
    void HelpRequested(CMyChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    EditorId editor_;
    CBaseFormView* view_;
    QPushButton* close_;
    QPushButton* help_;
};

} // namespace vmr
