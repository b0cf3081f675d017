#include "TestSupport.h"

#include "app/IniFile.h"
#include "app/Settings.h"

#include <filesystem>

namespace vmr {
namespace {

using test::ReadTextFile;
using test::TempDir;
using test::WriteTextFile;

TEST(IniFile, ReadsLikeThePrivateProfileFunctions) {
    TempDir dir;
    // As the Windows program leaves it: CRLF, comments, odd case and spacing.
    WriteTextFile(dir.File("Program.ini"),
                  "; settings\r\n[other]\r\nModel=wrong\r\n[SETUP]\r\n  com = COM3  \r\n"
                  "model=VMR-417\r\nCompany=\"Korvane\"\r\n[setup]\r\nExtra=1\r\n");
    CIniFile ini;
    ini.SetFile(dir.Path() + "/", "Program.ini");
    EXPECT_EQ(ini.GetString("Setup", "COM", ""), "COM3");
    EXPECT_EQ(ini.GetString("setup", "Model", ""), "VMR-417");
    EXPECT_EQ(ini.GetString("Setup", "Company", ""), "Korvane");
    EXPECT_EQ(ini.GetString("Setup", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.GetString("Nowhere", "COM", "d"), "d");
    EXPECT_EQ(ini.GetString("Setup", "", "keyless"), "keyless");
    ini.SetFile(dir.Path() + "/", "None.ini");
    EXPECT_EQ(ini.GetString("Setup", "COM", "x"), "x");
}

TEST(IniFile, ValuesAreCutAt255Characters) {
    TempDir dir;
    WriteTextFile(dir.File("p.ini"), "[Setup]\nModel=" + std::string(300, 'M') + "\n");
    CIniFile ini;
    ini.SetPath(dir.File("p.ini"));
    EXPECT_EQ(ini.GetString("Setup", "Model", ""), std::string(255, 'M'));
}

TEST(IniFile, WriteKeepsTheRestOfTheFile) {
    TempDir dir;
    const std::string before = "; keep me\r\n[Setup]\r\nModel=VMR-417\r\nCOM=COM1\r\n"
                               "Company=Korvane\r\n\r\n[Other]\r\nX=1\r\n";
    WriteTextFile(dir.File("p.ini"), before);
    CIniFile ini;
    ini.SetPath(dir.File("p.ini"));
    ASSERT_TRUE(ini.WriteString("setup", "com", "/dev/ttyUSB0"));
    EXPECT_EQ(ReadTextFile(dir.File("p.ini")),
              "; keep me\r\n[Setup]\r\nModel=VMR-417\r\ncom=/dev/ttyUSB0\r\n"
              "Company=Korvane\r\n\r\n[Other]\r\nX=1\r\n");
    ASSERT_TRUE(ini.WriteString("Other", "Y", "2"));
    ASSERT_TRUE(ini.WriteString("New", "Z", "3"));
    EXPECT_EQ(ini.GetString("Other", "Y", ""), "2");
    EXPECT_EQ(ini.GetString("New", "Z", ""), "3");
    EXPECT_EQ(ini.GetString("Other", "X", ""), "1");
    EXPECT_NE(ReadTextFile(dir.File("p.ini")).find("X=1\r\nY=2\r\n"), std::string::npos);
}

TEST(IniFile, WriteCreatesTheFileAndRefusesEmptyKeysOrValues) {
    TempDir dir;
    CIniFile ini;
    ini.SetPath(dir.File("new.ini"));
    EXPECT_FALSE(ini.WriteString("Setup", "COM", ""));
    EXPECT_FALSE(ini.WriteString("Setup", "", "x"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.ini")));
    ASSERT_TRUE(ini.WriteString("Setup", "COM", "/dev/ttyUSB1"));
    EXPECT_EQ(ReadTextFile(dir.File("new.ini")), "[Setup]\nCOM=/dev/ttyUSB1\n");
    ini.SetPath(dir.File("missing-folder/x.ini"));
    EXPECT_FALSE(ini.WriteString("Setup", "COM", "x"));
}

struct Install {
    TempDir dir;
    SettingsPlaces places;
    Install() {
        for (const char* d : {"bin", "config", "docs", "share"})
            std::filesystem::create_directories(dir.File(d));
        places = {dir.File("bin"), dir.File("config/vmrprog"), dir.File("docs/VMR Programmer"),
                  dir.File("share")};
    }
};

TEST(Settings, PortableInstallUsesTheProgramFolder) {
    Install in;
    WriteTextFile(in.dir.File("bin/Program.ini"),
                  "[Setup]\nCOM=COM4\nModel=VMR-417\nCompany=Korvane\n");
    WriteTextFile(in.dir.File("bin/Default.dat"), "");
    CIniFile ini;
    const AppSettings s = StartUpSettings(in.places, ini);
    EXPECT_TRUE(s.portable);
    EXPECT_EQ(ini.Path(), in.dir.File("bin/Program.ini"));
    EXPECT_EQ(s.AppDir, in.dir.File("bin/"));
    EXPECT_EQ(s.ComPort, "COM4");
    EXPECT_EQ(s.ModelName, "VMR-417");
    EXPECT_EQ(s.ModelDataFile, "VMR-417.dat");
    EXPECT_EQ(s.CompanyName, "Korvane");
    EXPECT_EQ(s.HelpFile, in.dir.File("bin/enHelp.chm"));
    EXPECT_EQ(s.DataDir, in.dir.File("bin/DATA"));
    EXPECT_TRUE(std::filesystem::is_directory(s.DataDir));
    EXPECT_EQ(s.DefaultDataPath, in.dir.File("bin/Default.dat"));
}

TEST(Settings, InstalledProgramCopiesTheDeliveredIniOnce) {
    Install in;
    WriteTextFile(in.dir.File("share/Program.ini"), "[Setup]\nModel=VMR-417\nCompany=Korvane\n");
    WriteTextFile(in.dir.File("share/Default.dat"), "");
    CIniFile ini;
    AppSettings s = StartUpSettings(in.places, ini);
    EXPECT_FALSE(s.portable);
    EXPECT_EQ(ini.Path(), in.dir.File("config/vmrprog/Program.ini"));
    EXPECT_EQ(s.ModelName, "VMR-417");
    EXPECT_EQ(s.ComPort, "");
    EXPECT_EQ(s.DataDir, in.dir.File("docs/VMR Programmer"));
    EXPECT_TRUE(std::filesystem::is_directory(s.DataDir));
    EXPECT_EQ(s.DefaultDataPath, in.dir.File("share/Default.dat"));

    // The port is kept in the user's copy; the delivered file is never touched.
    s.ComPort = "/dev/ttyUSB0";
    ASSERT_TRUE(SaveComPort(ini, s));
    CIniFile again;
    EXPECT_EQ(StartUpSettings(in.places, again).ComPort, "/dev/ttyUSB0");
    EXPECT_EQ(ReadTextFile(in.dir.File("share/Program.ini")),
              "[Setup]\nModel=VMR-417\nCompany=Korvane\n");
}

TEST(Settings, WithoutProgramIniEverythingIsEmpty) {
    Install in;
    CIniFile ini;
    AppSettings s = StartUpSettings(in.places, ini);
    EXPECT_EQ(s.ModelName, "");
    EXPECT_EQ(s.ModelDataFile, ".dat");
    EXPECT_EQ(s.ComPort, "");
    EXPECT_FALSE(SaveComPort(ini, s)); // an empty port writes nothing
    EXPECT_FALSE(std::filesystem::exists(ini.Path()));
}

} // namespace
} // namespace vmr
