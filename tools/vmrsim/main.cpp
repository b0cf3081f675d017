// vmrsim: a radio on a pseudo-terminal. It prints the device path of the
// terminal on its first line of output and answers there as the radio does:
// wake-up, identification, read and write blocks with their acknowledgements,
// "ENDR" and "ENDW". Faults can be asked for, to see how the programmer copes.
#include "image/CodeplugFile.h"
#include "link/LinkPort.h"
#include "link/RadioModel.h"
#include "link/TransferWorker.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

// An address in hexadecimal, with or without "0x"; -1 when not given.
bool ParseAddress(const std::string& text, long& out) {
    std::string_view s = text;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.remove_prefix(2);
    if (s.empty() || s.size() > 4) return false;
    long value = 0;
    for (const char c : s) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0) return false;
        value = value * 16 + d;
    }
    out = value;
    return true;
}

std::string ExeDir() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.parent_path().string();
}

bool SaveImage(const std::string& path, const vmr::RadioImage& image) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), vmr::kImageSize);
        if (!out.flush()) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

// The PC's end of the line does not keep time (a pseudo-terminal moves bytes
// at once), so with line-rate emulation the radio's end keeps it for both
// directions: a byte from the PC counts as arrived one character time after the
// line was free, and a reply leaves one character time per byte.
class Line {
public:
    Line(int fd, bool lineRate) : fd_(fd), lineRate_(lineRate) {}

    Clock::time_point Arrival(Clock::time_point readAt) {
        if (!lineRate_) return readAt;
        rxFree_ = std::max(rxFree_, readAt) + kCharTime;
        return rxFree_;
    }

    void Send(const std::vector<std::uint8_t>& bytes, Clock::time_point after) {
        if (bytes.empty()) return;
        if (!lineRate_) {
            WriteAll(bytes.data(), bytes.size());
            return;
        }
        std::this_thread::sleep_until(after);
        const Clock::time_point start = std::max(Clock::now(), txFree_);
        const auto deliveredBy = [&](std::size_t count) {
            return start + kCharTime * static_cast<long>(count);
        };
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            // Whatever is fully on the wire by now goes out together; waking
            // every couple of milliseconds keeps the bytes flowing, and the
            // last one leaves exactly when its stop bit would.
            const Clock::time_point now = Clock::now();
            std::size_t due = sent;
            while (due < bytes.size() && deliveredBy(due + 1) <= now) ++due;
            if (due > sent) {
                WriteAll(bytes.data() + sent, due - sent);
                sent = due;
            }
            if (sent == bytes.size()) break;
            const Clock::time_point next =
                std::min(deliveredBy(bytes.size()), std::max(deliveredBy(sent + 1), now + kTick));
            std::this_thread::sleep_until(next);
        }
        txFree_ = start + kCharTime * static_cast<long>(bytes.size());
    }

private:
    // 10 bits a character at 38,400 bit/s.
    static constexpr std::chrono::nanoseconds kCharTime{10'000'000'000LL / vmr::kLineBaud};
    static constexpr std::chrono::microseconds kTick{2000};

    void WriteAll(const std::uint8_t* p, std::size_t n) {
        while (n > 0) {
            const ssize_t w = ::write(fd_, p, n);
            if (w < 0) {
                if (errno == EINTR || errno == EAGAIN) continue;
                return;
            }
            p += w;
            n -= static_cast<std::size_t>(w);
        }
    }

    int fd_;
    bool lineRate_;
    Clock::time_point rxFree_{};
    Clock::time_point txFree_{};
};

struct Options {
    std::string image;
    std::string save;
    std::string log;
    std::string link;
    bool readProtected = false;
    bool lineRate = false;
    int ignoreWakeUps = 0;
    bool silent = false;
    std::string shortRead, refuseAck, refuseWrite, silentAfter;
};

} // namespace

int main(int argc, char* argv[]) {
    Options o;
    CLI::App app{
        "A VMR-417 radio on a pseudo-terminal, for trying the programmer without a radio.\n"
        "Prints the device path of the terminal, then answers until stopped (Ctrl+C).\n"
        "Addresses are hexadecimal (0x8000 or 8000)."};
    app.add_option("--image", o.image,
                   "Radio memory from a codeplug (69,632 bytes) or a bare image (65,536 bytes); "
                   "default: Default.dat beside vmrsim, else a blank radio")
        ->check(CLI::ExistingFile);
    app.add_option("--save", o.save, "After every write, save the radio's 65,536 bytes here");
    app.add_option("--log", o.log, "Append every command received to this file, one a line");
    app.add_option("--link", o.link, "Also make this path a symbolic link to the terminal");
    app.add_flag("--protected", o.readProtected, "Read-protected radio (asks for the access code)");
    app.add_flag("--line-rate", o.lineRate, "Take as long as a 38,400 bit/s line, both ways");
    app.add_option("--ignore-wakeups", o.ignoreWakeUps, "Do not answer the first N wake-ups")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--silent", o.silent, "Never answer");
    app.add_option("--short-read", o.shortRead, "Answer the read block at ADDR with half its data");
    app.add_option("--refuse-ack", o.refuseAck,
                   "Refuse the acknowledgements that follow the read block at ADDR");
    app.add_option("--refuse-write", o.refuseWrite, "Refuse the write block at ADDR");
    app.add_option("--silent-after", o.silentAfter,
                   "Answer the block at ADDR, then fall silent for good");
    CLI11_PARSE(app, argc, argv);

    vmr::RadioFaults faults;
    faults.ignoreWakeUps = o.ignoreWakeUps;
    faults.silent = o.silent;
    const std::pair<const std::string*, long*> addresses[] = {
        {&o.shortRead, &faults.shortReadAt},
        {&o.refuseAck, &faults.refuseReadAckAt},
        {&o.refuseWrite, &faults.refuseWriteAt},
        {&o.silentAfter, &faults.silentAfter}};
    for (const auto& [text, target] : addresses) {
        if (text->empty()) continue;
        if (!ParseAddress(*text, *target)) {
            std::cerr << "vmrsim: not a hexadecimal address: " << *text << "\n";
            return 64;
        }
    }

    vmr::RadioImage memory;
    memory.Fill(0, vmr::kImageSize, 0xFF);
    vmr::ToneStandardTable tones;
    std::string source = o.image;
    if (source.empty()) {
        const std::string beside = ExeDir() + "/Default.dat";
        std::error_code ec;
        if (std::filesystem::is_regular_file(beside, ec)) source = beside;
    }
    if (!source.empty()) {
        const vmr::FileResult r = vmr::ReadCodeplugFile(source, memory, tones);
        if (!r.ok) {
            std::cerr << "vmrsim: " << source << ": " << r.error << "\n";
            return 66;
        }
    }
    // Protection is the radio's state, not the file's: a write does not lift it.
    faults.readProtected = o.readProtected;
    if (memory[vmr::addr::kReadProtection] == vmr::kProtectedValue)
        memory[vmr::addr::kReadProtection] = 0xFF;

    std::ofstream log;
    if (!o.log.empty()) {
        log.open(o.log, std::ios::app);
        if (!log) {
            std::cerr << "vmrsim: cannot write " << o.log << "\n";
            return 73;
        }
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::cerr << "vmrsim: no pseudo-terminal: " << std::strerror(errno) << "\n";
        return 71;
    }
    const std::string device = ::ptsname(master);
    // Holding the terminal's other end open keeps it alive between programs;
    // raw mode lets every byte through as it is.
    const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios t{};
        if (::tcgetattr(slave, &t) == 0) {
            ::cfmakeraw(&t);
            ::cfsetispeed(&t, B38400);
            ::cfsetospeed(&t, B38400);
            ::tcsetattr(slave, TCSANOW, &t);
        }
    }
    if (!o.link.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(o.link, ec)) std::filesystem::remove(o.link, ec);
        std::filesystem::create_symlink(device, o.link, ec);
        if (ec) std::cerr << "vmrsim: cannot link " << o.link << ": " << ec.message() << "\n";
    }

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::cout << device << std::endl;
    std::cerr << "vmrsim: radio on " << device << (o.readProtected ? " (read-protected)" : "")
              << (o.lineRate ? " at 38,400 bit/s" : "") << "; Ctrl+C stops it\n";

    vmr::RadioModel radio(memory, faults);
    Line line(master, o.lineRate);
    std::vector<std::uint8_t> buffer(4096);
    // A command left unfinished for this long was abandoned by the PC.
    constexpr auto kAbandoned = std::chrono::seconds(1);
    Clock::time_point lastByte = Clock::now();
    while (!gStop) {
        pollfd p{master, POLLIN, 0};
        const int ready = ::poll(&p, 1, 200);
        if (ready <= 0) {
            if (Clock::now() - lastByte > kAbandoned) radio.LineQuiet();
            continue;
        }
        const ssize_t n = ::read(master, buffer.data(), buffer.size());
        if (n <= 0) {
            // Nobody at the other end right now.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const Clock::time_point readAt = Clock::now();
        if (readAt - lastByte > kAbandoned) radio.LineQuiet();
        lastByte = readAt;
        for (ssize_t i = 0; i < n; ++i) {
            const Clock::time_point arrival = line.Arrival(readAt);
            const vmr::RadioReply reply = radio.Feed(buffer[static_cast<std::size_t>(i)]);
            if (reply.command.empty()) continue;
            line.Send(reply.bytes, arrival);
            // Saved before it is logged: whoever sees "ENDW" in the log finds the file.
            if (reply.command == "ENDW" && !o.save.empty() && !SaveImage(o.save, radio.Memory()))
                std::cerr << "vmrsim: cannot save " << o.save << "\n";
            if (log.is_open()) log << reply.command << std::endl;
        }
    }

    if (!o.link.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(o.link, ec)) std::filesystem::remove(o.link, ec);
    }
    if (slave >= 0) ::close(slave);
    ::close(master);
    return 0;
}
