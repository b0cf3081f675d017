#include "app/qt/RadioCommands.h"

#include "app/AppContext.h"
#include "app/Shell.h"
#include "link/qt/PortDlg.h"
#include "link/qt/TransferDlg.h"

namespace vmr {

bool RunTransferDialog(RadioDirection dir, AppContext& ctx, QWidget* parent) {
    CTransferDlg dialog(dir == RadioDirection::Read ? TransferDirection::Read
                                                    : TransferDirection::Write,
                        ctx.image, QString::fromStdString(ctx.settings.ComPort), parent);
    dialog.exec();
    if (!dialog.Succeeded()) return false;
    // The radio now holds what the program holds.
    MarkClean(ctx);
    return true;
}

bool RunPortDialog(AppContext& ctx, QWidget* parent) {
    CPortDlg dialog(QString::fromStdString(ctx.settings.ComPort), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ctx.settings.ComPort = dialog.ChosenPort().toStdString();
    return true;
}

} // namespace vmr
