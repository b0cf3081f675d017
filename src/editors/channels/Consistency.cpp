#include "editors/channels/Consistency.h"

#include "editors/channels/ChannelRecord.h"
#include "image/Codecs.h"

#include <algorithm>

namespace vmr {

namespace {

bool InBand(const RadioImage& image, const BandLimitCache& cache, std::size_t freqOffset) {
    return BandOf(cache, DecodeFreqBytes(image.data() + freqOffset), false) != -1;
}

// Writes a receive frequency and copies its four bytes to the transmit field.
void WritePair(RadioImage& image, std::size_t offset, int count) {
    WriteFreq(image, offset, count);
    std::copy_n(image.data() + offset, 4, image.data() + offset + 4);
}

void EnsureFirstChannel(RadioImage& image, const BandLimitCache& cache, std::size_t record) {
    if (image[record + 3] != 0xFF) return;
    FillDefaultRecord(image, record, 0, cache);
    int f = cache.Enabled[k150M] ? cache.RxLower[k150M] : cache.RxLower[k450M];
    // A band table without usable 450M limits (unset, or damaged beyond what a
    // record can hold) has no frequency to offer; writing it would leave the
    // channel empty, so the lowest 450M frequency of the radio is used.
    if (f <= 0 || f > kMaxFreqCount) f = HardBandRanges[k450M].minimum;
    ChannelRecord rec(image, record);
    rec.SetRxFreq(f);
    rec.SetTxFreq(f);
}

void ComputeCoefficients(RadioImage& image) {
    for (std::size_t i = 0; i < 16; ++i)
        for (std::size_t j = 0; j < 4; ++j) {
            const int tone = image.Word(addr::kTwoToneSystems + 0x10 + 32 * i + 2 * j);
            image.SetWord(addr::kTwoToneCoefficients + 8 * i + 2 * j,
                          static_cast<std::uint16_t>(ToneCoefficient(tone)));
        }
    for (std::size_t i = 0; i < 16; ++i) {
        const int tone = image.Word(addr::kFiveToneStandardCopy + 8 + 2 * i);
        image.SetWord(addr::kFiveToneCoefficients + 2 * i,
                      static_cast<std::uint16_t>(ToneCoefficient(tone)));
    }
}

void ComputeScramblerWord(RadioImage& image) {
    int s = image.Word(0xCC28);
    if (s < 2600 || s > 4000) s = 3300;
    const double w = DecimalDiv(2.0 * s, 0.7324) + 0.5;
    image.SetWord(0xCC2A, static_cast<std::uint16_t>(static_cast<int>(w)));
}

void CheckDtmfReference(RadioImage& image) {
    const int c = image[0xCC76];
    if (c >= 1 && c <= 16 && image[addr::kDtmfCodes + 24 * static_cast<std::size_t>(c - 1)] == 0xFF)
        image[0xCC76] = 0;
}

void CheckPriorityWords(RadioImage& image) {
    const std::uint16_t left = image.Word(0xCC18);
    if (left >= 1 && left <= 800 && IsChannelEmpty(image, left)) image.SetWord(0xCC18, 0);
    const std::uint16_t right = image.Word(0xCC1A);
    if (right >= 1 && right <= 800 &&
        ChannelRecordView(image, addr::kBankB + kRecordSize * (right - 1u)).IsEmpty())
        image.SetWord(0xCC1A, 0);
}

void WriteSlotFrequencies(RadioImage& image, const BandLimitCache& cache) {
    const auto& lo = cache.RxLower;
    const auto& en = cache.Enabled;
    // Without a configured band (or transmit band) there is no sensible value:
    // such slots keep what they hold.
    const int fb = FirstConfiguredBand(cache, false);
    const int gb = FirstEnabledTxBand(cache);
    const auto write = [&](std::size_t offset, bool have, int value, int fallbackBand) {
        if (have) {
            WritePair(image, offset, value);
        } else if (fallbackBand >= 0) {
            WritePair(image, offset, lo[fallbackBand]);
        }
    };
    write(0xDA00, en[k30M], lo[k30M], fb);
    write(0xDA40, en[k50M] || en[k60M], en[k50M] ? lo[k50M] : lo[k60M], fb);
    write(0xDA80, en[k150M], lo[k150M], fb);
    write(0xDAC0, en[k350M], lo[k350M], fb);
    write(0xDB00, en[k450M] || en[k250M], en[k450M] ? lo[k450M] : lo[k250M], fb);
    write(0xDB40, en[k850M], lo[k850M], fb);
    for (std::size_t k = 0; k < 6; ++k)
        write(0xDA20 + 64 * k, en[k450M] || en[k250M], en[k450M] ? lo[k450M] : lo[k250M], gb);
}

} // namespace

const int kSeedFrequencies[12] = {3000000,  45000000, 5000000,  45000000, 15000000, 45000000,
                                  35000000, 45000000, 45000000, 45000000, 85000000, 45000000};

void EnsureFirstChannels(RadioImage& image, const BandLimitCache& cache) {
    EnsureFirstChannel(image, cache, RecordOffset(1));
    EnsureFirstChannel(image, cache, RecordOffset(801));
}

void CleanFiveToneCodes(RadioImage& image) {
    std::string removed;
    for (int i = 10; i <= 15; ++i)
        if (image.Word(addr::kFiveToneStandardCopy + 8 + 2 * static_cast<std::size_t>(i)) == 0)
            removed.push_back(CodeToHexChar(i));
    if (const char repeat = CodeToHexChar(image[0xD283]); repeat != 0) removed.push_back(repeat);

    std::vector<std::size_t> fields = {0xD2B0, 0xD2B8};
    for (std::size_t j = 0; j < 16; ++j) fields.push_back(addr::kFiveToneContacts + 32 * j);
    fields.push_back(0xD2C0);
    for (std::size_t j = 0; j < 8; ++j) fields.push_back(addr::kFiveToneFunctions + 16 * j);

    for (const std::size_t f : fields) {
        std::uint8_t kept[8];
        std::size_t n = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            const std::uint8_t b = image[f + i];
            if (b > 15) continue; // 0xFF filler or not a digit
            if (removed.find(CodeToHexChar(b)) != std::string::npos) continue;
            kept[n++] = b;
        }
        for (std::size_t i = 0; i < 8; ++i) image[f + i] = i < n ? kept[i] : 0xFF;
    }
}

void RebuildBankMaps(RadioImage& image, const BandLimitCache& cache) {
    const struct {
        BankMaps maps;
        int first;
    } banks[] = {{kBankAMaps, 1}, {kBankBMaps, 801}};
    for (const auto& bank : banks) {
        image.Fill(bank.maps.presence, kBankMapBytes, 0);
        image.Fill(bank.maps.scan, kBankMapBytes, 0);
        image.Fill(bank.maps.priority, kBankMapBytes, 0);
        for (int i = 1; i <= kChannelsPerBank; ++i) {
            const std::size_t rec = RecordOffset(bank.first + i - 1);
            if (!InBand(image, cache, rec)) continue;
            SetMapBit(image, bank.maps.presence, i);
            const int scan = ChannelRecordView(image, rec).Get(Field::Scan);
            if (scan == 0 || scan == 2) SetMapBit(image, bank.maps.scan, i);
            if (scan == 2) SetMapBit(image, bank.maps.priority, i);
        }
    }
}

void RepairVfoRecords(RadioImage& image, const BandLimitCache& cache) {
    for (int i = 0; i < 11; ++i) {
        const std::size_t r = addr::kVfoRecords + kRecordSize * static_cast<std::size_t>(i);
        const bool enabled = i <= 8 ? cache.Enabled[i] : cache.PairEnabled[i - 9];
        const int lo = i <= 8 ? cache.RxLower[i] : cache.PairLower[i - 9];
        const int hi = i <= 8 ? cache.RxUpper[i] : cache.PairUpper[i - 9];
        const int d = DecodeFreqBytes(image.data() + r);
        if (enabled) {
            if (d < lo || d > hi) WritePair(image, r, lo);
        } else {
            WritePair(image, r,
                      i <= 8 ? HardBandRanges[i].minimum : (i == 9 ? 13400000 : 40000000));
        }
    }
}

void NormaliseWorkState(RadioImage& image, const BandLimitCache& cache, std::size_t p) {
    int a = 0xFF;
    for (int k = 0; k < 6; ++k)
        if (InBand(image, cache, addr::kSlotFrequencies + 64 * static_cast<std::size_t>(k))) {
            a = k;
            break;
        }
    for (const std::size_t ref : {p, p + 4}) {
        const int v = image.Word(ref);
        bool keep = false;
        if (v >= 1 && v <= 256)
            keep = InBand(image, cache, RecordOffset(v));
        else if (v >= 257 && v <= 810)
            keep =
                InBand(image, cache,
                       addr::kScanEdges + kRecordSize * static_cast<std::size_t>((v - 257) % 256));
        if (!keep) image.SetWord(ref, 1);
    }
    int e = 0xFF;
    for (int b = 0; b < kBandCount; ++b)
        if (cache.Enabled[b]) {
            e = b;
            break;
        }
    for (const std::size_t band : {p + 2, p + 6})
        if (image[band] >= kBandCount || !cache.Enabled[image[band]])
            image[band] = static_cast<std::uint8_t>(e);
    image[p + 8] = 0xFF;
    std::uint8_t bits = image[p + 9];
    if ((bits & 0x03) == 0x03) bits = static_cast<std::uint8_t>(bits & ~0x03);
    if ((bits & 0x0C) == 0x0C) bits = static_cast<std::uint8_t>(bits & ~0x0C);
    image[p + 9] = bits;
    const std::uint8_t slot = image[p + 0x0B];
    if (slot >= 6 ||
        !InBand(image, cache, addr::kSlotFrequencies + 64 * static_cast<std::size_t>(slot)))
        image[p + 0x0B] = static_cast<std::uint8_t>(a);
    for (const std::size_t off : {0x10, 0x11, 0x12, 0x14, 0x15, 0x16})
        if (image[p + off] >= 16) image[p + off] = 0;
}

void FinaliseImage(RadioImage& image, const BandLimitCache& cache) {
    EnsureFirstChannels(image, cache);
    CleanFiveToneCodes(image);
    ComputeCoefficients(image);
    ComputeScramblerWord(image);
    CheckDtmfReference(image);
    RebuildBankMaps(image, cache);
    RepairVfoRecords(image, cache);
    std::copy_n(image.data() + addr::kVfoRecords, 9 * kRecordSize, image.data() + addr::kVfoCopy);
    CheckPriorityWords(image);
    WriteSlotFrequencies(image, cache);
    NormaliseWorkState(image, cache, addr::kWorkState);
    for (std::size_t k = 0; k < 6; ++k)
        NormaliseWorkState(image, cache, addr::kWorkStateCopies + 64 * k);
}

void SeedDefaultSlots(RadioImage& image, const BandLimitCache& cache) {
    for (std::size_t i = 0; i < 12; ++i)
        FillDefaultRecord(image, addr::kSlotFrequencies + 32 * i, kSeedFrequencies[i], cache);
    for (std::size_t j = 0; j < 6; ++j) {
        const std::size_t r = addr::kWorkStateCopies + 64 * j;
        std::copy_n(image.data() + addr::kWorkState, 64, image.data() + r);
        image[r + 2] =
            static_cast<std::uint8_t>(BandOf(cache, kSeedFrequencies[2 * j], false) & 0xFF);
        image[r + 6] =
            static_cast<std::uint8_t>(BandOf(cache, kSeedFrequencies[2 * j + 1], false) & 0xFF);
    }
}

} // namespace vmr
