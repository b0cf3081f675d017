// The main window's rules that need no window: titles, the codeplug name of a
// print job, the file commands on the shared data, the page layout of a print
// job, the About texts and the question whether the data have changed.
#pragma once

#include "app/AppContext.h"
#include "image/CodeplugFile.h"

#include <string>

namespace vmr {

constexpr const char* kVersionText = "Version 2.0.5";
constexpr const char* kNewQuestion = "Clear all data! \ncontinue?";
constexpr const char* kNewCaption = "Warnning";
constexpr const char* kNoErrorText = "Sorry, error not find.";
constexpr const char* kFileFilter = "Param Files (*.dat)";

// The "Model" value of Program.ini, read afresh with ModelName as default.
std::string TitleModel(const AppContext& ctx);
// The main window title: the model, and " [ path ]" while a file is open.
std::string MainWindowTitle(const AppContext& ctx);

// The name of the codeplug for a print job: the file name of CurrentFile (or
// ModelDataFile after New) cut before its first "."; no "." gives empty text.
std::string CodeplugName(const AppContext& ctx);

// The text to show for a failed file operation.
std::string FileErrorText(const FileResult& result);

// Clears bits 0 and 1 of 0xCC25, as every commit of all editors does last.
void ClearCommitFlags(RadioImage& image);

// Loads Default.dat into the image and the tone table and, when it was read,
// puts the band limits back to their start-up values and seeds the slot
// records. Returns whether Default.dat was read.
bool LoadDefaults(AppContext& ctx);

// Opens a codeplug file: loads it (a file of the wrong size is refused and
// nothing changes), restores the tone standards and reloads the band limits.
// CurrentFile becomes path on success.
FileResult OpenCodeplug(AppContext& ctx, const std::string& path);

// After the frequency range editor: every bank A channel whose receive
// frequency lies in no band (an empty channel too) gets the default record.
void ResetChannelsOutsideBands(RadioImage& image, const BandLimitCache& cache);

// About box texts.
std::string AboutModelText(const AppSettings& s); // "%s The software apply for %s model"

// Header and footer of the printed page, in device units.
struct Rect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
struct PageLayout {
    Rect header; // the codeplug name, centred; a line along its bottom edge
    Rect footer; // a line along its top edge; the page text half a line lower
    Rect footerText;
};
PageLayout LayOutPage(int pageWidth, int pageHeight, int charWidth, int charHeight);
std::string PageFooterText(int page, int pages); // "-- Page %d of %d --"
constexpr const char* kMetricsSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

// Remembers the data as they are now opened, saved, read from or written to
// the radio; HasUnsavedChanges tells whether closing the program would lose
// changes since then. The derived areas and the commit flags are left out of
// the comparison: they follow from the rest.
void MarkClean(AppContext& ctx);
bool HasUnsavedChanges(const AppContext& ctx);

} // namespace vmr
