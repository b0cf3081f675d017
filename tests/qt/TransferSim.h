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
    // log has stopped growing).
    std::vector<std::string> Log() const {
        qint64 size = -1;
        for (int i = 0; i < 60; ++i) {
            QThread::msleep(50);
            const qint64 now = QFileInfo(LogPath()).size();
            if (now == size) break;
            size = now;
        }
        std::vector<std::string> lines;
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly)) return lines;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty()) lines.push_back(line.toStdString());
        return lines;
    }
    // The radio's memory as the last write left it.
    QByteArray Saved() const {
        QFile f(SavedPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};

} // namespace vmr::test
