// The settings store: an INI file in the data folder, written through on every change.
#include "core/settings/settings.h"

#include "core/model/keywordtext.h"

#include "core/settings/fontwrapper.h"
#include "core/settings/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

const QString kThumbnail = QStringLiteral("THUMBNAIL");
const QString kKeywordList = QStringLiteral("KEYWORD_LIST");
const QString kOptions = QStringLiteral("OPTIONS");
const QString kMisc = QStringLiteral("MISC");
const QString kMru = QStringLiteral("MRU");
constexpr int kMruCount = 9;


QString withDelimiter(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder;
    }
    return folder + QLatin1Char('/');
}

// A box given by its left, top and exclusive right and bottom edges.
QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

QString longTempFolder()
{
    const QString canonical = QFileInfo(QDir::tempPath()).canonicalFilePath();
    return withDelimiter(canonical.isEmpty() ? QDir::tempPath() : canonical);
}

bool writeFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool readWholeFile(const QString &fileName, QByteArray *bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Code points of bytes 0x80..0x9F in Windows-1252; the five unassigned bytes keep their own
// value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString DecodeWindows1252(const QByteArray &bytes)
{
    QStringDecoder icu("windows-1252");
    if (icu.isValid()) {
        const QString text = icu.decode(bytes);
        if (!icu.hasError()) {
            return text;
        }
    }
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = quint8(bytes.at(i));
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

namespace {

std::unique_ptr<TSettings> gSettings;
QString gProgramName;

} // namespace

TSettings::TSettings(const QString &iniFileName, const QString &folderTemp)
    : fFolderTemp(folderTemp.isEmpty() ? longTempFolder() : withDelimiter(folderTemp)), fIniFileName(iniFileName)
{
    const QFileInfo info(iniFileName);
    fIniFileNameBackup = withDelimiter(info.path()) + info.completeBaseName() + QStringLiteral("_tmp.ini");
    fStyleName = QStringLiteral("Iceberg Classico");
    fTEXT_HEIGHT = measureTextHeight(fTEXT_FONT);
    OpenIniFile();
    LoadSettings();
    if (!QFile::exists(fIniFileName)) {
        SaveSettings();
    }
}

TSettings::~TSettings()
{
    CloseIniFile();
}

void TSettings::OpenIniFile()
{
    fIniFile = std::make_unique<TIniDocument>();
    TIniDocument::LoadResult result = fIniFile->loadFromFile(fIniFileName);
    if (result == TIniDocument::LoadResult::Loaded || result == TIniDocument::LoadResult::Missing) {
        return;
    }
    QByteArray original;
    const bool readable = readWholeFile(fIniFileName, &original);
    if (result == TIniDocument::LoadResult::NotUtf8 && readable && ConvertFileToUtf8(fIniFileName)) {
        result = fIniFile->loadFromFile(fIniFileName);
        if (result == TIniDocument::LoadResult::Loaded) {
            return;
        }
    }
    // Still unusable: keep the user's file, untouched, under another name and start from
    // defaults, which the constructor writes to a fresh file.
    fIniFile->clear();
    setAside(readable ? original : QByteArray());
}

void TSettings::setAside(const QByteArray &originalBytes)
{
    QString target = fIniFileName + QStringLiteral(".bad");
    for (int n = 2; QFile::exists(target); ++n) {
        target = fIniFileName + QStringLiteral(".%1.bad").arg(n);
    }
    bool keptAside = false;
    if (!originalBytes.isEmpty()) {
        keptAside = writeFileAtomically(target, originalBytes) && QFile::remove(fIniFileName);
    }
    if (!keptAside) {
        keptAside = QFile::rename(fIniFileName, target);
    }
    if (!keptAside) {
        qWarning("Unreadable settings file %s could not be moved aside", qPrintable(fIniFileName));
    }
}

void TSettings::CloseIniFile()
{
    if (fIniFile) {
        if (!fIniFile->saveToFile(fIniFileName)) {
            qWarning("Could not write settings file %s", qPrintable(fIniFileName));
        }
        fIniFile.reset();
    }
}

int TSettings::measureTextHeight(const TFont &font) const
{
    return QFontMetrics(font.font).size(Qt::TextSingleLine, QStringLiteral("W")).height();
}

void TSettings::recomputeGrid()
{
    fGridColWidth = fBMP_WIDTH + (fGAP + fTEXT_COL_WIDTH) * fTEXT_COL_COUNT + 2 * fGAP;
    fGridRowHeight = fBMP_HEIGHT + fTEXT_HEIGHT + 3 * fGAP;
}

void TSettings::LoadSettings()
{
    TIniDocument &ini = *fIniFile;
    fGAP = ini.readInteger(kThumbnail, QStringLiteral("GAP"), 5);
    fBMP_WIDTH = ini.readInteger(kThumbnail, QStringLiteral("BMP_WIDTH"), 200);
    fBMP_HEIGHT = ini.readInteger(kThumbnail, QStringLiteral("BMP_HEIGHT"), 200);
    fTEXT_COL_WIDTH = ini.readInteger(kThumbnail, QStringLiteral("TEXT_COL_WIDTH"), 100);
    fTEXT_COL_COUNT = ini.readInteger(kThumbnail, QStringLiteral("TEXT_COL_COUNT"), 1);
    fCOLOR = TColor(ini.readInteger(kThumbnail, QStringLiteral("COLOR"), qint32(clSilver)));

    // An undecodable font value leaves the font as it was.
    if (ini.valueExists(kThumbnail, QStringLiteral("FONT"))) {
        TFontWrapper wrapper;
        if (wrapper.fromHex(ini.readString(kThumbnail, QStringLiteral("FONT"), QString()))) {
            fTEXT_FONT = wrapper.Font();
        }
    }
    fTEXT_HEIGHT = measureTextHeight(fTEXT_FONT);
    if (ini.valueExists(kKeywordList, QStringLiteral("FONT_KEYWORDS"))) {
        TFontWrapper wrapper;
        if (wrapper.fromHex(ini.readString(kKeywordList, QStringLiteral("FONT_KEYWORDS"), QString()))) {
            fKeywordListFont = wrapper.Font();
        }
    }

    fGAP = std::clamp(fGAP, 3, 100);
    fBMP_WIDTH = std::clamp(fBMP_WIDTH, 1, 800);
    fBMP_HEIGHT = std::clamp(fBMP_HEIGHT, 1, 800);
    fTEXT_COL_COUNT = std::clamp(fTEXT_COL_COUNT, 1, 9);
    fTEXT_COL_WIDTH = std::clamp(fTEXT_COL_WIDTH, 10, 4000);
    recomputeGrid();

    fConfirmKeywordDel = ini.readInteger(kOptions, QStringLiteral("DEL_CONFIRM"), 3);
    if (fConfirmKeywordDel < 1 || fConfirmKeywordDel > 3) {
        fConfirmKeywordDel = 3;
    }
    fUseWinTmpFolder = ini.readBool(kOptions, QStringLiteral("USE_WIN_TEMP"), true);
    fFolderThumbsRootPlace = ini.readString(kOptions, QStringLiteral("FOLDER_ROOT_PLACE"), QString());
    if (fFolderThumbsRootPlace.isEmpty() || !QFileInfo(fFolderThumbsRootPlace).isDir()) {
        fUseWinTmpFolder = true;
    }

    fShowKeywordsOnPreview = ini.readBool(kMisc, QStringLiteral("SHOW_KEYWORDS"), true);
    fTransparent = ini.readBool(kMisc, QStringLiteral("TRANSPARENT"), true);
    fShowThumbnailNumber = ini.readBool(kMisc, QStringLiteral("SHOW_THUMBNAIL_NUMBER"), true);
    fRotateImage = ini.readBool(kMisc, QStringLiteral("ROTATE_IMAGE"), true);
    fPreserveFileDateTime = ini.readBool(kOptions, QStringLiteral("PRESERVE_FILE_DATETIME"), true);
    fShowSimilarKeywordsOnAdd = ini.readBool(kMisc, QStringLiteral("SHOW_SIMILAR_KEYWORDS_ON_ADD"), true);
    fAutoFocusNextCascade = ini.readBool(kMisc, QStringLiteral("AUTO_FOCUS_NEXT_CASCADE"), true);
    fShowToolBar = ini.readBool(kMisc, QStringLiteral("SHOW_TOOL_BAR"), true);
    fStyleName = ini.readString(kMisc, QStringLiteral("STYLE"), QStringLiteral("Iceberg Classico"));
    fLastKeywordsFileFolder = ini.readString(kMisc, QStringLiteral("LAST_KEYWORDS_FILE_FOLDER"), QString());
    fRecentCount = std::clamp(ini.readInteger(kMisc, QStringLiteral("RECENT_COUNT"), 15), 0, 1000);
    fCascadeCount = std::clamp(ini.readInteger(kMisc, QStringLiteral("CASCADE_COUNT"), 4), 2, 10);
}

void TSettings::SaveSettings()
{
    TIniDocument &ini = *fIniFile;
    ini.writeInteger(kThumbnail, QStringLiteral("GAP"), fGAP);
    ini.writeInteger(kThumbnail, QStringLiteral("BMP_WIDTH"), fBMP_WIDTH);
    ini.writeInteger(kThumbnail, QStringLiteral("BMP_HEIGHT"), fBMP_HEIGHT);
    ini.writeInteger(kThumbnail, QStringLiteral("TEXT_COL_WIDTH"), fTEXT_COL_WIDTH);
    ini.writeInteger(kThumbnail, QStringLiteral("TEXT_COL_COUNT"), fTEXT_COL_COUNT);
    ini.writeInteger(kThumbnail, QStringLiteral("COLOR"), qint32(fCOLOR));
    ini.writeString(kThumbnail, QStringLiteral("FONT"), TFontWrapper(fTEXT_FONT).toHex());
    ini.writeString(kKeywordList, QStringLiteral("FONT_KEYWORDS"), TFontWrapper(fKeywordListFont).toHex());
    ini.writeInteger(kOptions, QStringLiteral("DEL_CONFIRM"), fConfirmKeywordDel);
    ini.writeBool(kOptions, QStringLiteral("USE_WIN_TEMP"), fUseWinTmpFolder);
    ini.writeString(kOptions, QStringLiteral("FOLDER_ROOT_PLACE"), fFolderThumbsRootPlace);
    ini.writeBool(kOptions, QStringLiteral("PRESERVE_FILE_DATETIME"), fPreserveFileDateTime);
    ini.writeBool(kMisc, QStringLiteral("SHOW_KEYWORDS"), fShowKeywordsOnPreview);
    ini.writeBool(kMisc, QStringLiteral("TRANSPARENT"), fTransparent);
    ini.writeBool(kMisc, QStringLiteral("SHOW_THUMBNAIL_NUMBER"), fShowThumbnailNumber);
    ini.writeBool(kMisc, QStringLiteral("ROTATE_IMAGE"), fRotateImage);
    ini.writeBool(kMisc, QStringLiteral("SHOW_SIMILAR_KEYWORDS_ON_ADD"), fShowSimilarKeywordsOnAdd);
    ini.writeBool(kMisc, QStringLiteral("AUTO_FOCUS_NEXT_CASCADE"), fAutoFocusNextCascade);
    ini.writeBool(kMisc, QStringLiteral("SHOW_TOOL_BAR"), fShowToolBar);
    ini.writeString(kMisc, QStringLiteral("STYLE"), fStyleName);
    ini.writeString(kMisc, QStringLiteral("LAST_KEYWORDS_FILE_FOLDER"), fLastKeywordsFileFolder);
    ini.writeInteger(kMisc, QStringLiteral("RECENT_COUNT"), fRecentCount);
    ini.writeInteger(kMisc, QStringLiteral("CASCADE_COUNT"), fCascadeCount);
    recomputeGrid();
    if (!ini.saveToFile(fIniFileName)) {
        qWarning("Could not write settings file %s", qPrintable(fIniFileName));
    }
}

QString TSettings::FolderThumbsRootPlace() const
{
    return fUseWinTmpFolder ? fFolderTemp : fFolderThumbsRootPlace;
}

QString TSettings::FolderThumbsRoot() const
{
    return FolderThumbsRootPlace() + QStringLiteral("KW_CACHE/");
}

QString TSettings::FolderThumbs() const
{
    return FolderThumbsRoot() + QStringLiteral("T%1_%2/").arg(fBMP_WIDTH).arg(fBMP_HEIGHT);
}

void TSettings::setGAP(int value)
{
    fGAP = std::clamp(value, 3, 100);
    SaveSettings();
}

void TSettings::setBMP_WIDTH(int value)
{
    fBMP_WIDTH = std::clamp(value, 1, 800);
    SaveSettings();
}

void TSettings::setBMP_HEIGHT(int value)
{
    fBMP_HEIGHT = std::clamp(value, 1, 800);
    SaveSettings();
}

void TSettings::setTEXT_COL_WIDTH(int value)
{
    fTEXT_COL_WIDTH = std::clamp(value, 10, 4000);
    SaveSettings();
}

void TSettings::setTEXT_COL_COUNT(int value)
{
    fTEXT_COL_COUNT = std::clamp(value, 1, 9);
    SaveSettings();
}

void TSettings::setTEXT_FONT(const TFont &value)
{
    fTEXT_FONT = value;
    fTEXT_HEIGHT = measureTextHeight(fTEXT_FONT);
    SaveSettings();
}

void TSettings::setCOLOR(TColor value)
{
    fCOLOR = value;
    SaveSettings();
}

void TSettings::setConfirmKeywordDel(int value)
{
    fConfirmKeywordDel = value;
    SaveSettings();
}

void TSettings::setUseWinTmpFolder(bool value)
{
    fUseWinTmpFolder = value;
    SaveSettings();
}

void TSettings::setShowKeywordsOnPreview(bool value)
{
    fShowKeywordsOnPreview = value;
    SaveSettings();
}

void TSettings::setTransparent(bool value)
{
    fTransparent = value;
    SaveSettings();
}

void TSettings::setShowSimilarKeywordsOnAdd(bool value)
{
    fShowSimilarKeywordsOnAdd = value;
    SaveSettings();
}

void TSettings::setPreserveFileDateTime(bool value)
{
    fPreserveFileDateTime = value;
    SaveSettings();
}

void TSettings::setFolderThumbsRootPlace(const QString &value)
{
    fFolderThumbsRootPlace = withDelimiter(value);
    if (!fFolderThumbsRootPlace.isEmpty()) {
        QDir().mkpath(fFolderThumbsRootPlace);
    }
    SaveSettings();
}

void TSettings::setKeywordListFont(const TFont &value)
{
    fKeywordListFont = value;
    SaveSettings();
}

void TSettings::setStyleName(const QString &value)
{
    fStyleName = value;
    SaveSettings();
}

void TSettings::setLastKeywordsFileFolder(const QString &value)
{
    fLastKeywordsFileFolder = value;
    SaveSettings();
}

void TSettings::setRecentCount(int value)
{
    fRecentCount = std::clamp(value, 0, 1000);
    SaveSettings();
}

void TSettings::setCascadeCount(int value)
{
    fCascadeCount = std::clamp(value, 2, 10);
    SaveSettings();
}

void TSettings::setShowThumbnailNumber(bool value)
{
    fShowThumbnailNumber = value;
    SaveSettings();
}

void TSettings::setRotateImage(bool value)
{
    fRotateImage = value;
    SaveSettings();
}

void TSettings::setAutoFocusNextCascade(bool value)
{
    fAutoFocusNextCascade = value;
    SaveSettings();
}

void TSettings::setShowToolBar(bool value)
{
    fShowToolBar = value;
    SaveSettings();
}

QString TSettings::GetMRU(int index) const
{
    return RemoveWhiteSpace(fIniFile->readString(kMru, QStringLiteral("MRU%1").arg(index), QString()));
}

QStringList TSettings::GetMRUList() const
{
    QStringList list;
    for (int i = 1; i <= kMruCount; ++i) {
        const QString folder = GetMRU(i);
        if (!folder.isEmpty()) {
            list.append(folder);
        }
    }
    return list;
}

void TSettings::AddToMRU(const QString &folder)
{
    if (folder.isEmpty()) {
        return;
    }
    QStringList list = GetMRUList();
    fIniFile->eraseSection(kMru);
    list.removeIf([&folder](const QString &entry) { return entry.compare(folder, Qt::CaseInsensitive) == 0; });
    list.prepend(folder);
    for (int i = 0; i < kMruCount && i < list.size(); ++i) {
        fIniFile->writeString(kMru, QStringLiteral("MRU%1").arg(i + 1), list.at(i));
    }
    if (!fIniFile->saveToFile(fIniFileName)) {
        qWarning("Could not write settings file %s", qPrintable(fIniFileName));
    }
}

void TSettings::InitCellData(const QRect &rect)
{
    const int g = fGAP;
    const int bw = fBMP_WIDTH;
    const int bh = fBMP_HEIGHT;
    const int cw = fTEXT_COL_WIDTH;
    const int cc = fTEXT_COL_COUNT;
    const int th = fTEXT_HEIGHT;
    const int left = rect.x();
    const int top = rect.y();

    BmpRect = box(left + g, top + g, left + g + bw, top + g + bh);
    const int bmpBottom = top + g + bh;
    const int labelTop = bmpBottom + g;
    LabelRect = box(left + g, labelTop, left + g + (g + cw) * cc + bw, labelTop + th);
    for (int i = 1; i <= 9; ++i) {
        if (i <= cc) {
            const int textLeft = left + 2 * g + bw + (i - 1) * (g + cw);
            TextRect[i] = box(textLeft, top + g, textLeft + cw, bmpBottom);
        } else {
            TextRect[i] = QRect(0, 0, 0, 0);
        }
    }
    RowCount = th > 0 ? bh / th : 0;
    if (RowCount <= 0) {
        RowCount = 1;
    }
}

bool TSettings::BackupSettings()
{
    CloseIniFile();
    bool ok = true;
    if (QFile::exists(fIniFileName)) {
        QByteArray bytes;
        ok = readWholeFile(fIniFileName, &bytes) && writeFileAtomically(fIniFileNameBackup, bytes);
    }
    OpenIniFile();
    fBackupMade = ok;
    if (!ok) {
        ShowMessage(QStringLiteral("Can't write file: ") + fIniFileNameBackup);
    }
    return ok;
}

bool TSettings::AbandonBackup()
{
    fBackupMade = false;
    if (QFile::exists(fIniFileNameBackup) && !QFile::remove(fIniFileNameBackup)) {
        ShowMessage(QStringLiteral("Can't delete file: ") + fIniFileNameBackup);
        return false;
    }
    return true;
}

bool TSettings::RestoreBackup()
{
    if (!fBackupMade) {
        return false;
    }
    CloseIniFile();
    QByteArray bytes;
    const bool restored = readWholeFile(fIniFileNameBackup, &bytes) && writeFileAtomically(fIniFileName, bytes);
    if (!restored) {
        ShowMessage(QStringLiteral("Can't write file: ") + fIniFileName);
    } else {
        fBackupMade = false;
        if (!QFile::remove(fIniFileNameBackup)) {
            ShowMessage(QStringLiteral("Can't delete file: ") + fIniFileNameBackup);
        }
    }
    OpenIniFile();
    LoadSettings();
    return restored;
}

TSettings &Settings()
{
    if (!gSettings) {
        QString folder = DataFolder();
        if (folder.isEmpty()) {
            folder = ProgramFolder();
        }
        QString baseName = gProgramName;
        if (baseName.isEmpty()) {
            baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        }
        if (baseName.isEmpty()) {
            baseName = QStringLiteral("orvane");
        }
        gSettings = std::make_unique<TSettings>(withDelimiter(folder) + baseName + QStringLiteral(".ini"));
    }
    return *gSettings;
}

void SetSettingsProgramName(const QString &baseName)
{
    gProgramName = baseName;
}

void FreeSettings()
{
    gSettings.reset();
}

bool ConvertFileToUtf8(const QString &fileName)
{
    if (!QFile::exists(fileName)) {
        return false;
    }
    QByteArray bytes;
    if (!readWholeFile(fileName, &bytes)) {
        return false;
    }
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        text = QStringDecoder(QStringConverter::Utf16BE).decode(bytes.mid(2));
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            text = DecodeWindows1252(bytes);
        }
    }
    return writeFileAtomically(fileName, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
}

} // namespace orvane
