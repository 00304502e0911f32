// Real JPEG fixtures for tests, made through TurboJPEG, and the real ExifTool to tag them.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace orvane::test {

// Writes a baseline JPEG of the given size: a horizontal gradient from color to its inverse,
// so that scaling and rotation leave visible traces. Returns false on failure.
bool WriteTestJpeg(const QString &path, int width, int height, QColor color = QColor(200, 80, 40),
                   int quality = 85);

// Runs the real exiftool with the given arguments (no shell); returns its standard output.
// Fails the current test when exiftool cannot be started or times out.
QString RunExifTool(const QStringList &arguments, int *exitCode = nullptr);

// The IPTC keywords of a photo as exiftool reads them, in file order.
QStringList ReadKeywordsWithExifTool(const QString &path);

} // namespace orvane::test
