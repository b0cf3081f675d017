// The transfer dialog with its worker thread, against vmrsim.
#include "../core/LinkTestPort.h"
#include "TransferSim.h"

#include "link/qt/PasswordDlg.h"
#include "link/qt/SerialPort.h"
#include "link/qt/TransferDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace vmr {
namespace {

using test::PatternImage;
using test::SimRadio;

class TestTransferDlg : public CTransferDlg {
public:
    using CTransferDlg::CTransferDlg;
    QStringList messages;
    int accessQuestions = 0;
    bool askedOnGuiThread = false;

protected:
    void ShowTransferMessage(const QString& text) override { messages << text; }
    bool AskAccessCode() override {
        ++accessQuestions;
        askedOnGuiThread = QThread::currentThread() == qApp->thread();
        return CTransferDlg::AskAccessCode();
    }
};

QPushButton* Button(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(name);
}
QProgressBar* Progress(QDialog& d) {
    return d.findChild<QProgressBar*>("progress");
}
QString Percent(QDialog& d) {
    return d.findChild<QLabel*>("percent")->text();
}

RadioImage RadioMemory() {
    RadioImage m = PatternImage(0x21);
    m[addr::kReadProtection] = 0;
    return m;
}

TEST(TransferDlgTest, OpensReadyAndExitBeforeStartClosesAtOnce) {
    RadioImage image = PatternImage(1);
    const RadioImage before = image;
    TestTransferDlg dlg(TransferDirection::Read, image, "/dev/vmr-unused");
    EXPECT_EQ(dlg.windowTitle(), "Read");
    EXPECT_EQ(Progress(dlg)->maximum(), 510);
    EXPECT_EQ(Progress(dlg)->value(), 0);
    EXPECT_EQ(Percent(dlg), "0%");
    EXPECT_EQ(Button(dlg, "start")->text(), "Start");
    EXPECT_TRUE(Button(dlg, "start")->isDefault());
    EXPECT_EQ(Button(dlg, "exit")->text(), "Exit");
    dlg.open();
    Button(dlg, "exit")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.Succeeded());
    EXPECT_EQ(image, before);
}

TEST(TransferDlgTest, StartTwiceRunsOneWriteThatClosesWithSuccess) {
    SimRadio sim(RadioMemory());
    RadioImage image = PatternImage(2);
    TestTransferDlg dlg(TransferDirection::Write, image, sim.Device());
    EXPECT_EQ(dlg.windowTitle(), "Write");
    EXPECT_EQ(Progress(dlg)->maximum(), 490);
    dlg.open();
    Button(dlg, "start")->click();
    Button(dlg, "start")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 20000));
    EXPECT_TRUE(dlg.Succeeded());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Progress(dlg)->value(), 490);
    EXPECT_EQ(Percent(dlg), "100%");
    EXPECT_FALSE(Button(dlg, "start")->isEnabled());
    EXPECT_TRUE(dlg.messages.isEmpty());
    const std::vector<std::string> log = sim.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "W 0060 20"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "ENDW"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "R CC00 80"), 1);
}

TEST(TransferDlgTest, ExitDuringAProtectedReadAfterThePassword) {
    SimRadio sim(RadioMemory(), {"--protected"});
    RadioImage image = PatternImage(3);
    const RadioImage before = image;
    TestTransferDlg dlg(TransferDirection::Read, image, sim.Device());
    // The Password dialog comes up on this thread while the transfer waits.
    bool typed = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* password = qobject_cast<CPasswordDlg*>(QApplication::activeModalWidget());
        if (!password || typed) return;
        typed = true;
        auto* edit = password->findChild<QLineEdit*>("password");
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_EQ(edit->maxLength(), 8);
        QTest::keyClicks(edit, "6100kX");
        password->accept();
    });
    answer.start(20);
    dlg.open();
    Button(dlg, "start")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Progress(dlg)->value() >= 3; }, 10000));
    Button(dlg, "exit")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 5000));
    EXPECT_TRUE(typed);
    EXPECT_EQ(dlg.accessQuestions, 1);
    EXPECT_TRUE(dlg.askedOnGuiThread);
    EXPECT_FALSE(dlg.Succeeded());
    EXPECT_EQ(image, before);
    EXPECT_TRUE(dlg.messages.isEmpty());
    EXPECT_EQ(sim.Log().back(), "ENDW");
}

TEST(TransferDlgTest, PortThatCannotBeOpenedShowsTheMessageAndCloses) {
    RadioImage image = PatternImage(4);
    const RadioImage before = image;
    TestTransferDlg dlg(TransferDirection::Read, image, "/dev/vmr-no-such-port");
    dlg.open();
    Button(dlg, "start")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 5000));
    ASSERT_EQ(dlg.messages.size(), 1);
    EXPECT_TRUE(dlg.messages[0].startsWith("Open port fail\n/dev/vmr-no-such-port"));
    EXPECT_FALSE(dlg.Succeeded());
    EXPECT_EQ(image, before);
}

TEST(TransferDlgTest, ACommunicationErrorIsShownBeforeTheDialogCloses) {
    SimRadio sim(RadioMemory(), {"--refuse-write", "0x0100"});
    RadioImage image = PatternImage(5);
    TestTransferDlg dlg(TransferDirection::Write, image, sim.Device());
    dlg.open();
    Button(dlg, "start")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 10000));
    EXPECT_EQ(dlg.messages, QStringList{"Communication error"});
    EXPECT_FALSE(dlg.Succeeded());
    EXPECT_EQ(Progress(dlg)->value(), 2);
}

TEST(PasswordDlgTest, AcceptsTheAccessCodeInAnyCase) {
    for (const auto& [typed, accepted] : {std::pair{"6100KX", true},
                                          {"6100kx", true},
                                          {"6100kX", true},
                                          {"6100K", false},
                                          {"", false},
                                          {"6100KX1", false}}) {
        CPasswordDlg dlg;
        EXPECT_EQ(dlg.windowTitle(), "Password");
        QTest::keyClicks(dlg.findChild<QLineEdit*>("password"), typed);
        dlg.open();
        dlg.accept();
        EXPECT_EQ(dlg.result(), accepted ? QDialog::Accepted : QDialog::Rejected) << typed;
    }
}

} // namespace
} // namespace vmr
