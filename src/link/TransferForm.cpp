#include "link/TransferForm.h"

namespace vmr {

TransferForm::TransferForm(TransferDirection direction)
    : direction_(direction),
      upper_(direction == TransferDirection::Read ? kReadBlocks : kWriteBlocks) {}

std::string TransferForm::Title() const {
    return direction_ == TransferDirection::Read ? "Read" : "Write";
}

bool TransferForm::OnStart() {
    // One transfer per dialog: the dialog closes when it ends.
    if (started_) return false;
    bool expected = false;
    if (!flags_.TransferBusy.compare_exchange_strong(expected, true)) return false;
    flags_.TransferCancel = false;
    started_ = true;
    return true;
}

bool TransferForm::OnExit() {
    flags_.TransferCancel = true;
    return !flags_.TransferBusy.load();
}

} // namespace vmr
