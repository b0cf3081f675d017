#include "image/BandTable.h"

#include "image/Codecs.h"

namespace vmr {

const std::array<BandRange, kBandCount> HardBandRanges = {{
    {2600000, 3300000, true},
    {4700000, 5400000, true},
    {6600000, 8800000, true},
    {10800000, 13399500, false},
    {13400000, 18000000, true},
    {22000000, 26000000, true},
    {32000000, 39999500, true},
    {40000000, 51200000, true},
    {75000000, 95000000, false},
}};

bool IsLimitFieldSet(const RadioImage& image, std::size_t offset) {
    const std::uint8_t top = image[offset + 3];
    return top != 0x00 && top != 0xFF;
}

BandLimitCache BandLimitCache::StartUp() {
    BandLimitCache c;
    for (int b = 0; b < kBandCount; ++b) {
        c.RxLower[b] = HardBandRanges[b].minimum;
        c.RxUpper[b] = HardBandRanges[b].maximum;
        c.Enabled[b] = false;
    }
    c.Enabled[k30M] = true;
    c.PairLower = {13400000, 40000000};
    c.PairUpper = {18000000, 51200000};
    c.PairEnabled = {false, false};
    return c;
}

void RefreshBandLimits(BandLimitCache& cache, const RadioImage& image) {
    for (int b = 0; b < kBandCount; ++b) {
        const std::size_t r = BandRecordOffset(b);
        cache.RxLower[b] = IsLimitFieldSet(image, r + kRxLowerField) ? ReadFreq(image, r) : 0;
        cache.RxUpper[b] =
            IsLimitFieldSet(image, r + kRxUpperField) ? ReadFreq(image, r + kRxUpperField) : 0;
    }
    if (cache.RxLower[k150M] != 0) {
        cache.PairLower[0] = cache.RxLower[k150M];
        cache.PairUpper[0] = cache.RxUpper[k150M];
    }
    if (cache.RxLower[k250M] != 0) {
        cache.PairLower[1] = cache.RxLower[k250M];
        cache.PairUpper[1] = cache.RxUpper[k250M];
    } else if (cache.RxLower[k450M] != 0) {
        cache.PairLower[1] = cache.RxLower[k450M];
        cache.PairUpper[1] = cache.RxUpper[k450M];
    }
}

void RecomputeBandEnables(BandLimitCache& cache, const RadioImage& image) {
    for (int b = 0; b < kBandCount; ++b) {
        const int lower = ReadFreq(image, BandRecordOffset(b));
        cache.Enabled[b] = lower >= HardBandRanges[b].minimum && lower <= HardBandRanges[b].maximum;
    }
    cache.PairEnabled[0] = cache.Enabled[k150M];
    cache.PairEnabled[1] = cache.Enabled[k450M] || cache.Enabled[k250M];
}

int BandOf(const BandLimitCache& cache, int v, bool transmitTable) {
    if (transmitTable) {
        for (int t = 0; t < 2; ++t)
            if (cache.PairLower[t] <= v && v <= cache.PairUpper[t]) return t;
        return -1;
    }
    for (int b = 0; b < kBandCount; ++b)
        if (cache.RxLower[b] <= v && v <= cache.RxUpper[b]) return b;
    return -1;
}

bool SameBand(const BandLimitCache& cache, int a, int b) {
    return BandOf(cache, a, false) == BandOf(cache, b, false);
}

bool IsUnsetLimit(int limit) {
    return limit == 0 || limit == -1;
}

int FirstConfiguredBand(const BandLimitCache& cache, bool transmitTable) {
    if (transmitTable) {
        for (int t = 0; t < 2; ++t)
            if (!IsUnsetLimit(cache.PairLower[t]) && !IsUnsetLimit(cache.PairUpper[t])) return t;
        return -1;
    }
    for (int b = 0; b < kBandCount; ++b)
        if (!IsUnsetLimit(cache.RxLower[b]) && !IsUnsetLimit(cache.RxUpper[b])) return b;
    return -1;
}

int TxClassOf(const BandLimitCache& cache, int v) {
    if (cache.RxLower[k150M] <= v && v <= cache.RxUpper[k150M]) return k150M;
    if (cache.RxLower[k450M] <= v && v <= cache.RxUpper[k450M]) return k450M;
    return -1;
}

int FirstEnabledTxBand(const BandLimitCache& cache) {
    if (cache.Enabled[k150M]) return k150M;
    if (cache.Enabled[k450M]) return k450M;
    return -1;
}

} // namespace vmr
