// The VFO dialog's window: tabs from the band flags, storing on a tab change
// and on close.
#include "editors/channels/qt/VfoDlg.h"
#include "../core/ChannelFormFixture.h"
#include "app/AppContext.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "editors/channels/VfoForm.h"
#include "image/CodeplugFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vmr {
namespace {

class VfoDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::LoadStartUpState(ctx);
        ASSERT_FALSE(HasFatalFailure());
        dlg = std::make_unique<CVfoDlg>(ctx);
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    ChannelRecordView Vfo(int i) const { return ChannelRecordView(ctx.image, VfoOffset(i)); }

    AppContext ctx;
    std::unique_ptr<CVfoDlg> dlg;
};

TEST_F(VfoDlgTest, TabsAndTheirRecords) {
    QStringList texts;
    for (int i = 0; i < dlg->tabs->count(); ++i) texts << dlg->tabs->tabText(i);
    EXPECT_EQ(texts, (QStringList{"30M", "50M", "150M", "450M", "850M", "150M R", "450M R"}));
    EXPECT_EQ(dlg->rxEdit->text(), "28.00000");

    dlg->rxEdit->setFocus();
    dlg->rxEdit->selectAll();
    QTest::keyClicks(dlg->rxEdit, "29.5");
    QTest::keyClick(dlg->rxEdit, Qt::Key_Return); // nothing: commits on leaving only
    EXPECT_EQ(dlg->rxEdit->text(), "29.5");
    EXPECT_TRUE(dlg->isVisible());
    dlg->tabs->setCurrentIndex(2); // "150M"
    EXPECT_EQ(Vfo(0).RxFreq(), 2950000);
    EXPECT_EQ(dlg->rxEdit->text(), "136.00000");

    dlg->rxEdit->setFocus();
    dlg->rxEdit->selectAll();
    QTest::keyClicks(dlg->rxEdit, "118.1");
    dlg->stepCombo->setFocus(); // the air band is accepted on this tab
    EXPECT_EQ(dlg->rxEdit->text(), "118.10000");
    dlg->close();
    EXPECT_EQ(Vfo(4).RxFreq(), 11810000);
    EXPECT_EQ(Vfo(4).TxFreq(), 11810000);
}

TEST_F(VfoDlgTest, OffsetDirectionEnablesTheOffsetBox) {
    dlg->tabs->setCurrentIndex(3); // "450M"
    EXPECT_FALSE(dlg->offsetEdit->isEnabled());
    dlg->rxEdit->setFocus();
    dlg->rxEdit->selectAll();
    QTest::keyClicks(dlg->rxEdit, "438.5");
    dlg->offsetDirectionCombo->setFocus();
    QTest::keyClick(dlg->offsetDirectionCombo, Qt::Key_Down); // "-"
    EXPECT_TRUE(dlg->offsetEdit->isEnabled());
    dlg->close();
    EXPECT_EQ(Vfo(7).RxFreq(), 43850000);
    EXPECT_EQ(Vfo(7).Get(Field::OffsetDirection), 1);
    EXPECT_EQ(Vfo(7).TxFreq(), Vfo(7).RxFreq() - Vfo(7).OffsetFreq());
}

} // namespace
} // namespace vmr
