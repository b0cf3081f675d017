// The radio's programming protocol: one routine that reads the whole image from
// the radio or writes it to the radio over a LinkPort, reporting to whatever
// shows the transfer (the transfer dialog, or the command-line tool).
#pragma once

#include "image/RadioImage.h"
#include "link/LinkPort.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vmr {

enum class TransferDirection { Read, Write };

enum class TransferOutcome {
    Success,
    OpenFailed,         // "Open port fail"
    CommunicationError, // "Communication error"
    AccessRefused,      // read-protected radio, access code refused or not given
    Stopped,            // the user asked to stop
};

inline constexpr const char* kOpenPortFail = "Open port fail";
inline constexpr const char* kCommunicationError = "Communication error";

// The access code of a read-protected radio, compared without regard to case.
inline constexpr std::string_view kAccessCode = "6100KX";
bool AccessCodeMatches(std::string_view typed);

// Shared between the thread that shows the transfer and the one that runs it.
// TransferBusy is set when a transfer starts and cleared by the transfer at
// every end, before it asks for the close; TransferCancel asks the transfer to
// stop after the current block.
struct TransferFlags {
    std::atomic<bool> TransferBusy{false};
    std::atomic<bool> TransferCancel{false};
};

// What a transfer needs of the dialog that shows it. Every call comes from the
// thread that runs the transfer.
class TransferPanel {
public:
    virtual ~TransferPanel() = default;
    virtual int ProgressUpper() = 0; // upper end of the progress range
    virtual int StepProgress() = 0;  // advance by one step; returns the new position
    virtual void SetPercentText(const std::string& text) = 0;
    virtual void DisableStart() = 0;
    virtual void SetSucceeded(bool succeeded) = 0;
    virtual void RequestClose() = 0; // as if "Exit" were pressed
    // A message box with an OK button; returns when the user has seen it.
    virtual void ShowMessage(const std::string& text) = 0;
    // The "Password" dialog; true when it ended with OK (the access code matched).
    virtual bool AskAccessCode() = 0;
};

struct WriteDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};
WriteDate LocalDateToday();
// The date of a write at 0xFF28..0xFF2B: year mod 100, year div 100, month, day, in BCD.
void StampWriteDate(RadioImage& image, const WriteDate& date);

// Blocks of a transfer, in the order they travel.
struct BlockSpan {
    std::uint32_t address = 0;
    std::uint32_t length = 0;
    bool operator==(const BlockSpan&) const = default;
};
constexpr int kReadBlocks = 510;
constexpr int kWriteBlocks = 490;
constexpr std::uint32_t kBlockSize = 128;
constexpr std::uint32_t kProtectionBlock = 0xCC00;
constexpr std::size_t kProtectionByte = 8; // within the block at 0xCC00
constexpr std::uint8_t kProtectedValue = 3;
std::vector<BlockSpan> ReadBlockList();
std::vector<BlockSpan> WriteBlockList();

// "%d%%" of position * 100 / upper.
std::string PercentText(int position, int upper);

struct TransferJob {
    TransferDirection direction = TransferDirection::Read;
    std::string portPath;
    // The date stamped into the image by a write; the local date when empty.
    std::function<WriteDate()> today;
};

// Runs one transfer. The caller sets TransferBusy and clears TransferCancel when
// it starts the transfer; the routine clears TransferBusy at every end and then
// calls RequestClose. A read is staged: the image is replaced only when every
// block has arrived and the end command is out, so a failed or stopped read
// leaves it untouched. A write sends the image as it is, with the date stamp
// stored into it just before the block at 0xFF00.
TransferOutcome TransferWorker(const TransferJob& job, RadioImage& image, LinkPort& port,
                               TransferPanel& panel, TransferFlags& flags);

} // namespace vmr
