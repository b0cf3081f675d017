#include "editors/settings/ModelForm.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vmr {
namespace {

class ModelFormTest : public ::testing::Test {
protected:
    void SetUp() override { image.Fill(0, kImageSize, 0xFF); }
    void Put(std::size_t offset, const char* text) {
        std::memcpy(image.data() + offset, text, std::strlen(text));
    }
    void Stamp(std::uint8_t yLow, std::uint8_t yHigh, std::uint8_t m, std::uint8_t d) {
        image[0xFF28] = yLow;
        image[0xFF29] = yHigh;
        image[0xFF2A] = m;
        image[0xFF2B] = d;
    }
    RadioImage image;
    ModelForm form{image};
};

TEST_F(ModelFormTest, BlankBlockShowsEmptyBoxesAndStaysBlank) {
    form.RefreshFromImage();
    for (const TextField* f :
         {&form.serial, &form.modelName, &form.modelCode, &form.firmware, &form.date})
        EXPECT_EQ(f->text, "");
    form.CommitToImage();
    for (std::size_t a = 0xFF00; a < 0xFF30; ++a) EXPECT_EQ(image[a], 0xFF) << std::hex << a;
}

TEST_F(ModelFormTest, ReadsEachFieldByItsCharacterTest) {
    Put(0xFF00, "AB12-34");
    Put(0xFF08, "vmr417");
    Put(0xFF10, "ABCDEFGHIJKLMNOP"); // all 16 used: no filler
    Put(0xFF20, "V1.02 b");
    form.RefreshFromImage();
    EXPECT_EQ(form.serial.text, "AB12");
    EXPECT_EQ(form.modelName.text, "vmr417");
    EXPECT_EQ(form.modelCode.text, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(form.firmware.text, "V1.02 b");
}

TEST_F(ModelFormTest, CommitStopsAtTheFirstForbiddenCharacterAndKeepsFirmware) {
    Put(0xFF20, "FW100");
    Stamp(0x16, 0x20, 0x03, 0x07);
    form.serial.text = "AB12-34";
    form.modelName.text = "abcdefghij"; // longer than 8
    form.modelCode.text = "Code 7/x";
    form.firmware.text = "CHANGED";
    form.CommitToImage();
    EXPECT_EQ(ReadIdentityText(image, 0xFF00, 8, IsIdentityAlnum), "AB12");
    EXPECT_EQ(image[0xFF04], 0xFF);
    EXPECT_EQ(ReadIdentityText(image, 0xFF08, 8, IsIdentityAlnum), "abcdefgh");
    EXPECT_EQ(image[0xFF10 + 8], 0xFF);
    EXPECT_EQ(ReadIdentityText(image, 0xFF10, 16, IsIdentityPrintable), "Code 7/x");
    EXPECT_EQ(ReadIdentityText(image, 0xFF20, 8, IsIdentityPrintable), "FW100");
    EXPECT_EQ(image[0xFF28], 0x16);
    EXPECT_EQ(image[0xFF2B], 0x07);
}

TEST_F(ModelFormTest, SixteenCharacterCodeRoundTrips) {
    form.modelCode.text = "0123456789ABCDEF";
    form.CommitToImage();
    EXPECT_NE(image[0xFF1F], 0xFF);
    form.modelCode.text.clear();
    form.RefreshFromImage();
    EXPECT_EQ(form.modelCode.text, "0123456789ABCDEF");
}

TEST_F(ModelFormTest, DateTextOnlyForValidCalendarDates) {
    struct Case {
        std::uint8_t yLow, yHigh, m, d;
        const char* expected;
    } cases[] = {
        {0x16, 0x20, 0x03, 0x07, "2016-03-07"}, {0x16, 0x20, 0x02, 0x30, ""},
        {0x16, 0x20, 0x02, 0x29, "2016-02-29"}, {0x17, 0x20, 0x02, 0x29, ""},
        {0x00, 0x20, 0x12, 0x31, "2000-12-31"}, {0xFF, 0xFF, 0xFF, 0xFF, ""},
        {0x16, 0x20, 0x13, 0x01, ""},           {0x16, 0x20, 0x1A, 0x01, ""},
        {0x16, 0x20, 0x00, 0x01, ""},
    };
    for (const Case& c : cases) {
        Stamp(c.yLow, c.yHigh, c.m, c.d);
        form.RefreshFromImage();
        EXPECT_EQ(form.date.text, c.expected)
            << std::hex << int(c.yHigh) << int(c.yLow) << '-' << int(c.m) << '-' << int(c.d);
    }
}

TEST(IdentityChars, LettersPassInEitherCase) {
    EXPECT_TRUE(IsIdentityAlnum('a'));
    EXPECT_TRUE(IsIdentityAlnum('Z'));
    EXPECT_TRUE(IsIdentityAlnum('5'));
    EXPECT_FALSE(IsIdentityAlnum('-'));
    EXPECT_FALSE(IsIdentityAlnum(' '));
    EXPECT_TRUE(IsIdentityPrintable(' '));
    EXPECT_FALSE(IsIdentityPrintable('\x7F'));
    EXPECT_FALSE(IsIdentityPrintable('\xFF'));
}

} // namespace
} // namespace vmr
