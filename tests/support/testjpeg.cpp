// Real JPEG fixtures for tests.
#include "support/testjpeg.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <vector>

namespace orvane::test {

bool WriteTestJpeg(const QString &path, int width, int height, QColor color, int quality)
{
    std::vector<unsigned char> pixels(std::size_t(width) * std::size_t(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = width > 1 ? double(x) / (width - 1) : 0.0;
            unsigned char *p = &pixels[(std::size_t(y) * width + x) * 3];
            p[0] = static_cast<unsigned char>(color.red() * (1 - t) + (255 - color.red()) * t);
            p[1] = static_cast<unsigned char>(color.green() * (1 - t) + (255 - color.green()) * t);
            p[2] = static_cast<unsigned char>(color.blue() * (1 - t) + (255 - color.blue()) * t);
        }
    }
    tjhandle handle = tjInitCompress();
    if (!handle) {
        return false;
    }
    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int rc = tjCompress2(handle, pixels.data(), width, 0, height, TJPF_RGB, &jpeg, &jpegSize, TJSAMP_420,
                               quality, TJFLAG_ACCURATEDCT);
    bool ok = rc == 0;
    if (ok) {
        QFile file(path);
        ok = file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char *>(jpeg), qint64(jpegSize)) == qint64(jpegSize);
    }
    tjFree(jpeg);
    tjDestroy(handle);
    return ok;
}

QString RunExifTool(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral("exiftool"), arguments);
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << "exiftool could not be started";
        return {};
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "exiftool did not finish";
        process.kill();
        return {};
    }
    if (exitCode) {
        *exitCode = process.exitCode();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList ReadKeywordsWithExifTool(const QString &path)
{
    // JSON keeps every keyword whole, whatever characters it holds.
    const QString out = RunExifTool({QStringLiteral("-j"), QStringLiteral("-charset"), QStringLiteral("iptc=UTF8"),
                                     QStringLiteral("-IPTC:Keywords"), path});
    const QJsonArray rows = QJsonDocument::fromJson(out.toUtf8()).array();
    if (rows.isEmpty()) {
        ADD_FAILURE() << "exiftool gave no JSON for " << path.toStdString();
        return {};
    }
    const QJsonValue value = rows.first().toObject().value(QStringLiteral("Keywords"));
    QStringList keywords;
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray()) {
            keywords.append(item.toVariant().toString());
        }
    } else if (!value.isUndefined() && !value.isNull()) {
        keywords.append(value.toVariant().toString());
    }
    return keywords;
}

} // namespace orvane::test
