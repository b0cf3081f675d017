// A full read and a full write against vmrsim at the line's own speed. Each is
// reported as a ratio to the protocol's floor: the wire time of every byte that
// crossed the line at 38,400 bit/s 8N1, plus the pauses the protocol asks for.
#include "image/RadioImage.h"
#include "link/TransferWorker.h"
#include "link/qt/SerialPort.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace vmr;

// Counts what crosses the line and how long the protocol pauses.
class CountingPort : public LinkPort {
public:
    std::int64_t bytes = 0;
    std::int64_t pauseMs = 0;

    PortOpenResult Open(const std::string& path) override { return port_.Open(path); }
    void Close() override { port_.Close(); }
    void Discard() override { port_.Discard(); }
    void Write(const std::uint8_t* data, std::size_t n) override {
        bytes += static_cast<std::int64_t>(n);
        port_.Write(data, n);
    }
    std::size_t Receive(std::uint8_t* out, std::size_t n) override {
        const std::size_t got = port_.Receive(out, n);
        bytes += static_cast<std::int64_t>(got);
        return got;
    }
    void Pause(int ms) override {
        pauseMs += ms;
        port_.Pause(ms);
    }
    std::int64_t Millis() override { return port_.Millis(); }

private:
    SerialPort port_;
};

class QuietPanel : public TransferPanel {
public:
    explicit QuietPanel(int upper) : upper_(upper) {}
    int ProgressUpper() override { return upper_; }
    int StepProgress() override { return ++position_; }
    void SetPercentText(const std::string&) override {}
    void DisableStart() override {}
    void SetSucceeded(bool) override {}
    void RequestClose() override {}
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "transfer: %s\n", text.c_str());
    }
    bool AskAccessCode() override { return false; }

private:
    int upper_;
    int position_ = 0;
};

class LineRateRadio {
public:
    LineRateRadio() {
        process_.setProgram(QCoreApplication::applicationDirPath() + "/vmrsim");
        process_.setArguments({"--line-rate"});
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (process_.waitForStarted(5000)) {
            while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
            }
            device_ = QString::fromUtf8(process_.readLine()).trimmed().toStdString();
        }
    }
    ~LineRateRadio() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
    }
    const std::string& Device() const { return device_; }

private:
    QProcess process_;
    std::string device_;
};

void RunFull(benchmark::State& state, TransferDirection direction) {
    LineRateRadio radio;
    if (radio.Device().empty()) {
        state.SkipWithError("vmrsim did not start");
        return;
    }
    auto image = std::make_unique<RadioImage>();
    double seconds = 0;
    double floor = 0;
    for (auto _ : state) {
        CountingPort port;
        QuietPanel panel(direction == TransferDirection::Read ? kReadBlocks : kWriteBlocks);
        TransferFlags flags;
        flags.TransferBusy = true;
        const TransferJob job{direction, radio.Device(), {}};
        const auto start = std::chrono::steady_clock::now();
        const TransferOutcome outcome = TransferWorker(job, *image, port, panel, flags);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (outcome != TransferOutcome::Success) {
            state.SkipWithError("the transfer failed");
            return;
        }
        floor = static_cast<double>(port.bytes) * 10.0 / kLineBaud +
                static_cast<double>(port.pauseMs) / 1000.0;
        state.SetIterationTime(seconds);
    }
    state.counters["floor_s"] = floor;
    state.counters["ratio"] = seconds / floor;
    std::printf("%s: %.2f s, floor %.2f s, ratio %.3f\n",
                direction == TransferDirection::Read ? "full read" : "full write", seconds, floor,
                seconds / floor);
}

void BM_FullReadAtLineRate(benchmark::State& state) {
    RunFull(state, TransferDirection::Read);
}
void BM_FullWriteAtLineRate(benchmark::State& state) {
    RunFull(state, TransferDirection::Write);
}

BENCHMARK(BM_FullReadAtLineRate)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FullWriteAtLineRate)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
