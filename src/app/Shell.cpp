#include "app/Shell.h"

#include "editors/channels/ChannelRecord.h"
#include "editors/channels/Consistency.h"
#include "image/Codecs.h"

namespace vmr {

std::string TitleModel(const AppContext& ctx) {
    return ctx.ini.GetString("Setup", "Model", ctx.settings.ModelName);
}

std::string MainWindowTitle(const AppContext& ctx) {
    std::string title = TitleModel(ctx);
    if (!ctx.CurrentFile.empty()) title += " [ " + ctx.CurrentFile + " ]";
    return title;
}

std::string CodeplugName(const AppContext& ctx) {
    std::string name = ctx.CurrentFile.empty() ? ctx.settings.ModelDataFile : ctx.CurrentFile;
    // Only the file's own name: a "." in a folder name must not cut it.
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string FileErrorText(const FileResult& result) {
    return result.error.empty() ? kNoErrorText : result.error;
}

void ClearCommitFlags(RadioImage& image) {
    image[addr::kCommitFlags] = static_cast<std::uint8_t>(image[addr::kCommitFlags] & ~0x03);
}

bool LoadDefaults(AppContext& ctx) {
    const bool read = LoadDefaultData(ctx.settings.DefaultDataPath, ctx.image, ctx.tones);
    if (!read) return false;
    // The limits of a file opened before belong to that file: fresh data are
    // checked as at start-up.
    ctx.bandLimits = BandLimitCache::StartUp();
    SeedDefaultSlots(ctx.image, ctx.bandLimits);
    return true;
}

FileResult OpenCodeplug(AppContext& ctx, const std::string& path) {
    FileResult r = ReadCodeplugFile(path, ctx.image, ctx.tones);
    if (!r.ok) return r;
    RestoreToneStandards(ctx.tones);
    RefreshBandLimits(ctx.bandLimits, ctx.image);
    ctx.CurrentFile = path;
    return r;
}

void ResetChannelsOutsideBands(RadioImage& image, const BandLimitCache& cache) {
    for (int i = 1; i <= 800; ++i) {
        const std::size_t offset = RecordOffset(i);
        if (BandOf(cache, ReadFreq(image, offset)) == -1)
            FillDefaultRecord(image, offset, 0, cache);
    }
}

std::string AboutModelText(const AppSettings& s) {
    return s.CompanyName + " The software apply for " + s.ModelName + " model";
}

PageLayout LayOutPage(int pageWidth, int pageHeight, int charWidth, int charHeight) {
    PageLayout p{};
    p.header = {4 * charWidth, 0, pageWidth - 4 * charWidth, 2 * charHeight};
    const int footerBottom = pageHeight - 30;
    p.footer = {4 * charWidth, footerBottom - charHeight, pageWidth - 4 * charWidth, footerBottom};
    p.footerText = {p.footer.left, p.footer.top + charHeight / 2, p.footer.right,
                    p.footer.bottom + charHeight / 2};
    return p;
}

std::string PageFooterText(int page, int pages) {
    return "-- Page " + std::to_string(page) + " of " + std::to_string(pages) + " --";
}

namespace {

void Normalise(RadioImage& image, const BandLimitCache& cache) {
    FinaliseImage(image, cache);
    ClearCommitFlags(image);
}

} // namespace

void MarkClean(AppContext& ctx) {
    ctx.clean.image = ctx.image;
    ctx.clean.tones = ctx.tones;
    ctx.clean.marked = true;
}

bool HasUnsavedChanges(const AppContext& ctx) {
    if (!ctx.clean.marked) return false;
    if (!(ctx.clean.tones == ctx.tones)) return true;
    if (ctx.clean.image == ctx.image) return false;
    RadioImage before = ctx.clean.image;
    RadioImage now = ctx.image;
    Normalise(before, ctx.bandLimits);
    Normalise(now, ctx.bandLimits);
    return !(before == now);
}

} // namespace vmr
