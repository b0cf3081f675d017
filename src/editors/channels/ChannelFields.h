// The record fields that the channel edit dialog and the VFO editor share: one
// set of controls over one 32-byte record (see ChannelRecord.h), with the list
// contents, the step list by band, the SQL mode list by decode type and option
// signalling, and the field dependencies both dialogs have.
#pragma once

#include "app/FormState.h"
#include "editors/channels/ChannelRecord.h"
#include "image/BandTable.h"
#include "image/OptionTables.h"

#include <string>
#include <string_view>

namespace vmr {

bool FreqKeyAllowed(char c);
bool DcsKeyAllowed(char c);

// Fills a list with the texts of a table; the selection is cleared.
void SetItems(ComboField& combo, const Names& names);
// Selects the entry equal to text; -1 (no selection) when there is none.
void SelectText(ComboField& combo, std::string_view text);
// Selects index when the list has such an entry, else leaves no selection.
void SelectIndex(ComboField& combo, int index);
// The index of the selected entry, or 0 without a selection.
int SelectedOr0(const ComboField& combo);

// The step texts offered for a receive frequency: the 850M band has no 2.5,
// 6.25, 7.5 and 8.33 kHz steps, every other band (and no band) has all 13.
Names StepNamesFor(const BandLimitCache& cache, int rx);

class ChannelFields {
public:
    ChannelFields();

    TextField rx{.maxLength = 9, .accepts = FreqKeyAllowed};
    TextField tx{.maxLength = 9, .accepts = FreqKeyAllowed};
    TextField name{.maxLength = 6, .accepts = NameKeyAllowed};
    ComboField ctcss; // editable, 5 characters of FreqKeySet
    ComboField dcs;   // editable, 3 characters of DcsKeySet
    ComboField dcsPolarity;
    ComboField decodeType;
    ComboField optionSignaling;
    ComboField signalDecode; // "1".."16"
    ComboField pttId;
    ComboField sqlMode;       // the modes the decode type and option signalling allow
    ComboField txStop;        // hidden
    CheckField reverseBackup; // hidden
    CheckField emphasis;
    CheckField compander;
    CheckField scrambler;
    CheckField reverse;
    CheckField talkAround;
    CheckField beatShift;
    CheckField am;
    ComboField bandwidth;
    ComboField scan;
    ComboField power;
    ComboField busyLock;
    ComboField displayType;
    ComboField step; // by band
    ComboField offsetDirection;
    TextField offset{.maxLength = 8, .accepts = FreqKeyAllowed};

    static constexpr int kCtcssMaxLength = 5;
    static constexpr int kDcsMaxLength = 3;
    static constexpr CharRule kCtcssAccepts = FreqKeyAllowed;
    static constexpr CharRule kDcsAccepts = DcsKeyAllowed;

    // Field dependencies.
    void OnDecodeTypeChanged();      // rebuilds the SQL mode list
    void OnOptionSignalingChanged(); // "Siganling decode" for "2 Tone" only; SQL mode list
    void OnReverseClicked();         // reverse on turns talk around off
    void OnTalkAroundClicked();      // talk around on turns reverse off
    void OnCtcssCommit();            // NormaliseCtcssText
    void OnDcsCommit();              // NormaliseDcsText

protected:
    // Rebuilds the step list for a receive frequency, keeping the shown step when
    // it is still offered, else "12.5".
    void RebuildStepList(const BandLimitCache& cache, int rxCount);
    // Rebuilds the SQL mode list for the shown decode type and option signalling,
    // keeping the shown mode when it is still offered, else "Carrier".
    void RebuildSqlModes();
    void UpdateSignalDecodeEnable();
    // "Tx power" "High", "Frequency step" "12.5", every other list its first entry.
    void ApplyDefaultSelections();

    // Every field except the frequencies and the offset direction from the
    // record; the step list must already be built for the receive frequency.
    void LoadCommon(const ChannelRecordView& rec);
    // Bytes 0x0C, 0x0D, 0x0F, 0x14, 0x15, the tones, the offset and the name;
    // byte 0x0E is the caller's (its direction bits differ between the editors).
    void StoreCommon(ChannelRecord& rec) const;
    // Byte 0x0E without its direction bits: reverse, talk around and step.
    int StepByteLow() const;

    // Every field but the given ones disabled and cleared.
    void ClearAndDisable();
    void EnableAll();

    template <class F> void ForEachCombo(F&& f);
    template <class F> void ForEachCheck(F&& f);
};

} // namespace vmr
