// The channel editors over damaged data: random bytes in the channel banks, the
// VFO records and the band table. Nothing may crash, channel 1 must come out
// with a frequency, what the table shows is what it stores, and the editors'
// passes settle instead of changing the data again each time.
#include "ChannelFormFixture.h"

#include "editors/channels/ProgramForm.h"

#include <gtest/gtest.h>

#include <random>

namespace vmr {
namespace {

class ChannelDamagedData : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        testing::LoadStartUpState(ctx);
        ASSERT_FALSE(HasFatalFailure());
        std::mt19937 rng(GetParam());
        std::uniform_int_distribution<int> byte(0, 255);
        const auto scramble = [&](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i)
                ctx.image[i] = static_cast<std::uint8_t>(byte(rng));
        };
        scramble(addr::kBankA, addr::kBankA + kRecordSize * kChannelsPerBank);
        scramble(addr::kVfoRecords, addr::kVfoRecords + kRecordSize * kVfoCount);
        // Half of the seeds also damage the band table, as a damaged file would.
        if (GetParam() % 2 == 1) scramble(addr::kBandTable, addr::kBandTable + 16 * kBandCount);
        RefreshBandLimits(ctx.bandLimits, ctx.image);
        RecomputeBandEnables(ctx.bandLimits, ctx.image);
    }

    // A damaged record is repaired by the first pass, or emptied by it and
    // reset by the second; a third changes nothing.
    template <class Pass> void ExpectSettles(Pass pass) {
        pass();
        pass();
        const RadioImage settled = ctx.image;
        pass();
        EXPECT_TRUE(ctx.image == settled)
            << "differs at" << testing::DiffOffsets(ctx.image, settled);
    }

    AppContext ctx;
};

using C = ProgramForm;

TEST_P(ChannelDamagedData, ChannelTableStoresWhatItShows) {
    ProgramForm form(ctx);
    form.RefreshFromImage();
    form.CommitToImage();
    EXPECT_FALSE(IsChannelEmpty(ctx.image, 1));
    // A frequency is stored as shown, or as no frequency when the record's
    // bytes cannot hold it; never as a different frequency. (Channel 1 is
    // repaired by the consistency pass.)
    for (int n = 2; n <= kChannelsPerBank; ++n) {
        const ChannelRecordView rec(ctx.image, RecordOffset(n));
        for (const auto& [col, at] :
             {std::pair{C::kColRx, kRxFreq}, std::pair{C::kColTx, kTxFreq}}) {
            const std::string& cell = form.Cell(n, col);
            if (cell.empty() || rec.Bytes()[at + 3] == 0xFF) continue;
            EXPECT_EQ(FormatFreqText(DecodeFreqBytes(rec.Bytes() + at)), cell) << n;
        }
    }
    ExpectSettles([&] {
        form.RefreshFromImage();
        form.CommitToImage();
    });
}

TEST_P(ChannelDamagedData, ChannelDialogSettles) {
    ExpectSettles([this] { testing::WalkChannelDialog(ctx); });
}

TEST_P(ChannelDamagedData, VfoDialogSettles) {
    ExpectSettles([this] { testing::WalkVfoTabs(ctx); });
}

INSTANTIATE_TEST_SUITE_P(Seeds, ChannelDamagedData, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

} // namespace
} // namespace vmr
