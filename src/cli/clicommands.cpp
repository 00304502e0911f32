// The commands of orvane-cli.
#include "cli/clicommands.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/keywordwriter.h"
#include "core/model/fileset.h"
#include "core/model/folderload.h"
#include "core/model/keywordfilter.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace orvane {

namespace {

QString JsonString(const QString &text)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            json += QStringLiteral("\\\"");
            break;
        case '\\':
            json += QStringLiteral("\\\\");
            break;
        case '\b':
            json += QStringLiteral("\\b");
            break;
        case '\f':
            json += QStringLiteral("\\f");
            break;
        case '\n':
            json += QStringLiteral("\\n");
            break;
        case '\r':
            json += QStringLiteral("\\r");
            break;
        case '\t':
            json += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20) {
                json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                json += c;
            }
        }
    }
    json += QLatin1Char('"');
    return json;
}

int RotationDegrees(TRotateAngle angle)
{
    switch (angle) {
    case rotAngle90:
        return 90;
    case rotAngle180:
        return 180;
    case rotAngle270:
        return 270;
    case rotNone:
        break;
    }
    return 0;
}

class UsageError
{
public:
    explicit UsageError(QString text) : message(std::move(text)) {}
    QString message;
};

// The command's words after the folder: options with a value, collected by name, and the rest.
struct ParsedOptions {
    QHash<QString, QStringList> values;
    QSet<QString> flags;
    QStringList positional;
};

ParsedOptions ParseOptions(const QStringList &words, const QStringList &valueOptions, const QStringList &flagOptions)
{
    ParsedOptions parsed;
    bool onlyPositional = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (!onlyPositional && word == QStringLiteral("--")) {
            onlyPositional = true;
        } else if (!onlyPositional && valueOptions.contains(word)) {
            if (i + 1 >= words.size()) {
                throw UsageError(word + QStringLiteral(" needs a value"));
            }
            parsed.values[word].append(words.at(++i));
        } else if (!onlyPositional && flagOptions.contains(word)) {
            parsed.flags.insert(word);
        } else if (!onlyPositional && word.startsWith(QStringLiteral("--"))) {
            throw UsageError(QStringLiteral("Unknown option ") + word);
        } else {
            parsed.positional.append(word);
        }
    }
    return parsed;
}

QString ExistingFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        throw UsageError(QStringLiteral("Not a folder: ") + folder);
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

// Selects every shown photo, or only the named ones; a named photo that is not in the folder is an error.
void SelectPhotos(TFileSet &fileSet, const QStringList &onlyPaths)
{
    fileSet.ClearSelection();
    if (onlyPaths.isEmpty()) {
        fileSet.SelectAll();
        return;
    }
    for (const QString &only : onlyPaths) {
        const QString wanted = QDir::cleanPath(QFileInfo(only).absoluteFilePath());
        bool found = false;
        for (int i = 0; i < fileSet.CountFiltered(); ++i) {
            TFileInfo *fileInfo = fileSet.FilesFiltered(i);
            if (fileInfo->JpgFullName == wanted) {
                fileInfo->Selected = true;
                found = true;
            }
        }
        if (!found) {
            throw UsageError(QStringLiteral("Not a photo of the folder: ") + only);
        }
    }
}

int ListCommand(const QString &folder, QTextStream &out)
{
    TFileSet fileSet;
    LoadJpgFilesFromFolder(fileSet, folder, false);
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        const TFileInfo *fi = fileSet.FilesAll(i);
        QStringList keywords;
        for (const QString &k : fi->KeywordList) {
            keywords.append(JsonString(k));
        }
        const QString thumb = QFileInfo::exists(fi->BmpThumbFullName) ? fi->BmpThumbFullName : QString();
        out << "{\"n\": " << fi->Number << ", \"path\": " << JsonString(fi->JpgFullName) << ", \"keywords\": ["
            << keywords.join(QStringLiteral(", ")) << "], \"rotate\": " << RotationDegrees(fi->RotateAngle)
            << ", \"charset_missing\": " << (fi->IsEncodeFlagMissing ? "true" : "false")
            << ", \"thumb\": " << JsonString(thumb) << "}\n";
    }
    return 0;
}

int ThumbsCommand(const QString &folder, bool force, QTextStream &out)
{
    QElapsedTimer timer;
    timer.start();
    TFileSet fileSet;
    QList<TFileInfo *> records;
    for (const QString &path : ListJpgFiles(folder)) {
        records.append(fileSet.Add(path));
    }
    const ThumbnailBuildResult result = BuildThumbnails(records, force);
    out << QStringLiteral("photos: %1, made: %2, found in the cache: %3, failed: %4, seconds: %5")
               .arg(records.size())
               .arg(result.made)
               .arg(result.found)
               .arg(result.failed)
               .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2)
        << "\n";
    if (result.libraryMissing) {
        ShowMessage(QStringLiteral("TurboJPEG DLL not available"));
        return 1;
    }
    return result.failed > 0 ? 1 : 0;
}

int KeywordCommand(const QString &command, const QString &folder, const ParsedOptions &options)
{
    TKeywordOperation ko = koAddAppend;
    const QStringList &words = options.positional;
    if (command == QStringLiteral("add")) {
        ko = koAddAppend;
    } else if (command == QStringLiteral("delete")) {
        ko = koDeleteSome;
    } else if (command == QStringLiteral("delete-all")) {
        ko = koDeleteAll;
    } else {
        ko = koReplace;
    }
    if (ko == koDeleteAll && !words.isEmpty()) {
        throw UsageError(QStringLiteral("delete-all takes no keywords"));
    }
    if (ko == koReplace && words.size() != 2) {
        throw UsageError(QStringLiteral("replace needs OLD and NEW"));
    }
    if ((ko == koAddAppend || ko == koDeleteSome) && words.isEmpty()) {
        throw UsageError(command + QStringLiteral(" needs at least one keyword"));
    }

    TFileSet fileSet;
    LoadJpgFilesFromFolder(fileSet, folder, false);
    SelectPhotos(fileSet, options.values.value(QStringLiteral("--only")));
    ChangeKeywordsInSelectedFiles(fileSet, words, ko);
    // Small writes run in the background; a script must see the files written when we return.
    WaitForExifToolIdle();
    return 0;
}

// "FROM:TO" with whole numbers.
void ParseCount(const QString &text, int &from, int &to)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okFrom = false;
    bool okTo = false;
    if (parts.size() == 2) {
        from = parts.at(0).trimmed().toInt(&okFrom);
        to = parts.at(1).trimmed().toInt(&okTo);
    }
    if (!okFrom || !okTo || from < 0 || to < 0) {
        throw UsageError(QStringLiteral("--count needs FROM:TO with whole numbers, not ") + text);
    }
}

int FilterCommand(const QString &folder, const ParsedOptions &options, QTextStream &out)
{
    TKeywordFilter filter;
    filter.ContainAll.AddStrings(options.values.value(QStringLiteral("--all")));
    filter.ContainCascade = filter.ContainAll.Strings();
    filter.ContainSome.AddStrings(options.values.value(QStringLiteral("--some")));
    filter.ContainNone.AddStrings(options.values.value(QStringLiteral("--none")));
    filter.ContainPart.AddStrings(options.values.value(QStringLiteral("--part")));
    const QStringList counts = options.values.value(QStringLiteral("--count"));
    if (!counts.isEmpty()) {
        filter.UseCount = true;
        ParseCount(counts.last(), filter.CountFrom, filter.CountTo);
    }
    if (!options.positional.isEmpty()) {
        throw UsageError(QStringLiteral("Unexpected argument ") + options.positional.first());
    }

    TFileSet fileSet;
    LoadJpgFilesFromFolder(fileSet, folder, false);
    fileSet.ApplyFilter(filter);
    for (int i = 0; i < fileSet.CountFiltered(); ++i) {
        out << fileSet.FilesFiltered(i)->JpgFullName << "\n";
    }
    return 0;
}

int TrashCommand(const QString &folder, const ParsedOptions &options)
{
    const QStringList only = options.values.value(QStringLiteral("--only"));
    if (only.isEmpty()) {
        throw UsageError(QStringLiteral("trash needs --only PATH"));
    }
    if (!options.positional.isEmpty()) {
        throw UsageError(QStringLiteral("Unexpected argument ") + options.positional.first());
    }
    TFileSet fileSet;
    LoadJpgFilesFromFolder(fileSet, folder, false);
    SelectPhotos(fileSet, only);
    QString failedPath;
    DeleteSelectedFiles(fileSet, failedPath);
    if (!failedPath.isEmpty()) {
        ShowMessage(QStringLiteral("Can't delete file: ") + failedPath);
        return 1;
    }
    return 0;
}

} // namespace

QString CliUsage()
{
    return QStringLiteral(
        "Usage: orvane-cli COMMAND FOLDER [OPTIONS] [ARGUMENTS]\n"
        "\n"
        "The command-line companion of Orvane. It opens folders exactly as the program does, with the\n"
        "same settings file and thumbnail cache, and reads and writes keywords through ExifTool.\n"
        "\n"
        "Commands:\n"
        "  list FOLDER                      One JSON object per photo and line, in the program's order:\n"
        "                                   {\"n\": 1, \"path\": \"...\", \"keywords\": [\"...\"],\n"
        "                                    \"rotate\": 0|90|180|270, \"charset_missing\": true|false,\n"
        "                                    \"thumb\": \"...\"}  (thumb is empty when there is none)\n"
        "  thumbs FOLDER [--force]          Builds missing thumbnails (--force rebuilds them all, like\n"
        "                                   \"Refresh thumbs\") and prints photos, made, found in the\n"
        "                                   cache, failed and seconds on one line.\n"
        "  add FOLDER [--only PATH]... KEYWORD...\n"
        "  delete FOLDER [--only PATH]... KEYWORD...\n"
        "  delete-all FOLDER [--only PATH]...\n"
        "  replace FOLDER [--only PATH]... OLD NEW\n"
        "                                   Change the keywords of every photo of the folder, or only of\n"
        "                                   the photos named with --only; returns when ExifTool has\n"
        "                                   finished. No confirmation is asked.\n"
        "  filter FOLDER [--all K]... [--some K]... [--none K]... [--part TEXT]... [--count FROM:TO]\n"
        "                                   Prints the paths of the photos that pass, one a line:\n"
        "                                   all of --all, at least one of --some, none of --none, a\n"
        "                                   keyword containing one --part, a keyword count in FROM..TO.\n"
        "  trash FOLDER --only PATH...      Moves those photos to the trash, as \"Delete File\" does.\n"
        "\n"
        "Keywords are compared without regard to letter case. Messages go to standard error; a\n"
        "command that fails, or that had to report a problem, exits with a non-zero status. On a\n"
        "terminal, long work shows a progress bar on standard error.\n");
}

int RunCliCommand(const QStringList &arguments, QTextStream &out)
{
    if (arguments.isEmpty() || arguments.first() == QStringLiteral("--help") || arguments.first() == QStringLiteral("-h")
        || arguments.first() == QStringLiteral("help")) {
        out << CliUsage();
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString command = arguments.first();
    try {
        if (arguments.size() < 2) {
            throw UsageError(command + QStringLiteral(" needs a FOLDER"));
        }
        const QString folder = ExistingFolder(arguments.at(1));
        const QStringList rest = arguments.mid(2);
        if (command == QStringLiteral("list")) {
            ParseOptions(rest, {}, {});
            if (rest.size() > 0) {
                throw UsageError(QStringLiteral("Unexpected argument ") + rest.first());
            }
            return ListCommand(folder, out);
        }
        if (command == QStringLiteral("thumbs")) {
            const ParsedOptions options = ParseOptions(rest, {}, {QStringLiteral("--force")});
            if (!options.positional.isEmpty()) {
                throw UsageError(QStringLiteral("Unexpected argument ") + options.positional.first());
            }
            return ThumbsCommand(folder, options.flags.contains(QStringLiteral("--force")), out);
        }
        if (command == QStringLiteral("add") || command == QStringLiteral("delete")
            || command == QStringLiteral("delete-all") || command == QStringLiteral("replace")) {
            return KeywordCommand(command, folder, ParseOptions(rest, {QStringLiteral("--only")}, {}));
        }
        if (command == QStringLiteral("filter")) {
            return FilterCommand(folder,
                                 ParseOptions(rest,
                                              {QStringLiteral("--all"), QStringLiteral("--some"),
                                               QStringLiteral("--none"), QStringLiteral("--part"),
                                               QStringLiteral("--count")},
                                              {}),
                                 out);
        }
        if (command == QStringLiteral("trash")) {
            return TrashCommand(folder, ParseOptions(rest, {QStringLiteral("--only")}, {}));
        }
        throw UsageError(QStringLiteral("Unknown command ") + command);
    } catch (const UsageError &error) {
        std::fprintf(stderr, "orvane-cli: %s\nTry orvane-cli --help\n", error.message.toLocal8Bit().constData());
        return 2;
    }
}

} // namespace orvane
