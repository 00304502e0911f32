// A test's own folders for everything the program keeps on disk, so tests never touch the user's
// settings, cache or trash and never see each other's.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

namespace orvane::test {

// data/ holds the settings file (the data folder), tmp/ is TMPDIR (the default thumbnail cache
// and the argument files live below it), share/ is XDG_DATA_HOME and home/ is HOME (the trash).
// Settings are freed on creation and on destruction, so the next Settings() opens a fresh file
// here; every environment variable it changes is restored when it goes away.
class TestFolders
{
public:
    TestFolders();
    ~TestFolders();
    TestFolders(const TestFolders &) = delete;
    TestFolders &operator=(const TestFolders &) = delete;

    bool isValid() const { return fValid; }
    QString path() const { return fDir.path(); }
    QString filePath(const QString &name) const { return fDir.filePath(name); }

private:
    void setEnvironment(const char *name, const QString &folder);

    QTemporaryDir fDir;
    bool fValid = false;
    QList<QPair<QByteArray, QByteArray>> fSavedEnvironment;
};

// The whole content of a file, or empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes bytes as the whole content of a file; false when that failed.
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace orvane::test
