#include "link/PortForm.h"

#include <cctype>

namespace vmr {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

// A bare device name stands for the device of that name under /dev.
std::string DevicePath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return name;
    return "/dev/" + name;
}

} // namespace

std::string PortNameForNumber(int n) {
    return (n >= 10 ? "\\\\.\\COM" : "COM") + std::to_string(n);
}

int PortNumberOfName(std::string_view name) {
    const std::size_t m = name.find('M');
    // "%*[^M]M%d": at least one character must come before the "M".
    if (m == std::string_view::npos || m == 0) return -1;
    std::size_t i = m + 1;
    while (i < name.size() && (name[i] == ' ' || name[i] == '\t')) ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == '+' || name[i] == '-')) negative = name[i++] == '-';
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) return -1;
    long value = 0;
    while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])) && value < 100000)
        value = value * 10 + (name[i++] - '0');
    return static_cast<int>(negative ? -value : value);
}

std::vector<PortCandidate> NumberedPortCandidates() {
    std::vector<PortCandidate> out;
    for (int n = 1; n <= kPortButtons; ++n)
        out.push_back({"COM" + std::to_string(n), PortNameForNumber(n)});
    return out;
}

void PortForm::Load(const std::string& currentPort, const std::vector<PortCandidate>& candidates,
                    const Probe& probe, bool byNumber) {
    byNumber_ = byNumber;
    current_ = currentPort;
    pathText_ = currentPort;
    selected_ = -1;
    for (int i = 0; i < kPortButtons; ++i) {
        PortButton& b = buttons_[i];
        b = PortButton{};
        if (i >= static_cast<int>(candidates.size())) continue;
        b.text = candidates[i].text;
        b.path = candidates[i].path;
        b.enabled = probe(b.path);
    }
    // The configured port is selected only when it can be opened now.
    if (!currentPort.empty() && probe(currentPort)) selected_ = ButtonOfPath(currentPort);
}

int PortForm::ButtonOfPath(const std::string& path) const {
    if (byNumber_) {
        const int n = PortNumberOfName(path);
        if (n >= 1 && n <= kPortButtons && !buttons_[n - 1].path.empty()) return n - 1;
        return -1;
    }
    const std::string wanted = DevicePath(path);
    for (int i = 0; i < kPortButtons; ++i)
        if (!buttons_[i].path.empty() && DevicePath(buttons_[i].path) == wanted) return i;
    return -1;
}

void PortForm::OnButtonClicked(int index) {
    if (index < 0 || index >= kPortButtons || !buttons_[index].enabled) return;
    selected_ = index;
    pathText_ = buttons_[index].path;
}

void PortForm::OnPathEdited(const std::string& text) {
    pathText_ = text;
    const int i = ButtonOfPath(Trimmed(text));
    selected_ = (i >= 0 && buttons_[i].enabled) ? i : -1;
}

std::string PortForm::OnOk() const {
    if (selected_ >= 0) return buttons_[selected_].path;
    const std::string typed = Trimmed(pathText_);
    return typed.empty() ? current_ : typed;
}

} // namespace vmr
