// Every request for help ends here, with the context number of a topic of the
// help file (app/Editors.h: HelpContextOfWindow, HelpContextOfCommand).
#pragma once

#include <QString>

#include <functional>

namespace vmr {

struct AppSettings;

class HelpHook {
public:
    // Starts a viewer (program, arguments); returns whether it started.
    using Launcher = std::function<bool(const QString& program, const QStringList& args)>;

    explicit HelpHook(const AppSettings& settings);

    // Opens the help file at the topic of context. When there is no help file
    // or no viewer for it, returns false and fills note with a sentence that
    // names the context number.
    bool Show(int context, QString* note);

    void SetLauncher(Launcher launcher) { launch_ = std::move(launcher); }
    int LastContext() const { return last_; }

private:
    const AppSettings& settings_;
    Launcher launch_;
    int last_ = -1;
};

} // namespace vmr
