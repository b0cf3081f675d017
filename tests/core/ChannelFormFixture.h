// Shared set-up of the channel editor tests: the default codeplug as the program
// has it after start-up, and a bank A filled with a variety of valid channels.
#pragma once

#include "LinkTestPort.h"
#include "app/AppContext.h"
#include "editors/channels/ChannelEditForm.h"
#include "editors/channels/ChannelFields.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "editors/channels/VfoForm.h"
#include "image/BandTable.h"
#include "image/Codecs.h"
#include "image/CodeplugFile.h"
#include "image/OptionTables.h"

#include <gtest/gtest.h>

#include <string>

namespace vmr::testing {

// Opens the channel edit dialog on channel 1, spins up through every channel of
// bank A and closes it.
inline void WalkChannelDialog(AppContext& ctx) {
    ChannelEditForm f(ctx, 1);
    f.Open();
    for (int n = 1; n < kChannelsPerBank; ++n) f.OnSpin(+1);
    EXPECT_EQ(f.Channel(), kChannelsPerBank);
    f.Close();
}

// Opens the VFO editor, selects every tab in turn and closes it.
inline void WalkVfoTabs(AppContext& ctx) {
    VfoForm f(ctx);
    f.Open();
    for (int p = 1; p < static_cast<int>(f.tabs.size()); ++p) {
        f.OnTabChanging();
        f.OnTabChanged(p);
    }
    f.Close();
}

inline std::string DefaultDatPath() {
    return std::string(VMR_BIN_DIR) + "/Default.dat";
}

// The program right after start-up: Default.dat loaded and seeded, the cache at
// its start-up limits with the enable flags of the loaded band table (as the
// channel table leaves them after its first refresh).
inline void LoadStartUpState(AppContext& ctx) {
    ASSERT_TRUE(LoadDefaultData(DefaultDatPath(), ctx.image, ctx.tones));
    ctx.bandLimits = BandLimitCache::StartUp();
    SeedDefaultSlots(ctx.image, ctx.bandLimits);
    RecomputeBandEnables(ctx.bandLimits, ctx.image);
}

// Every band usable, with its hard range as limits.
inline BandLimitCache AllBandsCache() {
    BandLimitCache c = BandLimitCache::StartUp();
    c.Enabled.fill(true);
    c.PairEnabled = {true, true};
    return c;
}

// Sixty channels spread over bank A, covering every band of the default table,
// every option of every field, names of every length and all four offset
// directions; each record is consistent, so no editor has anything to correct.
inline void FillVariedChannels(RadioImage& image, const BandLimitCache& cache) {
    static const int kFreqs[] = {2850000,  5012500,  11800833, 14550000, 14601666,
                                 43500000, 44612500, 85101250, 14400000, 43025000};
    static const char* const kNames[] = {"", "A", "REP 1", "ABCDEF", "x#+-*/"};
    static const int kOffsets[] = {kOffset060, kOffset760, 500000, 0};
    for (int i = 0; i < 60; ++i) {
        const int n = 2 + i * 13;
        const int rx = kFreqs[i % 10];
        FillDefaultRecord(image, RecordOffset(n), rx, cache);
        ChannelRecord rec(image, RecordOffset(n));
        rec.Set(Field::Power, i % 4);
        rec.Set(Field::Scan, i % 3);
        rec.Set(Field::Bandwidth, (i / 3) % 3);
        rec.Set(Field::DisplayType, i % 2);
        rec.SetFlag(Field::BeatShift, i % 2 == 1);
        rec.SetFlag(Field::ReverseBackup, (i / 2) % 2 == 1);
        rec.SetFlag(Field::Scrambler, (i / 3) % 2 == 1);
        rec.SetFlag(Field::Compander, (i / 4) % 2 == 1);
        rec.SetFlag(Field::Emphasis, (i / 5) % 2 == 1);
        rec.SetFlag(Field::Am, (i / 6) % 2 == 1);
        const int decode = i % 4;
        const int option = (i / 4) % 4;
        const auto allowed = AllowedSqlModes(decode, option);
        rec.Set(Field::DecodeType, decode);
        rec.Set(Field::OptionSignaling, option);
        rec.Set(Field::SqlMode,
                SqlModeIndexOf(allowed[static_cast<std::size_t>(i) % allowed.size()]));
        rec.SetFlag(Field::Reverse, i % 3 == 1);
        rec.SetFlag(Field::TalkAround, i % 3 == 2);
        const Names steps = StepNamesFor(cache, rx);
        rec.Set(Field::Step, StepIndexOf(steps[static_cast<std::size_t>(i) % steps.size()]));
        rec.Set(Field::DcsPolarity, i % 4);
        rec.Set(Field::BusyLock, i % 3);
        rec.Set(Field::SignalDecode, i % 16);
        rec.Set(Field::PttId, i % 6);
        rec.SetCtcss(
            CtcssFromText(CtcssToneList[static_cast<std::size_t>(i) % CtcssToneList.size()]));
        rec.SetDcs(AtoI(DcsCodeList[static_cast<std::size_t>(i * 7) % DcsCodeList.size()]));
        rec.SetName(kNames[i % 5]);
        const int off = kOffsets[i % 4];
        rec.SetOffsetFreq(off);
        int d = (i / 4) % 4;
        int tx = rx;
        if (d == 1) tx = rx - off;
        if (d == 2) tx = rx + off;
        if (d == 3) tx = rx + 2500;
        if (!SameBand(cache, rx, tx) || tx == rx) {
            d = 0;
            tx = rx;
        }
        rec.Set(Field::OffsetDirection, d);
        rec.SetTxFreq(tx);
    }
}

// The reset record the channel table writes for an empty row.
inline void WriteEmptyRowRecord(RadioImage& image, int n, const BandLimitCache& cache) {
    FillDefaultRecord(image, RecordOffset(n), 0, cache);
    ChannelRecord(image, RecordOffset(n)).SetOffsetFreq(kOffset760);
}

// What the program reads back from a radio after writing image to it (with a
// fixed write date), through the radio's own end of the protocol.
inline RadioImage WriteAndReadBack(const RadioImage& image) {
    RadioImage radioMemory, written = image, back;
    ToneStandardTable tones;
    EXPECT_TRUE(LoadDefaultData(DefaultDatPath(), radioMemory, tones));
    EXPECT_TRUE(LoadDefaultData(DefaultDatPath(), back, tones));
    RadioModel radio(radioMemory);
    TransferFlags flags;
    TransferJob job;
    job.today = [] { return WriteDate{2026, 5, 17}; };
    job.direction = TransferDirection::Write;
    test::ModelPort writePort(radio);
    test::RecordingPanel writePanel(kWriteBlocks);
    EXPECT_EQ(TransferWorker(job, written, writePort, writePanel, flags), TransferOutcome::Success);
    job.direction = TransferDirection::Read;
    test::ModelPort readPort(radio);
    test::RecordingPanel readPanel(kReadBlocks);
    EXPECT_EQ(TransferWorker(job, back, readPort, readPanel, flags), TransferOutcome::Success);
    return back;
}

// Offsets (relative to base) of the bytes that differ, for readable failures.
inline std::string DiffOffsets(const RadioImage& a, const RadioImage& b) {
    std::string out;
    int shown = 0;
    for (std::size_t i = 0; i < kImageSize && shown < 12; ++i) {
        if (a[i] == b[i]) continue;
        static const char* hex = "0123456789ABCDEF";
        out += " 0x";
        for (int s = 12; s >= 0; s -= 4) out += hex[(i >> s) & 0xF];
        ++shown;
    }
    return out.empty() ? " none" : out;
}

} // namespace vmr::testing
