// The editors of the program and the command ids of the main window.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vmr {

// Command ids (menus, tool bar, keys).
namespace cmd {
constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kArrange = 57649;
constexpr int kCascade = 57650;
constexpr int kTile = 57651;
constexpr int kAbout = 57664;
constexpr int kExit = 57665;
constexpr int kHelp = 57670;
constexpr int kToolBar = 59392;
constexpr int kStatusBar = 59393;
constexpr int kTreeView = 32771;
constexpr int kPort = 32772;
constexpr int kWrite = 32773;
constexpr int kRead = 32774;
} // namespace cmd

enum class EditorId {
    ChannelSetting,
    Vfo,
    ScanChannel,
    BasicSetting,
    Dtmf,
    TwoTone,
    FiveTone,
    Model,
    FrequencyRange,
    Alarm,
};
constexpr int kEditorCount = 10;

struct EditorInfo {
    EditorId id;
    int commandId;
    std::string_view name;  // tree item and Edit menu text; empty: no tree item or menu item
    std::string_view title; // child window title (modal editors: dialog title)
    int width;              // initial child window size
    int height;
    int formId; // resource id of the editor's form or dialog
    bool modal; // a modal dialog instead of a child window
};

// In tree and Edit menu order; Alarm, which has no tree item, comes last.
extern const std::array<EditorInfo, kEditorCount> kEditors;

const EditorInfo& InfoOf(EditorId id);
std::optional<EditorId> EditorOfCommand(int commandId);

// The editor a click on a tree item with this text runs: the text is compared,
// case-sensitively, with the item names in the tree's own test order.
std::optional<EditorId> EditorOfTreeText(std::string_view text);

// Context numbers of the help file: a command's own id, and 0x10000 plus the
// resource id of a window.
constexpr int kHelpResourceBase = 0x10000;
constexpr int kMainFrameResource = 128;
constexpr int HelpContextOfWindow(int resourceId) {
    return kHelpResourceBase + resourceId;
}
constexpr int HelpContextOfCommand(int commandId) {
    return commandId;
}

} // namespace vmr
