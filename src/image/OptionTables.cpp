#include "image/OptionTables.h"

#include "image/Codecs.h"

namespace vmr {

const Names DcsPolarityNames = {"Positive", "Decode Invert", "Encode Invert", "Invert"};
const Names DecodeTypeNames = {"Off", "Ctcss Encode", "Ctcss Codec", "Dcs Codec"};
const Names PowerNames = {"Low", "Middle 2", "Middle 1", "High"};
const Names ScanNames = {"Allow", "Skip", "Priority"};
const Names DisplayTypeNames = {"Frequency", "Name"};
const Names BandwidthNames = {"Wide", "Middle", "Narrow"};
const Names OffOnNames = {"Off", "On"};
const Names BusyLockNames = {"Off", "Carrier", "2 Tone"};
const Names SqlModeNames = {"Carrier", "Tone", "Signaling", "Signaling & Tone",
                            "Signalling | Tone"};
const Names OptionSignalingNames = {"Off", "2 Tone", "5 Tone", "DTMF"};
const Names PttIdNames = {"Off", "PTTID 1", "PTTID 2", "PTTID 3", "PTTID 4", "5 Tone"};
const Names StepNames = {"2.5", "5.0", "6.25", "7.5", "8.33", "10", "12.5",
                         "15",  "20",  "25",   "30",  "50",   "100"};
const Names OffsetDirectionNames = {"Off", "-", "+"};
const Names BandNames = {"30M", "50M", "60M", "108M", "150M", "250M", "350M", "450M", "850M"};
const Names TwoToneModeNames = {"Two", "Single"};
const Names TwoToneFormatNames = {"Off", "A-B", "A-C", "A-D", "B-A", "B-C",    "B-D",    "C-A",
                                  "C-B", "C-D", "D-A", "D-B", "D-C", "Long A", "Long B", "Long C"};
const Names FiveToneStandardNames = {
    "ZVEI1", "ZVEI2", "ZVEI3",       "PZVEI", "DZVEI", "PDZVEI", "CCIR1", "CCIR2",
    "PCCIR", "EEA",   "Euro SIGNAL", "NATEL", "CCITT", "EIA",    "MODAT", "USER DEFINDE"};
const Names FiveToneDigitNames = {"0", "1", "2", "3", "4", "5", "6", "7",
                                  "8", "9", "A", "B", "C", "D", "E", "F"};
const Names CtcssToneList = {"63.0",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",
                             "85.4",  "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2",
                             "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3",
                             "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9", "171.3",
                             "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
                             "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6",
                             "241.8", "250.3", "254.1"};
const Names DcsCodeList = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054",
    "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132",
    "134", "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212",
    "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263",
    "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346",
    "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445",
    "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523",
    "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

std::vector<std::string> SignalDecodeNames() {
    std::vector<std::string> out;
    for (int i = 1; i <= 16; ++i) out.push_back(std::to_string(i));
    return out;
}

bool KeyAllowed(std::string_view keySet, char c) {
    return keySet.find(c) != std::string_view::npos;
}

bool NameKeyAllowed(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return KeyAllowed(NameKeySet, c);
}

int StepIndexOf(std::string_view text) {
    for (std::size_t i = 0; i < StepNames.size(); ++i)
        if (EqualsNoCase(StepNames[i], text)) return static_cast<int>(i);
    return 0;
}

std::string StepText(int index) {
    if (index >= 0 && index < static_cast<int>(StepNames.size()))
        return std::string(StepNames[static_cast<std::size_t>(index)]);
    return "12.5";
}

int SqlModeIndexOf(std::string_view text) {
    for (std::size_t i = 0; i < SqlModeNames.size(); ++i)
        if (EqualsNoCase(SqlModeNames[i], text)) return static_cast<int>(i);
    return 0;
}

std::string SqlModeText(int index) {
    if (index >= 0 && index < static_cast<int>(SqlModeNames.size()))
        return std::string(SqlModeNames[static_cast<std::size_t>(index)]);
    return "Carrier";
}

int IndexOf(const Names& names, std::string_view text) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == text) return static_cast<int>(i);
    return -1;
}

} // namespace vmr
