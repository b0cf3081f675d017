// The main window's way to the radio link's dialogs.
#pragma once

#include <functional>

class QWidget;

namespace vmr {

struct AppContext;

enum class RadioDirection { Read, Write };

// Runs the transfer dialog for dir over parent; true when the transfer ended
// successfully.
bool RunTransferDialog(RadioDirection dir, AppContext& ctx, QWidget* parent);

// Runs the port dialog; true when it ended with OK (ComPort holds the choice).
bool RunPortDialog(AppContext& ctx, QWidget* parent);

// What the windows that run the radio commands call; tests put their own in.
using TransferRunner = std::function<bool(RadioDirection, AppContext&, QWidget*)>;
using PortRunner = std::function<bool(AppContext&, QWidget*)>;

} // namespace vmr
