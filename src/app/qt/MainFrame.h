// The main window: the editors' child windows in a multiple-document area, the
// "Tree Bar" that opens them, the menus, tool bar and status bar, and the file,
// radio and print commands.
#pragma once

#include "app/AppContext.h"
#include "app/Editors.h"
#include "app/Shell.h"
#include "app/qt/HelpHook.h"
#include "app/qt/Prompter.h"
#include "app/qt/RadioCommands.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrintPreviewDialog>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace vmr {

class CBaseFormView;
class CMyChildFrame;
class EditorRegistry;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kTreeBarId = 2000;
    static constexpr int kTreeId = 2001;

    // Builds the window, loads the default data and opens the channel editor.
    CMainFrame(AppContext& ctx, const EditorRegistry& registry, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Runs a command (ids in app/Editors.h): the active editor view gets it
    // first, and only when it does not handle it does the main window.
    void Command(int id);

    // Image -> every open editor; every open editor -> image (then the commit
    // flags of 0xCC25 are cleared).
    void RefreshAllViews();
    void CommitAllViews();
    // Opens or activates the editor's window; runs a modal editor.
    void OpenEditor(EditorId id);

    // The commands of the main window itself.
    void OnNew();
    void OnOpen();
    bool OnSave();
    bool OnSaveAs();
    void OnRead();
    void OnWrite();
    void OnPort();
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnAbout();
    void OnHelp();
    // Commits the editors and prints the one page onto printer.
    bool PrintTo(QPrinter& printer);

    CMyChildFrame* EditorFrame(EditorId id) const;
    CBaseFormView* ActiveView() const;
    QMdiArea* MdiArea() const { return mdi_; }
    QTreeWidget* Tree() const { return tree_; }
    QDockWidget* TreeBar() const { return treeBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* ComPane() const { return comPane_; }
    QLabel* FreqPane() const { return freqPane_; }
    QAction* Action(int id) const;
    HelpHook& Help() { return help_; }
    QPrintPreviewDialog* Preview() const { return preview_; }

    // Test seams: the questions and file dialogs, and the radio link's dialogs.
    void SetPrompter(std::unique_ptr<Prompter> prompter) { prompter_ = std::move(prompter); }
    void SetRadioDialogs(TransferRunner transfer, PortRunner port);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildTreeBar();
    QAction* AddAction(int id, const QString& text, const QKeySequence& key = {});
    void OnTreeClicked(QTreeWidgetItem* item);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnChildHelp(CMyChildFrame* frame);
    void OpenChannelEditor();
    void OpenChannelEditorAtTopLeft();
    CMyChildFrame* CreateEditorWindow(EditorId id);
    void RunModalEditor(EditorId id);
    // Commits the editors; when the data have changed since they were last
    // saved, asks whether to save them. False: keep the data (Cancel, or the
    // save failed or was cancelled).
    bool MayReplaceData();
    // Marks the data as saved in the form the open editors store them.
    void MarkCleanAsStored();
    // Whether the data, with every editor's edits, are as last marked.
    bool IsUnchangedNow();
    bool SaveAsFromDialog();
    bool WriteTo(const QString& path);
    QList<CMyChildFrame*> ChildFrames() const; // top window first
    QString Caption() const;
    void ShowStatus(const QString& text);
    void FillWindowMenu();
    void NextPane(bool forward);

    AppContext& ctx_;
    const EditorRegistry& registry_;
    std::array<QPointer<CMyChildFrame>, kEditorCount> frames_;
    QPointer<CMyChildFrame> lastActive_;
    QMdiArea* mdi_ = nullptr;
    QDockWidget* treeBar_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* comPane_ = nullptr;
    QLabel* freqPane_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    std::unique_ptr<Prompter> prompter_;
    TransferRunner transfer_;
    PortRunner port_;
    HelpHook help_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintPreviewDialog> preview_;
};

} // namespace vmr
