// vmrtool read, write and ports: the radio link from the command line.
#include "vmrtool/Tool.h"

#include "app/qt/FileIo.h"
#include "link/TransferWorker.h"
#include "link/qt/SerialPort.h"

#include <QString>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define VMR_ISATTY _isatty
#define VMR_FILENO _fileno
#else
#include <termios.h>
#include <unistd.h>
#define VMR_ISATTY isatty
#define VMR_FILENO fileno
#endif

namespace vmrtool {

namespace {

// Ctrl+C asks the running transfer to stop after its current block, as the
// dialog's "Exit" does; a second Ctrl+C ends the program at once.
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
std::atomic<bool>* gCancel = nullptr;
extern "C" void OnInterrupt(int) {
    if (gCancel) gCancel->store(true);
}

class InterruptToStop {
public:
    explicit InterruptToStop(vmr::TransferFlags& flags) {
        gCancel = &flags.TransferCancel;
#ifdef _WIN32
        previous_ = std::signal(SIGINT, OnInterrupt);
#else
        struct sigaction sa {};
        sa.sa_handler = OnInterrupt;
        sa.sa_flags = SA_RESETHAND; // no SA_RESTART: a prompt waiting for input gives up
        sigemptyset(&sa.sa_mask);
        ::sigaction(SIGINT, &sa, &previousInt_);
        ::sigaction(SIGTERM, &sa, &previousTerm_);
#endif
    }
    ~InterruptToStop() {
#ifdef _WIN32
        std::signal(SIGINT, previous_);
#else
        ::sigaction(SIGINT, &previousInt_, nullptr);
        ::sigaction(SIGTERM, &previousTerm_, nullptr);
#endif
        gCancel = nullptr;
    }
    InterruptToStop(const InterruptToStop&) = delete;
    InterruptToStop& operator=(const InterruptToStop&) = delete;

private:
#ifdef _WIN32
    void (*previous_)(int) = nullptr;
#else
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
#endif
};

bool IsTerminal(std::FILE* f) {
    return VMR_ISATTY(VMR_FILENO(f)) != 0;
}

// Reads the access code from the terminal without showing it. Empty when the
// terminal gives nothing (end of input, or Ctrl+C).
std::optional<std::string> PromptAccessCode() {
    std::cerr << "The radio is read-protected. Access code: " << std::flush;
#ifdef _WIN32
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
#else
    termios saved{};
    const bool canHide = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (canHide) {
        termios hidden = saved;
        hidden.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    }
    std::string line;
    bool complete = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n <= 0) break; // end of input, or interrupted
        if (c == '\n' || c == '\r') {
            complete = true;
            break;
        }
        if (line.size() < 64) line.push_back(c);
    }
    if (canHide) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::cerr << "\n";
    if (!complete) return std::nullopt;
#endif
    return line;
}

// The transfer dialog of the command line: a bar on a terminal, plain
// percentage lines otherwise, messages on standard error.
class TerminalPanel : public vmr::TransferPanel {
public:
    TerminalPanel(vmr::TransferDirection direction, std::optional<std::string> password)
        : upper_(direction == vmr::TransferDirection::Read ? vmr::kReadBlocks : vmr::kWriteBlocks),
          verb_(direction == vmr::TransferDirection::Read ? "Reading" : "Writing"),
          password_(std::move(password)), bar_(IsTerminal(stderr)) {}

    bool CodeMissing() const { return codeMissing_; }

    int ProgressUpper() override { return upper_; }
    int StepProgress() override { return ++position_; }
    void SetPercentText(const std::string& text) override {
        const int percent = position_ * 100 / upper_;
        if (bar_) {
            constexpr int kWidth = 40;
            const int filled = position_ * kWidth / upper_;
            if (barShown_ && filled == lastFilled_ && percent == lastPercent_) return;
            lastFilled_ = filled;
            lastPercent_ = percent;
            std::cerr << "\r" << verb_ << " [" << std::string(filled, '#')
                      << std::string(kWidth - filled, '-') << "] " << text << std::flush;
            barShown_ = true;
        } else if (percent / 10 != lastTenth_) {
            lastTenth_ = percent / 10;
            std::cerr << verb_ << " " << text << "\n";
        }
    }
    void DisableStart() override {}
    void SetSucceeded(bool) override {}
    void RequestClose() override { EndBar(); }
    void ShowMessage(const std::string& text) override {
        EndBar();
        Complain(text);
    }
    bool AskAccessCode() override {
        EndBar();
        if (password_) return vmr::AccessCodeMatches(*password_);
        if (!IsTerminal(stdin)) {
            codeMissing_ = true;
            return false;
        }
        const std::optional<std::string> typed = PromptAccessCode();
        if (!typed) {
            codeMissing_ = true;
            return false;
        }
        return vmr::AccessCodeMatches(*typed);
    }

private:
    void EndBar() {
        if (barShown_) std::cerr << "\n";
        barShown_ = false;
    }

    int upper_;
    const char* verb_;
    std::optional<std::string> password_;
    bool bar_;
    bool barShown_ = false;
    int position_ = 0;
    int lastTenth_ = -1;
    int lastFilled_ = -1;
    int lastPercent_ = -1;
    bool codeMissing_ = false;
};

int RunTransfer(vmr::TransferDirection direction, const std::string& port,
                const std::optional<std::string>& password, vmr::RadioImage& image) {
    vmr::TransferFlags flags;
    TerminalPanel panel(direction, password);
    vmr::TransferJob job;
    job.direction = direction;
    job.portPath = port;
    vmr::TransferOutcome outcome;
    {
        InterruptToStop interrupts(flags);
        vmr::SerialPort serial;
        flags.TransferBusy = true;
        outcome = vmr::TransferWorker(job, image, serial, panel, flags);
    }
    const bool interrupted = flags.TransferCancel.load();
    switch (outcome) {
    case vmr::TransferOutcome::Success:
        return kOk;
    case vmr::TransferOutcome::OpenFailed:
        return kUnavailable;
    case vmr::TransferOutcome::CommunicationError:
        return kProtocol;
    case vmr::TransferOutcome::AccessRefused:
        if (interrupted) break;
        if (panel.CodeMissing())
            Complain("the radio is read-protected: give its access code with --password");
        else
            Complain("access code refused");
        return kNoPerm;
    case vmr::TransferOutcome::Stopped:
        break;
    }
    Complain(direction == vmr::TransferDirection::Read
                 ? "read stopped; nothing was saved"
                 : "write stopped; the radio holds the blocks sent so far");
    return kInterrupted;
}

struct TransferOptions {
    std::string port;
    std::string file;
    std::string base;
    std::string password;
    bool passwordGiven = false;
};

} // namespace

void RegisterTransferCommands(CLI::App& app, int& exitCode) {
    {
        auto o = std::make_shared<TransferOptions>();
        auto* cmd = app.add_subcommand(
            "read",
            "Read the radio into a codeplug file (written only when the whole read succeeds)");
        cmd->add_option("--port", o->port, "Serial device of the programming cable")->required();
        cmd->add_option("-o,--output", o->file, "Codeplug file to write")->required();
        cmd->add_option("--password", o->password, "Access code of a read-protected radio");
        cmd->add_option("--base", o->base,
                        "Codeplug to start from (default: the default codeplug)");
        cmd->callback([o, cmd, &exitCode] {
            auto image = std::make_unique<vmr::RadioImage>();
            auto tones = std::make_unique<vmr::ToneStandardTable>();
            const bool loaded = o->base.empty() ? LoadDefaultCodeplug(*image, *tones, exitCode)
                                                : LoadCodeplug(o->base, *image, *tones, exitCode);
            if (!loaded) return;
            // Find out before a long read that the output cannot be written.
            std::error_code ec;
            const std::filesystem::path out(o->file);
            const std::filesystem::path folder = out.has_parent_path() ? out.parent_path() : ".";
            if (!std::filesystem::is_directory(folder, ec)) {
                Complain("cannot create " + o->file + ": no folder " + folder.string());
                exitCode = kCantCreate;
                return;
            }
            std::optional<std::string> password;
            if (cmd->count("--password") > 0) password = o->password;
            exitCode = RunTransfer(vmr::TransferDirection::Read, o->port, password, *image);
            if (exitCode != kOk) return;
            const vmr::FileResult saved =
                vmr::WriteCodeplugFile(QString::fromStdString(o->file), *image, *tones);
            if (!saved.ok) {
                Complain(saved.error);
                exitCode = kCantCreate;
            }
        });
    }
    {
        auto o = std::make_shared<TransferOptions>();
        auto* cmd = app.add_subcommand(
            "write", "Write a codeplug file to the radio as it is stored, with today's date");
        cmd->add_option("--port", o->port, "Serial device of the programming cable")->required();
        cmd->add_option("input", o->file, "Codeplug file to send")->required();
        cmd->add_option("--password", o->password, "Access code of a read-protected radio");
        cmd->callback([o, cmd, &exitCode] {
            auto image = std::make_unique<vmr::RadioImage>();
            auto tones = std::make_unique<vmr::ToneStandardTable>();
            if (!LoadCodeplug(o->file, *image, *tones, exitCode)) return;
            std::optional<std::string> password;
            if (cmd->count("--password") > 0) password = o->password;
            exitCode = RunTransfer(vmr::TransferDirection::Write, o->port, password, *image);
        });
    }
    {
        auto* cmd = app.add_subcommand("ports", "List the serial ports of this system");
        cmd->callback([&exitCode] {
            const std::vector<vmr::SerialPortEntry> ports = vmr::ListSerialPorts();
            if (ports.empty()) std::cerr << "vmrtool: no serial ports found\n";
            for (const vmr::SerialPortEntry& p : ports) {
                std::cout << p.path.toStdString();
                if (!p.description.isEmpty()) std::cout << "\t" << p.description.toStdString();
                std::cout << "\n";
            }
            exitCode = kOk;
        });
    }
}

} // namespace vmrtool
