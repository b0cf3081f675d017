// Codeplug files: the tone standard table followed by the radio image, raw.
#pragma once

#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vmr {

enum class FileError {
    None,
    Open,        // the file cannot be opened
    Read,        // reading failed part way
    NotCodeplug, // the size is not that of a codeplug or an image
    Write,       // the file cannot be created or written
};

struct FileResult {
    bool ok = false;
    std::string error; // a sentence for the user when !ok
    FileError code = FileError::None;
};

enum class CodeplugKind {
    Full,      // 69,632 bytes: tone table then image
    BareImage, // 65,536 bytes: image only, the tone table is left as it is
};

// Loads a codeplug from bytes already read. A buffer of 69,632 bytes fills both
// arrays; one of 65,536 bytes fills the image alone. Any other size is refused
// with a message naming the size, and nothing changes.
FileResult LoadCodeplugBytes(const std::vector<std::uint8_t>& bytes, RadioImage& image,
                             ToneStandardTable& tones, CodeplugKind* kind = nullptr);

// The 69,632 bytes of a codeplug file.
std::vector<std::uint8_t> SerializeCodeplug(const RadioImage& image,
                                            const ToneStandardTable& tones);

// Reads the whole file at path (refusing anything larger than a codeplug) and
// loads it with LoadCodeplugBytes. Nothing changes on failure.
FileResult ReadCodeplugFile(const std::string& path, RadioImage& image, ToneStandardTable& tones,
                            CodeplugKind* kind = nullptr);

// Reads a whole file of at most maxBytes bytes.
FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxBytes);

// Writing a codeplug file is the platform layer's job (an atomic replacement of
// the old file, see app/qt/FileIo.h); the core hands over SerializeCodeplug.

// Rewrites the tone words (bytes 8..39) of the fifteen predefined standards.
void RestoreToneStandards(ToneStandardTable& tones);

// Loads defaultPath (normally Default.dat) when it can be read as a codeplug,
// then restores the tone standards in any case. Returns true when the file was
// read; on false the arrays keep their contents apart from the tone words.
bool LoadDefaultData(const std::string& defaultPath, RadioImage& image, ToneStandardTable& tones);

// Tone frequencies of the predefined standards, tenths of a hertz, symbols 0..F.
extern const std::uint16_t kPredefinedTones[15][16];

} // namespace vmr
