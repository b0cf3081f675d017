// The program-wide settings read from Program.ini at start-up, and where the
// program's files live on this machine.
#pragma once

#include "app/IniFile.h"

#include <string>

namespace vmr {

// Folders the platform layer finds for us.
struct SettingsPlaces {
    std::string exeDir;           // folder of the program file
    std::string userConfigDir;    // the user's configuration folder for this program
    std::string userDataDir;      // a folder of the user's for codeplug files
    std::string installedDataDir; // the installed, read-only data folder
};

struct AppSettings {
    std::string AppDir;                        // program folder, with a trailing separator
    std::string ComPort = "COM1";              // port of the transfers
    std::string HelpFile = "enHelp.chm";       // help file path
    std::string ModelName = "VMR-417";         // application name and window titles
    std::string ModelDataFile = "VMR-417.dat"; // name proposed by the first Save
    std::string CompanyName;                   // About box
    std::string DataDir;                       // first folder of the file dialogs
    std::string DefaultDataPath;               // Default.dat to load
    bool portable = false;                     // Program.ini beside the program
};

// Chooses the Program.ini to use and sets it on ini:
//  - Program.ini beside the program: a portable install (a build folder is one);
//    DataDir is the program folder's DATA.
//  - otherwise Program.ini in the user's configuration folder, copied from the
//    installed data folder when the user has none; DataDir is the user's folder.
// Default.dat is looked up beside the program, then in the installed data folder.
// Then reads the settings in the start-up order and creates DataDir (a failure
// is not reported). Never writes into the program or installed folders.
AppSettings StartUpSettings(const SettingsPlaces& places, CIniFile& ini);

// Writes the chosen port back at exit; an empty port writes nothing.
bool SaveComPort(const CIniFile& ini, const AppSettings& settings);

// Appends the platform's separator when missing.
std::string WithTrailingSeparator(const std::string& dir);

} // namespace vmr
