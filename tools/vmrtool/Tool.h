// Shared pieces of the vmrtool commands.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace vmr {
struct RadioImage;
struct ToneStandardTable;
} // namespace vmr

namespace vmrtool {

// Exit statuses, as sysexits.h numbers them.
enum Exit : int {
    kOk = 0,
    kUsage = 64,
    kDataErr = 65,     // a file that is not a codeplug
    kNoInput = 66,     // an input that cannot be opened
    kUnavailable = 69, // the port cannot be opened
    kCantCreate = 73,  // an output that cannot be created
    kIoErr = 74,
    kProtocol = 76,     // communication error with the radio
    kNoPerm = 77,       // access code refused or not given
    kInterrupted = 130, // a transfer stopped by Ctrl+C (128 + SIGINT)
};

// Each command group adds its subcommands; a command's callback stores its exit
// status in exitCode.
void RegisterFileCommands(CLI::App& app, int& exitCode);
void RegisterTransferCommands(CLI::App& app, int& exitCode);

// Default.dat as the program finds it (beside vmrtool, then the installed data).
std::string FindDefaultData();

// Loads a codeplug file as the program's Open command does (the five-tone
// standards restored); on failure says why and sets exitCode.
bool LoadCodeplug(const std::string& path, vmr::RadioImage& image, vmr::ToneStandardTable& tones,
                  int& exitCode);

// Loads Default.dat and seeds the slot records, as the program does at start-up;
// on failure says why and sets exitCode.
bool LoadDefaultCodeplug(vmr::RadioImage& image, vmr::ToneStandardTable& tones, int& exitCode);

// Prints "vmrtool: message" to standard error.
void Complain(const std::string& message);

} // namespace vmrtool
