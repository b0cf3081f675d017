#include "image/Codecs.h"
#include "image/OptionTables.h"

#include <gtest/gtest.h>

namespace vmr {
namespace {

TEST(Bcd, BytesAndFrequencies) {
    EXPECT_EQ(ByteToBcd(45), 0x45);
    EXPECT_EQ(BcdToByte(0x99), 99);
    EXPECT_EQ(BcdToByte(0xFF), 165);

    RadioImage img;
    WriteFreq(img, 0x100, 14512500);
    EXPECT_EQ(img[0x100], 0x00);
    EXPECT_EQ(img[0x101], 0x25);
    EXPECT_EQ(img[0x102], 0x51);
    EXPECT_EQ(img[0x103], 0x14);
    EXPECT_EQ(ReadFreq(img, 0x100), 14512500);
    WriteNoFreq(img, 0x100);
    EXPECT_TRUE(IsFreqEmpty(img, 0x100));
    // An all-FF field decodes to something no band contains, without overflow.
    EXPECT_GT(ReadFreq(img, 0x100), 99999999);
}

TEST(Bcd, ToneWords) {
    RadioImage img;
    WriteToneWord(img, 0, 885);
    EXPECT_EQ(img[0], 0x85);
    EXPECT_EQ(img[1], 0x08);
    img[0] = 0x00;
    img[1] = 0x10;
    EXPECT_EQ(ReadToneWord(img, 0), 1000);
    EXPECT_EQ(CtcssToText(ReadToneWord(img, 0)), "100.0");
    WriteToneWord(img, 0, 754);
    EXPECT_EQ(img[0], 0x54);
    EXPECT_EQ(img[1], 0x07);
    EXPECT_EQ(DcsToText(ReadToneWord(img, 0)), "754");
    EXPECT_EQ(DcsToText(23), "023");
}

struct FreqTextCase {
    const char* text;
    int count;
};

TEST(FreqText, ParsesExactly) {
    const FreqTextCase cases[] = {
        {"145.125", 14512500},   {"145.1234567", 14512345},
        {"0.00007", 7},          {"", 0},
        {"446.00625", 44600625}, {"118.00833", 11800833},
        {"  27.5abc", 2750000},  {"abc", 0},
        {"999.99999", 99999999}, {"0.1", 10000},
        {"1e2", 10000000},       {"-1", -100000},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFreqText(c.text), c.count) << c.text;
}

TEST(FreqText, Formats) {
    EXPECT_EQ(FormatFreqText(14512500), "145.12500");
    EXPECT_EQ(FormatFreqText(7), "0.00007");
    EXPECT_EQ(FormatFreqText(0), "0.00000");
    EXPECT_EQ(FormatFreqText(99999999), "999.99999");
}

TEST(Decimal, MulAndDiv) {
    EXPECT_EQ(DecimalMul(0.00007, 100000), 7.0);
    EXPECT_EQ(DecimalMul(145.125, 100000), 14512500.0);
    EXPECT_EQ(DecimalMul(14512500, 0.00001), 145.125);
    EXPECT_EQ(static_cast<int>(DecimalDiv(2 * 3300, 0.7324) + 0.5), 9011);
    EXPECT_DOUBLE_EQ(DecimalDiv(1, 3), 1.0 / 3.0);
}

struct TextCase {
    const char* in;
    const char* out;
};

TEST(ToneText, NormaliseCtcss) {
    const TextCase cases[] = {{"", "100.0"},      {"59.9", "100.0"},  {"60", "60.0"},
                              {"260.0", "260.0"}, {"260.1", "100.0"}, {"88.59", "88.5"},
                              {"88.55", "88.5"},  {"100", "100.0"},   {"abc", "100.0"},
                              {"254.1", "254.1"}};
    for (const auto& c : cases) EXPECT_EQ(NormaliseCtcssText(c.in), c.out) << c.in;
    EXPECT_EQ(CtcssFromText("88.5"), 885);
}

TEST(ToneText, NormaliseDcs) {
    const TextCase cases[] = {{"", "023"},    {"7", "007"},  {"777", "777"}, {"778", "023"},
                              {"abc", "023"}, {"23", "023"}, {"089", "089"}, {"-1", "023"}};
    for (const auto& c : cases) EXPECT_EQ(NormaliseDcsText(c.in), c.out) << c.in;
    EXPECT_EQ(DcsFromText("754"), 754);
}

struct SnapCase {
    int in;
    int band;
    int out;
};

TEST(Snapping, Frequencies) {
    const SnapCase cases[] = {
        {11800830, 3, 11800833}, {14501600, 4, 14501666}, {14500300, 4, 14500000},
        {14500400, 4, 14500000}, {14500700, 4, 14500625}, {14512500, 4, 14512500},
        {85101250, 8, 85101250}, {85101300, 8, 85101000}, {85100500, 8, 85100500},
        {14500250, 4, 14500250}, {43500625, 7, 43500625},
    };
    for (const auto& c : cases) EXPECT_EQ(SnapFrequency(c.in, c.band), c.out) << c.in;
    EXPECT_EQ(SnapToStepGrid(500300), 500000);
    EXPECT_EQ(SnapToStepGrid(500625), 500625);
}

TEST(Snapping, Offset) {
    const TextCase cases[] = {{"", "0.00000"},    {"50.00001", "7.60000"}, {"5.003", "5.00000"},
                              {"0.6", "0.60000"}, {"50", "50.00000"},      {"-1", "7.60000"}};
    for (const auto& c : cases) EXPECT_EQ(NormaliseOffset(c.in), c.out) << c.in;
}

TEST(Options, StepAndSqlTexts) {
    EXPECT_EQ(StepText(13), "12.5");
    EXPECT_EQ(StepText(4), "8.33");
    EXPECT_EQ(SqlModeText(5), "Carrier");
    EXPECT_EQ(StepIndexOf("8.33"), 4);
    EXPECT_EQ(StepIndexOf("9"), 0);
    EXPECT_EQ(SqlModeIndexOf("signaling & tone"), 3);
    EXPECT_EQ(CtcssToneList.size(), 51u);
    EXPECT_EQ(DcsCodeList.size(), 106u);
    EXPECT_EQ(SignalDecodeNames().back(), "16");
}

TEST(Options, DigitCodes) {
    EXPECT_EQ(HexCharToCode('A'), 10);
    EXPECT_EQ(HexCharToCode('G'), 0xFF);
    EXPECT_EQ(CodeToHexChar(15), 'F');
    EXPECT_EQ(CodeToHexChar(16), 0);
    EXPECT_EQ(DtmfCharToCode('*'), 14);
    EXPECT_EQ(DtmfCharToCode('#'), 15);
    EXPECT_EQ(DtmfCodeToChar(14), '*');
    EXPECT_EQ(DtmfCodeToChar(16), 0);
    EXPECT_TRUE(NameKeyAllowed('#'));
    EXPECT_FALSE(NameKeyAllowed('_'));
}

TEST(ToneCoefficients, Examples) {
    EXPECT_EQ(ToneCoefficient(10000), 23170);
    EXPECT_EQ(ToneCoefficient(0), 32768);
}

} // namespace
} // namespace vmr
