#include "vmrtool/Tool.h"

#include "app/Settings.h"
#include "app/qt/Places.h"

#include <filesystem>
#include <iostream>

namespace vmrtool {

void Complain(const std::string& message) {
    std::cerr << "vmrtool: " << message << "\n";
}

std::string FindDefaultData() {
    const vmr::SettingsPlaces places = vmr::PlatformSettingsPlaces();
    std::error_code ec;
    const std::string beside = vmr::WithTrailingSeparator(places.exeDir) + "Default.dat";
    if (std::filesystem::is_regular_file(beside, ec)) return beside;
    return vmr::WithTrailingSeparator(places.installedDataDir) + "Default.dat";
}

void RegisterFileCommands(CLI::App&, int&) {}

} // namespace vmrtool
