// A test's own folders for settings, cache and trash.
#include "support/testfolders.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"

#include <QDir>
#include <QFile>

namespace orvane::test {

TestFolders::TestFolders()
{
    fValid = fDir.isValid();
    for (const char *name : {"data", "tmp", "share", "home"}) {
        fValid = fValid && QDir(fDir.path()).mkpath(QLatin1String(name));
    }
    setEnvironment("TMPDIR", filePath(QStringLiteral("tmp")));
    setEnvironment("XDG_DATA_HOME", filePath(QStringLiteral("share")));
    setEnvironment("HOME", filePath(QStringLiteral("home")));
    SetDataFolder(filePath(QStringLiteral("data")) + QLatin1Char('/'));
    FreeSettings();
}

TestFolders::~TestFolders()
{
    FreeSettings();
    for (const auto &[name, value] : std::as_const(fSavedEnvironment)) {
        if (value.isNull()) {
            qunsetenv(name.constData());
        } else {
            qputenv(name.constData(), value);
        }
    }
}

void TestFolders::setEnvironment(const char *name, const QString &folder)
{
    fSavedEnvironment.append({QByteArray(name), qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray()});
    qputenv(name, QFile::encodeName(folder));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orvane::test
