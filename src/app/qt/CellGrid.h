// The cell grid of the table editors: a spreadsheet-like grid with one fixed
// (header) row and one fixed (number) column, addressed by row and column as
// a whole, so that row 0 and column 0 are the fixed cells. Cells are edited by
// editor widgets that the editor lays over the current cell (ShowCellEditor).
// Sizes and positions can be given in twips (1440 per inch) or in pixels.
#pragma once

#include <QColor>
#include <QTableWidget>

#include <functional>

class QLabel;

namespace vmr {

class CCellGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CCellGrid(QWidget* parent = nullptr);

    // Counts include the fixed row and column.
    void SetRows(int rows);
    void SetCols(int cols);
    int Rows() const;
    int Cols() const;
    // 0 or 1 of each.
    void SetFixedRows(int n);
    void SetFixedCols(int n);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    void SetText(const QString& text); // the current cell

    void SetColWidth(int col, int twips);
    void SetRowHeight(int row, int twips);
    void SetColWidthPx(int col, int px);
    void SetRowHeightPx(int row, int px);
    void SetColAlignment(int col, Qt::Alignment alignment);

    // The current cell, never a fixed one.
    int Row() const;
    int Col() const;
    void SetRow(int row);
    void SetCol(int col);

    // A cell's position relative to the grid widget.
    QRect CellRect(int row, int col) const; // pixels
    int CellLeft(int row, int col) const;   // twips
    int CellTop(int row, int col) const;
    int CellWidth(int row, int col) const;
    int CellHeight(int row, int col) const;

    // The row and column under the mouse at the last mouse event (-1 outside).
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

    // Row-highlight mode: the whole current row is shown selected.
    void SetHighlightRows(bool on);
    bool HighlightRows() const { return highlightRows_; }

    // Suspends (false) and resumes (true) repainting.
    void SetRedraw(bool on);

    void SetCellBackColor(int row, int col, const QColor& color);
    QColor CellBackColor(int row, int col) const;

    // Runs before the grid's own key handling; return true to consume the key.
    void SetKeyHandler(std::function<bool(QKeyEvent*)> handler) {
        keyHandler_ = std::move(handler);
    }

    // Lays editor over the cell (row, col), shows it and gives it the focus.
    void ShowCellEditor(QWidget* editor, int row, int col);

    int TwipsToPxX(int twips) const;
    int TwipsToPxY(int twips) const;
    int PxToTwipsX(int px) const;
    int PxToTwipsY(int px) const;

signals:
    // A mouse button went down in the grid, on the cell (row, col); col is 0
    // on the number column and row 0 on the header row.
    void MouseDown(Qt::MouseButton button, QPoint pos, int row, int col);
    // The current cell has changed.
    void CellChanged(int row, int col);
    // The grid has scrolled.
    void Scrolled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    QTableWidgetItem* ItemAt(int row, int col, bool create);
    QTableWidgetItem* HeaderItem(int row, int col, bool create);
    void TrackMouse(QPoint viewportPos);
    void PlaceCorner();

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    bool highlightRows_ = false;
    std::vector<Qt::Alignment> alignments_;
    QLabel* corner_;
    std::function<bool(QKeyEvent*)> keyHandler_;
};

} // namespace vmr
