#include "app/qt/Places.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace vmr {

SettingsPlaces PlatformSettingsPlaces() {
    SettingsPlaces p;
    p.exeDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!config.isEmpty()) p.userConfigDir = QDir(config).filePath("vmrprog").toStdString();
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath();
    p.userDataDir = QDir(docs).filePath("VMR Programmer").toStdString();
    p.installedDataDir = VMR_DATA_INSTALL_DIR;
    return p;
}

} // namespace vmr
