// Progress marks of ExifTool, the progress texts and the splitting of its output into lines.
#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/progressmarkcounter.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct MarkCase
{
    const char *line;
    bool isMark;
    int number;
    int total;
};

TEST(ParseProgressMark, RecognisesOnlyALineEndingInABracketedPair)
{
    const MarkCase cases[] = {
        {"======== /p/a.jpg [3/8]", true, 3, 8},
        {"[1/1]", true, 1, 1},
        {"======== /p/a [2/3].jpg [12/400]", true, 12, 400},
        {"x [2147483647/2147483647]", true, 2147483647, 2147483647},
        {"x [2147483648/2]", false, 0, 0},
        {"x [99999999999/2]", false, 0, 0},
        {"x [3/8] ", false, 0, 0},
        {"x [3/8]x", false, 0, 0},
        {"Warning: odd [value]", false, 0, 0},
        {"x [/8]", false, 0, 0},
        {"x [3/]", false, 0, 0},
        {"x 3/8]", false, 0, 0},
        {"x [3-8]", false, 0, 0},
        {"x [a3/8]", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const MarkCase &c : cases) {
        int number = 0;
        int total = 0;
        EXPECT_EQ(ParseProgressMark(QByteArrayView(c.line), number, total), c.isMark) << c.line;
        if (c.isMark) {
            EXPECT_EQ(number, c.number) << c.line;
            EXPECT_EQ(total, c.total) << c.line;
        }
    }
}

TEST(ProgressMarkCounter, ReadMarksOnStandardErrorGiveTheLatestCount)
{
    TProgressMarkCounter counter;
    counter.addErrors("======== a.jpg [1/8]\r\n======== b.jpg [2/8]\n");
    EXPECT_EQ(counter.filesDone(), 2);
    // A later warning ending in brackets does not lower the count; a line still arriving does not count.
    counter.addErrors("Warning: something [odd]\n======== c.jpg [3");
    EXPECT_EQ(counter.filesDone(), 2);
    counter.addErrors("/8]");
    EXPECT_EQ(counter.filesDone(), 2);
    counter.addErrors("\r");
    EXPECT_EQ(counter.filesDone(), 2);
    counter.addErrors("\n    3 image files read\n");
    EXPECT_EQ(counter.filesDone(), 3);
}

TEST(ProgressMarkCounter, WriteGroupsOnStandardOutputCountOnePerGroup)
{
    TProgressMarkCounter counter;
    counter.addOutput("======== /p/a.jpg [1/1]\n======== /p/b.jpg [1/1]\n======== /p/c");
    EXPECT_EQ(counter.filesDone(), 2);
    counter.addOutput(".jpg [1/1]\n");
    EXPECT_EQ(counter.filesDone(), 3);
    // Error summaries of the groups go to standard error and carry no marks.
    counter.addErrors("    1 image files updated\n");
    EXPECT_EQ(counter.filesDone(), 3);
}

TEST(ProgressMarkCounter, CsvRowsEndingInABracketedKeywordAreNoMarks)
{
    TProgressMarkCounter counter;
    counter.addOutput("SourceFile,CodedCharacterSet,Orientation,Keywords\n/p/a.jpg,-,1,part [3/4]\n");
    EXPECT_EQ(counter.filesDone(), 0);
}

TEST(ProgressText, FilesOfTotalAndPercentRoundedHalfToEven)
{
    EXPECT_EQ(ProgressFileText(6, 16), QStringLiteral("File 6 of 16"));
    struct
    {
        int done, total, percent;
    } const cases[] = {{6, 16, 38}, {1, 8, 12},  {3, 8, 38}, {1, 200, 0},
                       {3, 200, 2}, {5, 5, 100}, {0, 0, 0},  {7, 0, 0}};
    for (const auto &c : cases) {
        EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
    }
}

TEST(SplitOutputLines, AcceptsEveryLineEndAndSkipsTheByteOrderMark)
{
    EXPECT_EQ(SplitOutputLines("\xEF\xBB\xBF" "a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitOutputLines("a\n\nb\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitOutputLines("\xC3\xA9t\xC3\xA9\n"), (QStringList{QString::fromUtf8("\xC3\xA9t\xC3\xA9")}));
    EXPECT_TRUE(SplitOutputLines("").isEmpty());
}

} // namespace
} // namespace orvane
