#include "link/TransferWorker.h"

#include "image/Codecs.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <memory>

namespace vmr {

namespace {

constexpr std::uint8_t kAck = 0x41; // "A"
constexpr std::array<std::uint8_t, 7> kWakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::array<std::uint8_t, 2> kIdentify = {'M', 0x02};
constexpr std::size_t kIdentificationSize = 16;
constexpr std::size_t kReadHeaderSize = 4;
constexpr int kWakeUpByteGapMs = 2;
constexpr int kWakeUpWaitMs = 500;
constexpr int kMaxFailedWakeUps = 9;
constexpr int kAckPauseMs = 10;
constexpr int kReadAckTries = 4;
constexpr std::uint32_t kWriteStart = 0x0060;
constexpr std::uint32_t kWriteGapStart = 0xF400;
constexpr std::uint32_t kWriteGapEnd = 0xFF00;
constexpr std::uint32_t kMemoryEnd = 0x10000;

std::uint8_t Hi(std::uint32_t a) {
    return static_cast<std::uint8_t>((a >> 8) & 0xFF);
}
std::uint8_t Lo(std::uint32_t a) {
    return static_cast<std::uint8_t>(a & 0xFF);
}

// One transfer over an open port.
class Session {
public:
    Session(LinkPort& port, TransferPanel& panel, TransferFlags& flags)
        : port_(port), panel_(panel), flags_(flags) {}

    // Every send first throws away what waits in the queues.
    void Send(const std::uint8_t* data, std::size_t n) {
        port_.Discard();
        port_.Write(data, n);
    }
    template <std::size_t N> void Send(const std::array<std::uint8_t, N>& bytes) {
        Send(bytes.data(), N);
    }
    void SendByte(std::uint8_t b) { Send(&b, 1); }
    void Pause(int ms) { port_.Pause(ms); }
    bool ReceiveIs(std::uint8_t expected) {
        std::uint8_t b = 0;
        return port_.Receive(&b, 1) == 1 && b == expected;
    }
    // Reads the whole of n bytes or reports that the reply was short.
    bool ReceiveAll(std::uint8_t* out, std::size_t n) { return port_.Receive(out, n) == n; }

    // Wake-up, identification and acknowledgement. failedWakeUps counts over
    // the whole transfer.
    bool Handshake(int& failedWakeUps) {
        for (;;) {
            for (const std::uint8_t b : kWakeUp) {
                port_.Pause(kWakeUpByteGapMs);
                SendByte(b);
            }
            if (ReceiveIs(kAck)) break;
            bool woke = false;
            const std::int64_t start = port_.Millis();
            while (port_.Millis() - start <= kWakeUpWaitMs) {
                if (ReceiveIs(kAck)) {
                    woke = true;
                    break;
                }
            }
            if (woke) break;
            if (++failedWakeUps >= kMaxFailedWakeUps) return false;
        }
        Send(kIdentify);
        std::array<std::uint8_t, kIdentificationSize> identification{};
        port_.Receive(identification.data(), identification.size());
        SendByte(kAck);
        return ReceiveIs(kAck);
    }

    // Reads the block at address into out (128 bytes). False when the reply is short.
    bool ReadBlock(std::uint32_t address, std::uint8_t* out) {
        Send(std::array<std::uint8_t, 4>{'R', Hi(address), Lo(address), kBlockSize});
        std::array<std::uint8_t, kReadHeaderSize> header{};
        if (!ReceiveAll(header.data(), header.size())) return false;
        return ReceiveAll(out, kBlockSize);
    }

    void SendEnd(TransferDirection endAs) {
        static constexpr std::array<std::uint8_t, 4> kEndRead = {'E', 'N', 'D', 'R'};
        static constexpr std::array<std::uint8_t, 4> kEndWrite = {'E', 'N', 'D', 'W'};
        Send(endAs == TransferDirection::Read ? kEndRead : kEndWrite);
    }

    // After each block: the progress bar and label advance; then, if the user
    // asked to stop, "ENDW" goes out (after a read too, as the radio expects)
    // and the transfer is finished. True when it stopped.
    bool ProgressThenStopped() {
        const int position = panel_.StepProgress();
        panel_.SetPercentText(PercentText(position, upper_));
        if (!flags_.TransferCancel.load()) return false;
        SendEnd(TransferDirection::Write);
        Finish(TransferOutcome::Stopped, nullptr);
        return true;
    }
    void SetUpper(int upper) { upper_ = upper; }

    // Every way out: the port is closed, the message (if any) shown, the busy
    // flag cleared, and only then the dialog asked to close.
    TransferOutcome Finish(TransferOutcome outcome, const char* message) {
        port_.Close();
        if (message) panel_.ShowMessage(message);
        flags_.TransferBusy = false;
        if (outcome == TransferOutcome::Success) panel_.SetSucceeded(true);
        panel_.RequestClose();
        return outcome;
    }

private:
    LinkPort& port_;
    TransferPanel& panel_;
    TransferFlags& flags_;
    int upper_ = 1;
};

TransferOutcome ReadBlocks(Session& s, RadioImage& image) {
    // Staged: the user's image changes only once the whole radio has been read.
    auto staged = std::make_unique<RadioImage>(image);
    for (const BlockSpan& block : ReadBlockList()) {
        if (!s.ReadBlock(block.address, staged->data() + block.address))
            return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);
        bool acknowledged = false;
        for (int attempt = 0; attempt < kReadAckTries && !acknowledged; ++attempt) {
            s.Pause(kAckPauseMs);
            s.SendByte(kAck);
            acknowledged = s.ReceiveIs(kAck);
        }
        if (!acknowledged)
            return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);
        if (s.ProgressThenStopped()) return TransferOutcome::Stopped;
    }
    s.SendEnd(TransferDirection::Read);
    image = *staged;
    return s.Finish(TransferOutcome::Success, nullptr);
}

TransferOutcome WriteBlocks(Session& s, RadioImage& image, const TransferJob& job) {
    for (const BlockSpan& block : WriteBlockList()) {
        if (block.address == kWriteGapEnd)
            StampWriteDate(image, job.today ? job.today() : LocalDateToday());
        std::array<std::uint8_t, 4 + kBlockSize> command{};
        command[0] = 'W';
        command[1] = Hi(block.address);
        command[2] = Lo(block.address);
        command[3] = static_cast<std::uint8_t>(block.length);
        std::copy_n(image.data() + block.address, block.length, command.begin() + 4);
        s.Send(command.data(), 4 + block.length);
        if (!s.ReceiveIs(kAck)) {
            s.SendEnd(TransferDirection::Write);
            return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);
        }
        if (s.ProgressThenStopped()) return TransferOutcome::Stopped;
    }
    s.SendEnd(TransferDirection::Write);
    return s.Finish(TransferOutcome::Success, nullptr);
}

} // namespace

bool AccessCodeMatches(std::string_view typed) {
    return EqualsNoCase(typed, kAccessCode);
}

WriteDate LocalDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void StampWriteDate(RadioImage& image, const WriteDate& date) {
    image[addr::kWriteDate + 0] = ByteToBcd(date.year % 100);
    image[addr::kWriteDate + 1] = ByteToBcd(date.year / 100);
    image[addr::kWriteDate + 2] = ByteToBcd(date.month);
    image[addr::kWriteDate + 3] = ByteToBcd(date.day);
}

std::vector<BlockSpan> ReadBlockList() {
    std::vector<BlockSpan> blocks;
    blocks.reserve(kReadBlocks);
    for (std::uint32_t a = 0x0100; a < kMemoryEnd; a += kBlockSize)
        blocks.push_back({a, kBlockSize});
    return blocks;
}

std::vector<BlockSpan> WriteBlockList() {
    std::vector<BlockSpan> blocks;
    blocks.reserve(kWriteBlocks);
    std::uint32_t a = kWriteStart;
    while (a < kMemoryEnd) {
        if (a == kWriteGapStart) a = kWriteGapEnd;
        const std::uint32_t n = std::min(kBlockSize - a % kBlockSize, kMemoryEnd - a);
        blocks.push_back({a, n});
        a += n;
    }
    return blocks;
}

std::string PercentText(int position, int upper) {
    if (upper <= 0) return "0%";
    return std::to_string(position * 100 / upper) + "%";
}

TransferOutcome TransferWorker(const TransferJob& job, RadioImage& image, LinkPort& port,
                               TransferPanel& panel, TransferFlags& flags) {
    flags.TransferBusy = true;
    panel.SetSucceeded(false);
    Session s(port, panel, flags);
    s.SetUpper(panel.ProgressUpper());

    const PortOpenResult opened = port.Open(job.portPath);
    if (!opened.ok) {
        panel.ShowMessage(OpenPortFailText(opened));
        flags.TransferBusy = false;
        panel.RequestClose();
        return TransferOutcome::OpenFailed;
    }
    panel.DisableStart();

    // The handshake runs twice: before and after the protection check.
    int failedWakeUps = 0;
    if (!s.Handshake(failedWakeUps))
        return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);
    std::array<std::uint8_t, kBlockSize> scratch{};
    if (!s.ReadBlock(kProtectionBlock, scratch.data()))
        return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);
    const bool readProtected = scratch[kProtectionByte] == kProtectedValue;
    s.Pause(kAckPauseMs);
    s.SendByte(kAck);
    std::uint8_t ignored = 0;
    port.Receive(&ignored, 1);
    if (readProtected && !panel.AskAccessCode())
        return s.Finish(TransferOutcome::AccessRefused, nullptr);
    if (!s.Handshake(failedWakeUps))
        return s.Finish(TransferOutcome::CommunicationError, kCommunicationError);

    return job.direction == TransferDirection::Read ? ReadBlocks(s, image)
                                                    : WriteBlocks(s, image, job);
}

} // namespace vmr
