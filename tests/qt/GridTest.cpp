#include "app/qt/CellGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vmr {
namespace {

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(500, 300);
        grid.SetRows(801);
        grid.SetCols(6);
        for (int c = 0; c < 6; ++c) grid.SetColAlignment(c, Qt::AlignCenter);
        grid.SetTextMatrix(0, 0, "No.");
        grid.SetTextMatrix(0, 1, "Rx");
        for (int r = 1; r <= 800; ++r) grid.SetTextMatrix(r, 0, QString::number(r));
        grid.show();
        QCoreApplication::processEvents();
    }
    CCellGrid grid;
};

TEST_F(GridTest, FixedRowAndColumnCountAndHoldTheirTexts) {
    EXPECT_EQ(grid.Rows(), 801);
    EXPECT_EQ(grid.Cols(), 6);
    EXPECT_EQ(grid.rowCount(), 800);
    EXPECT_EQ(grid.TextMatrix(0, 0), "No.");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Rx");
    EXPECT_EQ(grid.TextMatrix(17, 0), "17");
    grid.SetTextMatrix(3, 2, "145.12500");
    EXPECT_EQ(grid.TextMatrix(3, 2), "145.12500");
    EXPECT_EQ(grid.item(2, 1)->textAlignment(), Qt::AlignCenter);
    grid.SetTextMatrix(3, 2, "");
    EXPECT_EQ(grid.TextMatrix(3, 2), "");
    EXPECT_EQ(grid.TextMatrix(900, 2), ""); // outside: empty, no crash
}

TEST_F(GridTest, CurrentCellIsNeverAFixedOne) {
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.SetRow(5);
    grid.SetCol(3);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 3);
    grid.SetRow(0);
    grid.SetCol(0);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 3);
    grid.SetText("x");
    EXPECT_EQ(grid.TextMatrix(5, 3), "x");
}

TEST_F(GridTest, SizesInTwipsAndCellPositions) {
    grid.SetColWidth(2, 1440); // one inch
    grid.SetRowHeight(4, 720);
    EXPECT_EQ(grid.columnWidth(1), grid.logicalDpiX());
    EXPECT_EQ(grid.rowHeight(3), grid.logicalDpiY() / 2);
    EXPECT_NEAR(grid.CellWidth(4, 2), 1440, 20);
    EXPECT_NEAR(grid.CellHeight(4, 2), 720, 20);
    grid.SetColWidth(0, 720);
    EXPECT_EQ(grid.verticalHeader()->width(), grid.logicalDpiX() / 2);
    const QRect a = grid.CellRect(1, 1), b = grid.CellRect(1, 2);
    EXPECT_EQ(a.right() + 1, b.left());
    EXPECT_EQ(grid.CellRect(1, 0).right() + 1, a.left() - 0);
    EXPECT_EQ(grid.CellRect(0, 1).bottom() + 1, a.top());
}

TEST_F(GridTest, ClickOnTheNumberColumnReportsColumnZeroAndMovesTheRow) {
    QSignalSpy down(&grid, &CCellGrid::MouseDown);
    grid.SetCol(2);
    const QRect r = grid.CellRect(3, 0);
    QTest::mousePress(grid.verticalHeader()->viewport(), Qt::LeftButton, {},
                      grid.verticalHeader()->viewport()->mapFrom(&grid, r.center()));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][2].toInt(), 3);
    EXPECT_EQ(down[0][3].toInt(), 0);
    EXPECT_EQ(grid.MouseCol(), 0);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(GridTest, ClickOnADataCellMakesItCurrentThenReportsIt) {
    QSignalSpy down(&grid, &CCellGrid::MouseDown);
    QSignalSpy changed(&grid, &CCellGrid::CellChanged);
    const QRect r = grid.CellRect(2, 4);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {},
                      grid.viewport()->mapFrom(&grid, r.center()));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][2].toInt(), 2);
    EXPECT_EQ(down[0][3].toInt(), 4);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 4);
    ASSERT_GE(changed.count(), 1);
    EXPECT_EQ(changed.last()[0].toInt(), 2);
    EXPECT_EQ(changed.last()[1].toInt(), 4);
}

TEST_F(GridTest, ScrollingIsReported) {
    QSignalSpy scrolled(&grid, &CCellGrid::Scrolled);
    grid.verticalScrollBar()->setValue(50);
    EXPECT_GE(scrolled.count(), 1);
}

TEST_F(GridTest, KeyHandlerRunsFirst) {
    int enters = 0;
    grid.SetKeyHandler([&](QKeyEvent* e) {
        if (e->key() != Qt::Key_Return) return false;
        ++enters;
        return true;
    });
    grid.SetRow(4);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(grid.Row(), 5);
}

TEST_F(GridTest, HighlightColourRedrawAndEnable) {
    grid.SetRow(6);
    grid.SetHighlightRows(true);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 5);
    grid.SetHighlightRows(false);
    EXPECT_LE(grid.selectionModel()->selectedIndexes().size(), 1);

    grid.SetCellBackColor(2, 3, QColor(Qt::yellow));
    EXPECT_EQ(grid.CellBackColor(2, 3), QColor(Qt::yellow));
    EXPECT_FALSE(grid.CellBackColor(2, 2).isValid());

    grid.SetRedraw(false);
    EXPECT_FALSE(grid.updatesEnabled());
    grid.SetRedraw(true);
    EXPECT_TRUE(grid.updatesEnabled());
    grid.setEnabled(false);
    EXPECT_FALSE(grid.isEnabled());
}

TEST_F(GridTest, CellEditorIsLaidOverTheCell) {
    QLineEdit editor;
    grid.ShowCellEditor(&editor, 2, 3);
    EXPECT_EQ(editor.parentWidget(), grid.viewport());
    EXPECT_TRUE(editor.isVisible());
    const QRect cell = grid.CellRect(2, 3);
    EXPECT_EQ(grid.viewport()->mapTo(&grid, editor.geometry().topLeft()), cell.topLeft());
    EXPECT_EQ(editor.size(), cell.size());
    editor.setParent(nullptr);
}

} // namespace
} // namespace vmr
