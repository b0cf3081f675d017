#include "app/qt/CellGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace vmr {

namespace {
constexpr int kTwipsPerInch = 1440;
}

CCellGrid::CCellGrid(QWidget* parent) : QTableWidget(parent), corner_(new QLabel(this)) {
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setMinimumSectionSize(1);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setDefaultAlignment(Qt::AlignCenter);
        h->viewport()->installEventFilter(this);
    }
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Button);
    corner_->setFrameShape(QFrame::StyledPanel);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (r < 0 || c < 0) return;
        if (highlightRows_) selectRow(r);
        emit CellChanged(r + fixedRows_, c + fixedCols_);
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scrolled(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scrolled(); });
}

void CCellGrid::SetRows(int rows) {
    const int old = rowCount();
    const int n = std::max(0, rows - fixedRows_);
    setRowCount(n);
    // The number column shows only what the editor writes into it.
    for (int r = old; r < n; ++r) setVerticalHeaderItem(r, new QTableWidgetItem());
}

void CCellGrid::SetCols(int cols) {
    const int old = columnCount();
    const int n = std::max(0, cols - fixedCols_);
    setColumnCount(n);
    for (int c = old; c < n; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem());
    alignments_.resize(static_cast<std::size_t>(std::max(cols, 0)),
                       Qt::AlignLeft | Qt::AlignVCenter);
}

int CCellGrid::Rows() const {
    return rowCount() + fixedRows_;
}

int CCellGrid::Cols() const {
    return columnCount() + fixedCols_;
}

void CCellGrid::SetFixedRows(int n) {
    const int rows = Rows();
    fixedRows_ = std::clamp(n, 0, 1);
    horizontalHeader()->setVisible(fixedRows_ == 1);
    SetRows(rows);
    PlaceCorner();
}

void CCellGrid::SetFixedCols(int n) {
    const int cols = Cols();
    fixedCols_ = std::clamp(n, 0, 1);
    verticalHeader()->setVisible(fixedCols_ == 1);
    SetCols(cols);
    PlaceCorner();
}

QTableWidgetItem* CCellGrid::HeaderItem(int row, int col, bool create) {
    if (row < fixedRows_ && col >= fixedCols_) {
        const int c = col - fixedCols_;
        if (c >= columnCount()) return nullptr;
        QTableWidgetItem* item = horizontalHeaderItem(c);
        if (!item && create) setHorizontalHeaderItem(c, item = new QTableWidgetItem());
        return item;
    }
    if (col < fixedCols_ && row >= fixedRows_) {
        const int r = row - fixedRows_;
        if (r >= rowCount()) return nullptr;
        QTableWidgetItem* item = verticalHeaderItem(r);
        if (!item && create) setVerticalHeaderItem(r, item = new QTableWidgetItem());
        return item;
    }
    return nullptr;
}

QTableWidgetItem* CCellGrid::ItemAt(int row, int col, bool create) {
    if (row < fixedRows_ || col < fixedCols_) return HeaderItem(row, col, create);
    const int r = row - fixedRows_, c = col - fixedCols_;
    if (r >= rowCount() || c >= columnCount()) return nullptr;
    QTableWidgetItem* it = item(r, c);
    if (!it && create) {
        it = new QTableWidgetItem();
        if (static_cast<std::size_t>(col) < alignments_.size())
            it->setTextAlignment(alignments_[static_cast<std::size_t>(col)]);
        setItem(r, c, it);
    }
    return it;
}

QString CCellGrid::TextMatrix(int row, int col) const {
    if (row < fixedRows_ && col < fixedCols_) return corner_->text();
    auto* self = const_cast<CCellGrid*>(this);
    const QTableWidgetItem* it = self->ItemAt(row, col, false);
    return it ? it->text() : QString();
}

void CCellGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (row < 0 || col < 0) return;
    if (row < fixedRows_ && col < fixedCols_) {
        corner_->setText(text);
        return;
    }
    if (QTableWidgetItem* it = ItemAt(row, col, !text.isEmpty())) it->setText(text);
}

void CCellGrid::SetText(const QString& text) {
    SetTextMatrix(Row(), Col(), text);
}

int CCellGrid::TwipsToPxX(int twips) const {
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * logicalDpiX() / kTwipsPerInch));
}

int CCellGrid::TwipsToPxY(int twips) const {
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * logicalDpiY() / kTwipsPerInch));
}

int CCellGrid::PxToTwipsX(int px) const {
    return static_cast<int>(std::lround(static_cast<double>(px) * kTwipsPerInch / logicalDpiX()));
}

int CCellGrid::PxToTwipsY(int px) const {
    return static_cast<int>(std::lround(static_cast<double>(px) * kTwipsPerInch / logicalDpiY()));
}

void CCellGrid::SetColWidth(int col, int twips) {
    SetColWidthPx(col, TwipsToPxX(twips));
}

void CCellGrid::SetRowHeight(int row, int twips) {
    SetRowHeightPx(row, TwipsToPxY(twips));
}

void CCellGrid::SetColWidthPx(int col, int px) {
    if (col < fixedCols_)
        verticalHeader()->setFixedWidth(px);
    else if (col - fixedCols_ < columnCount())
        setColumnWidth(col - fixedCols_, px);
    PlaceCorner();
}

void CCellGrid::SetRowHeightPx(int row, int px) {
    if (row < fixedRows_)
        horizontalHeader()->setFixedHeight(px);
    else if (row - fixedRows_ < rowCount())
        verticalHeader()->resizeSection(row - fixedRows_, px);
    PlaceCorner();
}

void CCellGrid::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0) return;
    if (static_cast<std::size_t>(col) >= alignments_.size())
        alignments_.resize(static_cast<std::size_t>(col) + 1, Qt::AlignLeft | Qt::AlignVCenter);
    alignments_[static_cast<std::size_t>(col)] = alignment;
    if (col < fixedCols_) return;
    const int c = col - fixedCols_;
    if (c >= columnCount()) return;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, c)) it->setTextAlignment(alignment);
}

int CCellGrid::Row() const {
    return std::max(currentRow(), 0) + fixedRows_;
}

int CCellGrid::Col() const {
    return std::max(currentColumn(), 0) + fixedCols_;
}

void CCellGrid::SetRow(int row) {
    const int r = row - fixedRows_;
    if (r < 0 || r >= rowCount()) return;
    setCurrentCell(r, std::max(currentColumn(), 0));
}

void CCellGrid::SetCol(int col) {
    const int c = col - fixedCols_;
    if (c < 0 || c >= columnCount()) return;
    setCurrentCell(std::max(currentRow(), 0), c);
}

QRect CCellGrid::CellRect(int row, int col) const {
    const QHeaderView* h = horizontalHeader();
    const QHeaderView* v = verticalHeader();
    int x = 0, w = 0, y = 0, ht = 0;
    if (col < fixedCols_) {
        x = v->mapTo(this, QPoint(0, 0)).x();
        w = v->width();
    } else {
        const int c = col - fixedCols_;
        x = viewport()->mapTo(this, QPoint(columnViewportPosition(c), 0)).x();
        w = columnWidth(c);
    }
    if (row < fixedRows_) {
        y = h->mapTo(this, QPoint(0, 0)).y();
        ht = h->height();
    } else {
        const int r = row - fixedRows_;
        y = viewport()->mapTo(this, QPoint(0, rowViewportPosition(r))).y();
        ht = rowHeight(r);
    }
    return {x, y, w, ht};
}

int CCellGrid::CellLeft(int row, int col) const {
    return PxToTwipsX(CellRect(row, col).left());
}

int CCellGrid::CellTop(int row, int col) const {
    return PxToTwipsY(CellRect(row, col).top());
}

int CCellGrid::CellWidth(int row, int col) const {
    return PxToTwipsX(CellRect(row, col).width());
}

int CCellGrid::CellHeight(int row, int col) const {
    return PxToTwipsY(CellRect(row, col).height());
}

void CCellGrid::SetHighlightRows(bool on) {
    highlightRows_ = on;
    setSelectionBehavior(on ? SelectRows : SelectItems);
    const int r = currentRow();
    if (r < 0) return;
    if (on) {
        selectRow(r);
    } else {
        clearSelection();
        if (QTableWidgetItem* it = item(r, std::max(currentColumn(), 0))) it->setSelected(true);
    }
}

void CCellGrid::SetRedraw(bool on) {
    setUpdatesEnabled(on);
    if (on) viewport()->update();
}

void CCellGrid::SetCellBackColor(int row, int col, const QColor& color) {
    if (QTableWidgetItem* it = ItemAt(row, col, true)) it->setBackground(color);
}

QColor CCellGrid::CellBackColor(int row, int col) const {
    auto* self = const_cast<CCellGrid*>(this);
    const QTableWidgetItem* it = self->ItemAt(row, col, false);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : QColor();
}

void CCellGrid::ShowCellEditor(QWidget* editor, int row, int col) {
    if (editor->parentWidget() != viewport()) editor->setParent(viewport());
    const QRect r = CellRect(row, col);
    editor->setGeometry(QRect(viewport()->mapFrom(this, r.topLeft()), r.size()));
    editor->show();
    editor->raise();
    editor->setFocus();
}

void CCellGrid::keyPressEvent(QKeyEvent* event) {
    if (keyHandler_ && keyHandler_(event)) return;
    QTableWidget::keyPressEvent(event);
}

void CCellGrid::TrackMouse(QPoint viewportPos) {
    const int r = rowAt(viewportPos.y());
    const int c = columnAt(viewportPos.x());
    mouseRow_ = r < 0 ? -1 : r + fixedRows_;
    mouseCol_ = c < 0 ? -1 : c + fixedCols_;
}

void CCellGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    TrackMouse(pos);
    QTableWidget::mousePressEvent(event);
    emit MouseDown(event->button(), viewport()->mapTo(this, pos), mouseRow_, mouseCol_);
}

void CCellGrid::mouseMoveEvent(QMouseEvent* event) {
    TrackMouse(event->position().toPoint());
    QTableWidget::mouseMoveEvent(event);
}

bool CCellGrid::eventFilter(QObject* watched, QEvent* event) {
    const bool onRows = watched == verticalHeader()->viewport();
    const bool onCols = watched == horizontalHeader()->viewport();
    if ((onRows || onCols) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint p = me->position().toPoint();
        if (onRows) {
            const int r = verticalHeader()->logicalIndexAt(p.y());
            mouseRow_ = r < 0 ? -1 : r + fixedRows_;
            mouseCol_ = 0;
        } else {
            const int c = horizontalHeader()->logicalIndexAt(p.x());
            mouseRow_ = 0;
            mouseCol_ = c < 0 ? -1 : c + fixedCols_;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            // A fixed cell never becomes current; a click on the number column
            // moves the current row there.
            if (onRows && mouseRow_ >= fixedRows_)
                setCurrentCell(mouseRow_ - fixedRows_, std::max(currentColumn(), 0));
            setFocus(Qt::MouseFocusReason);
            emit MouseDown(me->button(), static_cast<QWidget*>(watched)->mapTo(this, p), mouseRow_,
                           mouseCol_);
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void CCellGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    PlaceCorner();
}

void CCellGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceCorner();
}

void CCellGrid::PlaceCorner() {
    if (!corner_) return;
    const bool show = fixedRows_ == 1 && fixedCols_ == 1;
    corner_->setVisible(show);
    if (!show) return;
    const int f = frameWidth();
    corner_->setGeometry(f, f, verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

} // namespace vmr
