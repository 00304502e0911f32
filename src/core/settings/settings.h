// The user's preferences: kept in an INI file in the data folder, every change written through
// at once; also the recent-folder list, the options dialog's backup, and the geometry of one
// thumbnail-grid cell.
#pragma once

#include "core/settings/fileutils.h"
#include "core/settings/font.h"
#include "core/settings/inidocument.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

namespace orvane {

class TSettings
{
public:
    // Opens (or, when missing, creates) the settings file iniFileName. The backup file lies
    // beside it, named with "_tmp" before the ".ini". folderTemp defaults to the system's
    // temporary folder; both folders get a trailing delimiter.
    explicit TSettings(const QString &iniFileName, const QString &folderTemp = QString());
    // Writes unsaved changes.
    ~TSettings();
    TSettings(const TSettings &) = delete;
    TSettings &operator=(const TSettings &) = delete;

    int GAP() const { return fGAP; }
    int BMP_WIDTH() const { return fBMP_WIDTH; }
    int BMP_HEIGHT() const { return fBMP_HEIGHT; }
    int TEXT_COL_WIDTH() const { return fTEXT_COL_WIDTH; }
    int TEXT_COL_COUNT() const { return fTEXT_COL_COUNT; }
    const TFont &TEXT_FONT() const { return fTEXT_FONT; }
    TColor COLOR() const { return fCOLOR; }
    int TEXT_HEIGHT() const { return fTEXT_HEIGHT; }
    int GridColWidth() const { return fGridColWidth; }
    int GridRowHeight() const { return fGridRowHeight; }
    // 1 always, 2 never, 3 only when more than one file is involved.
    int ConfirmKeywordDel() const { return fConfirmKeywordDel; }
    bool UseWinTmpFolder() const { return fUseWinTmpFolder; }
    bool ShowKeywordsOnPreview() const { return fShowKeywordsOnPreview; }
    bool Transparent() const { return fTransparent; }
    bool ShowSimilarKeywordsOnAdd() const { return fShowSimilarKeywordsOnAdd; }
    bool PreserveFileDateTime() const { return fPreserveFileDateTime; }
    // The effective cache place: FolderTemp while UseWinTmpFolder is on.
    QString FolderThumbsRootPlace() const;
    // FolderThumbsRootPlace + "KW_CACHE/".
    QString FolderThumbsRoot() const;
    // FolderThumbsRoot + "T<BMP_WIDTH>_<BMP_HEIGHT>/".
    QString FolderThumbs() const;
    QString FolderTemp() const { return fFolderTemp; }
    const TFont &KeywordListFont() const { return fKeywordListFont; }
    QString StyleName() const { return fStyleName; }
    QString LastKeywordsFileFolder() const { return fLastKeywordsFileFolder; }
    int RecentCount() const { return fRecentCount; }
    int CascadeCount() const { return fCascadeCount; }
    bool ShowThumbnailNumber() const { return fShowThumbnailNumber; }
    bool RotateImage() const { return fRotateImage; }
    bool AutoFocusNextCascade() const { return fAutoFocusNextCascade; }
    bool ShowToolBar() const { return fShowToolBar; }

    // Every setter stores, clamps where a range applies, and writes the file at once.
    void setGAP(int value);
    void setBMP_WIDTH(int value);
    void setBMP_HEIGHT(int value);
    void setTEXT_COL_WIDTH(int value);
    void setTEXT_COL_COUNT(int value);
    // Also recomputes TEXT_HEIGHT.
    void setTEXT_FONT(const TFont &value);
    void setCOLOR(TColor value);
    void setConfirmKeywordDel(int value);
    void setUseWinTmpFolder(bool value);
    void setShowKeywordsOnPreview(bool value);
    void setTransparent(bool value);
    void setShowSimilarKeywordsOnAdd(bool value);
    void setPreserveFileDateTime(bool value);
    // Stores the folder with a trailing delimiter and creates it with its missing parents.
    void setFolderThumbsRootPlace(const QString &value);
    void setKeywordListFont(const TFont &value);
    void setStyleName(const QString &value);
    void setLastKeywordsFileFolder(const QString &value);
    void setRecentCount(int value);
    void setCascadeCount(int value);
    void setShowThumbnailNumber(bool value);
    void setRotateImage(bool value);
    void setAutoFocusNextCascade(bool value);
    void setShowToolBar(bool value);

    // Recent folders: index 1 is the most recent; empty text when unset.
    QString GetMRU(int index) const;
    // Up to nine folders, most recent first, blank entries skipped.
    QStringList GetMRUList() const;
    // Moves or inserts the folder at the front (case-insensitive match) and saves.
    void AddToMRU(const QString &folder);

    // Cell geometry of the grid cell occupying rect, left in BmpRect, TextRect[1..TEXT_COL_COUNT],
    // LabelRect and RowCount. Rectangles follow the exclusive right/bottom convention: a box
    // (l, t, r, b) is QRect(QPoint(l, t), QSize(r - l, b - t)), so rect.x() + rect.width() is the
    // exclusive right edge (QRect::right() is one less). Unused TextRect entries are all zero
    // (QRect(0, 0, 0, 0)). Main thread only.
    void InitCellData(const QRect &rect);
    QRect BmpRect;
    QRect TextRect[10];
    QRect LabelRect;
    int RowCount = 1;

    // For the options dialog: backup on open, abandon on OK, restore on any other close.
    // Failures are reported to the user through the prompter and give false. RestoreBackup
    // only restores a backup made by BackupSettings of this object; a backup file found on
    // disk from an earlier run is never taken for the current settings.
    bool BackupSettings();
    bool AbandonBackup();
    bool RestoreBackup();

    QString IniFileName() const { return fIniFileName; }
    QString IniFileNameBackup() const { return fIniFileNameBackup; }

private:
    void OpenIniFile();
    void CloseIniFile();
    void LoadSettings();
    void SaveSettings();
    void recomputeGrid();
    int measureTextHeight(const TFont &font) const;
    void setAside(const QByteArray &originalBytes);

    QString fFolderTemp;
    std::unique_ptr<TIniDocument> fIniFile;
    QString fIniFileName;
    QString fIniFileNameBackup;
    bool fBackupMade = false;

    int fGAP = 5;
    int fBMP_WIDTH = 200;
    int fBMP_HEIGHT = 200;
    int fTEXT_COL_WIDTH = 100;
    int fTEXT_COL_COUNT = 1;
    TFont fTEXT_FONT;
    TColor fCOLOR = clSilver;
    int fTEXT_HEIGHT = 13;
    int fGridColWidth = 0;
    int fGridRowHeight = 0;
    int fConfirmKeywordDel = 3;
    bool fUseWinTmpFolder = true;
    bool fShowKeywordsOnPreview = true;
    bool fTransparent = true;
    bool fPreserveFileDateTime = true;
    QString fFolderThumbsRootPlace;
    bool fShowSimilarKeywordsOnAdd = true;
    TFont fKeywordListFont;
    QString fStyleName;
    QString fLastKeywordsFileFolder;
    int fRecentCount = 15;
    int fCascadeCount = 4;
    bool fShowThumbnailNumber = true;
    bool fRotateImage = true;
    bool fAutoFocusNextCascade = true;
    bool fShowToolBar = true;
};

// The process-wide settings; created on first use from DataFolder() + the program's base name
// + ".ini" (DataFolder must be set by then). Main thread.
TSettings &Settings();
// Names the settings file after another program than the running one, so that companion tools
// share the program's settings file. Call before the first Settings().
void SetSettingsProgramName(const QString &baseName);
// Destroys the settings object (writing its file); the next Settings() opens a fresh one.
void FreeSettings();

// Rewrites an existing file as UTF-8 with byte-order mark. The source encoding comes from a
// byte-order mark (UTF-8, UTF-16LE, UTF-16BE); without one, bytes that are valid UTF-8 stay as
// they are and anything else is read as Windows-1252. False when the file is missing or cannot
// be read or rewritten.
bool ConvertFileToUtf8(const QString &fileName);

// Decodes bytes as Windows-1252; the five bytes that code page leaves unassigned keep their value.
QString DecodeWindows1252(const QByteArray &bytes);

} // namespace orvane
