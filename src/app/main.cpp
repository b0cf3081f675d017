// The programmer: reads the settings, opens the main window on the default
// data, and writes the chosen port back when it ends.
#include "app/AppContext.h"
#include "app/qt/EditorRegistry.h"
#include "app/qt/MainFrame.h"
#include "app/qt/NumberLocale.h"
#include "app/qt/Places.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vmr::UseLocaleFreeNumbers();
    // The per-user settings live under the maker's root; nothing of the
    // program's own is kept there.
    QCoreApplication::setOrganizationName("Korvane");
    QCoreApplication::setApplicationVersion("2.0.5");

    vmr::AppContext ctx;
    ctx.settings = vmr::StartUpSettings(vmr::PlatformSettingsPlaces(), ctx.ini);

    vmr::EditorRegistry registry;
    vmr::RegisterEditors(registry);

    int rc = 0;
    {
        vmr::CMainFrame frame(ctx, registry);
        frame.show();
        // Message boxes carry the model name as their caption.
        QCoreApplication::setApplicationName(QString::fromStdString(ctx.settings.ModelName));
        rc = app.exec();
    }
    vmr::SaveComPort(ctx.ini, ctx.settings);
    return rc;
}
