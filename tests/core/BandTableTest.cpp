#include "image/BandTable.h"
#include "image/Codecs.h"

#include <gtest/gtest.h>

namespace vmr {
namespace {

void SetBand(RadioImage& img, int b, int rxLo, int rxHi) {
    WriteFreq(img, BandRecordOffset(b) + kRxLowerField, rxLo);
    WriteFreq(img, BandRecordOffset(b) + kRxUpperField, rxHi);
}

RadioImage ClearedTable() {
    RadioImage img;
    img.Fill(addr::kBandTable, 144, 0x00);
    return img;
}

TEST(BandLimitCache, StartUpValues) {
    const BandLimitCache c = BandLimitCache::StartUp();
    EXPECT_EQ(c.RxLower[0], 2600000);
    EXPECT_EQ(c.RxUpper[8], 95000000);
    EXPECT_TRUE(c.Enabled[0]);
    for (int b = 1; b < kBandCount; ++b) EXPECT_FALSE(c.Enabled[b]);
    EXPECT_EQ(c.PairLower[0], 13400000);
    EXPECT_EQ(c.PairUpper[1], 51200000);
    EXPECT_FALSE(c.PairEnabled[0] || c.PairEnabled[1]);
}

TEST(BandLimitCache, RefreshReadsLimitsAndTransmitRanges) {
    RadioImage img = ClearedTable();
    SetBand(img, k150M, 13600000, 17400000);
    SetBand(img, k450M, 40000000, 48000000);
    img.Fill(BandRecordOffset(k850M), 8, 0xFF); // FF limits are unset too
    BandLimitCache c = BandLimitCache::StartUp();
    RefreshBandLimits(c, img);
    EXPECT_EQ(c.RxLower[k150M], 13600000);
    EXPECT_EQ(c.RxUpper[k450M], 48000000);
    EXPECT_EQ(c.RxLower[k30M], 0); // cleared record: the band holds only 0
    EXPECT_EQ(BandOf(c, 0), 0);
    EXPECT_EQ(c.RxLower[k850M], 0);
    EXPECT_EQ(c.PairLower[0], 13600000);
    EXPECT_EQ(c.PairLower[1], 40000000);                     // 250M unset: range 1 follows 450M
    EXPECT_EQ(c.Enabled, BandLimitCache::StartUp().Enabled); // refresh leaves the flags

    SetBand(img, k250M, 22000000, 26000000);
    RefreshBandLimits(c, img);
    EXPECT_EQ(c.PairLower[1], 22000000); // 250M wins over 450M
}

TEST(BandLimitCache, RangeOneKeepsItsValuesWhenBothBandsAreCleared) {
    RadioImage img = ClearedTable();
    BandLimitCache c = BandLimitCache::StartUp();
    c.PairLower[1] = 123;
    c.PairUpper[1] = 456;
    RefreshBandLimits(c, img);
    EXPECT_EQ(c.PairLower[1], 123);
    EXPECT_EQ(c.PairUpper[1], 456);
}

TEST(BandLimitCache, RecomputeEnables) {
    RadioImage img = ClearedTable();
    SetBand(img, k150M, 13600000, 17400000);
    SetBand(img, k250M, 21000000, 26000000); // below its hard minimum: disabled
    SetBand(img, k450M, 40000000, 48000000);
    BandLimitCache c = BandLimitCache::StartUp();
    RecomputeBandEnables(c, img);
    EXPECT_FALSE(c.Enabled[k30M]);
    EXPECT_TRUE(c.Enabled[k150M]);
    EXPECT_FALSE(c.Enabled[k250M]);
    EXPECT_TRUE(c.Enabled[k450M]);
    EXPECT_TRUE(c.PairEnabled[0]);
    EXPECT_TRUE(c.PairEnabled[1]);
    EXPECT_EQ(c.RxLower, BandLimitCache::StartUp().RxLower); // limits not reloaded
}

TEST(BandLookups, Cases) {
    BandLimitCache c = BandLimitCache::StartUp();
    c.RxUpper[k108M] = 14000000;           // overlaps 150M
    EXPECT_EQ(BandOf(c, 13500000), k108M); // the lower band index wins
    EXPECT_EQ(BandOf(c, 14500000), k150M);
    EXPECT_EQ(BandOf(c, 100), -1);
    EXPECT_EQ(BandOf(c, 14500000, true), 0);
    EXPECT_EQ(BandOf(c, 43500000, true), 1);
    EXPECT_EQ(BandOf(c, 22000000, true), -1);
    EXPECT_TRUE(SameBand(c, 100, 200)); // both outside every band
    EXPECT_FALSE(SameBand(c, 14500000, 43500000));
    EXPECT_TRUE(IsUnsetLimit(0));
    EXPECT_TRUE(IsUnsetLimit(-1));
    EXPECT_FALSE(IsUnsetLimit(1));
    EXPECT_EQ(TxClassOf(c, 14500000), k150M);
    EXPECT_EQ(TxClassOf(c, 43500000), k450M);
    EXPECT_EQ(TxClassOf(c, 2700000), -1);
    EXPECT_EQ(FirstEnabledTxBand(c), -1);
    c.Enabled[k450M] = true;
    EXPECT_EQ(FirstEnabledTxBand(c), k450M);
    c.Enabled[k150M] = true;
    EXPECT_EQ(FirstEnabledTxBand(c), k150M);
    EXPECT_EQ(FirstConfiguredBand(c), 0);
    c.RxLower[0] = 0;
    EXPECT_EQ(FirstConfiguredBand(c), 1);
    c.PairUpper[0] = -1;
    EXPECT_EQ(FirstConfiguredBand(c, true), 1);
}

} // namespace
} // namespace vmr
