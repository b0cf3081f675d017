#include "editors/channels/ChannelFields.h"

#include "app/FieldFunctions.h"
#include "image/Codecs.h"

namespace vmr {

bool FreqKeyAllowed(char c) {
    return KeyAllowed(FreqKeySet, c);
}

bool DcsKeyAllowed(char c) {
    return KeyAllowed(DcsKeySet, c);
}

void SetItems(ComboField& combo, const Names& names) {
    combo.items.assign(names.begin(), names.end());
    combo.current = -1;
}

void SelectText(ComboField& combo, std::string_view text) {
    combo.current = -1;
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
        if (combo.items[i] == text) {
            combo.current = static_cast<int>(i);
            return;
        }
    }
}

void SelectIndex(ComboField& combo, int index) {
    combo.current = index >= 0 && index < static_cast<int>(combo.items.size()) ? index : -1;
}

int SelectedOr0(const ComboField& combo) {
    return combo.current >= 0 && combo.current < static_cast<int>(combo.items.size())
               ? combo.current
               : 0;
}

Names StepNamesFor(const BandLimitCache& cache, int rx) {
    if (BandOf(cache, rx, false) != k850M) return StepNames;
    Names out;
    for (std::string_view s : StepNames)
        if (s != "2.5" && s != "6.25" && s != "7.5" && s != "8.33") out.push_back(s);
    return out;
}

namespace {

// An editable combo box: the text is the value; the list entry equal to it, if
// any, is selected.
void SetEditableText(ComboField& combo, std::string text) {
    combo.text = std::move(text);
    SelectText(combo, combo.text);
}

} // namespace

ChannelFields::ChannelFields() {
    SetItems(ctcss, CtcssToneList);
    ctcss.editable = true;
    SetItems(dcs, DcsCodeList);
    dcs.editable = true;
    SetItems(dcsPolarity, DcsPolarityNames);
    SetItems(decodeType, DecodeTypeNames);
    SetItems(optionSignaling, OptionSignalingNames);
    signalDecode.items = SignalDecodeNames();
    SetItems(pttId, PttIdNames);
    SetItems(sqlMode, Names{SqlModeNames[0]});
    SetItems(txStop, OffOnNames);
    SetItems(bandwidth, BandwidthNames);
    SetItems(scan, ScanNames);
    SetItems(power, PowerNames);
    SetItems(busyLock, BusyLockNames);
    SetItems(displayType, DisplayTypeNames);
    SetItems(step, StepNames);
    SetItems(offsetDirection, OffsetDirectionNames);
}

template <class F> void ChannelFields::ForEachCombo(F&& f) {
    for (ComboField* c : {&ctcss, &dcs, &dcsPolarity, &decodeType, &optionSignaling, &signalDecode,
                          &pttId, &sqlMode, &txStop, &bandwidth, &scan, &power, &busyLock,
                          &displayType, &step, &offsetDirection})
        f(*c);
}

template <class F> void ChannelFields::ForEachCheck(F&& f) {
    for (CheckField* c : {&reverseBackup, &emphasis, &compander, &scrambler, &reverse, &talkAround,
                          &beatShift, &am})
        f(*c);
}

void ChannelFields::OnDecodeTypeChanged() {
    RebuildSqlModes();
}

void ChannelFields::OnOptionSignalingChanged() {
    UpdateSignalDecodeEnable();
    RebuildSqlModes();
}

void ChannelFields::OnReverseClicked() {
    if (reverse.checked) talkAround.checked = false;
}

void ChannelFields::OnTalkAroundClicked() {
    if (talkAround.checked) reverse.checked = false;
}

void ChannelFields::OnCtcssCommit() {
    SetEditableText(ctcss, NormaliseCtcssText(ctcss.text));
}

void ChannelFields::OnDcsCommit() {
    SetEditableText(dcs, NormaliseDcsText(dcs.text));
}

void ChannelFields::RebuildStepList(const BandLimitCache& cache, int rxCount) {
    const std::string shown = step.CurrentText();
    SetItems(step, StepNamesFor(cache, rxCount));
    SelectText(step, shown);
    if (step.current < 0) SelectText(step, "12.5");
}

void ChannelFields::RebuildSqlModes() {
    const std::string shown = sqlMode.CurrentText();
    const auto allowed = AllowedSqlModes(decodeType.current < 0 ? 0 : decodeType.current,
                                         optionSignaling.current < 0 ? 0 : optionSignaling.current);
    sqlMode.items.assign(allowed.begin(), allowed.end());
    SelectText(sqlMode, shown);
    if (sqlMode.current < 0) sqlMode.current = 0;
}

void ChannelFields::UpdateSignalDecodeEnable() {
    signalDecode.enabled = optionSignaling.current == 1; // "2 Tone"
}

void ChannelFields::ApplyDefaultSelections() {
    ForEachCombo([this](ComboField& c) {
        if (&c == &ctcss || &c == &dcs) return; // editable: the text is the value
        if (&c == &power) {
            EnsureComboSelection(c, kDefaultPower, false);
        } else if (&c == &step) {
            if (c.current < 0) SelectText(c, "12.5");
        } else {
            EnsureComboSelection(c, 0, false);
        }
    });
}

void ChannelFields::LoadCommon(const ChannelRecordView& rec) {
    offset.text =
        rec.Bytes()[kOffset + 3] == 0xFF ? std::string() : FormatFreqText(rec.OffsetFreq());
    SetEditableText(ctcss, CtcssToText(rec.Ctcss()));
    SetEditableText(dcs, DcsToText(rec.Dcs()));

    SelectIndex(dcsPolarity, rec.Get(Field::DcsPolarity));
    SelectIndex(decodeType, rec.Get(Field::DecodeType));
    SelectIndex(optionSignaling, rec.Get(Field::OptionSignaling));
    if (optionSignaling.current < 0) optionSignaling.current = 0;
    SelectText(signalDecode, IntText(rec.Get(Field::SignalDecode) + 1));
    if (signalDecode.current < 0) signalDecode.current = 0;
    SelectIndex(pttId, rec.Get(Field::PttId));
    if (pttId.current < 0) pttId.current = 0;
    SelectIndex(txStop, rec.Get(Field::TxStop));
    SelectIndex(bandwidth, rec.Get(Field::Bandwidth));
    SelectIndex(scan, rec.Get(Field::Scan));
    SelectIndex(power, rec.Get(Field::Power));
    SelectIndex(busyLock, rec.Get(Field::BusyLock));
    SelectIndex(displayType, rec.Get(Field::DisplayType));
    SelectText(step, StepText(rec.Get(Field::Step)));
    if (step.current < 0) SelectText(step, "12.5");

    reverseBackup.checked = rec.Flag(Field::ReverseBackup);
    emphasis.checked = rec.Flag(Field::Emphasis);
    compander.checked = rec.Flag(Field::Compander);
    scrambler.checked = rec.Flag(Field::Scrambler);
    reverse.checked = rec.Flag(Field::Reverse);
    talkAround.checked = rec.Flag(Field::TalkAround);
    beatShift.checked = rec.Flag(Field::BeatShift);
    am.checked = rec.Flag(Field::Am);

    const auto allowed =
        AllowedSqlModes(decodeType.current < 0 ? 0 : decodeType.current, optionSignaling.current);
    sqlMode.items.assign(allowed.begin(), allowed.end());
    SelectText(sqlMode, SqlModeText(rec.Get(Field::SqlMode)));
    if (sqlMode.current < 0) sqlMode.current = 0;

    name.text = rec.Name();
}

void ChannelFields::StoreCommon(ChannelRecord& rec) const {
    // The tone boxes are normalised when they lose the focus; doing it once more
    // here keeps a box that never lost it from writing an unencodable word.
    rec.SetCtcss(CtcssFromText(NormaliseCtcssText(ctcss.text)));
    rec.SetDcs(AtoI(NormaliseDcsText(dcs.text)));
    if (offset.text.empty()) {
        for (int i = 0; i < 4; ++i) rec.MutableBytes()[kOffset + i] = 0xFF;
    } else {
        rec.SetOffsetFreq(ParseFreqText(offset.text));
    }

    rec.Set(Field::Power, SelectedOr0(power));
    rec.SetFlag(Field::BeatShift, beatShift.checked);
    rec.SetFlag(Field::ReverseBackup, reverseBackup.checked);
    rec.Set(Field::DisplayType, SelectedOr0(displayType));
    rec.Set(Field::Scan, SelectedOr0(scan));

    rec.Set(Field::Bandwidth, SelectedOr0(bandwidth));
    rec.SetFlag(Field::Scrambler, scrambler.checked);
    rec.SetFlag(Field::Compander, compander.checked);
    rec.SetFlag(Field::Emphasis, emphasis.checked);
    rec.Set(Field::SqlMode, SqlModeIndexOf(sqlMode.CurrentText()));

    rec.Set(Field::DcsPolarity, SelectedOr0(dcsPolarity));
    rec.Set(Field::BusyLock, SelectedOr0(busyLock));
    rec.Set(Field::TxStop, SelectedOr0(txStop));
    rec.Set(Field::DecodeType, SelectedOr0(decodeType));

    rec.Set(Field::OptionSignaling, SelectedOr0(optionSignaling));
    rec.Set(Field::Reserved14, 0);
    rec.SetFlag(Field::Am, am.checked);
    int decode = AtoI(signalDecode.CurrentText()) - 1;
    if (decode < 0) decode = 0;
    rec.Set(Field::SignalDecode, decode & 0x0F);
    rec.Set(Field::PttId, SelectedOr0(pttId));

    rec.SetName(name.text);
}

int ChannelFields::StepByteLow() const {
    return (reverse.checked ? 0x20 : 0) | (talkAround.checked ? 0x10 : 0) |
           (StepIndexOf(step.CurrentText()) & 0x0F);
}

void ChannelFields::ClearAndDisable() {
    for (TextField* t : {&tx, &name, &offset}) {
        t->text.clear();
        t->enabled = false;
    }
    ForEachCombo([](ComboField& c) {
        c.current = -1;
        c.text.clear();
        c.enabled = false;
    });
    ForEachCheck([](CheckField& c) {
        c.checked = false;
        c.enabled = false;
    });
}

void ChannelFields::EnableAll() {
    for (TextField* t : {&rx, &tx, &name, &offset}) t->enabled = true;
    ForEachCombo([](ComboField& c) { c.enabled = true; });
    ForEachCheck([](CheckField& c) { c.enabled = true; });
}

} // namespace vmr
