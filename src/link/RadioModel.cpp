#include "link/RadioModel.h"

#include <algorithm>
#include <memory>

namespace vmr {

namespace {

constexpr std::uint8_t kAck = 0x41;
constexpr std::uint8_t kRefusal = 0x15; // anything but "A" refuses
constexpr std::uint8_t kWakeUp[7] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};

std::string Hex(unsigned value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[i] = kDigits[value & 0xF];
    return out;
}

} // namespace

// "VMR-417", padding, then the lowest and highest megahertz the radio covers.
const std::uint8_t RadioModel::kIdentification[16] = {'V',  'M',  'R',  '-',  '4', '1', '7',  0xFF,
                                                      0xFF, 0xFF, 0xFF, 0xFF, 26,  0,   0xB6, 0x03};

RadioModel::RadioModel(const RadioImage& memory, RadioFaults faults)
    : memory_(std::make_unique<RadioImage>(memory)), faults_(faults), silent_(faults.silent) {}

std::size_t RadioModel::ExpectedLength() const {
    switch (pending_.front()) {
    case 0x02:
        return sizeof kWakeUp;
    case 'M':
        return 2;
    case 'A':
        return 1;
    case 'R':
    case 'E':
        return 4;
    case 'W':
        return pending_.size() < 4 ? 4 : 4 + std::size_t{pending_[3]};
    default:
        return 1;
    }
}

RadioReply RadioModel::Feed(std::uint8_t byte) {
    if (pending_.empty()) {
        // Asleep, the radio listens for nothing but the wake-up.
        const bool known =
            byte == 0x02 ||
            (awake_ && (byte == 'M' || byte == 'A' || byte == 'R' || byte == 'W' || byte == 'E'));
        if (!known) {
            if (awake_) log_.push_back("? " + Hex(byte, 2));
            return {};
        }
    }
    pending_.push_back(byte);
    if (pending_.size() < ExpectedLength()) return {};
    const bool wasSilent = silent_;
    RadioReply reply = Complete();
    pending_.clear();
    if (wasSilent) reply.bytes.clear();
    if (!reply.command.empty()) log_.push_back(reply.command);
    return reply;
}

RadioReply RadioModel::Complete() {
    RadioReply r;
    const std::vector<std::uint8_t>& p = pending_;
    switch (p.front()) {
    case 0x02: {
        if (!std::equal(p.begin(), p.end(), std::begin(kWakeUp))) {
            r.command = "? wake-up";
            break;
        }
        if (wakeUpsSeen_++ < faults_.ignoreWakeUps) {
            r.command = "WAKE ignored";
            break;
        }
        awake_ = true;
        r.command = "WAKE";
        r.bytes = {kAck};
        break;
    }
    case 'M':
        r.command = p[1] == 0x02 ? "M" : "M " + Hex(p[1], 2);
        r.bytes.assign(std::begin(kIdentification), std::end(kIdentification));
        break;
    case 'A': {
        r.command = "A";
        const bool refuse = lastReadBlock_ >= 0 && lastReadBlock_ == faults_.refuseReadAckAt;
        r.bytes = {refuse ? kRefusal : kAck};
        break;
    }
    case 'R': {
        const unsigned address = (unsigned{p[1]} << 8) | p[2];
        const std::size_t length = p[3];
        r.command = "R " + Hex(address, 4) + " " + Hex(p[3], 2);
        lastReadBlock_ = static_cast<long>(address);
        r.bytes = {'W', p[1], p[2], p[3]};
        std::size_t count = length;
        if (static_cast<long>(address) == faults_.shortReadAt) {
            count = length / 2;
            r.command += " short";
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = (address + i) & 0xFFFF;
            r.bytes.push_back(faults_.readProtected && at == addr::kReadProtection
                                  ? std::uint8_t{3}
                                  : (*memory_)[at]);
        }
        if (static_cast<long>(address) == faults_.silentAfter) silent_ = true;
        break;
    }
    case 'W': {
        const unsigned address = (unsigned{p[1]} << 8) | p[2];
        r.command = "W " + Hex(address, 4) + " " + Hex(p[3], 2);
        lastReadBlock_ = -1;
        if (static_cast<long>(address) == faults_.refuseWriteAt) {
            r.command += " refused";
            r.bytes = {kRefusal};
            break;
        }
        for (std::size_t i = 4; i < p.size(); ++i) (*memory_)[(address + i - 4) & 0xFFFF] = p[i];
        r.bytes = {kAck};
        if (static_cast<long>(address) == faults_.silentAfter) silent_ = true;
        break;
    }
    case 'E': {
        const std::string text(p.begin(), p.end());
        r.command = (text == "ENDR" || text == "ENDW") ? text : "? " + Hex(p[1], 2);
        if (r.command == text) awake_ = false;
        lastReadBlock_ = -1;
        break;
    }
    default:
        break;
    }
    return r;
}

} // namespace vmr
