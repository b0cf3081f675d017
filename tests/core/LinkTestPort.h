// A port wired straight to the radio model, on a virtual clock, and a panel
// that records what the transfer shows.
#pragma once

#include "link/LinkPort.h"
#include "link/RadioModel.h"
#include "link/TransferWorker.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vmr::test {

class ModelPort : public LinkPort {
public:
    explicit ModelPort(RadioModel& radio) : radio_(radio) {}

    PortOpenResult openResult{true, PortOpenError::None, "", ""};
    std::string openedPath;
    bool open = false;
    int opens = 0;
    std::vector<std::uint8_t> sent; // every byte the PC wrote, in order
    // What the transfer did to the line, in order: "pause 2", "discard",
    // "send 41" (the bytes of one write, in hexadecimal).
    std::vector<std::string> trace;
    std::int64_t now = 0;
    // Swallows the radio's answer to a command when it returns true.
    std::function<bool(const std::string& command)> dropReply;

    PortOpenResult Open(const std::string& path) override {
        openedPath = path;
        if (openResult.ok) {
            open = true;
            ++opens;
        }
        return openResult;
    }
    void Close() override { open = false; }
    void Discard() override {
        trace.push_back("discard");
        rx_.clear();
    }
    void Write(const std::uint8_t* data, std::size_t n) override {
        std::string line = "send";
        for (std::size_t i = 0; i < n; ++i) {
            static const char kHex[] = "0123456789ABCDEF";
            line += {' ', kHex[data[i] >> 4], kHex[data[i] & 0xF]};
        }
        trace.push_back(line);
        for (std::size_t i = 0; i < n; ++i) {
            sent.push_back(data[i]);
            const RadioReply r = radio_.Feed(data[i]);
            if (dropReply && !r.command.empty() && dropReply(r.command)) continue;
            rx_.insert(rx_.end(), r.bytes.begin(), r.bytes.end());
        }
    }
    std::size_t Receive(std::uint8_t* out, std::size_t n) override {
        std::size_t got = 0;
        while (got < n && !rx_.empty()) {
            out[got++] = rx_.front();
            rx_.pop_front();
        }
        // A short receive costs its time-out: the whole budget when nothing
        // came, the gap after the last byte otherwise.
        if (got < n) now += got == 0 ? ReceiveBudgetMs(n) : kReadIntervalMs;
        return got;
    }
    void Pause(int ms) override {
        trace.push_back("pause " + std::to_string(ms));
        now += ms;
    }
    std::int64_t Millis() override { return now; }

private:
    RadioModel& radio_;
    std::deque<std::uint8_t> rx_;
};

class RecordingPanel : public TransferPanel {
public:
    explicit RecordingPanel(int upper) : upper_(upper) {}

    int position = 0;
    std::vector<std::string> labels;
    std::vector<std::string> messages;
    bool startDisabled = false;
    bool succeeded = false;
    int closeRequests = 0;
    bool busyAtClose = true;
    int accessCodeQuestions = 0;
    std::string typedCode; // what the user types into the Password dialog
    TransferFlags* flags = nullptr;
    std::function<void(int position)> onStep; // e.g. press "Exit" at some block

    int ProgressUpper() override { return upper_; }
    int StepProgress() override {
        ++position;
        if (onStep) onStep(position);
        return position;
    }
    void SetPercentText(const std::string& text) override { labels.push_back(text); }
    void DisableStart() override { startDisabled = true; }
    void SetSucceeded(bool s) override { succeeded = s; }
    void RequestClose() override {
        ++closeRequests;
        if (flags) busyAtClose = flags->TransferBusy;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskAccessCode() override {
        ++accessCodeQuestions;
        return AccessCodeMatches(typedCode);
    }

private:
    int upper_;
};

// A recognisable radio memory: every byte differs from its neighbours.
inline RadioImage PatternImage(std::uint8_t seed) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) + seed) & 0xFF);
    return image;
}

} // namespace vmr::test
