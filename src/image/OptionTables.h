// The fixed option lists shown in combo boxes. Unless noted, a stored option is
// the position of its text in its table.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vmr {

using Names = std::vector<std::string_view>;

extern const Names DcsPolarityNames;
extern const Names DecodeTypeNames;
extern const Names PowerNames;
extern const Names ScanNames;
extern const Names DisplayTypeNames;
extern const Names BandwidthNames;
extern const Names OffOnNames;
extern const Names BusyLockNames;
extern const Names SqlModeNames;
extern const Names OptionSignalingNames;
extern const Names PttIdNames;
extern const Names StepNames;
extern const Names OffsetDirectionNames;
extern const Names BandNames;
extern const Names TwoToneModeNames;
extern const Names TwoToneFormatNames;
extern const Names FiveToneStandardNames;
extern const Names FiveToneDigitNames;
extern const Names CtcssToneList;
extern const Names DcsCodeList;

// "1".."16": the signalling-decode list; the stored value is the number minus 1.
std::vector<std::string> SignalDecodeNames();

constexpr int kDefaultPower = 3;
constexpr int kDefaultStep = 6; // "12.5"

// Characters an edit box accepts while typing; '\b' is backspace.
constexpr std::string_view FreqKeySet = "0123456789.\b";
constexpr std::string_view DcsKeySet = "0123456789\b";
constexpr std::string_view NameKeySet = " +-*/#\b"; // plus letters and digits
constexpr std::string_view HexKeySet = "0123456789ABCDEF\b";

bool KeyAllowed(std::string_view keySet, char c);
bool NameKeyAllowed(char c);

int StepIndexOf(std::string_view text);
std::string StepText(int index);
int SqlModeIndexOf(std::string_view text);
std::string SqlModeText(int index);

// Position of text in names, compared exactly; -1 if absent.
int IndexOf(const Names& names, std::string_view text);

} // namespace vmr
