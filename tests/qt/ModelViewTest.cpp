#include "editors/settings/qt/ModelView.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

namespace vmr {
namespace {

TEST(ModelView, TypingKeepsLettersAndDigitsAsTypedAndCommits) {
    RadioImage image;
    image.Fill(0, kImageSize, 0xFF);
    CModelView view(image);
    view.RefreshFromImage();
    view.show();
    QTest::keyClicks(view.serialEdit, "ab12-34xyz");
    EXPECT_EQ(view.serialEdit->text(), "ab1234xy"); // hyphen dropped, 8 at most
    QTest::keyClicks(view.modelCodeEdit, "Code 7/x");
    EXPECT_EQ(view.modelCodeEdit->text(), "Code 7/x");
    EXPECT_TRUE(view.firmwareEdit->isReadOnly());
    EXPECT_TRUE(view.dateEdit->isReadOnly());
    view.CommitToImage();
    EXPECT_EQ(std::memcmp(image.data() + 0xFF00, "ab1234xy", 8), 0);
    EXPECT_EQ(std::memcmp(image.data() + 0xFF10, "Code 7/x", 8), 0);
    EXPECT_EQ(image[0xFF18], 0xFF);
}

TEST(ModelView, RefreshShowsTheStampAndPastedTextFollowsTheKeyRule) {
    RadioImage image;
    image.Fill(0, kImageSize, 0xFF);
    image[0xFF28] = 0x16;
    image[0xFF29] = 0x20;
    image[0xFF2A] = 0x03;
    image[0xFF2B] = 0x07;
    CModelView view(image);
    view.RefreshFromImage();
    EXPECT_EQ(view.dateEdit->text(), "2016-03-07");
    view.serialEdit->setText("AB12-34"); // as a paste would bring it
    EXPECT_EQ(view.serialEdit->text(), "AB1234");
    view.CommitToImage();
    EXPECT_EQ(std::memcmp(image.data() + 0xFF00, "AB1234", 6), 0);
    EXPECT_EQ(image[0xFF06], 0xFF);
}

} // namespace
} // namespace vmr
