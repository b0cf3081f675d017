// Read and Write of the main window through the real transfer dialog, against
// the radio simulator.
#include "ShellTestSupport.h"
#include "TransferSim.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/MainFrame.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vmr {
namespace {

constexpr std::size_t kShown = 0xE001;

RadioImage RadioMemory() {
    RadioImage m;
    for (std::size_t i = 0; i < kImageSize; ++i)
        m[i] = static_cast<std::uint8_t>((i * 5 + (i >> 8) + 0x33) & 0xFF);
    m[addr::kReadProtection] = 0; // not protected
    return m;
}

class MainFrameRadioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.settings.ModelName = "VMR-417";
        ctx.settings.ModelDataFile = "VMR-417.dat";
        ctx.settings.DefaultDataPath = std::string(VMR_BIN_DIR) + "/Default.dat";
        ctx.settings.ComPort = sim.Device().toStdString();
        ctx.ini.SetPath(dir.filePath("Program.ini").toStdString());
        registry.RegisterView(EditorId::Dtmf, [this](AppContext& c, QWidget*) {
            return view = new test::ByteView(c.image, kShown, 32784);
        });
        frame = std::make_unique<CMainFrame>(ctx, registry);
        frame->show();
        frame->OpenEditor(EditorId::Dtmf);
    }

    // Runs a command whose transfer dialog is started by "clicking" Start;
    // a dialog still open after 60 s (a loaded machine) is closed so that the
    // test cannot hang.
    void RunTransfer(int command) {
        QTimer clicker;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            if (clock.elapsed() > 60000) {
                dlg->reject();
                return;
            }
            auto* start = dlg->findChild<QPushButton*>("start");
            if (start && start->isEnabled()) start->click();
        });
        clicker.start(20);
        frame->Command(command);
    }

    QTemporaryDir dir;
    test::SimRadio sim{RadioMemory()};
    AppContext ctx;
    EditorRegistry registry;
    test::ByteView* view = nullptr;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameRadioTest, ReadReplacesTheImageAndRefreshesTheEditors) {
    ASSERT_FALSE(sim.Device().isEmpty());
    RunTransfer(cmd::kRead);
    const RadioImage radio = RadioMemory();
    EXPECT_TRUE(
        std::equal(radio.data() + 0x0100, radio.data() + kImageSize, ctx.image.data() + 0x0100));
    EXPECT_EQ(view->edit->text(), QString::number(radio[kShown]));
    EXPECT_FALSE(HasUnsavedChanges(ctx));
}

TEST_F(MainFrameRadioTest, WriteCommitsTheEditorsAndSendsTheImage) {
    ASSERT_FALSE(sim.Device().isEmpty());
    view->edit->setText("123");
    RunTransfer(cmd::kWrite);
    EXPECT_EQ(ctx.image[kShown], 123);
    const QByteArray saved = sim.Saved();
    ASSERT_EQ(saved.size(), static_cast<int>(kImageSize));
    EXPECT_EQ(static_cast<std::uint8_t>(saved[static_cast<int>(kShown)]), 123);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[0xFF28]), ctx.image[0xFF28]); // the date stamp
    EXPECT_FALSE(HasUnsavedChanges(ctx));
}

} // namespace
} // namespace vmr
