#include "app/Settings.h"
#include "app/qt/Places.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Korvane");
    vmr::CIniFile ini;
    const vmr::AppSettings settings = vmr::StartUpSettings(vmr::PlatformSettingsPlaces(), ini);
    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(settings.ModelName));
    window.resize(1000, 700);
    window.show();
    QApplication::setApplicationName(QString::fromStdString(settings.ModelName));
    const int rc = app.exec();
    vmr::SaveComPort(ini, settings);
    return rc;
}
