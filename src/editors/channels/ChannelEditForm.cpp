#include "editors/channels/ChannelEditForm.h"

#include "app/FieldFunctions.h"
#include "image/Codecs.h"

namespace vmr {

namespace {

bool OffBothGrids(int v) {
    return v % 250 != 0 && v % 625 != 0;
}

} // namespace

bool DigitKeyAllowed(char c) {
    return (c >= '0' && c <= '9') || c == '\b';
}

ChannelEditForm::ChannelEditForm(AppContext& ctx, int channel) : ctx_(ctx), channel_(channel) {
    if (channel_ < kChannelRange.minimum) channel_ = kChannelRange.minimum;
    if (channel_ > kChannelRange.maximum) channel_ = kChannelRange.maximum;
    // Part of the record but never shown; still loaded and stored.
    for (ComboField* c : {&txStop, &step, &offsetDirection}) c->visible = false;
    reverseBackup.visible = false;
    offset.visible = false;
}

void ChannelEditForm::Open() {
    channelNumber.text = IntText(channel_);
    LoadChannel();
}

void ChannelEditForm::ShowEmpty() {
    ClearAndDisable();
    rx.text.clear();
    rx.enabled = true;
    acceptedRx_.clear();
}

void ChannelEditForm::LoadChannel() {
    const ChannelRecordView rec(ctx_.image, RecordOffset(channel_));
    if (rec.IsEmpty()) {
        ShowEmpty();
        return;
    }
    EnableAll();
    rx.text = FormatFreqText(rec.RxFreq());
    RebuildStepList(ctx_.bandLimits, rec.RxFreq());
    tx.text = rec.HasTx() ? FormatFreqText(rec.TxFreq()) : std::string();
    LoadCommon(rec);
    ApplyDefaultSelections();
    offset.text = NormaliseOffset(offset.text);
    if (reverse.checked) talkAround.checked = false;
    UpdateSignalDecodeEnable();
    acceptedRx_ = rx.text;
}

void ChannelEditForm::StoreChannel() {
    ApplyDefaultSelections();
    offset.text = NormaliseOffset(offset.text);
    const std::size_t at = RecordOffset(channel_);
    if (rx.text.empty()) {
        FillDefaultRecord(ctx_.image, at, 0, ctx_.bandLimits);
        return;
    }
    ChannelRecord rec(ctx_.image, at);
    rec.SetRxFreq(ParseFreqText(rx.text));
    if (tx.text.empty())
        rec.SetNoTx();
    else
        rec.SetTxFreq(ParseFreqText(tx.text));
    StoreCommon(rec);
    // The offset direction is not shown here; its bits stay as they are.
    std::uint8_t& b = rec.MutableBytes()[0x0E];
    b = static_cast<std::uint8_t>((b & 0xC0) | StepByteLow());
}

void ChannelEditForm::MoveTo(int channel) {
    if (channel < kChannelRange.minimum) channel = kChannelRange.minimum;
    if (channel > kChannelRange.maximum) channel = kChannelRange.maximum;
    channelNumber.text = IntText(channel);
    channel_ = channel;
    LoadChannel();
}

void ChannelEditForm::OnChannelNumberCommit() {
    const int typed = AtoI(channelNumber.text);
    if (typed == channel_) return;
    StoreChannel();
    MoveTo(typed);
}

void ChannelEditForm::OnSpin(int delta) {
    StoreChannel();
    long long v = static_cast<long long>(AtoI(channelNumber.text)) + delta;
    if (v < kChannelRange.minimum || v > kChannelRange.maximum)
        v = delta > 0 ? kChannelRange.minimum : kChannelRange.maximum;
    MoveTo(static_cast<int>(v));
}

void ChannelEditForm::OnRxCommit() {
    const BandLimitCache& cache = ctx_.bandLimits;
    const bool wasEmpty = acceptedRx_.empty();
    int v = ParseFreqText(rx.text);
    const int old = ParseFreqText(acceptedRx_);

    if (channel_ == 1) {
        // Channel 1 must hold a frequency of a transmit band ("150M" or "450M").
        if (rx.text.empty() && !wasEmpty) {
            rx.text = acceptedRx_; // never emptied: keep what it had
        } else if (TxClassOf(cache, v) == -1) {
            if (!wasEmpty && TxClassOf(cache, old) != -1) {
                rx.text = acceptedRx_;
            } else if (const int t = FirstEnabledTxBand(cache); t != -1) {
                rx.text = FormatFreqText(cache.RxLower[t]);
                acceptedRx_ = rx.text;
            }
        } else {
            if (OffBothGrids(v)) v = SnapToStepGrid(v);
            RebuildStepList(cache, v);
            rx.text = FormatFreqText(v);
            acceptedRx_ = rx.text;
        }
        if (rx.text.empty()) {
            ShowEmpty();
            return;
        }
        EnableAll();
        UpdateSignalDecodeEnable();
        if (wasEmpty) {
            // A channel 1 found empty is created with defaults, like any other.
            const int f = ParseFreqText(rx.text);
            FillDefaultRecord(ctx_.image, RecordOffset(1), f, cache);
            LoadChannel();
        }
        acceptedRx_ = rx.text;
        return;
    }

    if (rx.text.empty()) {
        ShowEmpty(); // the record is reset when it is stored
        return;
    }
    int b = BandOf(cache, v, false);
    if (b == -1) {
        if (!wasEmpty && BandOf(cache, old, false) != -1) {
            v = old;
            b = BandOf(cache, old, false);
        } else if (const int first = FirstConfiguredBand(cache, false); first != -1) {
            v = cache.RxLower[first];
            b = first;
        } else {
            // No band has both limits: nothing to correct to, the entry is refused.
            rx.text = acceptedRx_;
            if (wasEmpty) ShowEmpty();
            return;
        }
    }
    EnableAll();
    UpdateSignalDecodeEnable();
    v = SnapFrequency(v, b);
    RebuildStepList(cache, v);
    rx.text = FormatFreqText(v);
    if (wasEmpty) {
        tx.text = rx.text;
        FillDefaultRecord(ctx_.image, RecordOffset(channel_), v, cache);
        LoadChannel();
    }
    acceptedRx_ = rx.text;
}

void ChannelEditForm::OnTxFocus() {
    txAtFocus_ = tx.text;
}

void ChannelEditForm::OnTxCommit() {
    const BandLimitCache& cache = ctx_.bandLimits;
    const bool hadOld = !txAtFocus_.empty();
    int v = ParseFreqText(tx.text);
    const int old = ParseFreqText(txAtFocus_);

    if (channel_ == 1) {
        if (TxClassOf(cache, v) == -1) {
            if (hadOld && TxClassOf(cache, old) != -1)
                tx.text = txAtFocus_;
            else if (const int t = FirstEnabledTxBand(cache); t != -1)
                tx.text = FormatFreqText(cache.RxLower[t]);
        } else {
            if (OffBothGrids(v)) v = SnapToStepGrid(v);
            tx.text = FormatFreqText(v);
        }
        return;
    }

    if (tx.text.empty()) {
        tx.text = txAtFocus_;
        return;
    }
    if (BandOf(cache, v, false) == -1) {
        if (hadOld && BandOf(cache, old, false) != -1) {
            v = old;
        } else if (const int first = FirstConfiguredBand(cache, false); first != -1) {
            v = cache.RxLower[first];
        } else {
            tx.text = txAtFocus_; // nothing to correct to: the entry is refused
            return;
        }
    }
    v = SnapFrequency(v, BandOf(cache, v, false));
    tx.text = FormatFreqText(v);
}

void ChannelEditForm::Close() {
    StoreChannel();
}

} // namespace vmr
