#include "app/qt/RadioCommands.h"

#include "app/AppContext.h"

#include <QMessageBox>

namespace vmr {

// The radio link's dialogs are not part of this build yet.
bool RunTransferDialog(RadioDirection, AppContext& ctx, QWidget* parent) {
    QMessageBox::warning(parent, QString::fromStdString(ctx.settings.ModelName),
                         QObject::tr("The radio link is not available in this build."));
    return false;
}

bool RunPortDialog(AppContext& ctx, QWidget* parent) {
    QMessageBox::warning(parent, QString::fromStdString(ctx.settings.ModelName),
                         QObject::tr("The radio link is not available in this build."));
    return false;
}

} // namespace vmr
