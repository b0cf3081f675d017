#include "TestSupport.h"

#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/Codecs.h"

namespace vmr {
namespace {

// The default codeplug with its own band limits in the cache, as after Open.
struct Opened {
    RadioImage image;
    ToneStandardTable tones;
    BandLimitCache cache = BandLimitCache::StartUp();
    Opened() {
        EXPECT_TRUE(ReadCodeplugFile(test::DefaultDat(), image, tones).ok);
        RestoreToneStandards(tones);
        RefreshBandLimits(cache, image);
        RecomputeBandEnables(cache, image);
    }
};

TEST(DefaultCodeplug, IsAFixedPointOfThePass) {
    Opened o;
    const RadioImage before = o.image;
    FinaliseImage(o.image, o.cache);
    for (std::size_t i = 0; i < kImageSize; ++i)
        ASSERT_EQ(o.image[i], before[i]) << "offset 0x" << std::hex << i;
    // And the default enables the usual bands.
    for (int b : {k30M, k50M, k108M, k150M, k450M, k850M}) EXPECT_TRUE(o.cache.Enabled[b]) << b;
    for (int b : {k60M, k250M, k350M}) EXPECT_FALSE(o.cache.Enabled[b]) << b;
    EXPECT_FALSE(IsChannelEmpty(o.image, 1));
    EXPECT_FALSE(IsChannelEmpty(o.image, 801));
}

TEST(Finalise, RepairsAnEmptyFirstChannel) {
    Opened o;
    o.image.Fill(RecordOffset(1), 32, 0xFF);
    o.image.Fill(RecordOffset(801), 32, 0xFF);
    FinaliseImage(o.image, o.cache);
    RadioImage expected;
    FillDefaultRecord(expected, 0x100, o.cache.RxLower[k150M], o.cache);
    // The repaired channel has the default record of no frequency, then RxLower[150M].
    ChannelRecordView ch1(o.image, RecordOffset(1));
    EXPECT_EQ(ch1.RxFreq(), o.cache.RxLower[k150M]);
    EXPECT_EQ(ch1.TxFreq(), o.cache.RxLower[k150M]);
    EXPECT_EQ(ch1.OffsetFreq(), kOffset060);
    EXPECT_EQ(o.image[0x10C], 0xC0);
    EXPECT_EQ(ChannelRecordView(o.image, RecordOffset(801)).RxFreq(), o.cache.RxLower[k150M]);

    // Without 150M the first transmit band of 450M is used.
    o.cache.Enabled[k150M] = false;
    o.image.Fill(RecordOffset(1), 32, 0xFF);
    EnsureFirstChannels(o.image, o.cache);
    EXPECT_EQ(ch1.RxFreq(), o.cache.RxLower[k450M]);
    // A 00 receive frequency is left as it is.
    o.image.Fill(RecordOffset(1), 4, 0x00);
    EnsureFirstChannels(o.image, o.cache);
    EXPECT_EQ(o.image[0x103], 0x00);

    // A band table without limits for 450M (a damaged file) still gives channel
    // 1 a frequency: the lowest the radio's 450M band can hold, as the table does.
    o.cache.RxLower[k450M] = 0;
    o.image.Fill(RecordOffset(1), 32, 0xFF);
    EnsureFirstChannels(o.image, o.cache);
    EXPECT_FALSE(IsChannelEmpty(o.image, 1));
    EXPECT_EQ(ch1.RxFreq(), HardBandRanges[k450M].minimum);
}

struct MapCase {
    int scan;
    std::uint8_t presence, scanMap, priority;
};

TEST(Finalise, BankMaps) {
    const MapCase cases[] = {{0, 0x10, 0x10, 0x00}, {1, 0x10, 0x00, 0x00}, {2, 0x10, 0x10, 0x10}};
    for (const auto& c : cases) {
        Opened o;
        FillDefaultRecord(o.image, RecordOffset(5), 14500000, o.cache);
        ChannelRecord(o.image, RecordOffset(5)).Set(Field::Scan, c.scan);
        o.image[0xCC80] = o.image[0xCD00] = o.image[0xCD80] = 0xE0; // stale bits
        FinaliseImage(o.image, o.cache);
        EXPECT_EQ(o.image[0xCC80], 0x01 | c.presence) << c.scan; // channel 1 is there too
        EXPECT_EQ(o.image[0xCD00], 0x01 | c.scanMap) << c.scan;
        EXPECT_EQ(o.image[0xCD80], c.priority) << c.scan;
    }
    // A frequency outside every band is not present.
    Opened o;
    FillDefaultRecord(o.image, RecordOffset(9), 20000000, o.cache);
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image[0xCC81], 0x00);
    EXPECT_EQ(o.image[0xCE00], 0x01); // channel 801 of bank B
}

TEST(Finalise, CoefficientsAndScramblerWord) {
    Opened o;
    o.image.SetWord(0xCF90 + 32 * 2, 10000); // system 3, tone A = 1000.0 Hz
    o.image.SetWord(0xCC28, 5000);           // out of range: computed from 3300
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image.Word(0x0080 + 8 * 2), 23170);
    EXPECT_EQ(o.image.Word(0xCC2A), 9011);
    EXPECT_EQ(o.image.Word(0xCC28), 5000);
    EXPECT_EQ(o.image.Word(0x0060),
              static_cast<std::uint16_t>(ToneCoefficient(24000))); // ZVEI1 "0"
    o.image.SetWord(0xCC28, 2600);
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image.Word(0xCC2A), static_cast<int>(DecimalDiv(5200, 0.7324) + 0.5));
}

TEST(Finalise, FiveToneCodeCleaning) {
    Opened o;
    o.image.SetWord(0xD288 + 2 * 14, 0); // digit E has no tone
    o.image.SetWord(0xD288 + 2 * 15, 0); // nor F
    o.image[0xD283] = 0x0A;              // repeat digit A
    const std::uint8_t e1f2[8] = {0x0E, 0x01, 0x0F, 0x02, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t a12[8] = {0x01, 0x0A, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t junk[8] = {0x10, 0x03, 0xFF, 0x04, 0x22, 0x05, 0xFF, 0x06};
    std::copy_n(e1f2, 8, o.image.data() + 0xD2B0);
    std::copy_n(a12, 8, o.image.data() + 0xD2D0 + 32 * 15);
    std::copy_n(junk, 8, o.image.data() + 0xD4D0 + 16 * 7);
    FinaliseImage(o.image, o.cache);
    const std::vector<std::uint8_t> twelve = {0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(o.image.data() + 0xD2B0, o.image.data() + 0xD2B8), twelve);
    EXPECT_EQ(std::vector<std::uint8_t>(o.image.data() + 0xD4B0, o.image.data() + 0xD4B8), twelve);
    EXPECT_EQ(std::vector<std::uint8_t>(o.image.data() + 0xD540, o.image.data() + 0xD548),
              (std::vector<std::uint8_t>{0x03, 0x04, 0x05, 0x06, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(Finalise, DtmfReferenceAndPriorityWords) {
    Opened o;
    o.image[0xCC76] = 3;        // row 3 is empty
    o.image.SetWord(0xCC18, 7); // channel 7 is empty
    o.image.SetWord(0xCC1A, 1); // channel 801 is in use
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image[0xCC76], 0);
    EXPECT_EQ(o.image.Word(0xCC18), 0);
    EXPECT_EQ(o.image.Word(0xCC1A), 1);
    o.image[0xD760 + 24 * 2] = 0x01;
    o.image[0xCC76] = 3;
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image[0xCC76], 3);
}

TEST(Finalise, VfoRecordsAndTheirCopy) {
    Opened o;
    const std::size_t v150 = addr::kVfoRecords + 32 * k150M;
    const std::size_t v60 = addr::kVfoRecords + 32 * k60M;
    WriteFreq(o.image, v150, 19000000); // outside 150M's limits
    WriteFreq(o.image, v60, 7000000);   // valid for 60M, but the band is disabled
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(ReadFreq(o.image, v150), o.cache.RxLower[k150M]);
    EXPECT_EQ(ReadFreq(o.image, v150 + 4), o.cache.RxLower[k150M]);
    EXPECT_EQ(ReadFreq(o.image, v60), HardBandRanges[k60M].minimum);
    EXPECT_TRUE(
        std::equal(o.image.data() + 0xCA40, o.image.data() + 0xCB60, o.image.data() + 0xD8E0));
}

TEST(Finalise, WorkStateRepairs) {
    Opened o;
    const std::size_t p = addr::kWorkState;
    o.image.SetWord(p, 0);     // no reference: becomes 1
    o.image.SetWord(p + 4, 5); // channel 5 is empty: becomes 1
    o.image[p + 2] = 0xFF;     // becomes the first enabled band
    o.image[p + 6] = k60M;     // disabled band
    o.image[p + 8] = 0x03;     // read protection byte
    o.image[p + 9] = 0x0F;     // both pairs of bits set
    o.image[p + 0x0B] = 9;     // no such slot
    o.image[p + 0x10] = 16;
    o.image[p + 0x13] = 0x77; // not checked
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image.Word(p), 1);
    EXPECT_EQ(o.image.Word(p + 4), 1);
    EXPECT_EQ(o.image[p + 2], k30M);
    EXPECT_EQ(o.image[p + 6], k30M);
    EXPECT_EQ(o.image[p + 8], 0xFF);
    EXPECT_EQ(o.image[p + 9], 0x00);
    EXPECT_EQ(o.image[p + 0x0B], 0);
    EXPECT_EQ(o.image[p + 0x10], 0);
    EXPECT_EQ(o.image[p + 0x13], 0x77);

    // A scan-edge reference stays when its record lies in a band.
    FillDefaultRecord(o.image, addr::kScanEdges + 32 * 3, 14500000, o.cache);
    o.image.SetWord(p, 257 + 3);
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(o.image.Word(p), 260);
}

TEST(Finalise, SlotFrequenciesFollowTheBands) {
    Opened o;
    FinaliseImage(o.image, o.cache);
    EXPECT_EQ(ReadFreq(o.image, 0xDA00), o.cache.RxLower[k30M]);
    EXPECT_EQ(ReadFreq(o.image, 0xDA04), o.cache.RxLower[k30M]);
    EXPECT_EQ(ReadFreq(o.image, 0xDA40), o.cache.RxLower[k50M]);
    EXPECT_EQ(ReadFreq(o.image, 0xDA80), o.cache.RxLower[k150M]);
    EXPECT_EQ(ReadFreq(o.image, 0xDAC0), o.cache.RxLower[k30M]); // 350M off: first configured
    EXPECT_EQ(ReadFreq(o.image, 0xDB00), o.cache.RxLower[k450M]);
    EXPECT_EQ(ReadFreq(o.image, 0xDB40), o.cache.RxLower[k850M]);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(ReadFreq(o.image, 0xDA20 + 64 * k), o.cache.RxLower[k450M]);

    // No configured band: the slots keep what they hold.
    BandLimitCache none = o.cache;
    none.RxLower.fill(0);
    none.Enabled.fill(false);
    const RadioImage before = o.image;
    FinaliseImage(o.image, none);
    EXPECT_TRUE(
        std::equal(o.image.data() + 0xDA00, o.image.data() + 0xDB80, before.data() + 0xDA00));
}

TEST(SeedDefaultSlots, WithTheStartUpCache) {
    RadioImage img;
    for (std::size_t i = 0; i < 64; ++i) img[0xCC00 + i] = static_cast<std::uint8_t>(i);
    SeedDefaultSlots(img, BandLimitCache::StartUp());
    const std::uint8_t offsetByte2[12] = {0x06, 0x76, 0x06, 0x76, 0x06, 0x76,
                                          0x06, 0x76, 0x76, 0x76, 0x76, 0x76};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(ReadFreq(img, 0xDA00 + 32 * i), kSeedFrequencies[i]);
        EXPECT_EQ(img[0xDA00 + 32 * i + 18], offsetByte2[i]) << i;
        EXPECT_EQ(img[0xDA00 + 32 * i + 16], 0x00);
    }
    const std::uint8_t bands[12] = {0, 7, 1, 7, 4, 7, 6, 7, 7, 7, 8, 7};
    for (std::size_t j = 0; j < 6; ++j) {
        const std::size_t r = 0xDB80 + 64 * j;
        EXPECT_EQ(img[r + 2], bands[2 * j]);
        EXPECT_EQ(img[r + 6], bands[2 * j + 1]);
        EXPECT_EQ(img[r + 0], 0);
        EXPECT_EQ(img[r + 63], 63);
    }
}

} // namespace
} // namespace vmr
