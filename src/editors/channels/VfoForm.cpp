#include "editors/channels/VfoForm.h"

#include "image/Codecs.h"

namespace vmr {

namespace {

bool TabFlag(const BandLimitCache& cache, int j) {
    return j <= 8 ? cache.Enabled[j] : cache.PairEnabled[j - 9];
}

} // namespace

std::vector<std::string> VfoTabTexts(const BandLimitCache& cache) {
    std::vector<std::string> out;
    for (int b = 0; b < kBandCount; ++b)
        if (b != k108M && cache.Enabled[b]) out.emplace_back(BandNames[b]);
    if (cache.PairEnabled[0]) out.push_back(std::string(BandNames[k150M]) + " R");
    if (cache.PairEnabled[1]) {
        const std::string_view band = cache.Enabled[k250M] ? BandNames[k250M] : BandNames[k450M];
        out.push_back(std::string(band) + " R");
    }
    return out;
}

int VfoRecordOfTab(const BandLimitCache& cache, int p) {
    if (p < 0) return -1;
    int count = 0;
    for (int j = 0; j < kVfoCount; ++j) {
        if (j == k108M || !TabFlag(cache, j)) continue;
        if (++count == p + 1) return j;
    }
    return -1;
}

VfoLimits VfoLimitsOf(const BandLimitCache& cache, int i) {
    if (i <= 8) return {cache.RxLower[i], cache.RxUpper[i]};
    return {cache.PairLower[i - 9], cache.PairUpper[i - 9]};
}

VfoForm::VfoForm(AppContext& ctx) : ctx_(ctx) {
    // Part of the record but never shown; still loaded and stored.
    for (TextField* t : {&tx, &name}) t->visible = false;
    for (ComboField* c : {&txStop, &scan, &displayType}) c->visible = false;
    reverseBackup.visible = false;
}

int VfoForm::CurrentRecord() const {
    return VfoRecordOfTab(ctx_.bandLimits, currentTab);
}

void VfoForm::Open() {
    tabs = VfoTabTexts(ctx_.bandLimits);
    currentTab = tabs.empty() ? -1 : 0;
    RefreshFromImage();
}

void VfoForm::RefreshFromImage() {
    const int i = CurrentRecord();
    if (i < 0) {
        // No band is enabled: there is no VFO to show.
        ClearAndDisable();
        rx.text.clear();
        rx.enabled = false;
        return;
    }
    LoadVfo(i);
}

void VfoForm::CommitToImage() {
    const int i = CurrentRecord();
    if (i >= 0) StoreVfo(i);
}

void VfoForm::LoadVfo(int i) {
    const ChannelRecordView rec(ctx_.image, VfoOffset(i));
    EnableAll();
    const int rxCount = rec.IsEmpty() ? 0 : rec.RxFreq();
    rx.text = rec.IsEmpty() ? std::string() : FormatFreqText(rxCount);
    RebuildStepList(ctx_.bandLimits, rxCount);
    tx.text = rec.HasTx() ? FormatFreqText(rec.TxFreq()) : std::string();
    LoadCommon(rec);
    const int d = rec.Get(Field::OffsetDirection);
    SelectIndex(offsetDirection, d == 3 ? 0 : d);
    UpdateSignalDecodeEnable();
    ApplyDefaultSelections();
    ValidateRx(i);
    offset.text = NormaliseOffset(offset.text);
    if (reverse.checked) talkAround.checked = false;
    offset.enabled = offsetDirection.current != 0;
}

void VfoForm::ValidateRx(int i) {
    const BandLimitCache& cache = ctx_.bandLimits;
    const VfoLimits lim = VfoLimitsOf(cache, i);
    int v = ParseFreqText(rx.text);
    // The 150M VFO also tunes the air band, which has no VFO of its own.
    const bool airOn150 = i == k150M && BandOf(cache, v, false) == k108M;
    if (!airOn150 && (v < lim.lower || v > lim.upper)) v = lim.lower;
    v = SnapFrequency(v, BandOf(cache, v, false));
    RebuildStepList(cache, v);
    rx.text = FormatFreqText(v);
}

void VfoForm::StoreVfo(int i) {
    ApplyDefaultSelections();
    ValidateRx(i);
    offset.text = NormaliseOffset(offset.text);

    ChannelRecord rec(ctx_.image, VfoOffset(i));
    const int rxCount = ParseFreqText(rx.text);
    rec.SetRxFreq(rxCount);
    StoreCommon(rec);
    const int direction = SelectedOr0(offsetDirection);
    rec.MutableBytes()[0x0E] = static_cast<std::uint8_t>((direction << 6) | StepByteLow());

    const TxFromOffset t =
        ComputeTxFromOffset(ctx_.bandLimits, rxCount, ParseFreqText(offset.text), direction);
    rec.Set(Field::OffsetDirection, t.direction);
    rec.SetTxFreq(t.tx);
    tx.text = FormatFreqText(t.tx);
    if (t.direction != direction) {
        SelectIndex(offsetDirection, t.direction);
        offset.enabled = t.direction != 0;
    }
}

void VfoForm::OnTabChanging() {
    CommitToImage();
}

void VfoForm::OnTabChanged(int p) {
    currentTab = p >= 0 && p < static_cast<int>(tabs.size()) ? p : -1;
    RefreshFromImage();
}

void VfoForm::OnRxCommit() {
    const int i = CurrentRecord();
    if (i >= 0) ValidateRx(i);
}

void VfoForm::OnOffsetCommit() {
    offset.text = NormaliseOffset(offset.text);
}

void VfoForm::OnOffsetDirectionChanged() {
    offset.enabled = offsetDirection.current > 0;
}

void VfoForm::Close() {
    CommitToImage();
}

} // namespace vmr
