// Runs vmrsim for a test: a radio on a pseudo-terminal, stopped when the test ends.
#pragma once

#include "image/RadioImage.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vmr::test {

class SimRadio {
public:
    // memory: the radio's memory; extra: further vmrsim options.
    SimRadio(const RadioImage& memory, const QStringList& extra = {}) {
        QFile image(dir_.filePath("radio.img"));
        if (image.open(QIODevice::WriteOnly))
            image.write(reinterpret_cast<const char*>(memory.data()), kImageSize);
        image.close();
        QStringList args = {"--image", image.fileName(), "--log", LogPath(), "--save", SavedPath()};
        args += extra;
        process_.setProgram(QStringLiteral(VMR_BIN_DIR "/vmrsim"));
        process_.setArguments(args);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~SimRadio() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(1000);
    }

    const QString& Device() const { return device_; }
    QString LogPath() const { return dir_.filePath("commands.log"); }
    QString SavedPath() const { return dir_.filePath("saved.img"); }

    // The commands received, once the radio has caught up with the PC (the
    // log has not grown for 200 ms; at most 30 s, for a loaded machine).
    std::vector<std::string> Log() const {
        qint64 size = -1;
        int quiet = 0;
        for (int i = 0; i < 600 && quiet < 4; ++i) {
            QThread::msleep(50);
            const qint64 now = QFileInfo(LogPath()).size();
            quiet = now == size ? quiet + 1 : 0;
            size = now;
        }
        return ReadLog();
    }
    // The radio's memory as the last write left it. The radio saves it before
    // it logs the "ENDW", so this waits (at most 30 s) for that line.
    QByteArray Saved() const {
        for (int i = 0; i < 1500; ++i) {
            const std::vector<std::string> lines = ReadLog();
            if (!lines.empty() && lines.back() == "ENDW") break;
            QThread::msleep(20);
        }
        QFile f(SavedPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    std::vector<std::string> ReadLog() const {
        std::vector<std::string> lines;
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly)) return lines;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty()) lines.push_back(line.toStdString());
        return lines;
    }

    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};

} // namespace vmr::test
