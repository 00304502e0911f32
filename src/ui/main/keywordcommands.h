// The keyword commands of the main window: delete, replace, copy and paste keywords on photos,
// repeat the last addition, the keyword picker, and the commands that edit, save and load the
// folder's keyword list.
#pragma once

#include "core/model/kwstringlist.h"

#include <QObject>
#include <QString>

namespace orvane
{

class TfmMain;
class TfmSelectFromFile;

class TKeywordCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the keyword commands of the window's command table and enables them.
    explicit TKeywordCommands(TfmMain *window);

    // On photos.
    void DeleteKeyWord();
    void DeleteAllKeyWords();
    void ReplaceKeyword();
    void CopyKeywords();
    void PasteKeywords();
    void RepeatLastAdd();
    void SelectKeywordsFromFile();

    // On the folder's keyword list.
    void AddNewKeyword();
    void RemoveKeywordFromList();
    void RefreshKeywordsFromImages();
    void SaveKeywordsToFile();
    void LoadKeywordsFromFile();
    void AppendKeywordsFromFile();
    void AppendKeywordsFromJpgFolder();

    // The steps after the file or folder dialogs, for the commands above and for tests.
    // Writes the whole keyword list; false (after telling the user) when the file was not written.
    bool saveKeywordsTo(const QString &fileName);
    // Replaces (append false) or extends the keyword list; false (after telling the user, list
    // unchanged) when the file could not be read or is no keyword list.
    bool loadKeywordsFrom(const QString &fileName, bool append);
    void appendKeywordsFromFolder(const QString &folder);

    // The picker, once created; null before the first use.
    TfmSelectFromFile *keywordPicker() const { return fPicker; }
    bool isPickerVisible() const;
    // Selects every keyword of the picker when it is visible; false otherwise.
    bool selectAllInPicker();

private:
    // Keywords longer than a photo can store are left out, with the writer's message.
    TKwStringList withoutTooLong(const TKwStringList &keywords) const;
    void selectedPhotos(int &count, QString &fileName) const;
    // The clipboard text format of the list goes to the clipboard.
    void putOnClipboard(const TKwStringList &keywords) const;

    TfmMain *fWindow;
    TfmSelectFromFile *fPicker = nullptr; // a child of the window, kept for the whole run
};

} // namespace orvane
