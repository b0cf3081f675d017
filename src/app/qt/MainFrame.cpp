#include "app/qt/MainFrame.h"

#include "app/qt/AboutDlg.h"
#include "app/qt/BaseFormView.h"
#include "app/qt/ChildFrame.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/FileIo.h"
#include "app/qt/Icons.h"
#include "app/qt/Printing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace vmr {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::size_t Slot(EditorId id) {
    return static_cast<std::size_t>(id);
}

} // namespace

CMainFrame::CMainFrame(AppContext& ctx, const EditorRegistry& registry, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), registry_(registry), prompter_(std::make_unique<Prompter>()),
      transfer_(RunTransferDialog), port_(RunPortDialog), help_(ctx.settings) {
    setObjectName("MainFrame");
    setWindowIcon(MakeIcon(IconKind::App));
    // The whole work area of the desktop; the title is the model only.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowTitle(Q(MainWindowTitle(ctx_)));

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(0x8a, 0x94, 0x9e));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildTreeBar();

    if (!LoadDefaults(ctx_)) ShowStatus(tr("Default.dat could not be read; the data start empty."));
    OpenChannelEditor();
    comPane_->setText(Q(ctx_.settings.ComPort));
    freqPane_->setText(QString());
    MarkCleanAsStored();
}

CMainFrame::~CMainFrame() {
    // The bars and windows go after this object's members: they must not call
    // back into it on their way out.
    for (QObject* sender :
         std::initializer_list<QObject*>{mdi_, treeBar_, toolBar_, tree_, windowMenu_})
        disconnect(sender, nullptr, this, nullptr);
}

// ---- construction --------------------------------------------------------

QAction* CMainFrame::AddAction(int id, const QString& text, const QKeySequence& key) {
    auto* action = new QAction(text, this);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, id] { Command(id); });
    addAction(action);
    actions_[id] = action;
    return action;
}

QAction* CMainFrame::Action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildActions() {
    struct Item {
        int id;
        const char* text;
        QKeySequence key;
        const char* tip; // status bar prompt and tool tip
    };
    const Item items[] = {
        {cmd::kNew, "&New(&N)", QKeySequence(Qt::CTRL | Qt::Key_N), "Create a new document\nNew"},
        {cmd::kOpen, "&Open(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O),
         "Open an existing document\nOpen"},
        {cmd::kSave, "&Save(&S)", QKeySequence(Qt::CTRL | Qt::Key_S),
         "Save the active document\nSave"},
        {cmd::kSaveAs, "Save &As(&A)...", {}, "Save the active document with a new name\nSave As"},
        {cmd::kPrint, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P),
         "Print the active document\nPrint"},
        {cmd::kPrintPreview, "Print Pre&view", {}, "Display full pages\nPrint Preview"},
        {cmd::kPrintSetup,
         "P&rint Setup...",
         {},
         "Change the printer and printing options\nPrint Setup"},
        {cmd::kExit, "E&xit(&X)", {}, "Quit the application; prompts to save documents\nExit"},
        {cmd::kRead, "Read", {}, "Read\nRead"},
        {cmd::kWrite, "Write", {}, "Write\nWrite"},
        {cmd::kToolBar, "&Toolbar(&T)", {}, "Show or hide the toolbar\nToggle ToolBar"},
        {cmd::kStatusBar, "&Status Bar(&S)", {}, "Show or hide the status bar\nToggle StatusBar"},
        {cmd::kTreeView, "Tree View", {}, "Show or hide the tree bar\nTree View"},
        {cmd::kPort, "Port", {}, "Port\nPort"},
        {cmd::kCascade, "Cascade(&C)", {}, "Arrange windows so they overlap\nCascade Windows"},
        {cmd::kTile, "Tile(&T)", {}, "Arrange windows as non-overlapping tiles\nTile Windows"},
        {cmd::kArrange,
         "Arrange(&A)",
         {},
         "Arrange icons at the bottom of the window\nArrange Icons"},
        {cmd::kAbout,
         "About...",
         {},
         "Display program information, version number and copyright\nAbout"},
        {cmd::kHelp, "Help", QKeySequence(Qt::Key_F1),
         "Display help for current task or command\nHelp"},
    };
    for (const Item& item : items) {
        QAction* a = AddAction(item.id, tr(item.text), item.key);
        const QStringList tip = QString::fromLatin1(item.tip).split('\n');
        a->setStatusTip(tip.value(0));
        a->setToolTip(tip.value(1));
    }
    for (const EditorInfo& e : kEditors) {
        QAction* a = AddAction(e.commandId, Q(std::string(e.name.empty() ? e.title : e.name)));
        a->setStatusTip(a->text());
    }
    Action(cmd::kNew)->setIcon(MakeIcon(IconKind::New));
    Action(cmd::kOpen)->setIcon(MakeIcon(IconKind::Open));
    Action(cmd::kSave)->setIcon(MakeIcon(IconKind::Save));
    Action(cmd::kRead)->setIcon(MakeIcon(IconKind::Read));
    Action(cmd::kWrite)->setIcon(MakeIcon(IconKind::Write));
    Action(cmd::kPrint)->setIcon(MakeIcon(IconKind::Print));
    Action(cmd::kPort)->setIcon(MakeIcon(IconKind::Port));
    Action(cmd::kAbout)->setIcon(MakeIcon(IconKind::About));
    for (int id : {cmd::kToolBar, cmd::kStatusBar, cmd::kTreeView}) {
        Action(id)->setCheckable(true);
        Action(id)->setChecked(true);
    }

    // F6 and Shift+F6: the next and the previous pane.
    auto* next = new QAction(this);
    next->setShortcut(QKeySequence(Qt::Key_F6));
    connect(next, &QAction::triggered, this, [this] { NextPane(true); });
    auto* prev = new QAction(this);
    prev->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(prev, &QAction::triggered, this, [this] { NextPane(false); });
    addAction(next);
    addAction(prev);
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kSave, cmd::kSaveAs}) file->addAction(Action(id));
    file->addSeparator();
    for (int id : {cmd::kPrint, cmd::kPrintPreview, cmd::kPrintSetup}) file->addAction(Action(id));
    file->addSeparator();
    file->addAction(Action(cmd::kExit));

    QMenu* edit = bar->addMenu(tr("&Edit"));
    for (const EditorInfo& e : kEditors)
        if (!e.name.empty()) edit->addAction(Action(e.commandId));

    QMenu* program = bar->addMenu(tr("&Program"));
    program->addAction(Action(cmd::kRead));
    program->addAction(Action(cmd::kWrite));

    QMenu* view = bar->addMenu(tr("&View"));
    for (int id : {cmd::kToolBar, cmd::kStatusBar, cmd::kTreeView}) view->addAction(Action(id));

    QMenu* setting = bar->addMenu(tr("&Setting"));
    setting->addAction(Action(cmd::kPort));

    windowMenu_ = bar->addMenu(tr("&Window"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
    FillWindowMenu();

    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(Action(cmd::kAbout));
}

void CMainFrame::FillWindowMenu() {
    windowMenu_->clear();
    for (int id : {cmd::kCascade, cmd::kTile, cmd::kArrange}) windowMenu_->addAction(Action(id));
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowMenu_->addSeparator();
    int n = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a =
            windowMenu_->addAction(QStringLiteral("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == mdi_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { mdi_->setActiveSubWindow(w); });
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(tr("Standard"), this);
    toolBar_->setObjectName("toolBar128");
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kSave}) toolBar_->addAction(Action(id));
    toolBar_->addSeparator();
    for (int id : {cmd::kRead, cmd::kWrite}) toolBar_->addAction(Action(id));
    toolBar_->addSeparator();
    for (int id : {cmd::kPrint, cmd::kPort, cmd::kAbout}) toolBar_->addAction(Action(id));
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, this,
            [this](bool) { Action(cmd::kToolBar)->setChecked(!toolBar_->isHidden()); });
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    auto pane = [&](const QString& name, int width, const QString& text) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label);
        return label;
    };
    comPane_ = pane("COM", 50, QString());
    freqPane_ = pane("Freq", 100, QString());
    // The lock indicators of the keyboard; their state is not read here, so
    // they are shown as the platform shows an indicator that is off.
    for (const char* lock : {"CAP", "NUM", "SCRL"}) pane(lock, 34, lock)->setEnabled(false);
    bar->showMessage(tr("Ready"));
}

void CMainFrame::BuildTreeBar() {
    treeBar_ = new QDockWidget(tr("Tree Bar"), this);
    treeBar_->setObjectName("treeBar2000");
    treeBar_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                          QDockWidget::DockWidgetFloatable);
    tree_ = new QTreeWidget(treeBar_);
    tree_->setObjectName("tree2001");
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setFrameShadow(QFrame::Sunken);
    tree_->setMinimumWidth(150);
    auto* root = new QTreeWidgetItem(tree_, {Q(ctx_.settings.ModelName)});
    root->setIcon(0, MakeIcon(IconKind::App));
    for (const EditorInfo& e : kEditors) {
        if (e.name.empty()) continue;
        auto* item = new QTreeWidgetItem(root, {Q(std::string(e.name))});
        item->setIcon(0, MakeIcon(IconKind::Editor));
    }
    root->setExpanded(true);
    treeBar_->setWidget(tree_);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    resizeDocks({treeBar_}, {190}, Qt::Horizontal);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { OnTreeClicked(item); });
    connect(treeBar_, &QDockWidget::visibilityChanged, this,
            [this](bool) { Action(cmd::kTreeView)->setChecked(!treeBar_->isHidden()); });
}

// ---- commands ------------------------------------------------------------

void CMainFrame::Command(int id) {
    if (CBaseFormView* view = ActiveView()) {
        // A view's own Read marks the radio's data as in step as they arrived;
        // take them again as the editors store them, as the main window's Read
        // does, so that closing right after it asks nothing.
        const RadioImage cleanBefore = ctx_.clean.image;
        if (view->HandleCommand(id)) {
            if (id == cmd::kRead && ctx_.clean.marked && !(ctx_.clean.image == cleanBefore))
                MarkCleanAsStored();
            return;
        }
    }
    if (const auto editor = EditorOfCommand(id)) {
        OpenEditor(*editor);
        return;
    }
    switch (id) {
    case cmd::kNew:
        OnNew();
        break;
    case cmd::kOpen:
        OnOpen();
        break;
    case cmd::kSave:
        OnSave();
        break;
    case cmd::kSaveAs:
        OnSaveAs();
        break;
    case cmd::kPrint:
        OnPrint();
        break;
    case cmd::kPrintPreview:
        OnPrintPreview();
        break;
    case cmd::kPrintSetup:
        OnPrintSetup();
        break;
    case cmd::kExit:
        close();
        break;
    case cmd::kRead:
        OnRead();
        break;
    case cmd::kWrite:
        OnWrite();
        break;
    case cmd::kPort:
        OnPort();
        break;
    case cmd::kAbout:
        OnAbout();
        break;
    case cmd::kHelp:
        OnHelp();
        break;
    case cmd::kToolBar:
        toolBar_->setVisible(toolBar_->isHidden());
        Action(cmd::kToolBar)->setChecked(!toolBar_->isHidden());
        break;
    case cmd::kStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        Action(cmd::kStatusBar)->setChecked(!statusBar()->isHidden());
        break;
    case cmd::kTreeView:
        treeBar_->setVisible(treeBar_->isHidden());
        Action(cmd::kTreeView)->setChecked(!treeBar_->isHidden());
        break;
    case cmd::kCascade:
        mdi_->cascadeSubWindows();
        break;
    case cmd::kTile:
        mdi_->tileSubWindows();
        break;
    case cmd::kArrange: {
        // Minimised windows in a row along the bottom edge.
        int x = 0;
        for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
            if (!w->isMinimized()) continue;
            w->move(x, mdi_->viewport()->height() - w->height());
            x += w->width();
        }
        break;
    }
    default:
        break;
    }
}

void CMainFrame::SetRadioDialogs(TransferRunner transfer, PortRunner port) {
    transfer_ = std::move(transfer);
    port_ = std::move(port);
}

QString CMainFrame::Caption() const {
    return Q(ctx_.settings.ModelName);
}

void CMainFrame::ShowStatus(const QString& text) {
    statusBar()->showMessage(text, 15000);
}

void CMainFrame::OnNew() {
    if (prompter_->Ask(this, QString::fromLatin1(kNewCaption), QString::fromLatin1(kNewQuestion),
                       false) != Prompter::Answer::Yes)
        return;
    if (!LoadDefaults(ctx_)) {
        // Nothing was cleared: saying otherwise would mislead.
        prompter_->Tell(this, Caption(),
                        tr("Default.dat cannot be read, so the data have not been cleared."));
        return;
    }
    ctx_.CurrentFile.clear();
    setWindowTitle(Q(MainWindowTitle(ctx_)));
    RefreshAllViews();
    MarkCleanAsStored();
}

// The editors store some data in a tidier form than they were loaded in (a
// tone word no tone encodes, text after its padding): the data as last
// loaded or saved are taken as the open editors would store them, so that
// opening and closing a file asks nothing. The image itself stays as loaded.
void CMainFrame::MarkCleanAsStored() {
    const RadioImage loaded = ctx_.image;
    CommitAllViews();
    MarkClean(ctx_);
    ctx_.image = loaded;
}

bool CMainFrame::IsUnchangedNow() {
    if (!ctx_.clean.marked) return false;
    const RadioImage now = ctx_.image;
    CommitAllViews();
    const bool unchanged = !HasUnsavedChanges(ctx_);
    ctx_.image = now;
    return unchanged;
}

bool CMainFrame::MayReplaceData() {
    CommitAllViews();
    if (!HasUnsavedChanges(ctx_)) return true;
    const Prompter::Answer answer =
        prompter_->Ask(this, Caption(),
                       tr("The data have been changed since they were last saved.\n"
                          "Save the changes?"),
                       true);
    if (answer == Prompter::Answer::Cancel) return false;
    return answer == Prompter::Answer::No || OnSave();
}

void CMainFrame::OnOpen() {
    // Another file replaces the data: unsaved edits are offered a save first.
    if (!MayReplaceData()) return;
    const QString path = prompter_->OpenFileName(this, Q(ctx_.settings.DataDir));
    if (path.isEmpty()) return;
    const QString full = QFileInfo(path).absoluteFilePath();
    const FileResult r = OpenCodeplug(ctx_, LocalPath(full));
    if (!r.ok) {
        prompter_->Tell(this, Caption(), Q(FileErrorText(r)));
        return;
    }
    ctx_.CurrentFile = full.toStdString();
    RefreshAllViews();
    setWindowTitle(Q(MainWindowTitle(ctx_)));
    if (mdi_->subWindowList().isEmpty()) OpenChannelEditorAtTopLeft();
    MarkCleanAsStored();
}

bool CMainFrame::OnSave() {
    CommitAllViews();
    if (!ctx_.CurrentFile.empty()) return WriteTo(Q(ctx_.CurrentFile));
    return SaveAsFromDialog();
}

bool CMainFrame::OnSaveAs() {
    CommitAllViews();
    return SaveAsFromDialog();
}

bool CMainFrame::SaveAsFromDialog() {
    const QString path =
        prompter_->SaveFileName(this, Q(ctx_.settings.DataDir), Q(ctx_.settings.ModelDataFile));
    if (path.isEmpty()) return false;
    const QString full = QFileInfo(path).absoluteFilePath();
    if (!WriteTo(full)) return false;
    ctx_.CurrentFile = full.toStdString();
    setWindowTitle(Q(MainWindowTitle(ctx_)));
    return true;
}

bool CMainFrame::WriteTo(const QString& path) {
    const FileResult r = WriteCodeplugFile(path, ctx_.image, ctx_.tones);
    if (!r.ok) {
        prompter_->Tell(this, Caption(), Q(FileErrorText(r)));
        return false;
    }
    MarkClean(ctx_);
    ShowStatus(tr("Saved %1").arg(path));
    return true;
}

void CMainFrame::OnRead() {
    CommitAllViews();
    if (!transfer_ || !transfer_(RadioDirection::Read, ctx_, this)) return;
    RefreshBandLimits(ctx_.bandLimits, ctx_.image);
    RefreshAllViews();
    if (mdi_->subWindowList().isEmpty()) OpenChannelEditorAtTopLeft();
    MarkCleanAsStored();
}

void CMainFrame::OnWrite() {
    CommitAllViews();
    if (transfer_ && transfer_(RadioDirection::Write, ctx_, this)) MarkClean(ctx_);
}

void CMainFrame::OnPort() {
    if (port_ && port_(ctx_, this)) comPane_->setText(Q(ctx_.settings.ComPort));
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(ctx_.settings, this);
    dialog.exec();
}

void CMainFrame::OnHelp() {
    const CBaseFormView* view = ActiveView();
    const int context = view ? view->HelpContext() : HelpContextOfWindow(kMainFrameResource);
    QString note;
    if (!help_.Show(context, &note)) ShowStatus(note);
}

void CMainFrame::OnChildHelp(CMyChildFrame* frame) {
    QString note;
    if (frame->View() && !help_.Show(frame->View()->HelpContext(), &note)) ShowStatus(note);
}

// ---- printing ------------------------------------------------------------

bool CMainFrame::PrintTo(QPrinter& printer) {
    CommitAllViews();
    return PrintCodeplug(printer, Q(CodeplugName(ctx_)));
}

void CMainFrame::OnPrint() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintTo(*printer_)) prompter_->Tell(this, Caption(), tr("The page could not be printed."));
}

void CMainFrame::OnPrintSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void CMainFrame::OnPrintPreview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CommitAllViews();
    const QString name = Q(CodeplugName(ctx_));
    preview_ = new QPrintPreviewDialog(printer_.get(), this);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setWindowTitle(tr("Preview"));
    connect(preview_, &QPrintPreviewDialog::paintRequested, this,
            [name](QPrinter* printer) { PrintCodeplug(*printer, name); });
    connect(preview_, &QDialog::finished, this, [this] {
        show();
        activateWindow();
    });
    hide();
    // The whole work area even where no window manager maximises it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        preview_->setGeometry(screen->availableGeometry());
    preview_->showMaximized();
}

// ---- editors ---------------------------------------------------------------

QList<CMyChildFrame*> CMainFrame::ChildFrames() const {
    QList<CMyChildFrame*> frames;
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (auto* f = qobject_cast<CMyChildFrame*>(*it)) frames.push_back(f);
    return frames;
}

void CMainFrame::RefreshAllViews() {
    for (CMyChildFrame* f : ChildFrames())
        if (f->View()) f->View()->RefreshFromImage();
}

void CMainFrame::CommitAllViews() {
    // The channel table commits last: its consistency pass derives parts of the
    // image from what the other editors have just stored.
    CMyChildFrame* channels = EditorFrame(EditorId::ChannelSetting);
    for (CMyChildFrame* f : ChildFrames())
        if (f != channels && f->View()) f->View()->CommitToImage();
    if (channels && channels->View()) channels->View()->CommitToImage();
    ClearCommitFlags(ctx_.image);
}

CMyChildFrame* CMainFrame::EditorFrame(EditorId id) const {
    return frames_[Slot(id)].data();
}

CBaseFormView* CMainFrame::ActiveView() const {
    auto* frame = qobject_cast<CMyChildFrame*>(mdi_->currentSubWindow());
    if (!frame) frame = lastActive_.data();
    return frame ? frame->View() : nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* frame = qobject_cast<CMyChildFrame*>(window);
    // The whole program losing the focus (a dialog, another program) is no
    // change of editor.
    if (!frame && !mdi_->subWindowList().isEmpty()) return;
    if (frame == lastActive_) return;
    if (lastActive_ && lastActive_->View()) lastActive_->View()->CommitToImage();
    lastActive_ = frame;
    if (frame && frame->View()) frame->View()->RefreshFromImage();
}

CMyChildFrame* CMainFrame::CreateEditorWindow(EditorId id) {
    const EditorInfo& info = InfoOf(id);
    const ViewFactory& factory = registry_.ViewOf(id);
    if (!factory) {
        ShowStatus(
            tr("The %1 editor is not part of this build yet.").arg(Q(std::string(info.title))));
        return nullptr;
    }
    const bool unchanged = IsUnchangedNow();
    CBaseFormView* view = factory(ctx_, nullptr);
    if (!view) return nullptr;
    auto* frame = new CMyChildFrame(id, view);
    frame->setWindowTitle(Q(std::string(info.title)));
    frame->setWindowIcon(MakeIcon(IconKind::Editor));
    // New windows cascade from the top left corner, like the platform's
    // default placement, and start inside the client area.
    const int n = static_cast<int>(mdi_->subWindowList().size());
    mdi_->addSubWindow(frame);
    frame->resize(info.width, info.height);
    const QSize area = mdi_->viewport()->size();
    int offset = 26 * (n % 8);
    if (offset + info.width > area.width() || offset + info.height > area.height()) offset = 0;
    frame->move(offset, offset);
    frames_[Slot(id)] = frame;
    connect(frame, &CMyChildFrame::HelpRequested, this, &CMainFrame::OnChildHelp);
    view->RefreshFromImage(); // the first update
    // Opening a window changes no data: what it would tidy counts as stored.
    if (unchanged) MarkCleanAsStored();
    return frame;
}

void CMainFrame::OpenEditor(EditorId id) {
    const EditorInfo& info = InfoOf(id);
    if (info.modal) {
        RunModalEditor(id);
        return;
    }
    if (id == EditorId::ChannelSetting) {
        OpenChannelEditor();
        return;
    }
    CMyChildFrame* existing = EditorFrame(id);
    if (existing && mdi_->currentSubWindow() == existing) return;
    if (existing) {
        mdi_->setActiveSubWindow(existing);
        existing->setFocus();
        return;
    }
    if (CMyChildFrame* frame = CreateEditorWindow(id)) {
        frame->show();
        mdi_->setActiveSubWindow(frame);
        frame->setFocus();
    }
}

void CMainFrame::OpenChannelEditor() {
    if (CMyChildFrame* existing = EditorFrame(EditorId::ChannelSetting)) {
        mdi_->setActiveSubWindow(existing);
        return;
    }
    if (CMyChildFrame* frame = CreateEditorWindow(EditorId::ChannelSetting)) {
        frame->showMaximized();
        mdi_->setActiveSubWindow(frame);
        frame->setFocus();
    }
}

void CMainFrame::OpenChannelEditorAtTopLeft() {
    OpenChannelEditor();
    if (CMyChildFrame* frame = EditorFrame(EditorId::ChannelSetting)) frame->move(0, 0);
}

void CMainFrame::RunModalEditor(EditorId id) {
    const DialogRunner& run = registry_.DialogOf(id);
    if (!run) {
        ShowStatus(tr("The %1 editor is not part of this build yet.")
                       .arg(Q(std::string(InfoOf(id).name))));
        return;
    }
    run(ctx_, this);
    if (id != EditorId::FrequencyRange) return;
    // Whatever the dialog's result: channels left outside every band are reset.
    ResetChannelsOutsideBands(ctx_.image, ctx_.bandLimits);
    if (CMyChildFrame* channels = EditorFrame(EditorId::ChannelSetting);
        channels && channels->View())
        channels->View()->RefreshFromImage();
}

void CMainFrame::OnTreeClicked(QTreeWidgetItem* item) {
    if (!item) return;
    if (const auto id = EditorOfTreeText(item->text(0).toStdString()))
        Command(InfoOf(*id).commandId);
}

void CMainFrame::NextPane(bool forward) {
    QWidget* panes[] = {tree_, mdi_->currentSubWindow()};
    QWidget* focus = QApplication::focusWidget();
    const bool inTree = focus && (focus == tree_ || tree_->isAncestorOf(focus));
    QWidget* target = panes[(inTree == forward) ? 1 : 0];
    if (!target || (target == tree_ && treeBar_->isHidden())) return;
    target->setFocus(Qt::ShortcutFocusReason);
}

// ---- closing ---------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (preview_) preview_->close();
    if (!MayReplaceData()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace vmr
