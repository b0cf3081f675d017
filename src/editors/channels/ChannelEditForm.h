// The channel edit dialog: every field of one channel of bank A, with a number
// box and a spin to step through channels 1..800. It works on the image
// directly: a channel's record is loaded when the channel is shown and written
// back when the user moves to another channel and when the dialog closes.
#pragma once

#include "app/AppContext.h"
#include "app/FormState.h"
#include "editors/channels/ChannelFields.h"

#include <string>

namespace vmr {

bool DigitKeyAllowed(char c);

class ChannelEditForm : public EditorForm, public ChannelFields {
public:
    static constexpr int kFormId = 143;

    ChannelEditForm(AppContext& ctx, int channel);

    TextField channelNumber{.maxLength = 3, .accepts = DigitKeyAllowed};
    static constexpr SpinRange kChannelRange{1, kChannelsPerBank};

    int Channel() const { return channel_; }
    // The receive text as last accepted; empty while the channel is empty.
    const std::string& AcceptedRx() const { return acceptedRx_; }

    // Open: the number box shows the channel and its record is loaded.
    void Open();
    void LoadChannel();
    void StoreChannel();
    void RefreshFromImage() override { LoadChannel(); }
    void CommitToImage() override { StoreChannel(); }

    void OnChannelNumberCommit(); // the number box lost the focus
    void OnSpin(int delta);       // +1 up, -1 down (larger while held)
    void OnRxCommit();            // loss of focus, or Enter in the receive box
    void OnTxFocus();             // remembers the text to restore
    void OnTxCommit();
    void Close(); // stores the current channel

private:
    void ShowEmpty();
    void MoveTo(int channel);

    AppContext& ctx_;
    int channel_;
    std::string acceptedRx_;
    std::string txAtFocus_;
};

} // namespace vmr
