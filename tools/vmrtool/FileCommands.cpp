// vmrtool new, finalise and info: codeplug files without a radio.
#include "vmrtool/Tool.h"

#include "app/Settings.h"
#include "app/qt/FileIo.h"
#include "app/qt/Places.h"
#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/BandTable.h"
#include "image/Codecs.h"
#include "image/CodeplugFile.h"
#include "image/OptionTables.h"

#include <QString>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace vmrtool {

namespace {

struct Codeplug {
    vmr::RadioImage image;
    vmr::ToneStandardTable tones;
};

// Opens IN as the program's Open command does; sets exitCode on failure.
bool OpenCodeplug(const std::string& path, Codeplug& cp, vmr::BandLimitCache& cache,
                  int& exitCode) {
    if (!LoadCodeplug(path, cp.image, cp.tones, exitCode)) return false;
    vmr::RefreshBandLimits(cache, cp.image);
    return true;
}

bool Save(const std::string& path, const Codeplug& cp, int& exitCode) {
    const vmr::FileResult r =
        vmr::WriteCodeplugFile(QString::fromStdString(path), cp.image, cp.tones);
    if (!r.ok) {
        Complain(r.error);
        exitCode = kCantCreate;
        return false;
    }
    return true;
}

std::string Text(const vmr::RadioImage& image, std::size_t offset, std::size_t width) {
    return vmr::ReadPaddedText(image.data() + offset, width);
}

std::string LimitText(const vmr::RadioImage& image, std::size_t offset) {
    return vmr::IsLimitFieldSet(image, offset) ? vmr::FormatFreqText(vmr::ReadFreq(image, offset))
                                               : std::string("-");
}

std::string Pad(std::string s, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string DateText(const vmr::RadioImage& image) {
    const auto two = [](std::uint8_t b) {
        const int v = vmr::BcdToByte(b);
        return (v < 10 ? "0" : "") + std::to_string(v);
    };
    if (image[0xFF28] == 0xFF || image[0xFF2A] == 0xFF) return "never";
    return two(image[0xFF29]) + two(image[0xFF28]) + "-" + two(image[0xFF2A]) + "-" +
           two(image[0xFF2B]);
}

void PrintInfo(const Codeplug& cp, std::ostream& out) {
    const vmr::RadioImage& img = cp.image;
    vmr::BandLimitCache cache = vmr::BandLimitCache::StartUp();
    vmr::RefreshBandLimits(cache, img);
    vmr::RecomputeBandEnables(cache, img);

    out << "Model:          " << Text(img, 0xFF10, 16) << " (name " << Text(img, 0xFF08, 8)
        << ", serial " << Text(img, 0xFF00, 8) << ", firmware " << Text(img, 0xFF20, 8) << ")\n";
    out << "Last programmed: " << DateText(img) << "\n";
    out << "Read protected: " << (img[vmr::addr::kReadProtection] == 3 ? "yes" : "no") << "\n\n";
    out << "Band  Enabled  Rx lower   Rx upper   Tx lower   Tx upper\n";
    for (int b = 0; b < vmr::kBandCount; ++b) {
        const std::size_t r = vmr::BandRecordOffset(b);
        out << Pad(std::string(vmr::BandNames[static_cast<std::size_t>(b)]), 6)
            << Pad(cache.Enabled[b] ? "yes" : "no", 9) << Pad(LimitText(img, r), 11)
            << Pad(LimitText(img, r + 4), 11) << Pad(LimitText(img, r + 8), 11)
            << LimitText(img, r + 12) << "\n";
    }
    int bankA = 0, bankB = 0;
    for (int n = 1; n <= vmr::kChannelsPerBank; ++n) bankA += !vmr::IsChannelEmpty(img, n);
    for (int n = 801; n <= vmr::kChannelCount; ++n) bankB += !vmr::IsChannelEmpty(img, n);
    out << "\nChannels in use: bank A " << bankA << " of 800, bank B " << bankB << " of 800\n";
    const int standard = img[vmr::addr::kFiveToneStandardCopy];
    out << "Five-tone standard: "
        << (standard < 16
                ? std::string(vmr::FiveToneStandardNames[static_cast<std::size_t>(standard)])
                : "unknown (" + std::to_string(standard) + ")")
        << "\n";
}

} // namespace

bool LoadCodeplug(const std::string& path, vmr::RadioImage& image, vmr::ToneStandardTable& tones,
                  int& exitCode) {
    const vmr::FileResult r = vmr::ReadCodeplugFile(path, image, tones);
    if (r.ok) {
        vmr::RestoreToneStandards(tones);
        return true;
    }
    if (r.code == vmr::FileError::NotCodeplug) {
        Complain(path + " is not a codeplug file. " + r.error);
        exitCode = kDataErr;
    } else {
        Complain(r.error);
        exitCode = r.code == vmr::FileError::Open ? kNoInput : kIoErr;
    }
    return false;
}

bool LoadDefaultCodeplug(vmr::RadioImage& image, vmr::ToneStandardTable& tones, int& exitCode) {
    const std::string def = FindDefaultData();
    if (!vmr::LoadDefaultData(def, image, tones)) {
        Complain("cannot load the default codeplug " + def);
        exitCode = kNoInput;
        return false;
    }
    vmr::SeedDefaultSlots(image, vmr::BandLimitCache::StartUp());
    return true;
}

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

void RegisterFileCommands(CLI::App& app, int& exitCode) {
    {
        auto* cmd = app.add_subcommand("new", "Write a new codeplug from the factory default data");
        auto out = std::make_shared<std::string>();
        cmd->add_option("-o,--output", *out, "Codeplug file to write")->required();
        cmd->callback([out, &exitCode] {
            Codeplug cp;
            if (!LoadDefaultCodeplug(cp.image, cp.tones, exitCode)) return;
            if (Save(*out, cp, exitCode)) exitCode = kOk;
        });
    }
    {
        auto* cmd = app.add_subcommand(
            "finalise", "Recompute the derived areas of a codeplug as the channel table does");
        auto in = std::make_shared<std::string>();
        auto out = std::make_shared<std::string>();
        cmd->add_option("input", *in, "Codeplug file to read")->required();
        cmd->add_option("-o,--output", *out, "Codeplug file to write")->required();
        cmd->callback([in, out, &exitCode] {
            Codeplug cp;
            vmr::BandLimitCache cache = vmr::BandLimitCache::StartUp();
            if (!OpenCodeplug(*in, cp, cache, exitCode)) return;
            vmr::RecomputeBandEnables(cache, cp.image);
            vmr::FinaliseImage(cp.image, cache);
            if (Save(*out, cp, exitCode)) exitCode = kOk;
        });
    }
    {
        auto* cmd = app.add_subcommand("info", "Print a short summary of a codeplug");
        auto in = std::make_shared<std::string>();
        cmd->add_option("input", *in, "Codeplug file to read")->required();
        cmd->callback([in, &exitCode] {
            Codeplug cp;
            vmr::BandLimitCache cache = vmr::BandLimitCache::StartUp();
            if (!OpenCodeplug(*in, cp, cache, exitCode)) return;
            PrintInfo(cp, std::cout);
            exitCode = kOk;
        });
    }
}

} // namespace vmrtool
