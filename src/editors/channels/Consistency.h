// The consistency pass over the image's derived areas (bit maps, tone-detector
// coefficients, the scrambler word, VFO records and their copy, slot and
// work-state records), and the seeding of the slot records of the default data.
#pragma once

#include "image/BandTable.h"
#include "image/RadioImage.h"

namespace vmr {

// Channel 1 and channel 801 are never left without a receive frequency.
void EnsureFirstChannels(RadioImage& image, const BandLimitCache& cache);

// The whole pass, in order: first channels, five-tone code cleaning, two-tone and
// five-tone coefficients, scrambler word, DTMF code reference, bank bit maps, VFO
// repair and copy, priority words, slot frequencies, work-state records.
void FinaliseImage(RadioImage& image, const BandLimitCache& cache);

// Gives the six slot frequency records and the six work-state records their
// initial contents; run right after the default data has been loaded.
void SeedDefaultSlots(RadioImage& image, const BandLimitCache& cache);

// Steps of the pass, for the few callers that need one alone.
void CleanFiveToneCodes(RadioImage& image);
void RebuildBankMaps(RadioImage& image, const BandLimitCache& cache);
void RepairVfoRecords(RadioImage& image, const BandLimitCache& cache);
void NormaliseWorkState(RadioImage& image, const BandLimitCache& cache, std::size_t p);

// The twelve frequencies that SeedDefaultSlots puts into the slot records.
extern const int kSeedFrequencies[12];

} // namespace vmr
