// Number texts and codeplug files in the Qt programs.
#include "app/qt/FileIo.h"
#include "app/qt/NumberLocale.h"
#include "image/Codecs.h"
#include "image/CodeplugFile.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

namespace vmr {
namespace {

// Qt sets the process locale from the environment; under a German locale the
// C functions write a decimal comma. Our texts must not change.
TEST(Locale, NumberTextsIgnoreTheProcessLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    ASSERT_STREQ(buf, "1,5") << "the locale has no decimal comma; this test would prove nothing";

    EXPECT_EQ(FormatFreqText(14512500), "145.12500");
    EXPECT_EQ(ParseFreqText("145.125"), 14512500);
    EXPECT_EQ(NormaliseCtcssText("88.59"), "88.5");
    EXPECT_EQ(CtcssToText(1000), "100.0");
    EXPECT_EQ(NormaliseOffset("5.003"), "5.00000");
    EXPECT_EQ(FormatFixed(0.5, 1), "0.5");
    EXPECT_EQ(static_cast<int>(DecimalDiv(6600, 0.7324) + 0.5), 9011);
    std::setlocale(LC_ALL, saved.c_str());
}

// The program's widgets show a decimal point under a German desktop too.
TEST(Locale, WidgetsAndCFunctionsShowADecimalPointAfterStartUp) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    const QLocale savedDefault;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    UseLocaleFreeNumbers();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    EXPECT_STREQ(buf, "1.5");
    QDoubleSpinBox tenths;
    tenths.setDecimals(1);
    tenths.setValue(12.5);
    EXPECT_EQ(tenths.text(), "12.5");
    QSpinBox count;
    count.setRange(0, 100000);
    count.setValue(12345);
    EXPECT_EQ(count.text(), "12345");

    QLocale::setDefault(savedDefault);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(CodeplugSave, WritesAtomicallyAndKeepsTheOldFileOnFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RadioImage image;
    ToneStandardTable tones;
    image.bytes.fill(0x42);
    const QString path = dir.filePath("a.dat");
    ASSERT_TRUE(WriteCodeplugFile(path, image, tones).ok);
    EXPECT_EQ(QFile(path).size(), static_cast<qint64>(kCodeplugSize));

    // A target that cannot be replaced: the error names the reason, nothing is lost.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dat"));
    const FileResult bad = WriteCodeplugFile(dir.filePath("folder.dat"), image, tones);
    EXPECT_FALSE(bad.ok);
    EXPECT_FALSE(bad.error.empty());
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.dat")).isDir());

    const FileResult missing = WriteCodeplugFile(dir.filePath("no/such/x.dat"), image, tones);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("x.dat"), std::string::npos);

    image.bytes.fill(0x43);
    ASSERT_TRUE(WriteCodeplugFile(path, image, tones).ok);
    RadioImage back;
    ToneStandardTable backTones;
    ASSERT_TRUE(ReadCodeplugFile(path.toStdString(), back, backTones).ok);
    EXPECT_EQ(back[100], 0x43);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

} // namespace
} // namespace vmr
