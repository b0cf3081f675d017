// The program's shared data, owned by the application and handed by reference
// to the main window and to every editor.
#pragma once

#include "app/IniFile.h"
#include "app/Settings.h"
#include "image/BandTable.h"
#include "image/RadioImage.h"

#include <string>

namespace vmr {

struct AppContext {
    RadioImage image;
    ToneStandardTable tones;
    BandLimitCache bandLimits = BandLimitCache::StartUp();
    AppSettings settings;
    CIniFile ini;
    std::string CurrentFile; // full path of the open codeplug file, empty after New

    // The data as last opened, saved, read from or written to the radio
    // (app/Shell.h: MarkClean, HasUnsavedChanges).
    struct {
        RadioImage image;
        ToneStandardTable tones;
        bool marked = false;
    } clean;
};

} // namespace vmr
