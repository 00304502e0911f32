// Reading keywords through ExifTool.
#include "core/exiftool/keywordreader.h"

#include "core/exiftool/argumentfile.h"
#include "core/exiftool/exiftoolcommand.h"
#include "core/model/keywordtext.h"
#include "core/settings/prompter.h"

#include <QFile>
#include <QHash>
#include <QThread>

#include <memory>
#include <vector>

namespace orvane {

namespace {

// Every line of the output but ExifTool's header row.
void AppendRows(const TExifToolCommand &command, QStringList &rows)
{
    const QStringList &output = command.ExifToolOutput();
    if (output.size() >= 2) {
        rows.append(output.mid(1));
    }
}

} // namespace

QStringList KeywordReadArguments(const QString &argumentFile)
{
    return {QStringLiteral("-n"),       QStringLiteral("-f"),         QStringLiteral("-progress"),
            QStringLiteral("-charset"), QStringLiteral("filename=utf8"), QStringLiteral("-charset"),
            QStringLiteral("IPTC=utf8"), QStringLiteral("-sep"),       KeywordSeparator(),
            QStringLiteral("-csv"),     QStringLiteral("-CodedCharacterSet"), QStringLiteral("-Orientation"),
            QStringLiteral("-keywords"), QStringLiteral("-@"),         argumentFile};
}

QStringList ReadKeywordRows(const QStringList &paths)
{
    if (paths.isEmpty()) {
        return {};
    }
    const int shareCount = paths.size() <= kSingleProcessFiles ? 1 : std::max(1, QThread::idealThreadCount());
    std::vector<QStringList> shares(static_cast<std::size_t>(shareCount));
    for (int k = 0; k < paths.size(); ++k) {
        shares[std::size_t(k % shareCount)].append(paths.at(k));
    }

    const QString folder = ArgumentFileFolder();
    std::vector<std::unique_ptr<TExifToolCommand>> commands;
    QList<TExifToolCommand *> batch;
    bool allWritten = true;
    for (const QStringList &share : shares) {
        if (share.isEmpty()) {
            continue;
        }
        const QString argumentFile = NewArgumentFileName(folder);
        if (!WriteArgumentFile(argumentFile, share)) {
            allWritten = false;
            continue;
        }
        commands.push_back(
            std::make_unique<TExifToolCommand>(KeywordReadArguments(argumentFile), argumentFile, int(share.size())));
        batch.append(commands.back().get());
    }

    const bool started = RunExifToolCommands(batch, int(paths.size()), QStringLiteral("Load keywords from files..."));
    if (!started || !allWritten) {
        ShowMessage(QStringLiteral("Execute ExifTool.exe failed."));
    }

    QStringList rows;
    for (const auto &command : commands) {
        AppendRows(*command, rows);
        QFile::remove(command->ArgumentFile());
    }
    return rows;
}

QStringList ReadKeywordRowsInThisThread(const QStringList &paths, const QString &argumentFolder)
{
    if (paths.isEmpty()) {
        return {};
    }
    const QString argumentFile = NewArgumentFileName(argumentFolder);
    if (!WriteArgumentFile(argumentFile, paths)) {
        return {};
    }
    TExifToolCommand command(KeywordReadArguments(argumentFile), argumentFile, int(paths.size()));
    command.Execute();
    QStringList rows;
    AppendRows(command, rows);
    return rows;
}

QStringList SplitCsvFields(const QString &text)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (n == 0) {
        return fields;
    }
    const QChar quote = QLatin1Char('"');
    const QChar comma = QLatin1Char(',');
    for (;;) {
        if (text.at(i) == quote) {
            QString field;
            ++i;
            while (i < n) {
                if (text.at(i) == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        field.append(quote);
                        i += 2;
                        continue;
                    }
                    break;
                }
                field.append(text.at(i));
                ++i;
            }
            fields.append(field);
            if (i >= n) {
                return fields; // no closing quote: the field ran to the end
            }
            ++i; // the closing quote
            if (i < n && text.at(i) == comma) {
                ++i;
                if (i == n) {
                    fields.append(QString());
                    return fields;
                }
            } else if (i == n) {
                return fields;
            }
        } else {
            const qsizetype next = text.indexOf(comma, i);
            if (next < 0) {
                fields.append(text.mid(i));
                return fields;
            }
            fields.append(text.mid(i, next - i));
            i = next + 1;
            if (i == n) {
                fields.append(QString());
                return fields;
            }
        }
    }
}

void ParseKeywordRow(const QString &row, QString &path, bool &encodeFlagMissing, int &orientation,
                     QStringList &keywords)
{
    path.clear();
    encodeFlagMissing = false;
    orientation = -1;
    keywords.clear();

    const QStringList fields = SplitCsvFields(row);
    const QString dash = QStringLiteral("-");
    // ExifTool writes the path as it was given; "/" is already our delimiter.
    if (fields.size() > 0) {
        path = fields.at(0);
    }
    if (fields.size() > 1) {
        encodeFlagMissing = fields.at(1) == dash;
    }
    if (fields.size() > 2) {
        bool ok = false;
        const int value = fields.at(2).toInt(&ok, 10);
        orientation = ok ? value : -1;
    }
    QString keywordsText;
    if (fields.size() > 3 && fields.at(3) != dash) {
        keywordsText = fields.at(3);
    }
    if (keywordsText.isEmpty()) {
        return;
    }
    QString quoted = keywordsText;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    quoted.replace(KeywordSeparator(), QStringLiteral("\",\""), Qt::CaseInsensitive);
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    const QStringList items = SplitCsvFields(quoted);
    for (const QString &item : items) {
        if (!RemoveWhiteSpace(item).isEmpty()) {
            keywords.append(item);
        }
    }
}

TRotateAngle RotateAngleFromOrientation(int orientation)
{
    switch (orientation) {
    case 3:
        return rotAngle180;
    case 6:
        return rotAngle90;
    case 8:
        return rotAngle270;
    default:
        return rotNone;
    }
}

void ApplyKeywordRow(TFileInfo &fileInfo, bool encodeFlagMissing, int orientation, const QStringList &keywords)
{
    fileInfo.KeywordList.Clear();
    fileInfo.KeywordList.AddStrings(keywords);
    fileInfo.IsEncodeFlagMissing = encodeFlagMissing;
    fileInfo.RotateAngle = RotateAngleFromOrientation(orientation);
}

void ApplyKeywordRows(TFileSet &fileSet, const QStringList &rows)
{
    if (rows.isEmpty()) {
        return;
    }
    QHash<QString, TFileInfo *> byPath;
    byPath.reserve(fileSet.CountAll());
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        TFileInfo *fileInfo = fileSet.FilesAll(i);
        if (!byPath.contains(fileInfo->JpgFullName)) {
            byPath.insert(fileInfo->JpgFullName, fileInfo); // the first photo of a path wins
        }
    }
    QString path;
    bool encodeFlagMissing = false;
    int orientation = -1;
    QStringList keywords;
    for (const QString &row : rows) {
        ParseKeywordRow(row, path, encodeFlagMissing, orientation, keywords);
        if (path.isEmpty()) {
            continue;
        }
        TFileInfo *fileInfo = byPath.value(path, nullptr);
        if (fileInfo) {
            ApplyKeywordRow(*fileInfo, encodeFlagMissing, orientation, keywords);
        }
    }
}

void PopulateKeywords(TFileSet &fileSet)
{
    QStringList paths;
    paths.reserve(fileSet.CountAll());
    for (int i = 0; i < fileSet.CountAll(); ++i) {
        paths.append(fileSet.FilesAll(i)->JpgFullName);
    }
    ApplyKeywordRows(fileSet, ReadKeywordRows(paths));
}

TKwStringList GetKeywordsOfFiles(const QStringList &paths)
{
    TKwStringList result;
    QString path;
    bool encodeFlagMissing = false;
    int orientation = -1;
    QStringList keywords;
    const QStringList rows = ReadKeywordRows(paths);
    for (const QString &row : rows) {
        ParseKeywordRow(row, path, encodeFlagMissing, orientation, keywords);
        result.AddStrings(keywords);
    }
    return result;
}

} // namespace orvane
