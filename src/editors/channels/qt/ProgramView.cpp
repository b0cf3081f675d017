#include "editors/channels/qt/ProgramView.h"

#include "app/Editors.h"
#include "app/qt/CellGrid.h"
#include "app/qt/EditorRegistry.h"
#include "editors/channels/ChannelFields.h"
#include "editors/channels/qt/ChannelEditDlg.h"
#include "editors/channels/qt/ChannelWidgets.h"
#include "editors/channels/qt/VfoDlg.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vmr {

using F = ProgramForm;

CProgramView::CProgramView(AppContext& ctx, QWidget* parent)
    : CBoundView<ProgramForm>(ProgramForm::kFormId, parent, ctx), ctx_(ctx),
      transfer_(RunTransferDialog), port_(RunPortDialog), editRunner_(RunChannelEditDialog) {
    setObjectName("form101");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    auto* top = new QHBoxLayout();
    editButton_ = new QPushButton(tr("Channel edit"), this);
    editButton_->setObjectName("button1021");
    editButton_->setAutoDefault(false);
    top->addWidget(editButton_);
    top->addStretch(1);
    layout->addLayout(top);
    grid_ = new CCellGrid(this);
    grid_->setObjectName("grid1022");
    layout->addWidget(grid_, 1);
    setFocusProxy(grid_);

    SetUpGrid();
    SetUpEditors();
    connect(editButton_, &QPushButton::clicked, &binder_, [this] { OnChannelEdit(); });
}

void CProgramView::SetUpGrid() {
    grid_->SetRedraw(false);
    grid_->SetRows(F::kRows);
    grid_->SetCols(F::kColumns);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    for (int c = 0; c < F::kColumns; ++c) {
        const std::string_view h = F::kHeaders[static_cast<std::size_t>(c)];
        grid_->SetTextMatrix(0, c, QString::fromLatin1(h.data(), static_cast<qsizetype>(h.size())));
        grid_->SetColWidth(c, F::kColumnTwips[static_cast<std::size_t>(c)]);
        grid_->SetColAlignment(c, Qt::AlignCenter);
    }
    grid_->SetRowHeight(0, F::kRowTwips);
    // Every data row has the same height: one default instead of 800 resizes.
    grid_->verticalHeader()->setDefaultSectionSize(grid_->TwipsToPxY(F::kRowTwips));
    for (int r = 1; r < F::kRows; ++r) grid_->SetTextMatrix(r, 0, QString::number(r));
    grid_->setCurrentCell(0, 0);
    grid_->SetRedraw(true);

    grid_->SetKeyHandler([this](QKeyEvent* e) { return OnGridKey(e); });
    connect(grid_, &CCellGrid::CellChanged, &binder_, [this](int row, int col) {
        if (syncing_) return;
        Run([&] { form_.OnCurrentCellChanged(row, col, grid_->MouseCol()); });
    });
    connect(grid_, &CCellGrid::MouseDown, &binder_,
            [this](Qt::MouseButton button, QPoint, int row, int col) {
                if (syncing_ || button != Qt::LeftButton) return;
                Run([&] { form_.OnMouseDown(row, col); });
            });
    connect(grid_, &CCellGrid::Scrolled, &binder_, [this] {
        if (syncing_) return;
        Run([&] { form_.OnScroll(); });
    });
}

void CProgramView::SetUpEditors() {
    QWidget* over = grid_->viewport();
    freqEdit_ = new QLineEdit(over);
    freqEdit_->setObjectName("edit1023");
    nameEdit_ = new QLineEdit(over);
    nameEdit_->setObjectName("edit1059");
    ctcssEdit_ = new QComboBox(over);
    ctcssEdit_->setObjectName("combo1202");
    dcsEdit_ = new QComboBox(over);
    dcsEdit_->setObjectName("combo1203");
    listEdit_ = new QComboBox(over);
    listEdit_->setObjectName("combo1024");
    binder_.Bind(freqEdit_, form_.freqEdit);
    binder_.Bind(nameEdit_, form_.nameEdit);
    binder_.Bind(ctcssEdit_, form_.ctcssEdit);
    binder_.Bind(dcsEdit_, form_.dcsEdit);
    binder_.Bind(listEdit_, form_.listEdit);
    for (QComboBox* c : {ctcssEdit_, dcsEdit_, listEdit_}) {
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(16);
    }
    LimitComboText(ctcssEdit_, ChannelFields::kCtcssMaxLength, ChannelFields::kCtcssAccepts);
    LimitComboText(dcsEdit_, ChannelFields::kDcsMaxLength, ChannelFields::kDcsAccepts);
    for (QWidget* w :
         std::initializer_list<QWidget*>{freqEdit_, nameEdit_, ctcssEdit_, dcsEdit_, listEdit_}) {
        w->hide();
        w->installEventFilter(this);
    }
    // Enter typed into an editable combo box reaches its edit part first.
    ctcssEdit_->lineEdit()->installEventFilter(this);
    dcsEdit_->lineEdit()->installEventFilter(this);
    binder_.Load();
}

QWidget* CProgramView::ShownEditor() const {
    switch (form_.ActiveEditor()) {
    case F::Editor::Freq:
        return freqEdit_;
    case F::Editor::Name:
        return nameEdit_;
    case F::Editor::Ctcss:
        return ctcssEdit_;
    case F::Editor::Dcs:
        return dcsEdit_;
    case F::Editor::List:
        return listEdit_;
    case F::Editor::None:
        break;
    }
    return nullptr;
}

void CProgramView::Run(const std::function<void()>& handler) {
    if (syncing_) return;
    syncing_ = true;
    binder_.Run(handler);
    SyncGrid();
    // An image operation asked for while the widgets were being brought in
    // step has run on the form; show its result too.
    while (resync_) {
        resync_ = false;
        binder_.Load();
        SyncGrid();
    }
    syncing_ = false;
}

void CProgramView::RunImageOperation(const std::function<void()>& operation) {
    // The image operations are never dropped: the main window may ask for one
    // while a widget change of this view is still under way. The fields are
    // the truth then (the widgets are being loaded from them).
    if (!syncing_) {
        Run(operation);
        return;
    }
    operation();
    resync_ = true;
}

void CProgramView::SyncGrid() {
    const F::RowRange rows = form_.TakeChangedRows();
    if (!rows.Empty()) {
        const bool many = rows.last - rows.first > 16;
        if (many) grid_->SetRedraw(false);
        for (int r = rows.first; r <= rows.last; ++r) {
            for (int c = F::kColRx; c < F::kColumns; ++c) {
                const QString text = QString::fromStdString(form_.Cell(r, c));
                if (grid_->TextMatrix(r, c) != text) grid_->SetTextMatrix(r, c, text);
            }
        }
        if (many) grid_->SetRedraw(true);
    }

    if (grid_->Row() != form_.currentRow || grid_->Col() != form_.currentCol) {
        grid_->setCurrentCell(form_.currentRow - 1, form_.currentCol - 1);
        grid_->scrollTo(grid_->model()->index(form_.currentRow - 1, form_.currentCol - 1));
    }
    if (grid_->HighlightRows() != form_.rowHighlight) grid_->SetHighlightRows(form_.rowHighlight);

    const F::Editor editor = form_.ActiveEditor();
    if (editor == F::Editor::None) {
        placed_ = editor;
        return;
    }
    if (editor == placed_ && form_.EditRow() == placedRow_ && form_.EditCol() == placedCol_) return;
    placed_ = editor;
    placedRow_ = form_.EditRow();
    placedCol_ = form_.EditCol();
    grid_->scrollTo(grid_->model()->index(placedRow_ - 1, placedCol_ - 1));
    QWidget* w = ShownEditor();
    grid_->ShowCellEditor(w, placedRow_, placedCol_);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

bool CProgramView::OnGridKey(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return false;
    F::Key key;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = F::Key::Enter;
        break;
    case Qt::Key_Left:
        key = F::Key::Left;
        break;
    case Qt::Key_Right:
        key = F::Key::Right;
        break;
    case Qt::Key_Up:
        key = F::Key::Up;
        break;
    case Qt::Key_Down:
        key = F::Key::Down;
        break;
    default:
        return false;
    }
    Run([&] { form_.OnGridKey(key); });
    return true;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (syncing_) return CBoundView<ProgramForm>::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The focus goes back to the grid with the editor committed, and the
            // current cell moves on.
            Run([this] { form_.OnEditorEnter(); });
            grid_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
               form_.ActiveEditor() != F::Editor::None) {
        Run([this] { form_.CommitEditor(); });
    }
    return CBoundView<ProgramForm>::eventFilter(watched, event);
}

void CProgramView::RefreshFromImage() {
    RunImageOperation([this] { form_.RefreshFromImage(); });
}

void CProgramView::CommitToImage() {
    RunImageOperation([this] { form_.CommitToImage(); });
}

void CProgramView::OnChannelEdit() {
    int channel = 1;
    Run([&] { channel = form_.BeginChannelEdit(); });
    if (editRunner_) editRunner_(ctx_, channel, this);
    Run([this] { form_.EndChannelEdit(); });
    grid_->setFocus(Qt::OtherFocusReason);
}

void CProgramView::SetRadioDialogs(TransferRunner transfer, PortRunner port) {
    transfer_ = std::move(transfer);
    port_ = std::move(port);
}

bool CProgramView::HandleCommand(int commandId) {
    switch (commandId) {
    case cmd::kWrite:
        // Only this table is committed before the transfer.
        CommitToImage();
        if (transfer_) transfer_(RadioDirection::Write, ctx_, this);
        return true;
    case cmd::kRead:
        if (transfer_ && transfer_(RadioDirection::Read, ctx_, this))
            Run([this] { form_.AfterRead(); });
        return true;
    case cmd::kPort:
        if (port_) port_(ctx_, this);
        return true;
    case cmd::kPrint:
        PrintBlankPage(false);
        return true;
    case cmd::kPrintPreview:
        PrintBlankPage(true);
        return true;
    default:
        return false;
    }
}

void CProgramView::PrintBlankPage(bool preview) {
    // The table's own print path: the page is printed, but this view draws
    // nothing on it.
    QPrinter printer(QPrinter::HighResolution);
    const auto draw = [](QPrinter* p) {
        QPainter painter;
        if (painter.begin(p)) painter.end();
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Preview"));
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, draw);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted) draw(&printer);
}

void RegisterChannelEditors(EditorRegistry& registry) {
    registry.RegisterView(EditorId::ChannelSetting, [](AppContext& ctx, QWidget* parent) {
        return new CProgramView(ctx, parent);
    });
    registry.RegisterDialog(EditorId::Vfo,
                            [](AppContext& ctx, QWidget* parent) { RunVfoDialog(ctx, parent); });
}

} // namespace vmr
