// The port dialog's state and handlers, without a window: sixteen port buttons,
// greyed out when their port cannot be opened, and a field holding the device
// path that the transfers will open.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vmr {

constexpr int kPortButtons = 16;

// "COM1" ... "COM9", and "\\.\COM10" ... "\\.\COM16" (the device-namespace form
// the system needs from 10 on).
std::string PortNameForNumber(int n);
// The decimal number after the first "M" of a name, or -1 when there is none.
int PortNumberOfName(std::string_view name);

struct PortCandidate {
    std::string text; // the button's text
    std::string path; // what the transfer opens
};
// The sixteen numbered ports of a system that names them "COMn".
std::vector<PortCandidate> NumberedPortCandidates();

struct PortButton {
    std::string text;
    std::string path;
    bool enabled = false;
};

class PortForm {
public:
    using Probe = std::function<bool(const std::string& path)>;

    // candidates: the ports the buttons stand for, at most sixteen used; a
    // button without a candidate stays empty and greyed out. probe tells
    // whether a port can be opened now. byNumber: the configured port selects
    // the button with the same port number (a "COMn" system); otherwise the
    // button with the same path.
    void Load(const std::string& currentPort, const std::vector<PortCandidate>& candidates,
              const Probe& probe, bool byNumber);

    const std::array<PortButton, kPortButtons>& Buttons() const { return buttons_; }
    int Selected() const { return selected_; } // -1 when no button is selected
    const std::string& PathText() const { return pathText_; }

    void OnButtonClicked(int index);            // selects it and shows its path
    void OnPathEdited(const std::string& text); // selects the button of that path, if any
    // OK: the port to use from now on. With nothing chosen, the current one.
    std::string OnOk() const;

private:
    int ButtonOfPath(const std::string& path) const;

    std::array<PortButton, kPortButtons> buttons_{};
    int selected_ = -1;
    std::string pathText_;
    std::string current_;
    bool byNumber_ = false;
};

} // namespace vmr
