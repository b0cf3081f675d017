// The radio's programming port over QSerialPort. Create and use it on the
// thread that runs the transfer: every call blocks that thread, never the
// user interface.
#pragma once

#include "link/LinkPort.h"

#include <QString>

#include <memory>
#include <vector>

class QSerialPort;

namespace vmr {

class SerialPort : public LinkPort {
public:
    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    PortOpenResult Open(const std::string& path) override;
    void Close() override;
    void Discard() override;
    void Write(const std::uint8_t* data, std::size_t n) override;
    std::size_t Receive(std::uint8_t* out, std::size_t n) override;
    void Pause(int ms) override;
    std::int64_t Millis() override;

private:
    std::unique_ptr<QSerialPort> port_;
};

// Whether the port at path can be opened right now (opened and closed again).
bool ProbeSerialPort(const QString& path);

struct SerialPortEntry {
    QString name;        // "ttyUSB0", "COM3"
    QString path;        // what a transfer opens: "/dev/ttyUSB0", "COM3"
    QString description; // the system's description of the device, may be empty
};
// The serial ports the system lists, USB devices first, then by name.
std::vector<SerialPortEntry> ListSerialPorts();

} // namespace vmr
