// The folders of this machine that the settings need.
#pragma once

#include "app/Settings.h"

namespace vmr {

// Program folder from the running executable; the user's configuration and
// documents folders from the desktop's standard locations.
SettingsPlaces PlatformSettingsPlaces();

} // namespace vmr
