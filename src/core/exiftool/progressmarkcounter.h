// Counts the files an ExifTool process has done from the progress marks it prints.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvane {

// True when line (without its line end) ends in a mark "[n/m]" of two non-empty decimal runs that
// fit a 32-bit integer; number and total then hold n and m.
bool ParseProgressMark(QByteArrayView line, int &number, int &total);

// ExifTool with -progress marks every file: "======== <file> [n/m]". A read prints one mark per file
// on standard error, counting n up to the files of the process; a write of one -execute group per
// file prints "[1/1]" per group on standard output. Lines may end in LF or CR LF and may arrive
// split across reads. Only complete lines count.
class TProgressMarkCounter
{
public:
    void addOutput(QByteArrayView bytes);
    void addErrors(QByteArrayView bytes);
    // The larger of the latest mark's n on standard error and the number of marks on standard output.
    int filesDone() const;

private:
    QByteArray fOutputLine;
    QByteArray fErrorLine;
    int fLastErrorMark = 0;
    int fOutputMarks = 0;
};

} // namespace orvane
