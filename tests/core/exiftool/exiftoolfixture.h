// A fixture for tests that run the real ExifTool: a temporary folder for photos, settings and the
// argument files, the real exiftool, and recorders for what the core tells the user.
#pragma once

#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/exiftoolpath.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testjpeg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orvane::test {

class ExifToolFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fTemp.isValid());
        SetDataFolder(fTemp.path());
        FreeSettings();
        Settings().setFolderThumbsRootPlace(fTemp.filePath(QStringLiteral("cache")));
        Settings().setUseWinTmpFolder(false);
        QDir().mkpath(Settings().FolderThumbsRoot());
        const QString exiftool = LocateExifTool();
        ASSERT_FALSE(exiftool.isEmpty()) << "exiftool is not installed";
        SetExifToolPath(exiftool);
    }

    void TearDown() override
    {
        // No background run may outlive the records and folders of a test.
        WaitForExifToolIdle();
        SetExifToolPath(LocateExifTool());
        FreeSettings();
    }

    QString path(const QString &name) const { return fTemp.filePath(name); }

    // A small real JPEG; a folder in the name is created.
    QString makePhoto(const QString &name, int width = 16, int height = 16)
    {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        EXPECT_TRUE(WriteTestJpeg(file, width, height)) << file.toStdString();
        return file;
    }

    // Files left in the argument-file folder.
    QStringList argumentFilesLeft() const
    {
        return QDir(Settings().FolderThumbsRoot()).entryList(QDir::Files);
    }

    QTemporaryDir fTemp;
    RecordingPrompter fPrompter;
    RecordingProgressSink fProgress;
    ScopedPrompter fScopedPrompter{&fPrompter};
    ScopedProgressSink fScopedProgress{&fProgress};
};

} // namespace orvane::test
