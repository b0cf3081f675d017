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
    // An installed tree may have been moved as a whole (or installed under
    // another prefix): its data folder then lies beside bin/ as share/vmrprog.
    const QDir relocated(QCoreApplication::applicationDirPath() + "/../share/vmrprog");
    if (relocated.exists("Default.dat"))
        p.installedDataDir = QDir::toNativeSeparators(relocated.canonicalPath()).toStdString();
    else
        p.installedDataDir = VMR_DATA_INSTALL_DIR;
    return p;
}

} // namespace vmr
