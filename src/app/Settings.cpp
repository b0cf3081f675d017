#include "app/Settings.h"

#include <filesystem>

namespace vmr {

namespace fs = std::filesystem;

std::string WithTrailingSeparator(const std::string& dir) {
    if (dir.empty()) return dir;
    const char last = dir.back();
    if (last == '/' || last == static_cast<char>(fs::path::preferred_separator)) return dir;
    return dir + static_cast<char>(fs::path::preferred_separator);
}

AppSettings StartUpSettings(const SettingsPlaces& places, CIniFile& ini) {
    AppSettings s;
    std::error_code ec;
    s.AppDir = WithTrailingSeparator(places.exeDir);
    const std::string installed = WithTrailingSeparator(places.installedDataDir);

    s.portable = fs::is_regular_file(s.AppDir + "Program.ini", ec);
    if (s.portable || places.userConfigDir.empty()) {
        ini.SetFile(s.AppDir, "Program.ini");
    } else {
        const std::string configDir = WithTrailingSeparator(places.userConfigDir);
        ini.SetFile(configDir, "Program.ini");
        if (!fs::exists(ini.Path(), ec) && !installed.empty() &&
            fs::is_regular_file(installed + "Program.ini", ec)) {
            fs::create_directories(configDir, ec);
            fs::copy_file(installed + "Program.ini", ini.Path(), ec);
        }
    }

    s.ComPort = ini.GetString("Setup", "COM", "");
    s.HelpFile = s.AppDir + s.HelpFile;
    s.ModelName = ini.GetString("Setup", "Model", "");
    s.ModelDataFile = s.ModelName + ".dat";
    s.CompanyName = ini.GetString("Setup", "Company", "");

    if (s.portable || places.userDataDir.empty())
        s.DataDir = s.AppDir + "DATA";
    else
        s.DataDir = places.userDataDir;
    if (!fs::exists(s.DataDir, ec)) fs::create_directories(s.DataDir, ec);

    s.DefaultDataPath = s.AppDir + "Default.dat";
    if (!fs::is_regular_file(s.DefaultDataPath, ec) && !installed.empty() &&
        fs::is_regular_file(installed + "Default.dat", ec))
        s.DefaultDataPath = installed + "Default.dat";
    return s;
}

bool SaveComPort(const CIniFile& ini, const AppSettings& settings) {
    return ini.WriteString("Setup", "COM", settings.ComPort);
}

} // namespace vmr
