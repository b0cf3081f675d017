// The VFO editor: one tab per enabled band (the air band has none) and one per
// enabled transmit range, and one set of fields below the tabs showing the VFO
// record of the selected tab. A record is written back when its tab is left and
// when the dialog closes; the transmit frequency is computed from the offset.
#pragma once

#include "app/AppContext.h"
#include "app/FormState.h"
#include "editors/channels/ChannelFields.h"

#include <string>
#include <vector>

namespace vmr {

constexpr int kVfoCount = 11;

constexpr std::size_t VfoOffset(int i) {
    return addr::kVfoRecords + kRecordSize * static_cast<std::size_t>(i);
}

// The tab texts for the band flags of the cache, in tab order.
std::vector<std::string> VfoTabTexts(const BandLimitCache& cache);
// The VFO record (0..10) that the tab at position p shows; -1 when there is none.
int VfoRecordOfTab(const BandLimitCache& cache, int p);

struct VfoLimits {
    int lower;
    int upper;
};
// The receive limits of VFO i: its band's, or the transmit range's for 9 and 10.
VfoLimits VfoLimitsOf(const BandLimitCache& cache, int i);

class VfoForm : public EditorForm, public ChannelFields {
public:
    static constexpr int kFormId = 193;

    explicit VfoForm(AppContext& ctx);

    std::vector<std::string> tabs;
    int currentTab = -1; // -1 while there is no tab

    // The record of the current tab, -1 without tabs.
    int CurrentRecord() const;

    // Builds the tabs from the band flags and loads the first one.
    void Open();
    void LoadVfo(int i);
    void StoreVfo(int i);
    void RefreshFromImage() override;
    void CommitToImage() override;

    void OnTabChanging();            // stores the record being left
    void OnTabChanged(int p);        // loads the record of the new tab
    void OnRxCommit();               // limits, air band on 150M, snapping
    void OnOffsetCommit();           // NormaliseOffset
    void OnOffsetDirectionChanged(); // the offset box only for "-" and "+"
    void Close();                    // stores the current tab

private:
    void ValidateRx(int i);

    AppContext& ctx_;
};

} // namespace vmr
