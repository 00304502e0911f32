// Where the ExifTool program is, decided once at start-up and used by every ExifTool run.
#pragma once

#include <QString>

namespace orvane {

// The ExifTool program every run starts. Until SetExifToolPath or InitExifToolPath is called it is
// located on first use (beside the program, else on PATH).
QString ExifToolPath();
void SetExifToolPath(const QString &path);

// "exiftool" in the program's own folder.
QString ExifToolBesideProgram();

// The exiftool beside the program when it is there, else the one found on PATH; empty when neither
// exists.
QString LocateExifTool();

// The start-up check: sets ExifToolPath to LocateExifTool and returns true when it found one.
// When there is none, ExifToolPath becomes the path beside the program (so every run reports
// "Execute ExifTool.exe failed.") and the user is warned with MissingExifToolWarning once.
bool InitExifToolPath();

// "Warn!", a line naming the missing file, and what it is needed for.
QString MissingExifToolWarning(const QString &path);

} // namespace orvane
