// The channel table window: its grid, the cell editors driven by keys and
// clicks, the "Channel edit" button and the view's own radio commands.
#include "editors/channels/qt/ProgramView.h"
#include "app/AppContext.h"
#include "app/Editors.h"
#include "app/qt/CellGrid.h"
#include "app/qt/EditorRegistry.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/CodeplugFile.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vmr {
namespace {

using F = ProgramForm;

class ProgramViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            LoadDefaultData(std::string(VMR_BIN_DIR) + "/Default.dat", ctx.image, ctx.tones));
        SeedDefaultSlots(ctx.image, ctx.bandLimits);
        view = std::make_unique<CProgramView>(ctx);
        view->resize(1000, 600);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        view->RefreshFromImage();
        grid = view->Grid();
    }

    QString Text(int row, int col) const { return grid->TextMatrix(row, col); }

    // A left click on a cell, scrolled into view first.
    void Click(int row, int col) {
        if (row > 0 && col > 0) grid->scrollTo(grid->model()->index(row - 1, col - 1));
        const QRect r = grid->CellRect(row, col);
        if (col == 0)
            QTest::mouseClick(grid->verticalHeader()->viewport(), Qt::LeftButton, {},
                              grid->verticalHeader()->viewport()->mapFrom(grid, r.center()));
        else
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->viewport()->mapFrom(grid, r.center()));
    }

    AppContext ctx;
    std::unique_ptr<CProgramView> view;
    CCellGrid* grid = nullptr;
};

TEST_F(ProgramViewTest, GridLayout) {
    EXPECT_EQ(grid->Rows(), 801);
    EXPECT_EQ(grid->Cols(), 12);
    EXPECT_EQ(Text(0, 0), "CH");
    EXPECT_EQ(Text(0, F::kColDecodeType), "Decode Type");
    EXPECT_EQ(Text(0, F::kColName), "Name");
    EXPECT_EQ(Text(800, 0), "800");
    EXPECT_NEAR(grid->CellWidth(1, F::kColDcsPolarity), 1400, 15);
    EXPECT_NEAR(grid->CellHeight(5, 3), 300, 15);
    EXPECT_EQ(Text(1, F::kColRx), "145.50000");
    EXPECT_EQ(Text(1, F::kColPower), "High");
    EXPECT_EQ(Text(2, F::kColRx), "");
}

TEST_F(ProgramViewTest, TypingIntoACellAndPressingEnter) {
    Click(5, F::kColRx);
    ASSERT_EQ(view->ShownEditor(), view->FreqEditor());
    EXPECT_TRUE(view->FreqEditor()->isVisible());
    EXPECT_TRUE(view->FreqEditor()->hasFocus());
    QTest::keyClicks(view->FreqEditor(), "14x5.0037"); // x is refused as typed
    EXPECT_EQ(view->FreqEditor()->text(), "145.0037");
    QTest::keyClick(view->FreqEditor(), Qt::Key_Return);

    EXPECT_EQ(view->ShownEditor(), nullptr);
    EXPECT_FALSE(view->FreqEditor()->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(Text(5, F::kColRx), "145.00000");
    EXPECT_EQ(Text(5, F::kColTx), "145.00000");
    EXPECT_EQ(Text(5, F::kColCtcss), "100.0");
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Col(), F::kColTx);
    EXPECT_FALSE(IsChannelEmpty(ctx.image, 5));

    // Enter in the grid opens the editor of the current cell.
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(view->ShownEditor(), view->FreqEditor());
    EXPECT_EQ(view->FreqEditor()->text(), "145.00000");
    EXPECT_EQ(view->FreqEditor()->selectedText(), "145.00000");
}

TEST_F(ProgramViewTest, ArrowsWrapAtRowEnds) {
    grid->setFocus();
    grid->setCurrentCell(9, F::kLastColumn - 1); // row 10, column 11
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->Row(), 11);
    EXPECT_EQ(grid->Col(), F::kColRx);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->Row(), 10);
    EXPECT_EQ(grid->Col(), F::kLastColumn);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 11);
}

TEST_F(ProgramViewTest, ListEditorPicksAnOption) {
    Click(1, F::kColPower);
    ASSERT_EQ(view->ShownEditor(), view->ListEditor());
    QComboBox* list = view->ListEditor();
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->currentText(), "High");
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentText(), "Middle 1");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Text(1, F::kColPower), "Middle 1");
    EXPECT_EQ(grid->Col(), F::kColScan);

    view->CommitToImage();
    EXPECT_EQ(ChannelRecordView(ctx.image, RecordOffset(1)).Get(Field::Power), 2);
}

TEST_F(ProgramViewTest, ToneEditorsNormaliseWhenLeft) {
    Click(1, F::kColCtcss);
    ASSERT_EQ(view->ShownEditor(), view->CtcssEditor());
    QComboBox* ctcss = view->CtcssEditor();
    ctcss->lineEdit()->selectAll();
    QTest::keyClicks(ctcss->lineEdit(), "88.59x");
    EXPECT_EQ(ctcss->currentText(), "88.59");
    // Clicking another cell commits the editor before the next one opens.
    Click(1, F::kColDcs);
    EXPECT_EQ(Text(1, F::kColCtcss), "88.5");
    ASSERT_EQ(view->ShownEditor(), view->DcsEditor());
    view->DcsEditor()->lineEdit()->selectAll();
    QTest::keyClicks(view->DcsEditor()->lineEdit(), "7777");
    EXPECT_EQ(view->DcsEditor()->currentText(), "777");
    QTest::keyClick(view->DcsEditor()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Text(1, F::kColDcs), "777");
}

TEST_F(ProgramViewTest, ScrollingCommitsAndHidesTheEditor) {
    Click(1, F::kColName);
    ASSERT_EQ(view->ShownEditor(), view->NameEditor());
    QTest::keyClicks(view->NameEditor(), "HOME!12");
    EXPECT_EQ(view->NameEditor()->text(), "HOME12");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 40);
    EXPECT_EQ(view->ShownEditor(), nullptr);
    EXPECT_FALSE(view->NameEditor()->isVisible());
    EXPECT_EQ(Text(1, F::kColName), "HOME12");
}

TEST_F(ProgramViewTest, NumberColumnHighlightsTheRow) {
    Click(3, 0);
    EXPECT_TRUE(grid->HighlightRows());
    EXPECT_EQ(view->ShownEditor(), nullptr);
    Click(1, F::kColScan);
    EXPECT_FALSE(grid->HighlightRows());
    EXPECT_EQ(view->ShownEditor(), view->ListEditor());
}

TEST_F(ProgramViewTest, ChannelEditCommitsOpensTheDialogAndRefreshes) {
    Click(4, F::kColRx);
    QTest::keyClicks(view->FreqEditor(), "146.52");
    int opened = 0;
    view->SetChannelEditRunner([&](AppContext& c, int channel, QWidget*) {
        opened = channel;
        // The grid was committed before the dialog opened.
        EXPECT_EQ(ChannelRecordView(c.image, RecordOffset(4)).RxFreq(), 14652000);
        ChannelRecord(c.image, RecordOffset(4)).SetName("DLG");
    });
    QTest::mouseClick(view->EditButton(), Qt::LeftButton);
    EXPECT_EQ(opened, 4);
    EXPECT_EQ(Text(4, F::kColName), "DLG");
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(ProgramViewTest, OwnRadioCommands) {
    std::vector<RadioDirection> runs;
    bool succeed = true;
    int ports = 0;
    view->SetRadioDialogs(
        [&](RadioDirection d, AppContext& c, QWidget*) {
            runs.push_back(d);
            if (d == RadioDirection::Read && succeed)
                FillDefaultRecord(c.image, RecordOffset(9), 43500000, c.bandLimits);
            return succeed;
        },
        [&](AppContext&, QWidget*) {
            ++ports;
            return true;
        });

    // Write commits the table first.
    Click(2, F::kColRx);
    QTest::keyClicks(view->FreqEditor(), "145.1");
    EXPECT_TRUE(view->HandleCommand(cmd::kWrite));
    EXPECT_EQ(ChannelRecordView(ctx.image, RecordOffset(2)).RxFreq(), 14510000);

    // A successful Read refreshes the table; a failed one does not.
    EXPECT_TRUE(view->HandleCommand(cmd::kRead));
    EXPECT_EQ(Text(9, F::kColRx), "435.00000");
    succeed = false;
    FillDefaultRecord(ctx.image, RecordOffset(10), 43500000, ctx.bandLimits);
    EXPECT_TRUE(view->HandleCommand(cmd::kRead));
    EXPECT_EQ(Text(10, F::kColRx), "");

    EXPECT_TRUE(view->HandleCommand(cmd::kPort));
    EXPECT_EQ(ports, 1);
    EXPECT_EQ(runs, (std::vector<RadioDirection>{RadioDirection::Write, RadioDirection::Read,
                                                 RadioDirection::Read}));
    EXPECT_FALSE(view->HandleCommand(cmd::kSave));
}

TEST(ChannelEditorsRegistry, RegistersTheTableAndTheVfoDialog) {
    EditorRegistry registry;
    RegisterChannelEditors(registry);
    EXPECT_TRUE(static_cast<bool>(registry.ViewOf(EditorId::ChannelSetting)));
    EXPECT_TRUE(static_cast<bool>(registry.DialogOf(EditorId::Vfo)));
}

} // namespace
} // namespace vmr
