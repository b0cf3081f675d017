// The channel edit dialog's window: the number box and its spin, the receive
// box creating a channel, the keys it swallows, and storing on close.
#include "editors/channels/qt/ChannelEditDlg.h"
#include "../core/ChannelFormFixture.h"
#include "app/AppContext.h"
#include "app/qt/SpinEdit.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/CodeplugFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vmr {
namespace {

class ChannelEditDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::LoadStartUpState(ctx);
        ASSERT_FALSE(HasFatalFailure());
    }
    std::unique_ptr<CChannelEditDlg> Open(int channel) {
        auto d = std::make_unique<CChannelEditDlg>(ctx, channel);
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }
    QLineEdit* NumberBox(CChannelEditDlg& d) { return d.numberSpin->Edit(); }

    AppContext ctx;
};

TEST_F(ChannelEditDlgTest, SpinWrapsAndTheNumberBoxClamps) {
    auto d = Open(800);
    EXPECT_EQ(NumberBox(*d)->text(), "800");
    d->numberSpin->setFocus();
    QTest::keyClick(d->numberSpin, Qt::Key_Up);
    EXPECT_EQ(d->form().Channel(), 1);
    EXPECT_EQ(NumberBox(*d)->text(), "1");
    EXPECT_EQ(d->rxEdit->text(), "145.50000");
    QTest::keyClick(d->numberSpin, Qt::Key_Down);
    EXPECT_EQ(d->form().Channel(), 800);

    NumberBox(*d)->selectAll();
    QTest::keyClicks(NumberBox(*d), "9a99"); // digits only, three of them
    EXPECT_EQ(NumberBox(*d)->text(), "999");
    d->rxEdit->setFocus(); // the box loses the focus
    EXPECT_EQ(d->form().Channel(), 800);
    EXPECT_EQ(NumberBox(*d)->text(), "800");
}

TEST_F(ChannelEditDlgTest, TypingAReceiveFrequencyCreatesTheChannel) {
    auto d = Open(5);
    EXPECT_TRUE(d->rxEdit->isEnabled());
    EXPECT_FALSE(d->txEdit->isEnabled());
    EXPECT_FALSE(d->powerCombo->isEnabled());
    d->rxEdit->setFocus();
    QTest::keyClicks(d->rxEdit, "145.02");
    QTest::keyClick(d->rxEdit, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible()); // Enter commits the box and goes no further
    EXPECT_EQ(d->rxEdit->text(), "145.02000");
    EXPECT_EQ(d->txEdit->text(), "145.02000");
    EXPECT_TRUE(d->powerCombo->isEnabled());
    EXPECT_EQ(d->powerCombo->currentText(), "High");
    EXPECT_EQ(d->ctcssCombo->currentText(), "100.0");
    EXPECT_FALSE(IsChannelEmpty(ctx.image, 5));
}

TEST_F(ChannelEditDlgTest, FieldDependenciesFollowTheLists) {
    auto d = Open(1);
    EXPECT_FALSE(d->signalDecodeCombo->isEnabled());
    d->optionSignalingCombo->setFocus();
    QTest::keyClick(d->optionSignalingCombo, Qt::Key_Down); // "2 Tone"
    EXPECT_EQ(d->optionSignalingCombo->currentText(), "2 Tone");
    EXPECT_TRUE(d->signalDecodeCombo->isEnabled());
    EXPECT_EQ(d->sqlModeCombo->count(), 2);

    d->reverseCheck->setChecked(true);
    QTest::mouseClick(d->talkAroundCheck, Qt::LeftButton);
    EXPECT_TRUE(d->talkAroundCheck->isChecked());
    EXPECT_FALSE(d->reverseCheck->isChecked());
}

TEST_F(ChannelEditDlgTest, EscapeDoesNotCloseAndClosingStores) {
    auto d = Open(1);
    d->nameEdit->setFocus();
    QTest::keyClicks(d->nameEdit, "CALL");
    QTest::keyClick(d->nameEdit, Qt::Key_Escape);
    QTest::keyClick(d->nameEdit, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible());
    d->ctcssCombo->setFocus();
    d->ctcssCombo->lineEdit()->selectAll();
    QTest::keyClicks(d->ctcssCombo->lineEdit(), "88.59");
    d->close(); // the focused box commits, then the channel is stored
    const ChannelRecordView r(ctx.image, RecordOffset(1));
    EXPECT_EQ(r.Name(), "CALL");
    EXPECT_EQ(r.Ctcss(), 885);
}

} // namespace
} // namespace vmr
