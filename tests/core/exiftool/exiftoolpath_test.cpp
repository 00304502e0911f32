// The start-up check for the ExifTool program.
#include "core/exiftool/exiftoolpath.h"
#include "core/settings/fileutils.h"
#include "support/recorders.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace orvane {
namespace {

TEST(ExifToolPath, FoundOnThePathWhenNotBesideTheProgram)
{
    test::RecordingPrompter prompter;
    test::ScopedPrompter scoped(&prompter);
    ASSERT_FALSE(QFile::exists(ExifToolBesideProgram()));
    EXPECT_TRUE(InitExifToolPath());
    EXPECT_EQ(ExifToolPath(), QStandardPaths::findExecutable(QStringLiteral("exiftool")));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(ExifToolPath, MissingEverywhereWarnsNamingThePathBesideTheProgram)
{
    test::RecordingPrompter prompter;
    test::ScopedPrompter scoped(&prompter);
    QTemporaryDir empty;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    const bool found = InitExifToolPath();
    qputenv("PATH", oldPath);

    EXPECT_FALSE(found);
    const QString beside = ProgramFolder() + QStringLiteral("exiftool");
    EXPECT_EQ(ExifToolPath(), beside);
    const QString warning =
        QStringLiteral("Warn!\r\nFile \"%1\" does not exist.\r\nThis file is needed to process Keywords.").arg(beside);
    EXPECT_EQ(prompter.messages, QStringList{warning});
    SetExifToolPath(LocateExifTool());
}

} // namespace
} // namespace orvane
