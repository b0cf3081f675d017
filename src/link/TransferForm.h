// The transfer dialog's state and handlers, without a window: the title, the
// progress bar, the percentage label, the "Start" button and the two flags it
// shares with the running transfer.
#pragma once

#include "link/TransferWorker.h"

#include <string>

namespace vmr {

class TransferForm {
public:
    explicit TransferForm(TransferDirection direction);

    TransferDirection Direction() const { return direction_; }
    std::string Title() const;                   // "Read" or "Write"
    int ProgressUpper() const { return upper_; } // 510 for a read, 490 for a write
    int ProgressPosition() const { return position_; }
    const std::string& PercentLabel() const { return percent_; }
    bool StartEnabled() const { return startEnabled_; }
    bool Succeeded() const { return succeeded_; }
    TransferFlags& Flags() { return flags_; }

    // "Start": true when a transfer must be started now. Sets TransferBusy (so
    // a second press starts nothing) and clears TransferCancel before the
    // transfer runs, so that an "Exit" pressed at once is not lost.
    bool OnStart();
    // "Exit", the close box, and the transfer's close request: sets
    // TransferCancel; true when the dialog closes now (no transfer running).
    bool OnExit();

    // What the transfer reports, applied on the dialog's thread.
    void SetProgressPosition(int position) { position_ = position; }
    void SetPercentLabel(const std::string& text) { percent_ = text; }
    void DisableStart() { startEnabled_ = false; }
    void SetSucceeded(bool succeeded) { succeeded_ = succeeded; }

private:
    TransferDirection direction_;
    int upper_;
    int position_ = 0;
    std::string percent_ = "0%";
    bool startEnabled_ = true;
    bool succeeded_ = false;
    bool started_ = false;
    TransferFlags flags_;
};

} // namespace vmr
