// The factory state of a VMR-417: the usual bands, one channel per bank, the
// settings at the values the editors fall back to, and every five-tone standard
// record with its index, width and digits. The image is run through the
// consistency pass at the end, so the pass finds nothing to change in it.
#include "DefaultCodeplug.h"

#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/BandTable.h"
#include "image/Codecs.h"
#include "image/CodeplugFile.h"

#include <cstring>
#include <string_view>

namespace vmr {

namespace {

constexpr int MHz(double mhz) {
    return static_cast<int>(mhz * 100000.0 + 0.5);
}

struct BandLimits {
    int rxLower, rxUpper, txLower, txUpper; // 0 = not set
};

// Band table, in band order. Unset limits are stored as four zero bytes, as the
// frequency range editor writes them. "50M"/"60M" and "250M"/"450M" exclude
// each other, so 60M and 250M are off.
constexpr BandLimits kBands[kBandCount] = {
    {MHz(28.0), MHz(29.7), MHz(28.0), MHz(29.7)},     // 30M: 10 m
    {MHz(50.0), MHz(54.0), MHz(50.0), MHz(54.0)},     // 50M: 6 m
    {0, 0, 0, 0},                                     // 60M
    {MHz(108.0), MHz(133.995), 0, 0},                 // 108M: air band, receive only
    {MHz(136.0), MHz(174.0), MHz(144.0), MHz(148.0)}, // 150M: 2 m
    {0, 0, 0, 0},                                     // 250M
    {0, 0, 0, 0},                                     // 350M
    {MHz(400.0), MHz(480.0), MHz(430.0), MHz(440.0)}, // 450M: 70 cm
    {MHz(806.0), MHz(870.0), 0, 0},                   // 850M: receive only
};

constexpr int kChannel1 = MHz(145.5);
constexpr int kChannel801 = MHz(435.0);

// Five-tone standards: minimum tone width in ms, index order.
constexpr std::uint8_t kFiveToneWidths[16] = {70,  70, 70,  70, 70, 70, 100, 70,
                                              100, 40, 100, 70, 70, 33, 40,  70};
constexpr std::uint8_t kGroupDigit = 0x0A;  // "A"
constexpr std::uint8_t kRepeatDigit = 0x0E; // "E"
constexpr std::uint8_t kNoDelimiter = 0x00; // "None"

void WriteText(RadioImage& image, std::size_t offset, std::size_t width, std::string_view text) {
    WritePaddedText(image.data() + offset, width, text);
}

void WriteBandTable(RadioImage& image) {
    for (int b = 0; b < kBandCount; ++b) {
        const std::size_t r = BandRecordOffset(b);
        WriteFreq(image, r + kRxLowerField, kBands[b].rxLower);
        WriteFreq(image, r + kRxUpperField, kBands[b].rxUpper);
        WriteFreq(image, r + kTxLowerField, kBands[b].txLower);
        WriteFreq(image, r + kTxUpperField, kBands[b].txUpper);
    }
}

void WriteWorkState(RadioImage& image) {
    image.Fill(addr::kWorkState, 24, 0x00);
    image.SetWord(addr::kWorkState + 0x00, 1); // channel 1
    image[addr::kWorkState + 0x02] = k150M;
    image.SetWord(addr::kWorkState + 0x04, 1);
    image[addr::kWorkState + 0x06] = k450M;
    image[addr::kReadProtection] = 0xFF; // not read-protected
    image[addr::kWorkState + 0x0B] = 0;  // slot 0
}

void WriteBasicSettings(RadioImage& image) {
    const std::size_t b = addr::kBasicSettings;
    image.SetWord(0xCC18, 0); // no left priority channel
    image.SetWord(0xCC1A, 0); // no right priority channel
    image[0xCC20] = 1;        // squelch left "2"
    image[0xCC21] = 0;        // auto power off
    image[0xCC22] = 3;        // backlight brightness
    image[0xCC23] = 1;        // backlight colour "Blue"
    image[0xCC24] = 0x80;     // beep on, key lock manual, no PTT lock
    image[0xCC25] = 0x80;     // TBST 1750 Hz
    image[0xCC26] = 0x00;
    image[0xCC27] = 0x00; // scan MEM, resume TO
    image.SetWord(0xCC28, 3300);
    image[0xCC2C] = 0;  // span transit exit delay 0.0
    image[0xCC2E] = 1;  // squelch right "2"
    image[0xCC2F] = 8;  // volume
    image[0xCC30] = 3;  // TOT 3 minutes
    image[0xCC31] = 0;  // pre-alert off
    image[0xCC32] = 0;  // rekey off
    image[0xCC33] = 0;  // reset off
    image[0xCC38] = 11; // P1 "BAND"
    image[0xCC39] = 12; // P2 "VFO/MR"
    image[0xCC3A] = 7;  // P3 "TONE"
    image[0xCC3B] = 6;  // P4 "LOW"
    (void)b;
}

void WriteAlarm(RadioImage& image) {
    image[0xCC70] = 0;  // "Alarm"
    image[0xCC71] = 5;  // cycles
    image[0xCC72] = 10; // Tx time, s
    image[0xCC73] = 10; // Rx time, s
    image[0xCC76] = 0;  // no EMI code
    image[0xCC77] = 0x00;
}

void WriteTwoTone(RadioImage& image) {
    for (std::size_t s = 0; s < 16; ++s) {
        const std::size_t r = addr::kTwoToneSystems + 32 * s;
        const char alias[7] = {'2',
                               'T',
                               '-',
                               'S',
                               static_cast<char>('0' + (s + 1) / 10),
                               static_cast<char>('0' + (s + 1) % 10),
                               0};
        WriteText(image, r, 6, alias);
        const std::uint8_t timings[5] = {5, 10, 30, 50, 10}; // tenths of a second
        std::memcpy(image.data() + r + 8, timings, 5);
        image[r + 13] = 0x00; // no side tone, no beep, no idle reply
        image.SetWord(r + 16, 3217);
        image.SetWord(r + 18, 9281);
        image.SetWord(r + 20, 6265);
        image.SetWord(r + 22, 20438);
        image[r + 24] = 0x12; // decode 1 "A-B"
        image[r + 25] = 0x00;
        image[r + 26] = 0x00;
        image[r + 27] = 0x00;
        image[r + 28] = 0x55; // every response "Remind"
        image[r + 30] = 0;    // reply wait off
        image[r + 31] = 10;   // auto reset, s
    }
}

void WriteFiveTone(RadioImage& image, ToneStandardTable& tones) {
    for (int n = 0; n < ToneStandardTable::kStandards; ++n) {
        const std::size_t r = ToneStandardTable::RecordOffset(n);
        tones[r + 0] = static_cast<std::uint8_t>(n);
        tones[r + 1] = kFiveToneWidths[n];
        tones[r + 2] = kGroupDigit;
        tones[r + 3] = kRepeatDigit;
        tones[r + 4] = kNoDelimiter;
        tones[r + 5] = tones[r + 6] = tones[r + 7] = 0xFF;
    }
    RestoreToneStandards(tones);
    // The user's own standard starts as a copy of ZVEI1's tones.
    for (int s = 0; s < 16; ++s)
        tones.SetWord(ToneStandardTable::RecordOffset(15) + 8 + 2 * static_cast<std::size_t>(s),
                      kPredefinedTones[0][s]);

    // ZVEI1 in use.
    std::memcpy(image.data() + addr::kFiveToneStandardCopy,
                tones.bytes.data() + ToneStandardTable::RecordOffset(0),
                ToneStandardTable::kRecordSize);
    image[0xD2A8] = 10; // pre-carrier 100 ms
    image[0xD2A9] = 10; // first expand 100 ms
    image[0xD2AA] = 10; // end exit delay 100 ms
    image[0xD2AB] = 10; // reply delay 100 ms
    image[0xD2AF] = 0x00;
    image[0xD2C8] = 0;  // decode response "Off"
    image[0xD2C9] = 10; // auto reset, s
}

void WriteDtmf(RadioImage& image) {
    image[0xD6B0] = 100; // speed, ms
    image[0xD6B1] = 5;   // first digit delay 250 ms
    image[0xD6B2] = 0;   // first digit 0 ms
    image[0xD6B3] = 5;   // hold time, s
    image[0xD6B4] = 14;  // group code "*"
    image[0xD6B5] = 13;  // delimiter "D"
    image[0xD6B6] = 0;   // every PTT ID "Up"
    image[0xD6B7] = 0x00;
    image[0xD6D8] = 0;  // decode response "Off"
    image[0xD6DA] = 0;  // stun type "Tx Inhibit"
    image[0xD6DB] = 10; // auto reset, s
}

void WriteModelInfo(RadioImage& image) {
    WriteText(image, 0xFF00, 8, "00000001"); // serial number
    WriteText(image, 0xFF08, 8, "VMR417");   // model name: letters and digits
    WriteText(image, 0xFF10, 16, "VMR-417"); // model code
    WriteText(image, 0xFF20, 8, "V2.0.5");   // firmware version
    image[0xFF28] = 0x26;                    // 2026-01-01
    image[0xFF29] = 0x20;
    image[0xFF2A] = 0x01;
    image[0xFF2B] = 0x01;
}

} // namespace

void BuildDefaultCodeplug(RadioImage& image, ToneStandardTable& tones) {
    image.bytes.fill(0xFF);
    tones.bytes.fill(0xFF);

    WriteBandTable(image);
    BandLimitCache cache = BandLimitCache::StartUp();
    RefreshBandLimits(cache, image);
    RecomputeBandEnables(cache, image);

    // Scan edges stay empty; one channel in each bank.
    for (int e = 0; e < 10; ++e)
        FillDefaultRecord(image, addr::kScanEdges + kRecordSize * static_cast<std::size_t>(e), 0,
                          cache);
    FillDefaultRecord(image, RecordOffset(1), kChannel1, cache);
    FillDefaultRecord(image, RecordOffset(801), kChannel801, cache);
    // Each VFO starts at the lower limit of its band (the pass sets disabled ones).
    for (int i = 0; i < 11; ++i) {
        const int rx = i <= 8 ? cache.RxLower[i] : cache.PairLower[i - 9];
        FillDefaultRecord(image, addr::kVfoRecords + kRecordSize * static_cast<std::size_t>(i), rx,
                          cache);
    }

    WriteWorkState(image);
    WriteBasicSettings(image);
    WriteAlarm(image);
    WriteTwoTone(image);
    WriteFiveTone(image, tones);
    WriteDtmf(image);
    WriteModelInfo(image);

    // The 96 bytes below the coefficients and the unsent area above 0xF400 are 0.
    image.Fill(0x0000, 0x60, 0x00);
    image.Fill(0xF400, 0xFF00 - 0xF400, 0x00);

    SeedDefaultSlots(image, BandLimitCache::StartUp());
    FinaliseImage(image, cache);
}

} // namespace vmr
