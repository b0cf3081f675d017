#include "app/qt/HelpHook.h"

#include "app/Settings.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vmr {

HelpHook::HelpHook(const AppSettings& settings)
    : settings_(settings), launch_([](const QString& program, const QStringList& args) {
          return QProcess::startDetached(program, args);
      }) {}

bool HelpHook::Show(int context, QString* note) {
    last_ = context;
    const QString file = QString::fromStdString(settings_.HelpFile);
    const QString number = QString::number(context);
    if (!QFileInfo(file).isFile()) {
        if (note) *note = QObject::tr("No help file is installed (help topic %1).").arg(number);
        return false;
    }
    // Viewers of compiled help files that open a topic by its context number.
    struct Viewer {
        const char* program;
        QStringList args;
    };
    const Viewer viewers[] = {
        {"xchm", {"-c", number, file}},
        {"kchmviewer", {"-showPage", number, file}},
    };
    for (const Viewer& v : viewers) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(v.program));
        if (!exe.isEmpty() && launch_ && launch_(exe, v.args)) return true;
    }
    if (note)
        *note =
            QObject::tr("No viewer for the help file is installed (help topic %1).").arg(number);
    return false;
}

} // namespace vmr
