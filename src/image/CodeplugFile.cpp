#include "image/CodeplugFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace vmr {

// Tenths of a hertz, symbols 0..9, A..F.
const std::uint16_t kPredefinedTones[15][16] = {
    // ZVEI1
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 28000, 8100, 9700, 8850,
     26000, 6800},
    // ZVEI2
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 8850, 8100, 7400, 6800,
     9700, 26000},
    // ZVEI3
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8850, 0, 0, 0, 24000, 0},
    // PZVEI
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 9700, 8100, 28000, 8850,
     26000, 6800},
    // DZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 7400, 26000, 8850,
     24000, 6800},
    // PDZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 8860, 26000, 8560,
     24000, 0},
    // CCIR1
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910,
     21100, 10550},
    // CCIR2
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910,
     21100, 10550},
    // PCCIR
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10500, 9300, 24000, 9910,
     21100, 0},
    // EEA
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10550, 9300, 24000, 9910,
     21100, 22470},
    // Euro SIGNAL
    {9798, 9031, 8325, 7674, 7074, 6520, 6010, 5540, 5107, 4708, 0, 0, 0, 0, 10629, 0},
    // NATEL
    {16330, 6310, 6970, 7700, 8520, 9410, 10400, 12090, 13360, 14770, 19950, 5710, 22050, 24370,
     18050, 26940},
    // CCITT
    {4000, 6970, 7700, 8520, 9410, 12090, 13350, 14470, 16330, 18000, 19000, 20000, 21000, 22000,
     23000, 0},
    // EIA
    {6000, 7410, 8820, 10230, 11640, 13050, 14460, 15870, 17280, 18690, 21510, 24330, 20100, 22920,
     4590, 10910},
    // MODAT
    {6375, 7875, 9375, 10875, 12375, 13875, 15375, 16875, 18375, 19875, 0, 0, 0, 0, 4875, 0},
};

FileResult LoadCodeplugBytes(const std::vector<std::uint8_t>& bytes, RadioImage& image,
                             ToneStandardTable& tones, CodeplugKind* kind) {
    if (bytes.size() == kCodeplugSize) {
        std::copy_n(bytes.begin(), kToneTableSize, tones.bytes.begin());
        std::copy_n(bytes.begin() + kToneTableSize, kImageSize, image.bytes.begin());
        if (kind) *kind = CodeplugKind::Full;
        return {true, {}};
    }
    if (bytes.size() == kImageSize) {
        std::copy_n(bytes.begin(), kImageSize, image.bytes.begin());
        if (kind) *kind = CodeplugKind::BareImage;
        return {true, {}};
    }
    return {false,
            "The file is " + std::to_string(bytes.size()) +
                " bytes long; a codeplug file has 69632 bytes (or 65536 for a bare radio image).",
            FileError::NotCodeplug};
}

std::vector<std::uint8_t> SerializeCodeplug(const RadioImage& image,
                                            const ToneStandardTable& tones) {
    std::vector<std::uint8_t> out;
    out.reserve(kCodeplugSize);
    out.insert(out.end(), tones.bytes.begin(), tones.bytes.end());
    out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    return out;
}

FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        return {false, "Cannot open " + path + ": " + std::strerror(err ? err : ENOENT),
                FileError::Open};
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) return {false, "Cannot read " + path, FileError::Read};
    if (static_cast<std::size_t>(size) > maxBytes)
        return {false,
                "The file is " + std::to_string(size) +
                    " bytes long; a codeplug file has 69632 bytes (or 65536 for a bare radio "
                    "image).",
                FileError::NotCodeplug};
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!in) return {false, "Cannot read " + path, FileError::Read};
    out = std::move(data);
    return {true, {}};
}

FileResult ReadCodeplugFile(const std::string& path, RadioImage& image, ToneStandardTable& tones,
                            CodeplugKind* kind) {
    std::vector<std::uint8_t> bytes;
    FileResult r = ReadWholeFile(path, bytes, kCodeplugSize);
    if (!r.ok) return r;
    return LoadCodeplugBytes(bytes, image, tones, kind);
}

void RestoreToneStandards(ToneStandardTable& tones) {
    for (int n = 0; n < 15; ++n) {
        const std::size_t rec = ToneStandardTable::RecordOffset(n);
        for (int s = 0; s < 16; ++s) tones.SetWord(rec + 8 + 2 * s, kPredefinedTones[n][s]);
    }
}

bool LoadDefaultData(const std::string& defaultPath, RadioImage& image, ToneStandardTable& tones) {
    bool read = false;
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(defaultPath, bytes, kCodeplugSize).ok && bytes.size() == kCodeplugSize)
        read = LoadCodeplugBytes(bytes, image, tones).ok;
    RestoreToneStandards(tones);
    return read;
}

} // namespace vmr
