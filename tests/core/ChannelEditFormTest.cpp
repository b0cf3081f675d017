// The channel edit dialog's form logic: loading and storing a record byte for
// byte, creating and clearing channels, the channel number box and its spin,
// the receive and transmit rules, and the field dependencies.
#include "ChannelFormFixture.h"

#include "editors/channels/ChannelEditForm.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vmr {
namespace {

class ChannelEditFormTest : public ::testing::Test {
protected:
    void SetUp() override { testing::LoadStartUpState(ctx); }

    // A channel with the default record at rx.
    void MakeChannel(int n, int rx) {
        FillDefaultRecord(ctx.image, RecordOffset(n), rx, ctx.bandLimits);
    }
    ChannelRecordView Rec(int n) const { return ChannelRecordView(ctx.image, RecordOffset(n)); }

    AppContext ctx;
};

TEST_F(ChannelEditFormTest, OpeningAnEmptyChannelAndCreatingIt) {
    ChannelEditForm f(ctx, 5);
    f.Open();
    EXPECT_EQ(f.channelNumber.text, "5");
    EXPECT_TRUE(f.rx.enabled);
    EXPECT_EQ(f.rx.text, "");
    EXPECT_FALSE(f.tx.enabled);
    EXPECT_FALSE(f.ctcss.enabled);
    EXPECT_FALSE(f.power.enabled);
    EXPECT_FALSE(f.emphasis.enabled);
    EXPECT_EQ(f.power.current, -1);

    f.rx.text = "145.02";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "145.02000");
    EXPECT_EQ(f.tx.text, "145.02000");
    EXPECT_EQ(f.ctcss.text, "100.0");
    EXPECT_EQ(f.dcs.text, "023");
    EXPECT_EQ(f.power.CurrentText(), "High");
    EXPECT_EQ(f.step.CurrentText(), "12.5");
    EXPECT_EQ(f.offset.text, "0.60000");
    EXPECT_TRUE(f.tx.enabled);
    EXPECT_TRUE(f.power.enabled);
    EXPECT_TRUE(f.emphasis.checked);
    EXPECT_FALSE(f.signalDecode.enabled); // option signalling "Off"
    // Created in the image at once.
    EXPECT_EQ(Rec(5).RxFreq(), 14502000);
    EXPECT_EQ(f.AcceptedRx(), "145.02000");
}

TEST_F(ChannelEditFormTest, ClearingTheReceiveBoxEmptiesTheChannelOnClose) {
    MakeChannel(6, 14550000);
    ChannelEditForm f(ctx, 6);
    f.Open();
    f.rx.text = "";
    f.OnRxCommit();
    EXPECT_FALSE(f.power.enabled);
    EXPECT_FALSE(Rec(6).IsEmpty()); // reset only when stored
    f.Close();
    RadioImage expected = ctx.image;
    FillDefaultRecord(expected, RecordOffset(6), 0, ctx.bandLimits);
    EXPECT_TRUE(ctx.image == expected);
    EXPECT_TRUE(Rec(6).IsEmpty());
}

TEST_F(ChannelEditFormTest, ChannelNumberBoxAndSpin) {
    ChannelEditForm f(ctx, 3);
    f.Open();
    const struct {
        const char* typed;
        int delta; // 0: the box loses the focus
        int shown;
    } steps[] = {
        {"999", 0, 800}, {"800", +1, 1}, {"1", -1, 800}, {"0", 0, 1},
        {"17", 0, 17},   {"17", +1, 18}, {"18", -1, 17}, {"abc", 0, 1},
    };
    for (const auto& s : steps) {
        f.channelNumber.text = s.typed;
        if (s.delta == 0)
            f.OnChannelNumberCommit();
        else
            f.OnSpin(s.delta);
        EXPECT_EQ(f.Channel(), s.shown) << s.typed << " " << s.delta;
        EXPECT_EQ(f.channelNumber.text, std::to_string(s.shown));
    }
}

TEST_F(ChannelEditFormTest, MovingToAnotherChannelStoresTheOneLeft) {
    MakeChannel(2, 14550000);
    MakeChannel(3, 43500000);
    ChannelEditForm f(ctx, 2);
    f.Open();
    f.name.text = "TWO";
    f.OnSpin(+1);
    EXPECT_EQ(Rec(2).Name(), "TWO");
    EXPECT_EQ(f.rx.text, "435.00000");
    f.name.text = "THREE";
    f.Close();
    EXPECT_EQ(Rec(3).Name(), "THREE");
}

TEST_F(ChannelEditFormTest, SqlModeFollowsDecodeTypeAndOptionSignalling) {
    MakeChannel(4, 14550000);
    ChannelRecord(ctx.image, RecordOffset(4)).Set(Field::SqlMode, 2); // "Signaling", option Off
    ChannelEditForm f(ctx, 4);
    f.Open();
    EXPECT_EQ(f.sqlMode.items, std::vector<std::string>{"Carrier"});
    EXPECT_EQ(f.sqlMode.CurrentText(), "Carrier");
    f.Close();
    EXPECT_EQ(Rec(4).Get(Field::SqlMode), 0);

    f.Open();
    SelectText(f.decodeType, "Dcs Codec");
    f.OnDecodeTypeChanged();
    SelectText(f.optionSignaling, "5 Tone");
    f.OnOptionSignalingChanged();
    EXPECT_EQ(f.sqlMode.items.size(), 5u);
    SelectText(f.sqlMode, "Signalling | Tone");
    // Dropping the option keeps "Carrier" and "Tone" only; the shown mode goes.
    SelectText(f.optionSignaling, "Off");
    f.OnOptionSignalingChanged();
    EXPECT_EQ(f.sqlMode.items, (std::vector<std::string>{"Carrier", "Tone"}));
    EXPECT_EQ(f.sqlMode.CurrentText(), "Carrier");
    SelectText(f.sqlMode, "Tone");
    SelectText(f.decodeType, "Ctcss Codec");
    f.OnDecodeTypeChanged();
    EXPECT_EQ(f.sqlMode.CurrentText(), "Tone"); // still offered: kept
    f.Close();
    EXPECT_EQ(Rec(4).Get(Field::SqlMode), 1);
    EXPECT_EQ(Rec(4).Get(Field::DecodeType), 2);
}

TEST_F(ChannelEditFormTest, ChannelOneRefusesFrequenciesOutsideTheTransmitBands) {
    ChannelEditForm f(ctx, 1);
    f.Open();
    ASSERT_EQ(f.rx.text, "145.50000");
    f.rx.text = "88";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "145.50000");
    f.rx.text = "";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "145.50000");
    f.rx.text = "435.0037"; // off both grids: down to the nearer line
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "435.00000");
    f.rx.text = "146.0083"; // not the 8.33 kHz rule: channel 1 uses the step grid
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "146.00625");

    f.OnTxFocus();
    f.tx.text = "29";
    f.OnTxCommit();
    EXPECT_EQ(f.tx.text, "145.50000");
}

TEST_F(ChannelEditFormTest, ReceiveAndTransmitCorrections) {
    MakeChannel(9, 14550000);
    ChannelEditForm f(ctx, 9);
    f.Open();
    f.rx.text = "100"; // in no band: the previous frequency
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "145.50000");
    f.rx.text = "118.0083";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "118.00833");
    EXPECT_EQ(f.tx.text, "145.50000"); // transmit is independent

    f.OnTxFocus();
    f.tx.text = "";
    f.OnTxCommit();
    EXPECT_EQ(f.tx.text, "145.50000");
    f.OnTxFocus();
    f.tx.text = "10";
    f.OnTxCommit();
    EXPECT_EQ(f.tx.text, "145.50000");
    f.OnTxFocus();
    f.tx.text = "851.013";
    f.OnTxCommit();
    EXPECT_EQ(f.tx.text, "851.01000");

    // An empty channel typed out of every band starts at the first band's limit.
    ChannelEditForm g(ctx, 10);
    g.Open();
    g.rx.text = "100";
    g.OnRxCommit();
    EXPECT_EQ(g.rx.text, "26.00000");
    EXPECT_FALSE(Rec(10).IsEmpty());

    // Without any band limits the entry is refused and the channel stays empty.
    ctx.bandLimits.RxLower.fill(0);
    ctx.bandLimits.RxUpper.fill(0);
    ChannelEditForm h(ctx, 11);
    h.Open();
    h.rx.text = "145";
    h.OnRxCommit();
    EXPECT_EQ(h.rx.text, "");
    EXPECT_TRUE(Rec(11).IsEmpty());
}

TEST_F(ChannelEditFormTest, StepListByBand) {
    MakeChannel(12, 85101250);
    ChannelRecord(ctx.image, RecordOffset(12)).Set(Field::Step, 2); // "6.25"
    ChannelEditForm f(ctx, 12);
    f.Open();
    EXPECT_EQ(f.step.items,
              (std::vector<std::string>{"5.0", "10", "12.5", "15", "20", "25", "30", "50", "100"}));
    EXPECT_EQ(f.step.CurrentText(), "12.5");
    SelectText(f.step, "25");
    f.rx.text = "145.0"; // all 13 steps again; "25" is kept
    f.OnRxCommit();
    EXPECT_EQ(f.step.items.size(), 13u);
    EXPECT_EQ(f.step.CurrentText(), "25");
    SelectText(f.step, "8.33");
    f.rx.text = "851.0";
    f.OnRxCommit();
    EXPECT_EQ(f.step.CurrentText(), "12.5");
    f.Close();
    EXPECT_EQ(Rec(12).Get(Field::Step), kDefaultStep);
}

TEST_F(ChannelEditFormTest, SignallingDecodeOnlyForTwoTone) {
    MakeChannel(13, 14550000);
    ChannelEditForm f(ctx, 13);
    f.Open();
    SelectText(f.optionSignaling, "2 Tone");
    f.OnOptionSignalingChanged();
    EXPECT_TRUE(f.signalDecode.enabled);
    SelectText(f.signalDecode, "16");
    SelectText(f.optionSignaling, "DTMF");
    f.OnOptionSignalingChanged();
    EXPECT_FALSE(f.signalDecode.enabled);
    f.Close();
    EXPECT_EQ(Rec(13).Get(Field::SignalDecode), 15);
    EXPECT_EQ(Rec(13).Get(Field::OptionSignaling), 3);
}

TEST_F(ChannelEditFormTest, ReverseAndTalkAroundExcludeEachOther) {
    MakeChannel(14, 14550000);
    ChannelRecord(ctx.image, RecordOffset(14)).SetFlag(Field::Reverse, true);
    ChannelRecord(ctx.image, RecordOffset(14)).SetFlag(Field::TalkAround, true);
    ChannelEditForm f(ctx, 14);
    f.Open();
    EXPECT_TRUE(f.reverse.checked);
    EXPECT_FALSE(f.talkAround.checked); // both set in the image: reverse wins
    f.talkAround.checked = true;
    f.OnTalkAroundClicked();
    EXPECT_FALSE(f.reverse.checked);
    f.reverse.checked = true;
    f.OnReverseClicked();
    EXPECT_FALSE(f.talkAround.checked);
}

TEST_F(ChannelEditFormTest, StoringKeepsTheOffsetDirectionAndNormalisesTones) {
    MakeChannel(15, 14550000);
    ChannelRecord(ctx.image, RecordOffset(15)).Set(Field::OffsetDirection, 2);
    ChannelEditForm f(ctx, 15);
    f.Open();
    f.ctcss.text = "88.59";
    f.OnCtcssCommit();
    EXPECT_EQ(f.ctcss.text, "88.5");
    f.dcs.text = "7";
    f.OnDcsCommit();
    EXPECT_EQ(f.dcs.text, "007");
    f.tx.text = "";
    f.offset.text = "";
    f.Close();
    const ChannelRecordView r = Rec(15);
    EXPECT_EQ(r.Get(Field::OffsetDirection), 2);
    EXPECT_EQ(r.Ctcss(), 885);
    EXPECT_EQ(r.Dcs(), 7);
    EXPECT_FALSE(r.HasTx());
    EXPECT_EQ(r.OffsetFreq(), 0); // an empty offset is 0.00000
    EXPECT_EQ(ctx.image[RecordOffset(15) + kOffset + 3], 0x00);
}

TEST_F(ChannelEditFormTest, HiddenFieldsAreCarriedThrough) {
    MakeChannel(16, 14550000);
    {
        ChannelRecord r(ctx.image, RecordOffset(16));
        r.Set(Field::TxStop, 1);
        r.SetFlag(Field::ReverseBackup, true);
        r.Set(Field::Step, 9);
        r.SetOffsetFreq(500000);
    }
    ChannelEditForm f(ctx, 16);
    f.Open();
    EXPECT_EQ(f.txStop.CurrentText(), "On");
    EXPECT_TRUE(f.reverseBackup.checked);
    EXPECT_EQ(f.step.CurrentText(), "25");
    EXPECT_EQ(f.offset.text, "5.00000");
    RadioImage before = ctx.image;
    f.Close();
    EXPECT_TRUE(ctx.image == before) << testing::DiffOffsets(ctx.image, before);
}

// Showing every channel and closing changes no byte of a valid image but the
// empty records, which become the default record without frequency.
class ChannelEditNoChange : public ChannelEditFormTest {
protected:
    void ExpectWalkKeepsImage() {
        RadioImage expected = ctx.image;
        for (int n = 1; n <= kChannelsPerBank; ++n)
            if (IsChannelEmpty(expected, n))
                FillDefaultRecord(expected, RecordOffset(n), 0, ctx.bandLimits);
        testing::WalkChannelDialog(ctx);
        EXPECT_TRUE(ctx.image == expected)
            << "differs at" << testing::DiffOffsets(ctx.image, expected);
    }
};

TEST_F(ChannelEditNoChange, DefaultCodeplug) {
    ExpectWalkKeepsImage();
}

TEST_F(ChannelEditNoChange, VariedChannels) {
    testing::FillVariedChannels(ctx.image, ctx.bandLimits);
    ExpectWalkKeepsImage();
}

TEST_F(ChannelEditNoChange, ImageReadBackFromTheRadio) {
    testing::FillVariedChannels(ctx.image, ctx.bandLimits);
    FinaliseImage(ctx.image, ctx.bandLimits);
    ctx.image = testing::WriteAndReadBack(ctx.image);
    ExpectWalkKeepsImage();
}

} // namespace
} // namespace vmr
