// The VFO editor's form logic: the tab set from the band flags, the tab-to-record
// mapping, the receive limits, the computed transmit frequency, and storing on
// tab change and close.
#include "ChannelFormFixture.h"

#include "editors/channels/VfoForm.h"

#include <gtest/gtest.h>

namespace vmr {
namespace {

class VfoFormTest : public ::testing::Test {
protected:
    void SetUp() override { testing::LoadStartUpState(ctx); }

    ChannelRecordView Vfo(int i) const { return ChannelRecordView(ctx.image, VfoOffset(i)); }
    // Opens the form on the tab with the given text.
    void OpenOn(VfoForm& f, const std::string& tab) {
        f.Open();
        const auto it = std::find(f.tabs.begin(), f.tabs.end(), tab);
        ASSERT_NE(it, f.tabs.end()) << tab;
        f.OnTabChanging();
        f.OnTabChanged(static_cast<int>(it - f.tabs.begin()));
    }

    AppContext ctx;
};

TEST_F(VfoFormTest, TabsFollowTheBandFlags) {
    const BandLimitCache all = testing::AllBandsCache();
    EXPECT_EQ(VfoTabTexts(all),
              (std::vector<std::string>{"30M", "50M", "60M", "150M", "250M", "350M", "450M", "850M",
                                        "150M R", "250M R"}));
    EXPECT_EQ(VfoRecordOfTab(all, 4), 5); // "250M"
    EXPECT_EQ(VfoOffset(5), 0xCAE0u);
    EXPECT_EQ(VfoRecordOfTab(all, 3), 4);
    EXPECT_EQ(VfoRecordOfTab(all, 8), 9);
    EXPECT_EQ(VfoRecordOfTab(all, 9), 10);
    EXPECT_EQ(VfoRecordOfTab(all, 10), -1);

    // The default band table: 30M, 50M, 150M, 450M and 850M.
    EXPECT_EQ(VfoTabTexts(ctx.bandLimits),
              (std::vector<std::string>{"30M", "50M", "150M", "450M", "850M", "150M R", "450M R"}));
    EXPECT_EQ(VfoRecordOfTab(ctx.bandLimits, 3), 7);
    EXPECT_EQ(VfoRecordOfTab(ctx.bandLimits, 6), 10);

    BandLimitCache none = BandLimitCache::StartUp();
    none.Enabled.fill(false);
    EXPECT_TRUE(VfoTabTexts(none).empty());
    EXPECT_EQ(VfoRecordOfTab(none, 0), -1);
}

TEST_F(VfoFormTest, OneFiftyAcceptsTheAirBand) {
    VfoForm f(ctx);
    OpenOn(f, "150M");
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"118.1", "118.10000"},    // air band on the 150M VFO
        {"100", "134.00000"},      // in no band: the lower limit
        {"", "134.00000"},         // empty: the lower limit
        {"181", "134.00000"},      // above the limit
        {"145.0037", "145.00000"}, // snapped
    };
    for (const auto& c : cases) {
        f.rx.text = c.typed;
        f.OnRxCommit();
        EXPECT_EQ(f.rx.text, c.shown) << c.typed;
    }
    // Only the 150M VFO takes the air band.
    OpenOn(f, "450M");
    f.rx.text = "118.1";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "400.00000");
}

TEST_F(VfoFormTest, TransmitFrequencyFollowsTheOffsetWithinTheBand) {
    VfoForm f(ctx);
    OpenOn(f, "450M");
    f.rx.text = "508";
    SelectText(f.offsetDirection, "+");
    f.OnOffsetDirectionChanged();
    EXPECT_TRUE(f.offset.enabled);
    f.offset.text = "7.6";
    f.Close();
    EXPECT_EQ(Vfo(7).RxFreq(), 50800000);
    EXPECT_EQ(Vfo(7).TxFreq(), 50800000); // 515.6 would leave the band
    EXPECT_EQ(Vfo(7).Get(Field::OffsetDirection), 0);

    OpenOn(f, "450M");
    EXPECT_EQ(f.offsetDirection.CurrentText(), "Off");
    EXPECT_FALSE(f.offset.enabled);
    f.rx.text = "438.5";
    SelectText(f.offsetDirection, "-");
    f.OnOffsetDirectionChanged();
    f.Close();
    EXPECT_EQ(Vfo(7).TxFreq(), 43090000);
    EXPECT_EQ(Vfo(7).Get(Field::OffsetDirection), 1);
}

TEST_F(VfoFormTest, IndependentDirectionIsShownAndStoredAsOff) {
    {
        ChannelRecord r(ctx.image, VfoOffset(4));
        r.SetRxFreq(14550000);
        r.SetTxFreq(14400000);
        r.Set(Field::OffsetDirection, 3);
    }
    VfoForm f(ctx);
    OpenOn(f, "150M");
    EXPECT_EQ(f.offsetDirection.CurrentText(), "Off");
    EXPECT_FALSE(f.offset.enabled);
    f.Close();
    EXPECT_EQ(Vfo(4).Get(Field::OffsetDirection), 0);
    EXPECT_EQ(Vfo(4).TxFreq(), 14550000);
}

TEST_F(VfoFormTest, EightFiftyStepListHasNoSmallSteps) {
    ChannelRecord(ctx.image, VfoOffset(8)).Set(Field::Step, 0); // "2.5"
    VfoForm f(ctx);
    OpenOn(f, "850M");
    EXPECT_EQ(f.step.items.size(), 9u);
    EXPECT_EQ(f.step.CurrentText(), "12.5");
    f.Close();
    EXPECT_EQ(Vfo(8).Get(Field::Step), kDefaultStep);
}

TEST_F(VfoFormTest, TabChangeStoresTheRecordLeft) {
    VfoForm f(ctx);
    f.Open();
    ASSERT_EQ(f.CurrentRecord(), 0);
    f.rx.text = "29.0";
    SelectText(f.power, "Low");
    f.name.text = "VFOA";
    f.OnTabChanging();
    f.OnTabChanged(2); // "150M"
    EXPECT_EQ(f.CurrentRecord(), 4);
    EXPECT_EQ(Vfo(0).RxFreq(), 2900000);
    EXPECT_EQ(Vfo(0).Get(Field::Power), 0);
    EXPECT_EQ(Vfo(0).Name(), "VFOA");
    EXPECT_EQ(f.power.CurrentText(), "High"); // record 4's own
}

TEST_F(VfoFormTest, TransmitRangeTabsUseThePairLimits) {
    VfoForm f(ctx);
    OpenOn(f, "450M R");
    EXPECT_EQ(f.CurrentRecord(), 10);
    f.rx.text = "520";
    f.OnRxCommit();
    EXPECT_EQ(f.rx.text, "400.00000");
}

TEST_F(VfoFormTest, NoTabsNoStore) {
    ctx.bandLimits.Enabled.fill(false);
    ctx.bandLimits.PairEnabled = {false, false};
    const RadioImage before = ctx.image;
    VfoForm f(ctx);
    f.Open();
    EXPECT_TRUE(f.tabs.empty());
    EXPECT_FALSE(f.rx.enabled);
    f.Close();
    EXPECT_TRUE(ctx.image == before);
}

TEST_F(VfoFormTest, OffsetIsNormalised) {
    VfoForm f(ctx);
    f.Open();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"", "0.00000"}, {"50.00001", "7.60000"}, {"5.003", "5.00000"}};
    for (const auto& c : cases) {
        f.offset.text = c.typed;
        f.OnOffsetCommit();
        EXPECT_EQ(f.offset.text, c.shown) << c.typed;
    }
}

// Opening, walking every tab and closing changes no byte of a valid image: the
// default codeplug with the default bands and with every band, and an image
// read back from the radio.
TEST_F(VfoFormTest, WalkingTheTabsChangesNothing) {
    for (const int pass : {0, 1, 2}) {
        SCOPED_TRACE(pass);
        if (pass == 1) ctx.bandLimits = testing::AllBandsCache();
        FinaliseImage(ctx.image, ctx.bandLimits); // VFOs of disabled bands repaired
        if (pass == 2) ctx.image = testing::WriteAndReadBack(ctx.image);
        const RadioImage before = ctx.image;
        testing::WalkVfoTabs(ctx);
        EXPECT_TRUE(ctx.image == before) << testing::DiffOffsets(ctx.image, before);
    }
}

} // namespace
} // namespace vmr
