// The radio's whole memory as the PC keeps it, and the five-tone standard table
// that travels with it in a codeplug file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vmr {

constexpr std::size_t kImageSize = 65536;
constexpr std::size_t kToneTableSize = 4096;
constexpr std::size_t kCodeplugSize = kToneTableSize + kImageSize; // 69,632

// 65,536 bytes; an offset is the radio's own memory address.
struct RadioImage {
    std::array<std::uint8_t, kImageSize> bytes{};

    std::uint8_t& operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }
    std::uint8_t* data() { return bytes.data(); }
    const std::uint8_t* data() const { return bytes.data(); }

    // Little-endian 16-bit word.
    std::uint16_t Word(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    }
    void SetWord(std::size_t offset, std::uint16_t value) {
        bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
        bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void Fill(std::size_t offset, std::size_t count, std::uint8_t value) {
        for (std::size_t i = 0; i < count; ++i) bytes[offset + i] = value;
    }
    bool operator==(const RadioImage&) const = default;
};

// 4,096 bytes: sixteen 40-byte five-tone standard records at 0x100 + 40 * n.
struct ToneStandardTable {
    std::array<std::uint8_t, kToneTableSize> bytes{};

    static constexpr std::size_t kRecordBase = 0x100;
    static constexpr std::size_t kRecordSize = 40;
    static constexpr int kStandards = 16;
    static constexpr std::size_t RecordOffset(int n) { return kRecordBase + kRecordSize * n; }

    std::uint8_t& operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }
    std::uint16_t Word(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    }
    void SetWord(std::size_t offset, std::uint16_t value) {
        bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
        bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    bool operator==(const ToneStandardTable&) const = default;
};

// Named addresses shared by more than one part of the program.
namespace addr {
constexpr std::size_t kFiveToneCoefficients = 0x0060;
constexpr std::size_t kTwoToneCoefficients = 0x0080;
constexpr std::size_t kBankA = 0x0100;
constexpr std::size_t kBankB = 0x6500;
constexpr std::size_t kScanEdges = 0xC900;
constexpr std::size_t kVfoRecords = 0xCA40;
constexpr std::size_t kWorkState = 0xCC00;
constexpr std::size_t kReadProtection = 0xCC08;
constexpr std::size_t kBasicSettings = 0xCC18;
constexpr std::size_t kCommitFlags = 0xCC25;
constexpr std::size_t kAlarm = 0xCC70;
constexpr std::size_t kTwoToneSystems = 0xCF80;
constexpr std::size_t kTwoToneContacts = 0xD180;
constexpr std::size_t kFiveToneStandardCopy = 0xD280;
constexpr std::size_t kFiveToneSettings = 0xD2A8;
constexpr std::size_t kFiveToneContacts = 0xD2D0;
constexpr std::size_t kFiveToneFunctions = 0xD4D0;
constexpr std::size_t kDtmfSettings = 0xD6B0;
constexpr std::size_t kDtmfPttIds = 0xD6E0;
constexpr std::size_t kDtmfCodes = 0xD760;
constexpr std::size_t kVfoCopy = 0xD8E0;
constexpr std::size_t kSlotFrequencies = 0xDA00;
constexpr std::size_t kWorkStateCopies = 0xDB80;
constexpr std::size_t kModelInfo = 0xFF00;
constexpr std::size_t kWriteDate = 0xFF28;
constexpr std::size_t kBandTable = 0xFF30;
} // namespace addr

} // namespace vmr
