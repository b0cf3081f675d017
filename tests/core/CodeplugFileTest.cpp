#include "TestSupport.h"

#include "image/CodeplugFile.h"

namespace vmr {
namespace {

using test::TempDir;

std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> v(size);
    for (std::size_t i = 0; i < size; ++i) v[i] = static_cast<std::uint8_t>(seed + i * 7);
    return v;
}

struct Loaded {
    RadioImage image;
    ToneStandardTable tones;
};

Loaded Marked() {
    Loaded l;
    l.image.bytes.fill(0x11);
    l.tones.bytes.fill(0x22);
    return l;
}

TEST(CodeplugFile, FullFileFillsBothArraysAndRoundTrips) {
    TempDir dir;
    const auto bytes = Pattern(kCodeplugSize, 3);
    test::WriteBytes(dir.File("a.dat"), bytes);
    Loaded l = Marked();
    CodeplugKind kind{};
    ASSERT_TRUE(ReadCodeplugFile(dir.File("a.dat"), l.image, l.tones, &kind).ok);
    EXPECT_EQ(kind, CodeplugKind::Full);
    EXPECT_EQ(l.tones[0], bytes[0]);
    EXPECT_EQ(l.image[0], bytes[kToneTableSize]);
    EXPECT_EQ(SerializeCodeplug(l.image, l.tones), bytes);
}

TEST(CodeplugFile, BareImageLeavesToneTable) {
    TempDir dir;
    const auto bytes = Pattern(kImageSize, 5);
    test::WriteBytes(dir.File("bare.img"), bytes);
    Loaded l = Marked();
    CodeplugKind kind{};
    ASSERT_TRUE(ReadCodeplugFile(dir.File("bare.img"), l.image, l.tones, &kind).ok);
    EXPECT_EQ(kind, CodeplugKind::BareImage);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), l.image.bytes.begin()));
    EXPECT_EQ(l.tones.bytes, Marked().tones.bytes);
}

TEST(CodeplugFile, WrongSizesAreRefusedAndChangeNothing) {
    TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, kToneTableSize, kImageSize - 1,
                             kImageSize + 1, kCodeplugSize - 1, kCodeplugSize + 1}) {
        test::WriteBytes(dir.File("x.dat"), Pattern(size, 9));
        Loaded l = Marked();
        FileResult r = ReadCodeplugFile(dir.File("x.dat"), l.image, l.tones);
        EXPECT_FALSE(r.ok) << size;
        EXPECT_NE(r.error.find(std::to_string(size)), std::string::npos) << r.error;
        EXPECT_EQ(l.image, Marked().image);
        EXPECT_EQ(l.tones, Marked().tones);
    }
}

TEST(CodeplugFile, MissingFileReportsTheSystemError) {
    TempDir dir;
    Loaded l = Marked();
    FileResult r = ReadCodeplugFile(dir.File("none.dat"), l.image, l.tones);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("No such file"), std::string::npos) << r.error;
    EXPECT_EQ(l.image, Marked().image);
}

TEST(ToneStandards, RestoreRewritesOnlyThePredefinedToneWords) {
    ToneStandardTable t;
    t.bytes.fill(0xAB);
    RestoreToneStandards(t);
    for (int n = 0; n < 16; ++n) {
        const std::size_t r = ToneStandardTable::RecordOffset(n);
        for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(t[r + i], 0xAB);
        if (n == 15) {
            for (std::size_t i = 8; i < 40; ++i) EXPECT_EQ(t[r + i], 0xAB);
        }
    }
    EXPECT_EQ(t.Word(ToneStandardTable::RecordOffset(0) + 8), 24000); // ZVEI1 "0" 2400.0 Hz
    EXPECT_EQ(t.Word(ToneStandardTable::RecordOffset(10) + 8), 9798); // Euro SIGNAL 979.8 Hz
    EXPECT_EQ(t.Word(ToneStandardTable::RecordOffset(14) + 8 + 2 * 14), 4875);
    EXPECT_EQ(t[0x0FF], 0xAB);
    EXPECT_EQ(t[0x380], 0xAB);
}

TEST(DefaultData, MissingFileKeepsImageButRestoresTones) {
    TempDir dir;
    Loaded l = Marked();
    EXPECT_FALSE(LoadDefaultData(dir.File("Default.dat"), l.image, l.tones));
    EXPECT_EQ(l.image, Marked().image);
    EXPECT_EQ(l.tones.Word(ToneStandardTable::RecordOffset(1) + 8 + 2 * 10), 8850);
}

TEST(DefaultData, BundledFileLoads) {
    Loaded l = Marked();
    ASSERT_TRUE(LoadDefaultData(test::DefaultDat(), l.image, l.tones));
    for (int n = 0; n < 16; ++n) EXPECT_EQ(l.tones[ToneStandardTable::RecordOffset(n)], n);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(l.image.data() + 0xFF10), 7), "VMR-417");
}

} // namespace
} // namespace vmr
