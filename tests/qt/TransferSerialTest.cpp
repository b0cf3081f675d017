// The protocol over a real serial device: the Qt port against vmrsim on a
// pseudo-terminal.
#include "../core/LinkTestPort.h"
#include "TransferSim.h"

#include "link/qt/SerialPort.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace vmr {
namespace {

using test::PatternImage;
using test::RecordingPanel;
using test::SimRadio;

const std::vector<std::string> kOpening = {"WAKE", "M", "A", "R CC00 80", "A", "WAKE", "M", "A"};

struct PtyRig {
    explicit PtyRig(TransferDirection d, const QStringList& simOptions = {})
        : memory(PatternImage(0x33)), sim(Prepared(memory), simOptions),
          panel(d == TransferDirection::Read ? kReadBlocks : kWriteBlocks) {
        panel.flags = &flags;
        image = PatternImage(0xC0);
        image[addr::kReadProtection] = 0xFF;
        before = image;
        job.direction = d;
        job.portPath = sim.Device().toStdString();
        job.today = [] { return WriteDate{2016, 3, 7}; };
    }
    static const RadioImage& Prepared(RadioImage& m) {
        m[addr::kReadProtection] = 0x00;
        return m;
    }
    TransferOutcome Run() {
        flags.TransferBusy = true;
        SerialPort port;
        return TransferWorker(job, image, port, panel, flags);
    }
    RadioImage memory;
    SimRadio sim;
    RecordingPanel panel;
    TransferFlags flags;
    RadioImage image;
    RadioImage before;
    TransferJob job;
};

TEST(TransferOverPty, FullReadCommandSequenceAndImage) {
    PtyRig rig(TransferDirection::Read);
    ASSERT_FALSE(rig.sim.Device().isEmpty());
    EXPECT_EQ(rig.Run(), TransferOutcome::Success);

    std::vector<std::string> expected = kOpening;
    for (const BlockSpan& b : ReadBlockList()) {
        char command[16];
        std::snprintf(command, sizeof command, "R %04X 80", static_cast<unsigned>(b.address));
        expected.push_back(command);
        expected.push_back("A");
    }
    expected.push_back("ENDR");
    EXPECT_EQ(rig.sim.Log(), expected);
    EXPECT_TRUE(std::equal(rig.image.bytes.begin() + 0x100, rig.image.bytes.end(),
                           rig.memory.bytes.begin() + 0x100));
    EXPECT_TRUE(std::equal(rig.image.bytes.begin(), rig.image.bytes.begin() + 0x100,
                           rig.before.bytes.begin()));
    EXPECT_TRUE(rig.panel.succeeded);
    EXPECT_EQ(rig.panel.labels.back(), "100%");
}

TEST(TransferOverPty, FullWriteReachesTheRadio) {
    PtyRig rig(TransferDirection::Write);
    EXPECT_EQ(rig.Run(), TransferOutcome::Success);
    const std::vector<std::string> log = rig.sim.Log();
    ASSERT_EQ(log.size(), kOpening.size() + 490 + 1);
    EXPECT_TRUE(std::equal(kOpening.begin(), kOpening.end(), log.begin()));
    EXPECT_EQ(log[8], "W 0060 20");
    EXPECT_EQ(log[log.size() - 3], "W FF00 80");
    EXPECT_EQ(log[log.size() - 2], "W FF80 80");
    EXPECT_EQ(log.back(), "ENDW");

    const QByteArray saved = rig.sim.Saved();
    ASSERT_EQ(saved.size(), static_cast<qsizetype>(kImageSize));
    const auto* radio = reinterpret_cast<const std::uint8_t*>(saved.constData());
    EXPECT_TRUE(std::equal(radio + 0x60, radio + 0xF400, rig.image.data() + 0x60));
    EXPECT_TRUE(std::equal(radio + 0xFF00, radio + kImageSize, rig.image.data() + 0xFF00));
    EXPECT_TRUE(std::equal(radio + 0xF400, radio + 0xFF00, rig.memory.data() + 0xF400));
    const std::uint8_t stamp[4] = {0x16, 0x20, 0x03, 0x07};
    EXPECT_TRUE(std::equal(stamp, stamp + 4, radio + addr::kWriteDate));
    EXPECT_TRUE(rig.panel.succeeded);
}

// The paths that end a transfer early, each over the real line.
TEST(TransferOverPty, EarlyEnds) {
    struct Case {
        const char* name;
        TransferDirection direction;
        QStringList simOptions;
        std::string typedCode;
        int exitAfterBlock; // 0: never
        TransferOutcome outcome;
        std::vector<std::string> logTail;
        bool message;
    };
    const Case cases[] = {
        {"protected, code in mixed case, exit during the read",
         TransferDirection::Read,
         {"--protected"},
         "6100kX",
         3,
         TransferOutcome::Stopped,
         {"WAKE", "M", "A", "R 0100 80", "A", "R 0180 80", "A", "R 0200 80", "A", "ENDW"},
         false},
        {"protected, wrong code",
         TransferDirection::Read,
         {"--protected"},
         "6100KY",
         0,
         TransferOutcome::AccessRefused,
         {"R CC00 80", "A"},
         false},
        {"short reply",
         TransferDirection::Read,
         {"--short-read", "0x0180"},
         "",
         0,
         TransferOutcome::CommunicationError,
         {"A", "R 0180 80 short"},
         true},
        {"refused write block",
         TransferDirection::Write,
         {"--refuse-write", "0x0100"},
         "",
         0,
         TransferOutcome::CommunicationError,
         {"W 0080 80", "W 0100 80 refused", "ENDW"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyRig rig(c.direction, c.simOptions);
        rig.panel.typedCode = c.typedCode;
        rig.panel.onStep = [&](int position) {
            if (position == c.exitAfterBlock) rig.flags.TransferCancel = true;
        };
        EXPECT_EQ(rig.Run(), c.outcome);
        const std::vector<std::string> log = rig.sim.Log();
        ASSERT_GE(log.size(), c.logTail.size());
        EXPECT_EQ(
            std::vector<std::string>(log.end() - static_cast<long>(c.logTail.size()), log.end()),
            c.logTail);
        EXPECT_EQ(rig.panel.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(rig.panel.messages[0], "Communication error");
        }
        EXPECT_EQ(rig.image, rig.before);
        EXPECT_FALSE(rig.panel.succeeded);
        EXPECT_FALSE(rig.flags.TransferBusy);
        EXPECT_EQ(rig.panel.closeRequests, 1);
    }
}

TEST(SerialPortTest, ReceiveKeepsTheTimeOut) {
    SimRadio sim(PatternImage(0), {"--silent"});
    SerialPort port;
    ASSERT_TRUE(port.Open(sim.Device().toStdString()).ok);
    std::uint8_t buffer[4];
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(port.Receive(buffer, 1), 0u);
    const qint64 oneByte = timer.restart();
    EXPECT_EQ(port.Receive(buffer, 4), 0u);
    const qint64 fourBytes = timer.elapsed();
    EXPECT_GE(oneByte, 145);
    EXPECT_LT(oneByte, 1000);
    EXPECT_GE(fourBytes, 295);
    EXPECT_LT(fourBytes, 1500);
    port.Close();
}

TEST(SerialPortTest, LineRateSimulatorTakesTheWireTime) {
    SimRadio sim(PatternImage(0), {"--line-rate"});
    SerialPort port;
    ASSERT_TRUE(port.Open(sim.Device().toStdString()).ok);
    const std::uint8_t wakeUp[7] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    port.Write(wakeUp, sizeof wakeUp);
    std::uint8_t reply[16] = {};
    ASSERT_EQ(port.Receive(reply, 1), 1u);
    EXPECT_EQ(reply[0], 'A');
    const std::uint8_t identify[2] = {'M', 0x02};
    QElapsedTimer timer;
    timer.start();
    port.Write(identify, sizeof identify);
    ASSERT_EQ(port.Receive(reply, 16), 16u);
    // 2 + 16 characters of 10 bits at 38,400 bit/s: 4.7 ms.
    EXPECT_GE(timer.nsecsElapsed(), 4'600'000);
    EXPECT_LT(timer.nsecsElapsed(), 500'000'000);
}

// The discard before every send throws away stale input only: the bytes the
// program wrote a moment ago (the wake-up goes out one byte at a time) must
// still reach the radio however slowly the far end takes them in.
TEST(SerialPortTest, DiscardKeepsTheBytesAlreadyWritten) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string device = ::ptsname(master);
    {
        const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(slave, 0);
        termios t{};
        ::tcgetattr(slave, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave, TCSANOW, &t);
        ::close(slave);
    }
    SerialPort port;
    ASSERT_TRUE(port.Open(device).ok);
    const std::uint8_t wakeUp[7] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round)
        for (const std::uint8_t b : wakeUp) {
            port.Discard();
            port.Write(&b, 1);
        }
    port.Discard();
    std::string arrived;
    char buffer[512];
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 500) <= 0) break;
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) break;
        arrived.append(buffer, static_cast<std::size_t>(n));
        if (arrived.size() >= kRounds * 7u) break;
    }
    port.Close();
    ::close(master);
    std::string expected;
    for (int round = 0; round < kRounds; ++round) expected.append("\x02PROGRA");
    EXPECT_EQ(arrived, expected);
}

// A device that goes away (the cable pulled out) still costs a receive its
// time-out, so a transfer waiting for the wake-up reply does not spin.
TEST(SerialPortTest, ReceiveFromAVanishedDeviceWaits) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    SerialPort port;
    ASSERT_TRUE(port.Open(::ptsname(master)).ok);
    ::close(master);
    std::uint8_t b = 0;
    QElapsedTimer timer;
    for (int i = 0; i < 3; ++i) {
        timer.start();
        EXPECT_EQ(port.Receive(&b, 1), 0u);
        EXPECT_GE(timer.elapsed(), 140) << "receive " << i;
    }
    port.Close();
}

TEST(SerialPortTest, OpenFailureNamesTheReason) {
    SerialPort port;
    const PortOpenResult r = port.Open("/dev/vmr-no-such-port");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, PortOpenError::NotFound);
    EXPECT_EQ(OpenPortFailText(r).substr(0, 15), "Open port fail\n");
    EXPECT_NE(r.reason.find("/dev/vmr-no-such-port"), std::string::npos);
    EXPECT_FALSE(ProbeSerialPort("/dev/vmr-no-such-port"));
    // A file that is no terminal cannot be a serial port either.
    EXPECT_FALSE(port.Open("/dev/null").ok);
}

TEST(SerialPortTest, ProbeSeesAFreeAndABusyPort) {
    SimRadio sim(PatternImage(0));
    EXPECT_TRUE(ProbeSerialPort(sim.Device()));
    SerialPort holder;
    ASSERT_TRUE(holder.Open(sim.Device().toStdString()).ok);
    SerialPort second;
    const PortOpenResult r = second.Open(sim.Device().toStdString());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(ProbeSerialPort(sim.Device()));
    holder.Close();
    EXPECT_TRUE(ProbeSerialPort(sim.Device()));
}

} // namespace
} // namespace vmr
