// The nine receive bands, their limits in the image, and the program's working
// copy of those limits that every frequency check reads.
#pragma once

#include "image/RadioImage.h"

#include <array>

namespace vmr {

constexpr int kBandCount = 9;

// Band indexes (BandNames order).
enum Band : int {
    k30M = 0,
    k50M = 1,
    k60M = 2,
    k108M = 3, // AM air band, receive only
    k150M = 4,
    k250M = 5,
    k350M = 6,
    k450M = 7,
    k850M = 8, // receive only, its own raster
};

struct BandRange {
    int minimum;
    int maximum;
    bool txEditable;
};

extern const std::array<BandRange, kBandCount> HardBandRanges;

// Offsets of a band record's fields in the image (band index b = 0..8).
constexpr std::size_t BandRecordOffset(int b) {
    return addr::kBandTable + 16 * static_cast<std::size_t>(b);
}
constexpr std::size_t kRxLowerField = 0, kRxUpperField = 4, kTxLowerField = 8, kTxUpperField = 12;

// A limit field is not set when its most significant byte is 0x00 or 0xFF.
bool IsLimitFieldSet(const RadioImage& image, std::size_t offset);

struct BandLimitCache {
    std::array<int, kBandCount> RxLower{};
    std::array<int, kBandCount> RxUpper{};
    std::array<bool, kBandCount> Enabled{};
    std::array<int, 2> PairLower{};
    std::array<int, 2> PairUpper{};
    std::array<bool, 2> PairEnabled{};

    // The values the program starts with: hard ranges, "30M" enabled only.
    static BandLimitCache StartUp();

    bool operator==(const BandLimitCache&) const = default;
};

// Reloads the receive limits and both transmit ranges from the band table.
void RefreshBandLimits(BandLimitCache& cache, const RadioImage& image);
// Recomputes Enabled and PairEnabled from the band table's Rx lower limits.
void RecomputeBandEnables(BandLimitCache& cache, const RadioImage& image);

int BandOf(const BandLimitCache& cache, int count, bool transmitTable = false);
bool SameBand(const BandLimitCache& cache, int a, int b);
bool IsUnsetLimit(int limit);
int FirstConfiguredBand(const BandLimitCache& cache, bool transmitTable = false);
int TxClassOf(const BandLimitCache& cache, int count);
int FirstEnabledTxBand(const BandLimitCache& cache);

} // namespace vmr
