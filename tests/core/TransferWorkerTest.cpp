#include "LinkTestPort.h"

#include "link/TransferWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace vmr {
namespace {

using test::ModelPort;
using test::PatternImage;
using test::RecordingPanel;

const std::vector<std::string> kHandshake = {"WAKE", "M", "A"};

struct Rig {
    explicit Rig(TransferDirection d, RadioFaults faults = {},
                 RadioImage memory = PatternImage(0x55))
        : radio(Prepared(memory), faults), port(radio),
          panel(d == TransferDirection::Read ? kReadBlocks : kWriteBlocks), direction(d) {
        panel.flags = &flags;
        image = PatternImage(0xA0);
        image[addr::kReadProtection] = 0xFF;
        before = image;
        job.direction = d;
        job.portPath = "/dev/ttyUSB0";
        job.today = [] { return WriteDate{2016, 3, 7}; };
    }
    static RadioImage Prepared(RadioImage m) {
        if (m[addr::kReadProtection] == kProtectedValue) return m;
        m[addr::kReadProtection] = 0x00;
        return m;
    }
    TransferOutcome Run() {
        flags.TransferBusy = true;
        return TransferWorker(job, image, port, panel, flags);
    }
    // The end of every transfer: port closed, busy cleared before the close request.
    void ExpectClosedProperly() const {
        EXPECT_FALSE(port.open);
        EXPECT_FALSE(flags.TransferBusy);
        EXPECT_EQ(panel.closeRequests, 1);
        EXPECT_FALSE(panel.busyAtClose);
    }
    const std::vector<std::string>& Log() const { return radio.Log(); }

    RadioModel radio;
    ModelPort port;
    RecordingPanel panel;
    TransferFlags flags;
    TransferDirection direction;
    RadioImage image;
    RadioImage before;
    TransferJob job;
};

std::vector<std::string> HandshakesAroundCheck() {
    std::vector<std::string> log = kHandshake;
    log.insert(log.end(), {"R CC00 80", "A"});
    log.insert(log.end(), kHandshake.begin(), kHandshake.end());
    return log;
}

TEST(TransferRead, ExactCommandSequenceAndStagedImage) {
    Rig rig(TransferDirection::Read);
    EXPECT_EQ(rig.Run(), TransferOutcome::Success);

    std::vector<std::string> expected = HandshakesAroundCheck();
    for (std::uint32_t a = 0x0100; a < 0x10000; a += 0x80) {
        char command[16];
        std::snprintf(command, sizeof command, "R %04X 80", static_cast<unsigned>(a));
        expected.push_back(command);
        expected.push_back("A");
    }
    expected.push_back("ENDR");
    EXPECT_EQ(rig.Log(), expected);

    // 0x0100..0xFFFF come from the radio, 0x0000..0x00FF stay as they were.
    EXPECT_TRUE(std::equal(rig.image.bytes.begin() + 0x100, rig.image.bytes.end(),
                           rig.radio.Memory().bytes.begin() + 0x100));
    EXPECT_TRUE(std::equal(rig.image.bytes.begin(), rig.image.bytes.begin() + 0x100,
                           rig.before.bytes.begin()));
    EXPECT_EQ(rig.port.openedPath, "/dev/ttyUSB0");
    EXPECT_TRUE(rig.panel.startDisabled);
    EXPECT_TRUE(rig.panel.succeeded);
    EXPECT_TRUE(rig.panel.messages.empty());
    EXPECT_EQ(rig.panel.accessCodeQuestions, 0);
    EXPECT_EQ(rig.panel.position, kReadBlocks);
    ASSERT_EQ(rig.panel.labels.size(), 510u);
    EXPECT_EQ(rig.panel.labels.front(), "0%");
    EXPECT_EQ(rig.panel.labels[254], "50%");
    EXPECT_EQ(rig.panel.labels.back(), "100%");
    rig.ExpectClosedProperly();
}

TEST(TransferWrite, BlockListDateStampAndRadioMemory) {
    Rig rig(TransferDirection::Write);
    const RadioImage radioBefore = rig.radio.Memory();
    EXPECT_EQ(rig.Run(), TransferOutcome::Success);

    std::vector<std::string> writes;
    for (const std::string& c : rig.Log())
        if (c.rfind("W ", 0) == 0) writes.push_back(c);
    ASSERT_EQ(writes.size(), 490u);
    EXPECT_EQ(writes[0], "W 0060 20");
    EXPECT_EQ(writes[1], "W 0080 80");
    EXPECT_EQ(writes[487], "W F380 80");
    EXPECT_EQ(writes[488], "W FF00 80");
    EXPECT_EQ(writes[489], "W FF80 80");
    EXPECT_EQ(rig.Log().back(), "ENDW");
    std::vector<std::string> head(rig.Log().begin(), rig.Log().begin() + 8);
    EXPECT_EQ(head, HandshakesAroundCheck());

    const std::uint8_t stamp[4] = {0x16, 0x20, 0x03, 0x07};
    EXPECT_TRUE(std::equal(stamp, stamp + 4, rig.image.data() + addr::kWriteDate));
    const RadioImage& m = rig.radio.Memory();
    EXPECT_TRUE(std::equal(stamp, stamp + 4, m.data() + addr::kWriteDate));
    // The radio now holds the image where it is written, and its own bytes elsewhere.
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool written = (a >= 0x60 && a < 0xF400) || a >= 0xFF00;
        ASSERT_EQ(m[a], written ? rig.image[a] : radioBefore[a]) << "at " << a;
    }
    EXPECT_TRUE(rig.panel.succeeded);
    EXPECT_EQ(rig.panel.labels.back(), "100%");
    EXPECT_EQ(rig.panel.labels.size(), 490u);
    rig.ExpectClosedProperly();
}

// The line as the radio sees it: each wake-up byte alone after 2 ms, every
// send after the queues are discarded, 10 ms before each acknowledgement of a
// read block, and write blocks back to back.
TEST(TransferTiming, PausesAndDiscardsAroundEverySend) {
    std::vector<std::string> wakeUp;
    for (const char* b : {"02", "50", "52", "4F", "47", "52", "41"})
        wakeUp.insert(wakeUp.end(), {"pause 2", "discard", std::string("send ") + b});
    std::vector<std::string> handshake = wakeUp;
    handshake.insert(handshake.end(), {"discard", "send 4D 02", "discard", "send 41"});
    std::vector<std::string> opening = handshake;
    opening.insert(opening.end(),
                   {"discard", "send 52 CC 00 80", "pause 10", "discard", "send 41"});
    opening.insert(opening.end(), handshake.begin(), handshake.end());

    Rig read(TransferDirection::Read);
    ASSERT_EQ(read.Run(), TransferOutcome::Success);
    const std::vector<std::string>& r = read.port.trace;
    ASSERT_GT(r.size(), opening.size() + 5);
    EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + static_cast<long>(opening.size())),
              opening);
    EXPECT_EQ(std::vector<std::string>(r.begin() + static_cast<long>(opening.size()),
                                       r.begin() + static_cast<long>(opening.size()) + 5),
              (std::vector<std::string>{"discard", "send 52 01 00 80", "pause 10", "discard",
                                        "send 41"}));
    EXPECT_EQ(r.back(), "send 45 4E 44 52");
    EXPECT_EQ(std::count(r.begin(), r.end(), "pause 10"), kReadBlocks + 1);

    Rig write(TransferDirection::Write);
    ASSERT_EQ(write.Run(), TransferOutcome::Success);
    const std::vector<std::string>& w = write.port.trace;
    EXPECT_EQ(std::count(w.begin(), w.end(), "pause 10"), 1); // the protection check only
    EXPECT_EQ(std::count(w.begin(), w.end(), "pause 2"), 2 * 7);
    EXPECT_EQ(w[opening.size()], "discard");
    EXPECT_EQ(w[opening.size() + 1].substr(0, 16), "send 57 00 60 20");
    EXPECT_EQ(w[opening.size() + 1].size(), std::string("send 57 00 60 20").size() + 32 * 3);
    EXPECT_EQ(w.back(), "send 45 4E 44 57");
}

TEST(TransferWrite, BlockListFollowsTheLengthRule) {
    const std::vector<BlockSpan> blocks = WriteBlockList();
    ASSERT_EQ(blocks.size(), 490u);
    EXPECT_EQ(blocks.front(), (BlockSpan{0x0060, 32}));
    EXPECT_EQ(blocks[1], (BlockSpan{0x0080, 128}));
    EXPECT_EQ(blocks[blocks.size() - 2], (BlockSpan{0xFF00, 128}));
    EXPECT_EQ(blocks.back(), (BlockSpan{0xFF80, 128}));
    const std::vector<BlockSpan> reads = ReadBlockList();
    ASSERT_EQ(reads.size(), 510u);
    EXPECT_EQ(reads.front(), (BlockSpan{0x0100, 128}));
    EXPECT_EQ(reads.back(), (BlockSpan{0xFF80, 128}));
}

// Failed wake-ups are counted over the whole transfer: nine fail it.
TEST(TransferHandshake, WakeUpRetriesAcrossBothHandshakes) {
    struct Case {
        std::vector<int> dropped; // wake-ups (0-based, in order) that get no answer
        TransferOutcome outcome;
    };
    const Case cases[] = {
        {{}, TransferOutcome::Success},
        {{0}, TransferOutcome::Success},
        {{0, 1, 2, 3, 4, 5, 6, 7}, TransferOutcome::Success},
        {{0, 1, 2, 3, 4, 6, 7, 8}, TransferOutcome::Success},               // 5 + 3
        {{0, 1, 2, 3, 4, 6, 7, 8, 9}, TransferOutcome::CommunicationError}, // 5 + 4
        {{0, 1, 2, 3, 4, 5, 6, 7, 8}, TransferOutcome::CommunicationError}, // 9 in a row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.dropped));
        Rig rig(TransferDirection::Write);
        int wakeUps = 0;
        rig.port.dropReply = [&](const std::string& command) {
            if (command != "WAKE") return false;
            const int n = wakeUps++;
            return std::find(c.dropped.begin(), c.dropped.end(), n) != c.dropped.end();
        };
        EXPECT_EQ(rig.Run(), c.outcome);
        if (c.outcome == TransferOutcome::CommunicationError) {
            EXPECT_EQ(rig.panel.messages, std::vector<std::string>{"Communication error"});
            EXPECT_NE(rig.Log().back(), "ENDW");
            EXPECT_EQ(rig.image, rig.before);
            rig.ExpectClosedProperly();
        }
    }
}

TEST(TransferHandshake, RadioThatIgnoresItsFirstWakeUps) {
    for (const int ignored : {3, 9}) {
        SCOPED_TRACE(ignored);
        Rig rig(TransferDirection::Write, RadioFaults{.ignoreWakeUps = ignored});
        const TransferOutcome outcome = rig.Run();
        EXPECT_EQ(outcome,
                  ignored < 9 ? TransferOutcome::Success : TransferOutcome::CommunicationError);
        EXPECT_EQ(std::count(rig.Log().begin(), rig.Log().end(), "WAKE ignored"), ignored);
    }
}

TEST(TransferHandshake, SilentRadioGetsNineWakeUpsAndNothingElse) {
    Rig rig(TransferDirection::Read, RadioFaults{.silent = true});
    EXPECT_EQ(rig.Run(), TransferOutcome::CommunicationError);

    const std::vector<std::uint8_t> wakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 9; ++i) expected.insert(expected.end(), wakeUp.begin(), wakeUp.end());
    EXPECT_EQ(rig.port.sent, expected);
    // Each attempt: 7 bytes 2 ms apart, one receive of 150 ms, then receives
    // until more than 500 ms have passed.
    EXPECT_EQ(rig.port.now, 9 * (7 * 2 + 150 + 4 * 150));
    EXPECT_EQ(rig.panel.messages, std::vector<std::string>{"Communication error"});
    EXPECT_TRUE(rig.panel.labels.empty());
    EXPECT_EQ(rig.image, rig.before);
    rig.ExpectClosedProperly();
}

TEST(TransferHandshake, UnansweredAcknowledgeAfterIdentification) {
    Rig rig(TransferDirection::Read);
    int acks = 0;
    rig.port.dropReply = [&](const std::string& command) { return command == "A" && acks++ == 0; };
    EXPECT_EQ(rig.Run(), TransferOutcome::CommunicationError);
    EXPECT_EQ(rig.Log(), kHandshake);
    EXPECT_EQ(rig.panel.messages, std::vector<std::string>{"Communication error"});
    rig.ExpectClosedProperly();
}

TEST(TransferProtection, AccessCodeAnyCaseOtherTextsEndSilently) {
    struct Case {
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {{"6100KX", true}, {"6100kx", true},   {"6100kX", true},
                          {"6100K", false}, {"6100KX ", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        RadioImage memory = PatternImage(0x55);
        memory[addr::kReadProtection] = kProtectedValue;
        Rig rig(TransferDirection::Read, {}, memory);
        rig.panel.typedCode = c.typed;
        const TransferOutcome outcome = rig.Run();
        EXPECT_EQ(rig.panel.accessCodeQuestions, 1);
        if (c.accepted) {
            EXPECT_EQ(outcome, TransferOutcome::Success);
            EXPECT_EQ(rig.image[addr::kReadProtection], kProtectedValue);
        } else {
            EXPECT_EQ(outcome, TransferOutcome::AccessRefused);
            EXPECT_TRUE(rig.panel.messages.empty());
            // No end command: the last thing sent is the check's acknowledgement.
            EXPECT_EQ(rig.Log(), (std::vector<std::string>{"WAKE", "M", "A", "R CC00 80", "A"}));
            EXPECT_EQ(rig.image, rig.before);
            EXPECT_FALSE(rig.panel.succeeded);
        }
        rig.ExpectClosedProperly();
    }
}

TEST(TransferStop, ExitEndsAfterTheCurrentBlock) {
    for (const TransferDirection d : {TransferDirection::Read, TransferDirection::Write}) {
        SCOPED_TRACE(d == TransferDirection::Read ? "read" : "write");
        Rig rig(d);
        rig.panel.onStep = [&](int position) {
            if (position == 5) rig.flags.TransferCancel = true;
        };
        EXPECT_EQ(rig.Run(), TransferOutcome::Stopped);
        EXPECT_EQ(rig.panel.position, 5);
        // A stopped read ends with "ENDW" too.
        EXPECT_EQ(rig.Log().back(), "ENDW");
        const char* blockCommand = d == TransferDirection::Read ? "R " : "W ";
        EXPECT_EQ(
            std::count_if(rig.Log().begin() + 8, rig.Log().end(),
                          [&](const std::string& c) { return c.rfind(blockCommand, 0) == 0; }),
            5);
        EXPECT_EQ(rig.image, rig.before); // a read is staged; a write stopped before 0xFF00
        EXPECT_TRUE(rig.panel.messages.empty());
        EXPECT_FALSE(rig.panel.succeeded);
        rig.ExpectClosedProperly();
    }
}

TEST(TransferFailures, ReadFailuresLeaveTheImageAlone) {
    struct Case {
        const char* name;
        RadioFaults faults;
        std::string lastCommand;
        int acksAfterLastBlock;
    };
    const Case cases[] = {
        {"short protection block", {.shortReadAt = 0xCC00}, "R CC00 80 short", 0},
        {"short first block", {.shortReadAt = 0x0100}, "R 0100 80 short", 0},
        {"short middle block", {.shortReadAt = 0x8000}, "R 8000 80 short", 0},
        {"acknowledgement refused", {.refuseReadAckAt = 0x4000}, "A", 4},
        {"silent after a block", {.silentAfter = 0x0180}, "A", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(TransferDirection::Read, c.faults);
        EXPECT_EQ(rig.Run(), TransferOutcome::CommunicationError);
        EXPECT_EQ(rig.panel.messages, std::vector<std::string>{"Communication error"});
        EXPECT_EQ(rig.Log().back(), c.lastCommand);
        const auto lastBlock = std::find_if(rig.Log().rbegin(), rig.Log().rend(),
                                            [](const std::string& s) { return s[0] == 'R'; });
        EXPECT_EQ(lastBlock - rig.Log().rbegin(), c.acksAfterLastBlock);
        EXPECT_EQ(rig.image, rig.before);
        EXPECT_FALSE(rig.panel.succeeded);
        rig.ExpectClosedProperly();
    }
}

TEST(TransferFailures, RefusedWriteBlockEndsWithEndw) {
    struct Case {
        long refusedAt;
        bool stamped;
    };
    for (const Case c : {Case{0x0060, false}, Case{0x8000, false}, Case{0xF380, false},
                         Case{0xFF00, true}, Case{0xFF80, true}}) {
        SCOPED_TRACE(c.refusedAt);
        Rig rig(TransferDirection::Write, RadioFaults{.refuseWriteAt = c.refusedAt});
        EXPECT_EQ(rig.Run(), TransferOutcome::CommunicationError);
        EXPECT_EQ(rig.panel.messages, std::vector<std::string>{"Communication error"});
        const std::vector<std::string>& log = rig.Log();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log.back(), "ENDW");
        EXPECT_EQ(log[log.size() - 2].substr(log[log.size() - 2].size() - 7), "refused");
        const std::uint8_t stamp[4] = {0x16, 0x20, 0x03, 0x07};
        EXPECT_EQ(std::equal(stamp, stamp + 4, rig.image.data() + addr::kWriteDate), c.stamped);
        EXPECT_FALSE(rig.panel.succeeded);
        rig.ExpectClosedProperly();
    }
}

TEST(TransferFailures, PortThatCannotBeOpened) {
    Rig rig(TransferDirection::Read);
    rig.port.openResult = {false, PortOpenError::NotFound, "No such file or directory", ""};
    EXPECT_EQ(rig.Run(), TransferOutcome::OpenFailed);
    EXPECT_TRUE(rig.port.sent.empty());
    ASSERT_EQ(rig.panel.messages.size(), 1u);
    EXPECT_EQ(rig.panel.messages[0], "Open port fail\nNo such file or directory");
    EXPECT_FALSE(rig.panel.startDisabled);
    EXPECT_EQ(rig.image, rig.before);
    rig.ExpectClosedProperly();
}

TEST(TransferMessages, OpenPortFailExplainsPermissions) {
    const std::string text =
        OpenPortFailText({false, PortOpenError::Permission, "Permission denied", "uucp"});
    EXPECT_EQ(text.substr(0, text.find('\n')), "Open port fail");
    EXPECT_NE(text.find("\nPermission denied\n"), std::string::npos);
    EXPECT_NE(text.find("\"uucp\""), std::string::npos);
    EXPECT_NE(text.find("dialout"), std::string::npos);
    EXPECT_EQ(OpenPortFailText({}), "Open port fail");
}

TEST(TransferMessages, PercentAndDate) {
    EXPECT_EQ(PercentText(0, 510), "0%");
    EXPECT_EQ(PercentText(5, 510), "0%");
    EXPECT_EQ(PercentText(6, 510), "1%");
    EXPECT_EQ(PercentText(489, 490), "99%");
    EXPECT_EQ(PercentText(490, 490), "100%");
    RadioImage image;
    StampWriteDate(image, {1999, 12, 31});
    EXPECT_EQ(image[0xFF28], 0x99);
    EXPECT_EQ(image[0xFF29], 0x19);
    EXPECT_EQ(image[0xFF2A], 0x12);
    EXPECT_EQ(image[0xFF2B], 0x31);
}

} // namespace
} // namespace vmr
