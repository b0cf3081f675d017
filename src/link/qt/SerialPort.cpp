#include "link/qt/SerialPort.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vmr {

namespace {

PortOpenResult Failure(const QSerialPort& port, const std::string& path) {
    PortOpenResult r;
    r.reason = path + ": " + port.errorString().toStdString();
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        r.error = PortOpenError::NotFound;
        break;
    case QSerialPort::PermissionError:
        r.error = PortOpenError::InUse;
        break;
    default:
        r.error = PortOpenError::Other;
        break;
    }
#ifdef Q_OS_UNIX
    // QSerialPort reports a lock held by another program and a device the user
    // may not open alike; the file's access rights tell them apart.
    const std::string file = port.portName().contains('/')
                                 ? port.portName().toStdString()
                                 : ("/dev/" + port.portName().toStdString());
    if (::access(file.c_str(), F_OK) != 0) {
        r.error = PortOpenError::NotFound;
        r.reason = path + ": " + std::strerror(ENOENT);
    } else if (::access(file.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        r.error = PortOpenError::Permission;
        r.reason = path + ": " + std::strerror(EACCES);
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0)
            if (const group* g = ::getgrgid(st.st_gid)) r.group = g->gr_name;
    }
#endif
    return r;
}

bool OpenConfigured(QSerialPort& port) {
    if (!port.open(QIODevice::ReadWrite)) return false;
    const bool lineSet = port.setBaudRate(kLineBaud) && port.setDataBits(QSerialPort::Data8) &&
                         port.setParity(QSerialPort::NoParity) &&
                         port.setStopBits(QSerialPort::OneStop) &&
                         port.setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) {
        port.close();
        return false;
    }
    // Some programming cables draw their power from the handshake lines; a
    // device without them (a pseudo-terminal) is fine as it is.
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    port.clearError();
    return true;
}

} // namespace

SerialPort::SerialPort() = default;
SerialPort::~SerialPort() {
    Close();
}

PortOpenResult SerialPort::Open(const std::string& path) {
    Close();
    if (path.empty()) return {false, PortOpenError::NotFound, "No port has been chosen.", ""};
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QString::fromStdString(path));
    if (!OpenConfigured(*port_)) {
        PortOpenResult r = Failure(*port_, path);
        port_.reset();
        return r;
    }
    return {true, PortOpenError::None, "", ""};
}

void SerialPort::Close() {
    if (!port_) return;
    if (port_->isOpen()) {
        // Let the last command (the end command) leave before the port goes.
        if (port_->bytesToWrite() > 0) port_->waitForBytesWritten(kWriteTotalBaseMs);
        port_->close();
    }
    port_.reset();
}

void SerialPort::Discard() {
    // Only stale input goes. What this program wrote is on its way to the radio
    // (the wake-up leaves one byte every 2 ms); purging the transmit side as
    // well would lose those bytes whenever the line or the far end is slower.
    if (port_) port_->clear(QSerialPort::Input);
}

void SerialPort::Write(const std::uint8_t* data, std::size_t n) {
    if (!port_ || n == 0) return;
    port_->write(reinterpret_cast<const char*>(data), static_cast<qint64>(n));
    QElapsedTimer timer;
    timer.start();
    const qint64 budget = kWriteTotalBaseMs + kWriteTotalPerByteMs * static_cast<qint64>(n);
    while (port_->bytesToWrite() > 0 && timer.elapsed() < budget) {
        if (!port_->waitForBytesWritten(static_cast<int>(budget - timer.elapsed()))) break;
    }
}

std::size_t SerialPort::Receive(std::uint8_t* out, std::size_t n) {
    if (!port_ || n == 0) return 0;
    QElapsedTimer timer;
    timer.start();
    const qint64 total = ReceiveBudgetMs(n);
    std::size_t got = 0;
    qint64 lastByteAt = 0;
    while (got < n) {
        if (port_->bytesAvailable() > 0) {
            const qint64 r =
                port_->read(reinterpret_cast<char*>(out + got), static_cast<qint64>(n - got));
            if (r > 0) {
                got += static_cast<std::size_t>(r);
                lastByteAt = timer.elapsed();
                continue;
            }
        }
        // Before the first byte only the total counts; after it, also the gap.
        qint64 wait = total - timer.elapsed();
        if (got > 0) wait = std::min(wait, kReadIntervalMs - (timer.elapsed() - lastByteAt));
        if (wait <= 0) break;
        if (!port_->waitForReadyRead(static_cast<int>(wait))) {
            const QSerialPort::SerialPortError e = port_->error();
            if (e != QSerialPort::NoError && e != QSerialPort::TimeoutError) {
                // The device is gone (a cable pulled out): nothing more will
                // come, but the receive still takes its time-out, so that a
                // caller waiting for a reply does not spin.
                const qint64 rest = total - timer.elapsed();
                if (got == 0 && rest > 0) Pause(static_cast<int>(rest));
                break;
            }
            port_->clearError();
        }
    }
    return got;
}

void SerialPort::Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int64_t SerialPort::Millis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool ProbeSerialPort(const QString& path) {
    if (path.isEmpty()) return false;
    QSerialPort port;
    port.setPortName(path);
    if (!OpenConfigured(port)) return false;
    port.close();
    return true;
}

std::vector<SerialPortEntry> ListSerialPorts() {
    std::vector<SerialPortEntry> out;
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    std::stable_sort(ports.begin(), ports.end(),
                     [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
                         if (a.hasVendorIdentifier() != b.hasVendorIdentifier())
                             return a.hasVendorIdentifier();
                         if (a.portName().size() != b.portName().size())
                             return a.portName().size() < b.portName().size();
                         return a.portName() < b.portName();
                     });
    for (const QSerialPortInfo& p : ports) {
#ifdef Q_OS_WIN
        const QString path = p.portName();
#else
        const QString path = p.systemLocation();
#endif
        out.push_back({p.portName(), path, p.description()});
    }
    return out;
}

} // namespace vmr
