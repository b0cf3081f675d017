#include "app/Shell.h"

#include "TestSupport.h"
#include "editors/channels/ChannelRecord.h"
#include "image/Codecs.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vmr {
namespace {

AppContext MakeContext(const test::TempDir& dir) {
    AppContext ctx;
    ctx.settings.AppDir = dir.Path() + "/";
    ctx.settings.ModelName = "VMR-417";
    ctx.settings.ModelDataFile = "VMR-417.dat";
    ctx.settings.CompanyName = "Korvane";
    ctx.settings.DefaultDataPath = test::DefaultDat();
    ctx.ini.SetPath(dir.File("Program.ini"));
    return ctx;
}

TEST(ShellNames, CodeplugNameIsTheFileNameCutAtItsFirstDot) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    struct Case {
        const char* current;
        const char* expected;
    } cases[] = {
        {"", "VMR-417"},                      // after New: the model's data file
        {"/home/u/DATA/club.v2.dat", "club"}, // cut at the first "."
        {"/home/u/DATA/noext", ""},           // no "." gives empty text
        {"/home/u.name/DATA/rig.dat", "rig"}, // a "." in a folder does not count
    };
    for (const Case& c : cases) {
        ctx.CurrentFile = c.current;
        EXPECT_EQ(CodeplugName(ctx), c.expected) << c.current;
    }
    ctx.CurrentFile.clear();
    ctx.settings.ModelDataFile = ".dat"; // no Program.ini: empty model
    EXPECT_EQ(CodeplugName(ctx), "");
}

TEST(ShellNames, TitleReadsTheModelFromProgramIniEachTime) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    EXPECT_EQ(MainWindowTitle(ctx), "VMR-417"); // no file: ModelName as default
    ctx.ini.WriteString("Setup", "Model", "VMR-417X");
    ctx.CurrentFile = "/data/a.dat";
    EXPECT_EQ(MainWindowTitle(ctx), "VMR-417X [ /data/a.dat ]");
}

TEST(ShellNames, AboutTextCarriesCompanyAndModel) {
    AppSettings s;
    s.CompanyName = "Korvane";
    s.ModelName = "VMR-417";
    EXPECT_EQ(AboutModelText(s), "Korvane The software apply for VMR-417 model");
}

TEST(ShellFiles, ClearCommitFlagsTouchesOnlyBitsZeroAndOne) {
    RadioImage image;
    image[addr::kCommitFlags] = 0xFF;
    ClearCommitFlags(image);
    EXPECT_EQ(image[addr::kCommitFlags], 0xFC);
}

TEST(ShellFiles, OpenRefusesAFileOfTheWrongSizeAndChangesNothing) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    ctx.image.Fill(0, kImageSize, 0x5A);
    ctx.CurrentFile = "/before.dat";
    test::WriteBytes(dir.File("short.dat"), std::vector<std::uint8_t>(1000, 0));
    const RadioImage before = ctx.image;
    const FileResult r = OpenCodeplug(ctx, dir.File("short.dat"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(FileErrorText(r).empty());
    EXPECT_TRUE(ctx.image == before);
    EXPECT_EQ(ctx.CurrentFile, "/before.dat");

    const FileResult missing = OpenCodeplug(ctx, dir.File("none.dat"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(ctx.image == before);
}

TEST(ShellFiles, OpenLoadsTheFileAndItsBandLimits) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    ASSERT_TRUE(LoadDefaults(ctx));
    const std::vector<std::uint8_t> bytes = SerializeCodeplug(ctx.image, ctx.tones);
    test::WriteBytes(dir.File("a.dat"), bytes);
    AppContext other = MakeContext(dir);
    ASSERT_TRUE(OpenCodeplug(other, dir.File("a.dat")).ok);
    EXPECT_TRUE(other.image == ctx.image);
    EXPECT_EQ(other.CurrentFile, dir.File("a.dat"));
    BandLimitCache expected = BandLimitCache::StartUp();
    RefreshBandLimits(expected, ctx.image);
    EXPECT_TRUE(other.bandLimits == expected);
}

TEST(ShellFiles, NewDataForgetTheBandLimitsOfTheFileOpenedBefore) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    ASSERT_TRUE(LoadDefaults(ctx));
    // A file whose 150 MHz band is narrower than the default one.
    RadioImage narrow = ctx.image;
    WriteFreq(narrow, BandRecordOffset(k150M) + 4, 14600000);
    test::WriteBytes(dir.File("narrow.dat"), SerializeCodeplug(narrow, ctx.tones));
    ASSERT_TRUE(OpenCodeplug(ctx, dir.File("narrow.dat")).ok);
    ASSERT_EQ(ctx.bandLimits.RxUpper[k150M], 14600000);

    ASSERT_TRUE(LoadDefaults(ctx));
    EXPECT_TRUE(ctx.bandLimits == BandLimitCache::StartUp());

    // Without Default.dat nothing changes, the limits included.
    ASSERT_TRUE(OpenCodeplug(ctx, dir.File("narrow.dat")).ok);
    const BandLimitCache before = ctx.bandLimits;
    ctx.settings.DefaultDataPath = dir.File("missing.dat");
    EXPECT_FALSE(LoadDefaults(ctx));
    EXPECT_TRUE(ctx.bandLimits == before);
}

TEST(ShellFiles, FailedErrorWithoutTextFallsBackToTheFixedSentence) {
    FileResult r;
    EXPECT_EQ(FileErrorText(r), "Sorry, error not find.");
}

TEST(ShellChannels, ChannelsOutsideEveryBandAreReset) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    ASSERT_TRUE(LoadDefaults(ctx));
    RefreshBandLimits(ctx.bandLimits, ctx.image);
    const int inBand = ctx.bandLimits.RxLower[k150M] + 100000;
    FillDefaultRecord(ctx.image, RecordOffset(1), inBand, ctx.bandLimits);
    FillDefaultRecord(ctx.image, RecordOffset(2), inBand, ctx.bandLimits);
    WriteFreq(ctx.image, RecordOffset(2), 1000); // 0.01 MHz: in no band
    ctx.image.Fill(RecordOffset(3), 32, 0xFF);   // empty
    ctx.image[RecordOffset(3) + 20] = 0x12;      // a stray byte in an empty record

    ResetChannelsOutsideBands(ctx.image, ctx.bandLimits);

    RadioImage expected = ctx.image;
    FillDefaultRecord(expected, RecordOffset(2), 0, ctx.bandLimits);
    FillDefaultRecord(expected, RecordOffset(3), 0, ctx.bandLimits);
    EXPECT_EQ(ReadFreq(ctx.image, RecordOffset(1)), inBand);
    EXPECT_TRUE(std::equal(ctx.image.data() + RecordOffset(2), ctx.image.data() + RecordOffset(4),
                           expected.data() + RecordOffset(2)));
}

TEST(ShellPage, HeaderAndFooterFollowTheCharacterMetrics) {
    const PageLayout p = LayOutPage(4800, 6600, 50, 100);
    EXPECT_EQ(p.header.left, 200);
    EXPECT_EQ(p.header.right, 4600);
    EXPECT_EQ(p.header.top, 0);
    EXPECT_EQ(p.header.bottom, 200);
    EXPECT_EQ(p.footer.bottom, 6570); // 30 units above the bottom
    EXPECT_EQ(p.footer.top, 6470);
    EXPECT_EQ(p.footerText.top, 6520); // half a line lower
    EXPECT_EQ(PageFooterText(1, 1), "-- Page 1 of 1 --");
}

TEST(ShellChanges, OnlyRealEditsCountAsChanges) {
    test::TempDir dir;
    AppContext ctx = MakeContext(dir);
    ASSERT_TRUE(LoadDefaults(ctx));
    EXPECT_FALSE(HasUnsavedChanges(ctx)); // nothing marked yet
    MarkClean(ctx);
    EXPECT_FALSE(HasUnsavedChanges(ctx));

    ctx.image[addr::kCommitFlags] ^= 0x03; // the commit flags do not count
    EXPECT_FALSE(HasUnsavedChanges(ctx));

    ctx.image[addr::kModelInfo] = 'Z';
    EXPECT_TRUE(HasUnsavedChanges(ctx));
    MarkClean(ctx);
    EXPECT_FALSE(HasUnsavedChanges(ctx));

    ctx.tones[0x120] ^= 1;
    EXPECT_TRUE(HasUnsavedChanges(ctx));
}

} // namespace
} // namespace vmr
