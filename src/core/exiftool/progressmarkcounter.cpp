// Progress marks of ExifTool.
#include "core/exiftool/progressmarkcounter.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

// Reads the digits that end at position end (exclusive), going backwards; start receives the
// position of the first digit. -1 for an empty run or one beyond 32 bits.
int ReadDigitsBackwards(QByteArrayView text, qsizetype end, qsizetype &start)
{
    start = end;
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    if (start == end || end - start > 10) {
        return -1;
    }
    qint64 value = 0;
    for (qsizetype i = start; i < end; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value > std::numeric_limits<int>::max() ? -1 : int(value);
}

QByteArrayView WithoutLineEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r')) {
        line.chop(1);
    }
    return line;
}

// Calls handle(line) for every complete line of pending + bytes and keeps the unfinished rest.
template <typename Handler>
void ForEachCompleteLine(QByteArray &pending, QByteArrayView bytes, Handler handle)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype lf = bytes.indexOf('\n', from);
        if (lf < 0) {
            break;
        }
        if (pending.isEmpty()) {
            handle(WithoutLineEnd(bytes.sliced(from, lf - from)));
        } else {
            pending.append(bytes.sliced(from, lf - from));
            handle(WithoutLineEnd(pending));
            pending.clear();
        }
        from = lf + 1;
    }
    pending.append(bytes.sliced(from));
}

} // namespace

bool ParseProgressMark(QByteArrayView line, int &number, int &total)
{
    if (line.isEmpty() || line.back() != ']') {
        return false;
    }
    qsizetype start = 0;
    const int second = ReadDigitsBackwards(line, line.size() - 1, start);
    if (second < 0 || start == 0 || line[start - 1] != '/') {
        return false;
    }
    const int first = ReadDigitsBackwards(line, start - 1, start);
    if (first < 0 || start == 0 || line[start - 1] != '[') {
        return false;
    }
    number = first;
    total = second;
    return true;
}

void TProgressMarkCounter::addOutput(QByteArrayView bytes)
{
    ForEachCompleteLine(fOutputLine, bytes, [this](QByteArrayView line) {
        int number = 0;
        int total = 0;
        // Only ExifTool's own file lines: a CSV row may end in a keyword such as "part [3/4]".
        if (line.startsWith("======== ") && ParseProgressMark(line, number, total)) {
            ++fOutputMarks;
        }
    });
}

void TProgressMarkCounter::addErrors(QByteArrayView bytes)
{
    ForEachCompleteLine(fErrorLine, bytes, [this](QByteArrayView line) {
        int number = 0;
        int total = 0;
        if (ParseProgressMark(line, number, total)) {
            fLastErrorMark = number;
        }
    });
}

int TProgressMarkCounter::filesDone() const
{
    return std::max(fLastErrorMark, fOutputMarks);
}

} // namespace orvane
