#include "link/PortForm.h"
#include "link/RadioModel.h"
#include "link/TransferForm.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vmr {
namespace {

TEST(TransferFormTest, OpensReadyForItsDirection) {
    TransferForm read(TransferDirection::Read);
    EXPECT_EQ(read.Title(), "Read");
    EXPECT_EQ(read.ProgressUpper(), 510);
    EXPECT_EQ(read.ProgressPosition(), 0);
    EXPECT_EQ(read.PercentLabel(), "0%");
    EXPECT_TRUE(read.StartEnabled());
    EXPECT_FALSE(read.Succeeded());
    TransferForm write(TransferDirection::Write);
    EXPECT_EQ(write.Title(), "Write");
    EXPECT_EQ(write.ProgressUpper(), 490);
}

TEST(TransferFormTest, ExitBeforeStartClosesAtOnce) {
    TransferForm form(TransferDirection::Read);
    EXPECT_TRUE(form.OnExit());
    EXPECT_FALSE(form.Succeeded());
}

TEST(TransferFormTest, StartTwiceStartsOneTransfer) {
    TransferForm form(TransferDirection::Write);
    EXPECT_TRUE(form.OnStart());
    EXPECT_TRUE(form.Flags().TransferBusy);
    EXPECT_FALSE(form.OnStart());
    // Exit while it runs asks it to stop and keeps the dialog open.
    EXPECT_FALSE(form.OnExit());
    EXPECT_TRUE(form.Flags().TransferCancel);
    // The transfer ends: busy cleared, then its close request arrives.
    form.Flags().TransferBusy = false;
    EXPECT_TRUE(form.OnExit());
    // The dialog never starts a second transfer.
    EXPECT_FALSE(form.OnStart());
}

TEST(TransferFormTest, StartClearsAnEarlierStopRequest) {
    TransferForm form(TransferDirection::Read);
    form.Flags().TransferCancel = true;
    EXPECT_TRUE(form.OnStart());
    EXPECT_FALSE(form.Flags().TransferCancel);
}

TEST(PortNames, NumberedNamesBothWays) {
    struct Case {
        int n;
        const char* name;
    };
    for (const Case c :
         {Case{1, "COM1"}, Case{3, "COM3"}, Case{9, "COM9"}, Case{10, "\\\\.\\COM10"},
          Case{12, "\\\\.\\COM12"}, Case{16, "\\\\.\\COM16"}}) {
        EXPECT_EQ(PortNameForNumber(c.n), c.name);
        EXPECT_EQ(PortNumberOfName(c.name), c.n);
    }
    EXPECT_EQ(PortNumberOfName(""), -1);
    EXPECT_EQ(PortNumberOfName("M5"), -1); // nothing before the "M"
    EXPECT_EQ(PortNumberOfName("/dev/ttyUSB0"), -1);
    EXPECT_EQ(PortNumberOfName("COMX"), -1);
}

PortForm::Probe OpenableExcept(std::set<std::string> closed) {
    return [closed](const std::string& p) { return !closed.count(p); };
}

TEST(PortFormTest, NumberedPortsSelectTheConfiguredOne) {
    PortForm form;
    form.Load("\\\\.\\COM12", NumberedPortCandidates(), OpenableExcept({"COM2"}), true);
    EXPECT_EQ(form.Buttons()[0].text, "COM1");
    EXPECT_EQ(form.Buttons()[15].text, "COM16");
    EXPECT_FALSE(form.Buttons()[1].enabled);
    EXPECT_TRUE(form.Buttons()[2].enabled);
    EXPECT_EQ(form.Selected(), 11);
    form.OnButtonClicked(2);
    EXPECT_EQ(form.OnOk(), "COM3");
    form.OnButtonClicked(11);
    EXPECT_EQ(form.OnOk(), "\\\\.\\COM12");
    form.OnButtonClicked(1); // greyed out: no change
    EXPECT_EQ(form.Selected(), 11);
}

TEST(PortFormTest, ConfiguredPortInUseIsKept) {
    PortForm form;
    form.Load("COM3", NumberedPortCandidates(), OpenableExcept({"COM3"}), true);
    EXPECT_FALSE(form.Buttons()[2].enabled);
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_EQ(form.OnOk(), "COM3");
}

TEST(PortFormTest, NoPortsAvailable) {
    PortForm form;
    form.Load(
        "COM4", NumberedPortCandidates(), [](const std::string&) { return false; }, true);
    for (const PortButton& b : form.Buttons()) EXPECT_FALSE(b.enabled);
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_EQ(form.OnOk(), "COM4");
    PortForm unset;
    unset.Load(
        "", {}, [](const std::string&) { return false; }, false);
    EXPECT_EQ(unset.OnOk(), "");
}

TEST(PortFormTest, DevicePathsAndTypedPaths) {
    const std::vector<PortCandidate> listed = {{"ttyACM0", "/dev/ttyACM0"},
                                               {"ttyUSB0", "/dev/ttyUSB0"}};
    PortForm form;
    form.Load("ttyUSB0", listed, OpenableExcept({}), false);
    EXPECT_EQ(form.Buttons()[1].text, "ttyUSB0");
    EXPECT_TRUE(form.Buttons()[1].enabled);
    EXPECT_FALSE(form.Buttons()[2].enabled); // no device behind it
    EXPECT_TRUE(form.Buttons()[2].text.empty());
    EXPECT_EQ(form.Selected(), 1);
    EXPECT_EQ(form.PathText(), "ttyUSB0");

    form.OnButtonClicked(0);
    EXPECT_EQ(form.PathText(), "/dev/ttyACM0");
    EXPECT_EQ(form.OnOk(), "/dev/ttyACM0");

    // A device the system does not list, such as a pseudo-terminal.
    form.OnPathEdited("  /dev/pts/7 ");
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_EQ(form.OnOk(), "/dev/pts/7");
    form.OnPathEdited("/dev/ttyUSB0");
    EXPECT_EQ(form.Selected(), 1);
    form.OnPathEdited("   ");
    EXPECT_EQ(form.OnOk(), "ttyUSB0"); // nothing typed: the configured port stays
}

} // namespace
} // namespace vmr

namespace vmr {
namespace {

// A block command cut off half-way (the program was killed) is forgotten once
// the line has been quiet, so the next program's wake-up is answered.
TEST(RadioModelTest, UnfinishedCommandForgottenWhenTheLineIsQuiet) {
    RadioModel radio(RadioImage{});
    const std::uint8_t wakeUp[7] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    RadioReply last;
    for (const std::uint8_t b : wakeUp) last = radio.Feed(b);
    ASSERT_EQ(last.bytes, std::vector<std::uint8_t>{0x41});
    for (const std::uint8_t b : {std::uint8_t{'W'}, std::uint8_t{0x00}, std::uint8_t{0x60},
                                 std::uint8_t{0x20}, std::uint8_t{0x11}})
        radio.Feed(b);
    radio.LineQuiet();
    for (const std::uint8_t b : wakeUp) last = radio.Feed(b);
    EXPECT_EQ(last.command, "WAKE");
    EXPECT_EQ(last.bytes, std::vector<std::uint8_t>{0x41});
}

} // namespace
} // namespace vmr
