#include "editors/channels/ChannelRecord.h"
#include "image/Codecs.h"

#include <gtest/gtest.h>

#include <vector>

namespace vmr {
namespace {

std::vector<std::uint8_t> RecordBytes(const RadioImage& img, std::size_t off) {
    return {img.data() + off, img.data() + off + kRecordSize};
}

TEST(ChannelRecord, DefaultRecordExample) {
    RadioImage img;
    FillDefaultRecord(img, RecordOffset(1), 14500000, BandLimitCache::StartUp());
    const std::vector<std::uint8_t> expected = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                                                0x00, 0x10, 0x23, 0x00, 0xC0, 0x08, 0x06, 0x00,
                                                0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                                                0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(RecordBytes(img, 0x100), expected);
}

struct DefaultCase {
    int rx;
    std::uint8_t byte14;
    std::uint8_t offsetByte2; // 0x06 for 0.6 MHz, 0x76 for 7.6 MHz
    bool emptyRx;
};

TEST(ChannelRecord, DefaultRecordDependsOnTheBand) {
    const DefaultCase cases[] = {
        {11800000, 0x10, 0x06, false}, // air band: AM
        {43500000, 0x00, 0x76, false}, // 450M: 7.6 MHz offset
        {85000000, 0x00, 0x76, false}, // 850M
        {0, 0x00, 0x06, true},         // no frequency
        {20000000, 0x00, 0x06, false}, // outside every band
    };
    for (const auto& c : cases) {
        RadioImage img;
        FillDefaultRecord(img, 0x200, c.rx, BandLimitCache::StartUp());
        ChannelRecordView rec(img, 0x200);
        EXPECT_EQ(img[0x200 + 0x14], c.byte14) << c.rx;
        EXPECT_EQ(img[0x200 + 0x12], c.offsetByte2) << c.rx;
        EXPECT_EQ(img[0x200 + 0x10], 0x00);
        EXPECT_EQ(img[0x200 + 0x13], 0x00);
        EXPECT_EQ(rec.IsEmpty(), c.emptyRx) << c.rx;
        if (c.emptyRx) {
            EXPECT_EQ(img[0x203], 0xFF);
            EXPECT_EQ(img[0x207], 0xFF);
        }
    }
}

TEST(ChannelRecord, EmptyTest) {
    RadioImage img;
    img.Fill(RecordOffset(3), 32, 0xFF);
    EXPECT_TRUE(IsChannelEmpty(img, 3));
    img.Fill(RecordOffset(3), 4, 0x00);
    EXPECT_TRUE(IsChannelEmpty(img, 3));
    WriteFreq(img, RecordOffset(3), 14500000);
    EXPECT_FALSE(IsChannelEmpty(img, 3));
    EXPECT_EQ(RecordOffset(1), 0x0100u);
    EXPECT_EQ(RecordOffset(801), 0x6500u);
    EXPECT_EQ(RecordOffset(1600), 0xC8E0u);

    // 1003.43380 MHz (read from a damaged record) does not fit eight BCD digits:
    // it is written as no frequency, not as 3.43380 MHz.
    ChannelRecord rec(img, RecordOffset(3));
    rec.SetTxFreq(100343380);
    EXPECT_FALSE(rec.HasTx());
    rec.SetRxFreq(100343380);
    EXPECT_TRUE(IsChannelEmpty(img, 3));
    rec.SetRxFreq(kMaxFreqCount);
    EXPECT_EQ(rec.RxFreq(), kMaxFreqCount);
}

// Every setter changes its own bits and nothing else, and reads back.
TEST(ChannelRecord, SettersTouchOnlyTheirBits) {
    for (const BitRange& r : kFieldLayout) {
        for (const std::uint8_t fill :
             {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
            RadioImage img;
            img.Fill(0x100, 32, fill);
            ChannelRecord rec(img, 0x100);
            const int max = (1 << (r.high - r.low + 1)) - 1;
            for (int v : {0, max, max / 2}) {
                rec.Set(r.field, v);
                EXPECT_EQ(rec.Get(r.field), v);
                for (std::size_t i = 0; i < 32; ++i) {
                    const std::uint8_t keep =
                        i == r.byte ? static_cast<std::uint8_t>(~r.Mask()) : 0xFF;
                    EXPECT_EQ(img[0x100 + i] & keep, fill & keep)
                        << "field " << static_cast<int>(r.field) << " byte " << i;
                }
            }
        }
    }
}

TEST(ChannelRecord, NamesAndTones) {
    RadioImage img;
    FillDefaultRecord(img, 0x100, 14500000, BandLimitCache::StartUp());
    ChannelRecord rec(img, 0x100);
    rec.SetName("REPEAT");
    EXPECT_EQ(rec.Name(), "REPEAT");
    EXPECT_EQ(img[0x100 + 0x1D], 'T');
    rec.SetName("AB");
    EXPECT_EQ(rec.Name(), "AB");
    for (std::size_t i = 0x1A; i <= 0x1D; ++i) EXPECT_EQ(img[0x100 + i], 0xFF);
    EXPECT_EQ(img[0x100 + 0x1E], 0xFF);
    EXPECT_EQ(StorableName("a_b#c-d/efg"), "a_b#c-");
    EXPECT_EQ(StorableName("A\x01"
                           "B\xFF"),
              "AB");
    EXPECT_EQ(rec.Ctcss(), 1000);
    EXPECT_EQ(rec.Dcs(), 23);
    rec.SetCtcss(885);
    rec.SetDcs(754);
    EXPECT_EQ(img[0x108], 0x85);
    EXPECT_EQ(img[0x109], 0x08);
    EXPECT_EQ(img[0x10A], 0x54);
    EXPECT_EQ(img[0x10B], 0x07);
    img.Fill(0x110, 4, 0xFF);
    EXPECT_EQ(rec.OffsetFreq(), 0);
}

struct DirectionCase {
    int tx;
    int stored;
    int expected;
};

TEST(ChannelRecord, DeriveOffsetDirection) {
    const DirectionCase cases[] = {
        {14440000, 1, 1}, {14440000, 2, 3}, {14500000, 1, 0}, {14500000, 3, 0},
        {14560000, 2, 2}, {14560000, 1, 3}, {14440000, 0, 3}, {14700000, 2, 3},
    };
    for (const auto& c : cases) {
        RadioImage img;
        FillDefaultRecord(img, 0x100, 14500000, BandLimitCache::StartUp());
        ChannelRecord rec(img, 0x100);
        rec.SetTxFreq(c.tx);
        rec.Set(Field::OffsetDirection, c.stored);
        DeriveOffsetDirection(rec);
        EXPECT_EQ(rec.Get(Field::OffsetDirection), c.expected) << c.tx << " " << c.stored;
    }
}

struct SqlCase {
    int sql, decode, option, expected;
};

TEST(ChannelRecord, ConstrainSqlMode) {
    const SqlCase cases[] = {
        {3, 2, 0, 0}, {1, 1, 0, 0}, {1, 2, 0, 1}, {2, 0, 0, 0}, {2, 0, 1, 2},
        {3, 3, 2, 3}, {4, 1, 3, 0}, {4, 3, 3, 4}, {0, 0, 0, 0}, {5, 0, 0, 5},
    };
    for (const auto& c : cases) {
        RadioImage img;
        ChannelRecord rec(img, 0x100);
        rec.Set(Field::SqlMode, c.sql);
        rec.Set(Field::DecodeType, c.decode);
        rec.Set(Field::OptionSignaling, c.option);
        ConstrainSqlMode(rec);
        EXPECT_EQ(rec.Get(Field::SqlMode), c.expected) << c.sql << c.decode << c.option;
    }
}

TEST(ChannelRecord, AllowedSqlModes) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(AllowedSqlModes(0, 0), V({"Carrier"}));
    EXPECT_EQ(AllowedSqlModes(1, 2), V({"Carrier", "Signaling"}));
    EXPECT_EQ(AllowedSqlModes(3, 0), V({"Carrier", "Tone"}));
    EXPECT_EQ(AllowedSqlModes(2, 1).size(), 5u);
}

TEST(ChannelRecord, TransmitFromOffset) {
    const BandLimitCache c = BandLimitCache::StartUp();
    EXPECT_EQ(ComputeTxFromOffset(c, 14500000, 60000, 1).tx, 14440000);
    EXPECT_EQ(ComputeTxFromOffset(c, 14500000, 60000, 2).tx, 14560000);
    EXPECT_EQ(ComputeTxFromOffset(c, 14500000, 60000, 3).tx, 14500000);
    const TxFromOffset out = ComputeTxFromOffset(c, 17990000, 60000, 2); // leaves 150M
    EXPECT_EQ(out.tx, 17990000);
    EXPECT_EQ(out.direction, 0);
}

TEST(ChannelRecord, BankBitMaps) {
    RadioImage img;
    img.Fill(kBankAMaps.presence, kBankMapBytes, 0);
    SetMapBit(img, kBankAMaps.presence, 5);
    SetMapBit(img, kBankAMaps.presence, 800);
    EXPECT_EQ(img[0xCC80], 0x10);
    EXPECT_EQ(img[0xCCE3], 0x80);
    EXPECT_TRUE(MapBit(img, kBankAMaps.presence, 5));
    EXPECT_FALSE(MapBit(img, kBankAMaps.presence, 6));
}

} // namespace
} // namespace vmr
