// The radio's end of the programming protocol, byte by byte: it answers the
// wake-up, the identification, read and write blocks with their
// acknowledgements, and the end commands, from and into its own memory. The
// simulator program puts it on a pseudo-terminal; the tests wire it straight to
// the transfer. It can also misbehave in the ways a real line does.
#pragma once

#include "image/RadioImage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vmr {

struct RadioFaults {
    bool readProtected = false; // byte 8 of block 0xCC00 reads 3, whatever was written there
    int ignoreWakeUps = 0;      // the first N wake-ups get no answer
    bool silent = false;        // never answer anything
    long shortReadAt = -1;      // the read block at this address is answered short
    long refuseReadAckAt = -1;  // acknowledgements after this read block are refused
    long refuseWriteAt = -1;    // the write block at this address is refused
    long silentAfter = -1;      // after answering the block at this address, fall silent
};

struct RadioReply {
    std::vector<std::uint8_t> bytes; // to send back, possibly none
    std::string command;             // the command just completed, empty while incomplete
};

class RadioModel {
public:
    explicit RadioModel(const RadioImage& memory, RadioFaults faults = {});

    // Takes the next byte from the PC.
    RadioReply Feed(std::uint8_t byte);
    // The line has been quiet for a while: a command begun and never finished
    // (the program on the other end was killed) is forgotten, as the radio
    // forgets it, so that the next wake-up is heard.
    void LineQuiet() { pending_.clear(); }

    const RadioImage& Memory() const { return *memory_; }
    // Every command received, one entry each: "WAKE", "WAKE ignored", "M", "A",
    // "R CC00 80", "W 0060 20", "W 1000 80 refused", "ENDR", "ENDW", "? 5A".
    const std::vector<std::string>& Log() const { return log_; }
    bool Awake() const { return awake_; }
    static const std::uint8_t kIdentification[16];

private:
    std::size_t ExpectedLength() const;
    RadioReply Complete();

    std::unique_ptr<RadioImage> memory_;
    RadioFaults faults_;
    std::vector<std::uint8_t> pending_;
    std::vector<std::string> log_;
    bool awake_ = false;
    bool silent_ = false;
    int wakeUpsSeen_ = 0;
    long lastReadBlock_ = -1;
};

} // namespace vmr
