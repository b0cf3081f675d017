#include "app/Editors.h"

namespace vmr {

// Forms without a number of their own use the editor's command id as theirs.
const std::array<EditorInfo, kEditorCount> kEditors = {{
    {EditorId::ChannelSetting, 32778, "Channel setting", "Channel setting", 860, 620, 32778, false},
    {EditorId::Vfo, 32793, "VFO", "VFO", 0, 0, 193, true},
    {EditorId::ScanChannel, 32795, "Scan channel", "Scan channel", 720, 580, 194, false},
    {EditorId::BasicSetting, 32789, "Basic setting", "Basic setting", 620, 580, 32789, false},
    {EditorId::Dtmf, 32784, "DTMF", "DTMF", 730, 550, 32784, false},
    {EditorId::TwoTone, 32785, "2Tone", "2Tone", 670, 630, 32785, false},
    {EditorId::FiveTone, 32786, "5Tone", "5Tone", 830, 650, 32786, false},
    {EditorId::Model, 32775, "Model", "Modle", 360, 360, 200, false},
    {EditorId::FrequencyRange, 32791, "Frequency range", "Frequency range", 0, 0, 195, true},
    {EditorId::Alarm, 32782, "", "Alarm", 490, 535, 208, false},
}};

const EditorInfo& InfoOf(EditorId id) {
    for (const EditorInfo& e : kEditors)
        if (e.id == id) return e;
    return kEditors[0];
}

std::optional<EditorId> EditorOfCommand(int commandId) {
    for (const EditorInfo& e : kEditors)
        if (e.commandId == commandId) return e.id;
    return std::nullopt;
}

std::optional<EditorId> EditorOfTreeText(std::string_view text) {
    static constexpr EditorId kOrder[] = {
        EditorId::Model,        EditorId::FrequencyRange, EditorId::ChannelSetting,
        EditorId::BasicSetting, EditorId::Dtmf,           EditorId::TwoTone,
        EditorId::FiveTone,     EditorId::ScanChannel,    EditorId::Vfo,
    };
    for (EditorId id : kOrder)
        if (InfoOf(id).name == text) return id;
    return std::nullopt;
}

} // namespace vmr
