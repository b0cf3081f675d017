// The editor framework, Qt half: the base classes of editor views and tab
// pages. See app/FormState.h for how an editor is written.
#pragma once

#include "app/FormState.h"
#include "app/qt/FormBinder.h"

#include <QWidget>

#include <utility>
#include <vector>

class QKeyEvent;
class QTabWidget;

namespace vmr {

// Every editor view. The main window calls RefreshFromImage when the view's
// window is activated and after New, Open and Read, and CommitToImage when the
// window is deactivated or closed and before Save, Save As, Read, Write and
// printing.
class CBaseFormView : public QWidget {
    Q_OBJECT
public:
    CBaseFormView(int formId, QWidget* parent = nullptr);
    int FormId() const { return formId_; }

    virtual void RefreshFromImage() {}
    virtual void CommitToImage() {}

    // Commands reach the active view before the main window: return true when
    // the view has handled commandId itself (ids in app/Editors.h).
    virtual bool HandleCommand(int commandId);

    // The help context of F1 and of the window's "Help" button.
    virtual int HelpContext() const;

private:
    int formId_;
};

// Enter or Escape: the keys that would close a dialog.
bool IsEnterOrEscape(const QKeyEvent* event);

// A tab page of a tab host. Enter and Escape stop at the page, so a page
// never closes the window it sits in.
class CBasePage : public QWidget {
    Q_OBJECT
public:
    CBasePage(int formId, QWidget* parent = nullptr);
    int FormId() const { return formId_; }

    virtual void RefreshFromImage() {}
    virtual void CommitToImage() {}

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int formId_;
};

// An editor view or tab page (Base) whose fields live in a core EditorForm
// and are bound to widgets: a refresh loads the form and then the widgets, a
// commit stores the widgets into the form and then the form into the image.
template <class Base, class Form> class CBound : public Base {
public:
    template <class... Args>
    CBound(int formId, QWidget* parent, Args&&... formArgs)
        : Base(formId, parent), form_(std::forward<Args>(formArgs)...) {}

    void RefreshFromImage() override {
        form_.RefreshFromImage();
        binder_.Load();
    }
    void CommitToImage() override {
        binder_.Store();
        form_.CommitToImage();
    }
    Form& form() { return form_; }
    FormBinder& binder() { return binder_; }

protected:
    Form form_;
    FormBinder binder_;
};

template <class Form> using CBoundView = CBound<CBaseFormView, Form>;
template <class Form> using CBoundPage = CBound<CBasePage, Form>;

// A view made of tabs, one page per tab. Only the current page is in step with
// the image: leaving a tab commits its page, entering one refreshes it, and the
// view's own RefreshFromImage and CommitToImage go to the current page.
class CTabHostView : public CBaseFormView {
    Q_OBJECT
public:
    CTabHostView(int formId, QWidget* parent = nullptr);

    // Adds a page (the host takes ownership). Call in tab order; the first page
    // becomes current.
    void AddPage(const QString& caption, CBasePage* page);

    void RefreshFromImage() override;
    void CommitToImage() override;

    int CurrentIndex() const;
    CBasePage* CurrentPage() const;
    CBasePage* Page(int index) const;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    QTabWidget* Tabs() const { return tabs_; }

private:
    void OnCurrentChanged(int index);

    QTabWidget* tabs_;
    std::vector<CBasePage*> pages_;
    int current_ = -1;
};

} // namespace vmr
