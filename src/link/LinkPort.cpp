#include "link/LinkPort.h"

#include "link/TransferWorker.h"

namespace vmr {

std::string OpenPortFailText(const PortOpenResult& result) {
    std::string text = kOpenPortFail;
    if (!result.reason.empty()) text += "\n" + result.reason;
    if (result.error == PortOpenError::Permission) {
        const std::string group = result.group.empty() ? "dialout" : result.group;
        text += "\nYour user needs to be a member of the port's group \"" + group +
                "\" (on Debian: dialout; add it with \"sudo adduser $USER " + group +
                "\", then log in again).";
    } else if (result.error == PortOpenError::InUse) {
        text += "\nAnother program is using the port.";
    }
    return text;
}

} // namespace vmr
