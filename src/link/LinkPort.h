// The serial line as the programming protocol sees it. The platform supplies the
// real port; the tests supply one wired to a model of the radio on a virtual
// clock. The port also owns the line's clock, because how long a receive waits
// and how much time has passed are two sides of the same thing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vmr {

// Line settings of the radio's programming port.
constexpr int kLineBaud = 38400;
constexpr int kReadIntervalMs = 50;      // at most this long between two received bytes
constexpr int kReadTotalBaseMs = 100;    // a receive of n bytes waits at most
constexpr int kReadTotalPerByteMs = 50;  //   100 ms + 50 ms per byte
constexpr int kWriteTotalBaseMs = 50;    // a write of n bytes may take
constexpr int kWriteTotalPerByteMs = 50; //   50 ms + 50 ms per byte

// The longest a receive of n bytes may wait.
constexpr int ReceiveBudgetMs(std::size_t n) {
    return kReadTotalBaseMs + kReadTotalPerByteMs * static_cast<int>(n);
}

enum class PortOpenError {
    None,
    NotFound,   // no such device
    Permission, // the user may not open the device
    InUse,      // another program holds it
    Other,
};

struct PortOpenResult {
    bool ok = false;
    PortOpenError error = PortOpenError::None;
    std::string reason; // the system's own words, for the second line of the message
    std::string group;  // for a permission error: the device's group, when known
};

class LinkPort {
public:
    virtual ~LinkPort() = default;

    // Opens the device for exclusive reading and writing and sets the line:
    // 38,400 bit/s, 8 data bits, no parity, 1 stop bit, binary, no flow control.
    // Handshake lines are raised when the device has them; a device without
    // them (a pseudo-terminal) is not an error.
    virtual PortOpenResult Open(const std::string& path) = 0;
    // Closes the port; closing a closed port does nothing.
    virtual void Close() = 0;
    // Throws away whatever waits in the receive queue. Bytes already written
    // are not taken back: they still reach the radio, in order.
    virtual void Discard() = 0;
    // Writes n bytes, waiting at most 50 ms + 50 ms per byte for them to leave.
    virtual void Write(const std::uint8_t* data, std::size_t n) = 0;
    // Receives up to n bytes: waits at most 50 ms between two bytes and
    // 100 ms + 50 ms per byte in all. Returns how many arrived.
    virtual std::size_t Receive(std::uint8_t* out, std::size_t n) = 0;
    // Waits ms milliseconds.
    virtual void Pause(int ms) = 0;
    // Milliseconds on a steady clock.
    virtual std::int64_t Millis() = 0;
};

// "Open port fail", then the system's reason on a second line and, for a
// permission problem, what the user can do about it.
std::string OpenPortFailText(const PortOpenResult& result);

} // namespace vmr
