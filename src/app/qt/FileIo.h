// File writing for the Qt programs: every file is replaced atomically.
#pragma once

#include "image/CodeplugFile.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace vmr {

// Writes bytes to path through a temporary file in the same folder that is
// flushed, synced and renamed over the target; the old file survives a failure.
FileResult WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes);

// The 69,632 bytes of a codeplug file, written atomically.
FileResult WriteCodeplugFile(const QString& path, const RadioImage& image,
                             const ToneStandardTable& tones);

} // namespace vmr
