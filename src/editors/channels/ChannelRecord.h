// The 32-byte channel record, shared by the 1,600 memory channels, the eleven
// VFO records and the ten scan edges. The bit-field layout is written down once,
// as data (kFieldLayout); every accessor is built on it.
//
//  byte 0x00-0x03 receive frequency (FreqBcd, FF FF FF FF = none)
//  byte 0x04-0x07 transmit frequency
//  byte 0x08-0x09 CTCSS tone (ToneBcd, tenths of Hz)   0x0A-0x0B DCS code (ToneBcd)
//  byte 0x0C-0x0F, 0x14-0x15  bit fields, see kFieldLayout
//  byte 0x10-0x13 offset frequency (FreqBcd, none reads as 0)
//  byte 0x16-0x17 reserved (FF)   0x18-0x1D name (6 chars, FF padded)   0x1E-0x1F reserved
#pragma once

#include "image/BandTable.h"
#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vmr {

constexpr std::size_t kRecordSize = 32;
constexpr int kChannelsPerBank = 800;
constexpr int kChannelCount = 1600;
constexpr std::size_t kNameLength = 6;
constexpr int kMaxFreqCount = 99999999; // 999.99999 MHz, eight BCD digits

// Record fields that are bit ranges of one byte.
enum class Field : int {
    Power,           // PowerNames
    BeatShift,       // 0/1
    ReverseBackup,   // 0/1, carried through
    DisplayType,     // DisplayTypeNames
    Scan,            // ScanNames
    Bandwidth,       // BandwidthNames
    Scrambler,       // 0/1
    Compander,       // 0/1
    Emphasis,        // 0/1
    SqlMode,         // SqlModeNames
    OffsetDirection, // 0 off, 1 "-", 2 "+", 3 transmit set freely
    Reverse,         // 0/1
    TalkAround,      // 0/1
    Step,            // StepNames
    DcsPolarity,     // DcsPolarityNames
    BusyLock,        // BusyLockNames
    TxStop,          // OffOnNames
    DecodeType,      // DecodeTypeNames
    OptionSignaling, // OptionSignalingNames
    Reserved14,      // bit 5 of byte 0x14, written 0
    Am,              // 0/1
    SignalDecode,    // "1".."16" minus 1
    PttId,           // PttIdNames, the whole byte
    Count
};

struct BitRange {
    Field field;
    std::uint8_t byte; // offset in the record
    std::uint8_t high; // most significant bit of the range
    std::uint8_t low;  // least significant bit
    constexpr std::uint8_t Mask() const {
        return static_cast<std::uint8_t>(((1u << (high - low + 1)) - 1u) << low);
    }
};

inline constexpr BitRange kFieldLayout[] = {
    {Field::Power, 0x0C, 7, 6},
    {Field::BeatShift, 0x0C, 5, 5},
    {Field::ReverseBackup, 0x0C, 4, 4},
    {Field::DisplayType, 0x0C, 3, 2},
    {Field::Scan, 0x0C, 1, 0},
    {Field::Bandwidth, 0x0D, 7, 6},
    {Field::Scrambler, 0x0D, 5, 5},
    {Field::Compander, 0x0D, 4, 4},
    {Field::Emphasis, 0x0D, 3, 3},
    {Field::SqlMode, 0x0D, 2, 0},
    {Field::OffsetDirection, 0x0E, 7, 6},
    {Field::Reverse, 0x0E, 5, 5},
    {Field::TalkAround, 0x0E, 4, 4},
    {Field::Step, 0x0E, 3, 0},
    {Field::DcsPolarity, 0x0F, 7, 6},
    {Field::BusyLock, 0x0F, 5, 4},
    {Field::TxStop, 0x0F, 3, 3},
    {Field::DecodeType, 0x0F, 2, 0},
    {Field::OptionSignaling, 0x14, 7, 6},
    {Field::Reserved14, 0x14, 5, 5},
    {Field::Am, 0x14, 4, 4},
    {Field::SignalDecode, 0x14, 3, 0},
    {Field::PttId, 0x15, 7, 0},
};
static_assert(std::size(kFieldLayout) == static_cast<std::size_t>(Field::Count));

constexpr const BitRange& LayoutOf(Field f) {
    return kFieldLayout[static_cast<int>(f)];
}

// Byte offsets of the multi-byte fields.
constexpr std::size_t kRxFreq = 0x00, kTxFreq = 0x04, kCtcss = 0x08, kDcs = 0x0A, kOffset = 0x10,
                      kName = 0x18;

// A read-only view of one record.
class ChannelRecordView {
public:
    ChannelRecordView(const RadioImage& image, std::size_t offset)
        : p_(image.data() + offset), offset_(offset) {}

    std::size_t ImageOffset() const { return offset_; }
    const std::uint8_t* Bytes() const { return p_; }

    int Get(Field f) const;
    bool Flag(Field f) const { return Get(f) != 0; }

    // Empty: byte 3 of the receive frequency is 0xFF or 0x00.
    bool IsEmpty() const { return p_[kRxFreq + 3] == 0xFF || p_[kRxFreq + 3] == 0x00; }
    bool HasTx() const { return p_[kTxFreq + 3] != 0xFF && p_[kTxFreq + 3] != 0x00; }
    int RxFreq() const;     // decoded; check IsEmpty first
    int TxFreq() const;     // decoded; check HasTx first
    int OffsetFreq() const; // 0 when the field holds no frequency (byte 3 = 0xFF)
    int Ctcss() const;      // tenths of Hz
    int Dcs() const;        // code digits as a decimal number
    std::string Name() const;

protected:
    const std::uint8_t* p_;
    std::size_t offset_;
};

// A read-write view of one record. A setter changes only its own bits.
class ChannelRecord : public ChannelRecordView {
public:
    ChannelRecord(RadioImage& image, std::size_t offset)
        : ChannelRecordView(image, offset), w_(image.data() + offset) {}

    std::uint8_t* MutableBytes() { return w_; }
    void Set(Field f, int value);
    void SetFlag(Field f, bool on) { Set(f, on ? 1 : 0); }
    // Frequencies above kMaxFreqCount are written as no frequency (FF FF FF FF).
    void SetRxFreq(int count);
    void SetTxFreq(int count);
    void SetNoRx();
    void SetNoTx();
    void SetOffsetFreq(int count);
    void SetCtcss(int tenths);
    void SetDcs(int code);
    void SetName(std::string_view name); // first 6 characters, padded with 0xFF

private:
    std::uint8_t* w_;
};

// Image offset of channel n (1..1600).
constexpr std::size_t RecordOffset(int n) {
    return addr::kBankA + kRecordSize * static_cast<std::size_t>(n - 1);
}
bool IsChannelEmpty(const RadioImage& image, int n);

// Sets the 32 bytes at offset to the default record for receive frequency rx
// (0 = no frequency). The band of rx decides the AM bit and the default offset.
void FillDefaultRecord(RadioImage& image, std::size_t offset, int rx, const BandLimitCache& cache);

// Direction 0 when rx == tx; keeps 1 or 2 only when tx follows from the offset; 3 otherwise.
void DeriveOffsetDirection(ChannelRecord& rec);

// Drops an SQL mode that the decode type and option signalling cannot serve.
void ConstrainSqlMode(ChannelRecord& rec);

// The SQL mode texts offered for a decode type and option signalling, in table order.
std::vector<std::string_view> AllowedSqlModes(int decodeType, int optionSignaling);

// Transmit frequency from the offset for direction 0..3; when it would leave the
// receive frequency's band, the direction becomes 0 and tx = rx.
struct TxFromOffset {
    int tx;
    int direction;
};
TxFromOffset ComputeTxFromOffset(const BandLimitCache& cache, int rx, int offset, int direction);

// What a record can hold of a name: its printable characters, at most 6. A
// name read from the radio may hold printable characters the keys cannot type;
// they are kept.
std::string StorableName(std::string_view text);

// Bank bit maps: 100 bytes each, bit (n-1)%8 of byte (n-1)/8 for channel n of the bank.
struct BankMaps {
    std::size_t presence, scan, priority;
};
inline constexpr BankMaps kBankAMaps{0xCC80, 0xCD00, 0xCD80};
inline constexpr BankMaps kBankBMaps{0xCE00, 0xCE80, 0xCF00};
constexpr std::size_t kBankMapBytes = 100;
bool MapBit(const RadioImage& image, std::size_t map, int channelInBank);
void SetMapBit(RadioImage& image, std::size_t map, int channelInBank);

} // namespace vmr
