// The channel table's form logic: cell editors, channel creation and clearing,
// the channel-1 rules, the keys, and what a refresh and commit do to the image.
#include "ChannelFormFixture.h"

#include "editors/channels/ProgramForm.h"

#include <gtest/gtest.h>

namespace vmr {
namespace {

using testing::LoadStartUpState;
using C = ProgramForm;

class ProgramFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadStartUpState(ctx);
        form.RefreshFromImage();
    }

    // Types text into a frequency cell and leaves the editor.
    void TypeFreq(int row, int col, const std::string& text) {
        form.currentRow = row;
        form.currentCol = col;
        form.BeginEdit();
        ASSERT_EQ(form.ActiveEditor(), C::Editor::Freq);
        form.freqEdit.text = text;
        form.CommitEditor();
    }
    // Picks an entry of a list cell.
    void PickList(int row, int col, const std::string& text) {
        form.currentRow = row;
        form.currentCol = col;
        form.BeginEdit();
        ASSERT_EQ(form.ActiveEditor(), C::Editor::List);
        SelectText(form.listEdit, text);
        ASSERT_GE(form.listEdit.current, 0) << text;
        form.CommitEditor();
    }
    ChannelRecordView Rec(int n) const { return ChannelRecordView(ctx.image, RecordOffset(n)); }

    AppContext ctx;
    ProgramForm form{ctx};
};

TEST_F(ProgramFormTest, GridShowsHeadersNumbersAndTheDefaultChannelOne) {
    EXPECT_EQ(form.Cell(0, 0), "CH");
    EXPECT_EQ(form.Cell(0, C::kColDcsPolarity), "DCS Polarity");
    EXPECT_EQ(form.Cell(0, C::kColSignaling), "Signaling");
    EXPECT_EQ(form.Cell(800, 0), "800");
    EXPECT_EQ(form.Cell(1, C::kColRx), "145.50000");
    EXPECT_EQ(form.Cell(1, C::kColTx), "145.50000");
    EXPECT_EQ(form.Cell(1, C::kColDecodeType), "Off");
    EXPECT_EQ(form.Cell(1, C::kColCtcss), "100.0");
    EXPECT_EQ(form.Cell(1, C::kColDcs), "023");
    EXPECT_EQ(form.Cell(1, C::kColPower), "High");
    EXPECT_EQ(form.Cell(1, C::kColScan), "Allow");
    EXPECT_EQ(form.Cell(1, C::kColName), "");
    for (int c = 1; c < C::kColumns; ++c) EXPECT_EQ(form.Cell(2, c), "") << c;
}

struct CreateCase {
    const char* typed;
    const char* shown;
    bool am;
    int offset;
};

TEST_F(ProgramFormTest, TypingAFrequencyInAnEmptyRowCreatesTheChannel) {
    const CreateCase cases[] = {
        {"145.0037", "145.00000", false, kOffset060}, // snapped to the 5 kHz line
        {"145.007", "145.00625", false, kOffset060},  // to the 6.25 kHz line
        {"118.0083", "118.00833", true, kOffset060},  // 8.33 kHz air-band channel, AM
        {"435", "435.00000", false, kOffset760},      // 450M: 7.6 MHz offset
        {"851.013", "851.01000", false, kOffset760},  // 850M raster
        {"100", "26.00000", false, kOffset060},       // in no band: first band's lower limit
    };
    int row = 5;
    for (const CreateCase& c : cases) {
        SCOPED_TRACE(c.typed);
        TypeFreq(row, C::kColRx, c.typed);
        EXPECT_EQ(form.Cell(row, C::kColRx), c.shown);
        EXPECT_EQ(form.Cell(row, C::kColTx), c.shown);
        EXPECT_EQ(form.Cell(row, C::kColCtcss), "100.0");
        EXPECT_EQ(form.Cell(row, C::kColDcs), "023");
        EXPECT_EQ(form.Cell(row, C::kColPower), "High");
        EXPECT_EQ(form.Cell(row, C::kColBandwidth), "Wide");
        // The record is written at once.
        ASSERT_FALSE(Rec(row).IsEmpty());
        EXPECT_EQ(FormatFreqText(Rec(row).RxFreq()), c.shown);
        EXPECT_EQ(Rec(row).Flag(Field::Am), c.am);
        EXPECT_EQ(Rec(row).OffsetFreq(), c.offset);
        EXPECT_EQ(Rec(row).Get(Field::Step), kDefaultStep);
        ++row;
    }
}

TEST_F(ProgramFormTest, ChangingTheFrequencyOfAChannelLeavesTheTransmitCell) {
    TypeFreq(5, C::kColRx, "145.0");
    TypeFreq(5, C::kColRx, "146.02");
    EXPECT_EQ(form.Cell(5, C::kColRx), "146.02000");
    EXPECT_EQ(form.Cell(5, C::kColTx), "145.00000");
    // Only the grid changed; the image follows on commit.
    EXPECT_EQ(Rec(5).RxFreq(), 14500000);
    form.CommitToImage();
    EXPECT_EQ(Rec(5).RxFreq(), 14602000);
    EXPECT_EQ(Rec(5).TxFreq(), 14500000);
    EXPECT_EQ(Rec(5).Get(Field::OffsetDirection), 3);
}

TEST_F(ProgramFormTest, AnEmptyRowStartsWithItsReceiveFrequency) {
    // A click on the "Tx Freq" cell of an empty row edits its "Rx Freq" cell.
    form.OnMouseDown(9, C::kColTx);
    EXPECT_EQ(form.ActiveEditor(), C::Editor::Freq);
    EXPECT_EQ(form.EditCol(), C::kColRx);
    form.CommitEditor();
    EXPECT_EQ(form.Cell(9, C::kColTx), "");
    EXPECT_TRUE(Rec(9).IsEmpty());

    form.OnMouseDown(9, C::kColPower);
    EXPECT_EQ(form.EditCol(), C::kColRx);
    form.freqEdit.text = "146.0";
    form.CommitEditor();
    EXPECT_EQ(form.Cell(9, C::kColTx), "146.00000");
}

TEST_F(ProgramFormTest, TransmitCellRules) {
    TypeFreq(6, C::kColRx, "145.0");
    TypeFreq(6, C::kColTx, "144.4037");
    EXPECT_EQ(form.Cell(6, C::kColTx), "144.40000");
    TypeFreq(6, C::kColTx, ""); // an empty entry leaves the cell
    EXPECT_EQ(form.Cell(6, C::kColTx), "144.40000");
    form.CommitToImage();
    EXPECT_EQ(Rec(6).TxFreq(), 14440000);
    // 144.4 = 145.0 - 0.6 but the stored direction was 0: the transmit frequency
    // is now independent of the offset.
    EXPECT_EQ(Rec(6).Get(Field::OffsetDirection), 3);
}

TEST_F(ProgramFormTest, ClearingTheReceiveCellClearsTheRowExceptRowOne) {
    TypeFreq(7, C::kColRx, "145.0");
    form.currentCol = C::kColName;
    form.BeginEdit();
    form.nameEdit.text = "HOME";
    form.CommitEditor();

    TypeFreq(7, C::kColRx, "");
    for (int c = 1; c < C::kColumns; ++c) EXPECT_EQ(form.Cell(7, c), "") << c;
    EXPECT_TRUE(Rec(7).IsEmpty()); // reset at once
    EXPECT_EQ(Rec(7).Name(), "");

    const std::string before = form.Cell(1, C::kColRx);
    TypeFreq(1, C::kColRx, "");
    EXPECT_EQ(form.Cell(1, C::kColRx), before);

    // On commit an empty row gets the reset record with the 7.6 MHz offset.
    form.CommitToImage();
    RadioImage expected = ctx.image;
    testing::WriteEmptyRowRecord(expected, 7, ctx.bandLimits);
    EXPECT_TRUE(std::equal(expected.data() + RecordOffset(7), expected.data() + RecordOffset(8),
                           ctx.image.data() + RecordOffset(7)));
}

TEST_F(ProgramFormTest, RowOneKeepsAFrequencyOfATransmitBand) {
    TypeFreq(1, C::kColRx, "88");
    EXPECT_EQ(form.Cell(1, C::kColRx), "145.50000");
    TypeFreq(1, C::kColTx, "28.5");
    EXPECT_EQ(form.Cell(1, C::kColTx), "145.50000");
    TypeFreq(1, C::kColRx, "435.0125");
    EXPECT_EQ(form.Cell(1, C::kColRx), "435.01250");
    TypeFreq(1, C::kColTx, "146.1");
    EXPECT_EQ(form.Cell(1, C::kColTx), "146.10000");
}

TEST_F(ProgramFormTest, RowOneOutsideTheTransmitBandsFallsBackToTheFirstEnabledOne) {
    // Channel 1 was left at 28.5 MHz by another program: its old frequency is no
    // help, so a refused entry gives the lower limit of the first transmit band.
    ChannelRecord(ctx.image, RecordOffset(1)).SetRxFreq(2850000);
    form.RefreshFromImage();
    TypeFreq(1, C::kColRx, "50.1");
    EXPECT_EQ(form.Cell(1, C::kColRx), FormatFreqText(ctx.bandLimits.RxLower[k150M]));

    // With no transmit band enabled there is nothing to offer: the cell stays.
    ctx.bandLimits.Enabled[k150M] = ctx.bandLimits.Enabled[k450M] = false;
    TypeFreq(1, C::kColTx, "50.1");
    EXPECT_EQ(form.Cell(1, C::kColTx), "145.50000");
}

TEST_F(ProgramFormTest, EmptyChannelOneIsFilledWhenTheTableLoads) {
    ctx.image.Fill(RecordOffset(1), kRecordSize, 0xFF);
    form.RefreshFromImage();
    EXPECT_EQ(form.Cell(1, C::kColRx), "134.00000"); // RxLower of "150M"
    EXPECT_FALSE(Rec(1).IsEmpty());

    // Before the band flags are known, the 450M minimum is used.
    AppContext fresh;
    fresh.image.Fill(0, kImageSize, 0xFF);
    ProgramForm first(fresh);
    first.RefreshFromImage();
    EXPECT_EQ(first.Cell(1, C::kColRx), "400.00000");
}

TEST_F(ProgramFormTest, NoBandWithLimitsLeavesAnOutOfBandEntryUnchanged) {
    TypeFreq(3, C::kColRx, "145.0");
    ctx.bandLimits.RxLower.fill(0);
    ctx.bandLimits.RxUpper.fill(0);
    TypeFreq(3, C::kColRx, "146.0");
    EXPECT_EQ(form.Cell(3, C::kColRx), "145.00000");
    TypeFreq(4, C::kColRx, "146.0");
    EXPECT_EQ(form.Cell(4, C::kColRx), "");
    EXPECT_TRUE(Rec(4).IsEmpty());
}

TEST_F(ProgramFormTest, ToneEditorsNormalise) {
    TypeFreq(2, C::kColRx, "145.0");
    const struct {
        int col;
        const char* typed;
        const char* shown;
    } cases[] = {
        {C::kColCtcss, "88.59", "88.5"}, {C::kColCtcss, "", "100.0"},
        {C::kColCtcss, "261", "100.0"},  {C::kColDcs, "7", "007"},
        {C::kColDcs, "778", "023"},      {C::kColDcs, "", "023"},
    };
    for (const auto& c : cases) {
        form.currentRow = 2;
        form.currentCol = c.col;
        form.BeginEdit();
        ComboField& combo = c.col == C::kColCtcss ? form.ctcssEdit : form.dcsEdit;
        combo.text = c.typed;
        form.CommitEditor();
        EXPECT_EQ(form.Cell(2, c.col), c.shown) << c.typed;
    }
    form.CommitToImage();
    EXPECT_EQ(Rec(2).Dcs(), 23);
}

TEST_F(ProgramFormTest, ToneWordsNoToneEncodesBecomeTheDefaults) {
    TypeFreq(3, C::kColRx, "145.0");
    form.CommitToImage();
    std::uint8_t* r = ctx.image.data() + RecordOffset(3);
    r[kCtcss] = r[kCtcss + 1] = 0xFF; // a damaged file
    r[kDcs] = 0x99;
    r[kDcs + 1] = 0x09;
    form.RefreshFromImage();
    form.CommitToImage();
    EXPECT_EQ(Rec(3).Ctcss(), 1000);
    EXPECT_EQ(Rec(3).Dcs(), 23);
}

TEST_F(ProgramFormTest, ListAndNameEditorsWriteTheirFields) {
    TypeFreq(4, C::kColRx, "145.0");
    PickList(4, C::kColDecodeType, "Ctcss Codec");
    PickList(4, C::kColDcsPolarity, "Invert");
    PickList(4, C::kColPower, "Low");
    PickList(4, C::kColScan, "Priority");
    PickList(4, C::kColBandwidth, "Narrow");
    PickList(4, C::kColSignaling, "DTMF");
    form.currentCol = C::kColName;
    form.BeginEdit();
    form.nameEdit.text = "ABCDEF";
    form.CommitEditor();
    form.CommitToImage();

    const ChannelRecordView r = Rec(4);
    EXPECT_EQ(r.Get(Field::DecodeType), 2);
    EXPECT_EQ(r.Get(Field::DcsPolarity), 3);
    EXPECT_EQ(r.Get(Field::Power), 0);
    EXPECT_EQ(r.Get(Field::Scan), 2);
    EXPECT_EQ(r.Get(Field::Bandwidth), 2);
    EXPECT_EQ(r.Get(Field::OptionSignaling), 3);
    EXPECT_EQ(r.Name(), "ABCDEF");

    // A shorter name leaves 0xFF behind it.
    form.currentRow = 4;
    form.currentCol = C::kColName;
    form.BeginEdit();
    form.nameEdit.text = "AB";
    form.CommitEditor();
    form.CommitToImage();
    const std::uint8_t* name = ctx.image.data() + RecordOffset(4) + kName;
    EXPECT_EQ(name[0], 'A');
    EXPECT_EQ(name[1], 'B');
    for (int i = 2; i < 6; ++i) EXPECT_EQ(name[i], 0xFF) << i;

    // A name from the radio with characters the keys cannot type ("." and "_")
    // survives the name editor opened and left without an edit.
    ChannelRecord(ctx.image, RecordOffset(4)).SetName("A.B_C");
    form.RefreshFromImage();
    form.currentRow = 4;
    form.currentCol = C::kColName;
    form.BeginEdit();
    form.CommitEditor();
    form.CommitToImage();
    EXPECT_EQ(Rec(4).Name(), "A.B_C");
}

TEST_F(ProgramFormTest, CommitDropsSqlModesTheRowCannotServeAndTransmitStop) {
    TypeFreq(8, C::kColRx, "145.0");
    PickList(8, C::kColDecodeType, "Ctcss Codec");
    form.CommitToImage();
    {
        ChannelRecord r(ctx.image, RecordOffset(8));
        r.Set(Field::SqlMode, 1); // "Tone", set in the channel edit dialog
        r.Set(Field::TxStop, 1);
    }
    form.RefreshFromImage();
    PickList(8, C::kColDecodeType, "Off");
    form.CommitToImage();
    EXPECT_EQ(Rec(8).Get(Field::SqlMode), 0);
    EXPECT_EQ(Rec(8).Get(Field::TxStop), 0);
}

TEST_F(ProgramFormTest, ScanOrBandwidthWithoutANameIsKept) {
    TypeFreq(10, C::kColRx, "145.0");
    form.CommitToImage();
    ChannelRecord(ctx.image, RecordOffset(10)).Set(Field::Scan, 3);
    ChannelRecord(ctx.image, RecordOffset(10)).Set(Field::Bandwidth, 3);
    form.RefreshFromImage();
    EXPECT_EQ(form.Cell(10, C::kColScan), C::UnnamedValueText(3));

    // Opening the list and leaving it without a choice keeps the value too.
    form.currentRow = 10;
    form.currentCol = C::kColScan;
    form.BeginEdit();
    EXPECT_EQ(form.listEdit.current, -1);
    form.CommitEditor();
    form.CommitToImage();
    EXPECT_EQ(Rec(10).Get(Field::Scan), 3);
    EXPECT_EQ(Rec(10).Get(Field::Bandwidth), 3);

    PickList(10, C::kColScan, "Skip");
    form.CommitToImage();
    EXPECT_EQ(Rec(10).Get(Field::Scan), 1);
}

TEST_F(ProgramFormTest, ArrowKeysWrapAcrossRowEnds) {
    const struct {
        C::Key key;
        int row, col, toRow, toCol;
    } cases[] = {
        {C::Key::Right, 10, 11, 11, 1},    {C::Key::Left, 10, 1, 9, 11},
        {C::Key::Right, 10, 4, 10, 5},     {C::Key::Left, 1, 1, 1, 1},
        {C::Key::Right, 800, 11, 800, 11}, {C::Key::Down, 800, 3, 800, 3},
        {C::Key::Up, 1, 3, 1, 3},
    };
    for (const auto& c : cases) {
        form.currentRow = c.row;
        form.currentCol = c.col;
        EXPECT_TRUE(form.OnGridKey(c.key));
        EXPECT_EQ(form.currentRow, c.toRow) << c.row << "," << c.col;
        EXPECT_EQ(form.currentCol, c.toCol) << c.row << "," << c.col;
    }
}

TEST_F(ProgramFormTest, EnterOpensCommitsAndMovesOn) {
    form.currentRow = 12;
    form.currentCol = C::kColRx;
    ASSERT_TRUE(form.OnGridKey(C::Key::Enter));
    ASSERT_EQ(form.ActiveEditor(), C::Editor::Freq);
    form.freqEdit.text = "145.1";
    form.OnEditorEnter();
    EXPECT_EQ(form.ActiveEditor(), C::Editor::None);
    EXPECT_EQ(form.Cell(12, C::kColRx), "145.10000");
    EXPECT_EQ(form.currentCol, C::kColTx);
    EXPECT_EQ(form.currentRow, 12);

    // An empty frequency editor moves one row down instead.
    form.currentRow = 20;
    form.currentCol = C::kColRx;
    form.OnGridKey(C::Key::Enter);
    form.OnEditorEnter();
    EXPECT_EQ(form.currentRow, 21);
    EXPECT_EQ(form.currentCol, C::kColRx);

    form.currentRow = 12;
    form.currentCol = C::kColPower;
    form.OnGridKey(C::Key::Enter);
    ASSERT_EQ(form.ActiveEditor(), C::Editor::List);
    EXPECT_EQ(form.listEdit.CurrentText(), "High");
    form.OnEditorEnter();
    EXPECT_EQ(form.currentCol, C::kColScan);
}

TEST_F(ProgramFormTest, MouseOnTheNumberColumnHighlightsTheRow) {
    form.OnMouseDown(3, C::kColNumber);
    EXPECT_TRUE(form.rowHighlight);
    EXPECT_EQ(form.ActiveEditor(), C::Editor::None);

    form.OnMouseDown(1, C::kColCtcss);
    EXPECT_FALSE(form.rowHighlight);
    EXPECT_EQ(form.ActiveEditor(), C::Editor::Ctcss);
    EXPECT_EQ(form.ctcssEdit.text, "100.0");

    // A scroll commits and hides the editor.
    form.ctcssEdit.text = "88.5";
    form.OnScroll();
    EXPECT_EQ(form.ActiveEditor(), C::Editor::None);
    EXPECT_EQ(form.Cell(1, C::kColCtcss), "88.5");

    form.OnMouseDown(0, 3); // header row: nothing
    EXPECT_EQ(form.ActiveEditor(), C::Editor::None);
}

TEST_F(ProgramFormTest, ChannelEditCommitsTheGridFirst) {
    TypeFreq(30, C::kColRx, "145.0");
    form.currentCol = C::kColName;
    form.BeginEdit();
    form.nameEdit.text = "NEW";
    // The open editor is committed, then the whole table.
    EXPECT_EQ(form.BeginChannelEdit(), 30);
    EXPECT_EQ(Rec(30).Name(), "NEW");
    ChannelRecord(ctx.image, RecordOffset(30)).SetName("DLG");
    form.EndChannelEdit();
    EXPECT_EQ(form.Cell(30, C::kColName), "DLG");
}

TEST_F(ProgramFormTest, ReadRefreshesAndRepairsTheFirstChannels) {
    ctx.image.Fill(RecordOffset(801), kRecordSize, 0xFF);
    form.AfterRead();
    EXPECT_FALSE(Rec(801).IsEmpty());
}

TEST_F(ProgramFormTest, ReadTakesTheRadiosBandLimits) {
    // The radio read has 450M limits of 430..440 MHz; the table corrects to them
    // at once, and so does the consistency pass on the next commit.
    WriteFreq(ctx.image, BandRecordOffset(k450M) + kRxLowerField, 43000000);
    WriteFreq(ctx.image, BandRecordOffset(k450M) + kRxUpperField, 44000000);
    const std::size_t vfo450 = addr::kVfoRecords + kRecordSize * k450M;
    WriteFreq(ctx.image, vfo450, 45000000);
    form.AfterRead();
    BandLimitCache expected = ctx.bandLimits;
    RefreshBandLimits(expected, ctx.image);
    RecomputeBandEnables(expected, ctx.image);
    EXPECT_EQ(ctx.bandLimits, expected);
    EXPECT_EQ(ctx.bandLimits.RxLower[k450M], 43000000);
    EXPECT_EQ(ctx.bandLimits.RxUpper[k450M], 44000000);
    form.CommitToImage();
    EXPECT_EQ(ReadFreq(ctx.image, vfo450), 43000000);
}

TEST_F(ProgramFormTest, ChangedRowsAreReported) {
    form.TakeChangedRows();
    EXPECT_TRUE(form.TakeChangedRows().Empty());
    TypeFreq(40, C::kColRx, "145.0");
    TypeFreq(15, C::kColRx, "145.0");
    const auto r = form.TakeChangedRows();
    EXPECT_EQ(r.first, 15);
    EXPECT_EQ(r.last, 40);
}

// Refreshing and committing with no edit changes no byte but the reset of empty
// records (and the consistency pass, which finds nothing to do on these images).
class ProgramFormNoChange : public ProgramFormTest {
protected:
    void ExpectRefreshCommitKeepsImage() {
        FinaliseImage(ctx.image, ctx.bandLimits);
        RadioImage expected = ctx.image;
        for (int n = 1; n <= kChannelsPerBank; ++n)
            if (IsChannelEmpty(expected, n))
                testing::WriteEmptyRowRecord(expected, n, ctx.bandLimits);
        form.RefreshFromImage();
        form.CommitToImage();
        EXPECT_TRUE(ctx.image == expected)
            << "differs at" << testing::DiffOffsets(ctx.image, expected);
        form.RefreshFromImage();
        form.CommitToImage();
        EXPECT_TRUE(ctx.image == expected)
            << "second pass differs at" << testing::DiffOffsets(ctx.image, expected);
    }
};

TEST_F(ProgramFormNoChange, DefaultCodeplug) {
    ExpectRefreshCommitKeepsImage();
}

TEST_F(ProgramFormNoChange, VariedChannels) {
    testing::FillVariedChannels(ctx.image, ctx.bandLimits);
    ExpectRefreshCommitKeepsImage();
}

TEST_F(ProgramFormNoChange, ImageReadBackFromTheRadio) {
    // The program writes a bank of varied channels to the radio and reads it back.
    testing::FillVariedChannels(ctx.image, ctx.bandLimits);
    form.RefreshFromImage();
    form.CommitToImage();
    ctx.image = testing::WriteAndReadBack(ctx.image);
    ExpectRefreshCommitKeepsImage();
}

} // namespace
} // namespace vmr
