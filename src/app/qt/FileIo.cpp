#include "app/qt/FileIo.h"

#include <QSaveFile>

namespace vmr {

FileResult WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false,
                QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()).toStdString(),
                FileError::Write};
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const QString err = file.errorString();
        file.cancelWriting();
        return {false, QStringLiteral("Cannot write %1: %2").arg(path, err).toStdString(),
                FileError::Write};
    }
    if (!file.commit())
        return {false,
                QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()).toStdString(),
                FileError::Write};
    return {true, {}};
}

FileResult WriteCodeplugFile(const QString& path, const RadioImage& image,
                             const ToneStandardTable& tones) {
    return WriteFileAtomically(path, SerializeCodeplug(image, tones));
}

} // namespace vmr
