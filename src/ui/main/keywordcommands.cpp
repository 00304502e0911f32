// The keyword commands of the main window.
#include "ui/main/keywordcommands.h"

#include "core/exiftool/keywordreader.h"
#include "core/exiftool/keywordwriter.h"
#include "core/model/keywordfile.h"
#include "core/model/keywordtext.h"
#include "core/settings/fileutils.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"
#include "ui/dialogs/addkeyworddialog.h"
#include "ui/dialogs/deletekeyworddialog.h"
#include "ui/dialogs/listcontrolsearch.h"
#include "ui/dialogs/replacekeyworddialog.h"
#include "ui/dialogs/selectfromfiledialog.h"
#include "ui/main/browseforfolder.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace orvane
{

namespace
{

const QString kTextFileFilter = QStringLiteral("Text file (*.txt)");

// The open and save dialogs of keyword list files: one filter, "txt" added to a bare name, and
// an existing file replaced without a question.
QString ChooseKeywordFile(QWidget *owner, bool save, const QString &initialFolder)
{
    QFileDialog dialog(owner);
    dialog.setNameFilter(kTextFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!initialFolder.isEmpty()) {
        dialog.setDirectory(initialFolder);
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

QString FolderOf(const QString &fileName)
{
    return IncludeTrailingDelimiter(QFileInfo(fileName).absolutePath());
}

// Inserts the text at its sorted place in a list control kept in keyword order.
void InsertSorted(QListWidget *list, const QString &text)
{
    int row = 0;
    while (row < list->count() && CompareKeywords(list->item(row)->text(), text) < 0) {
        ++row;
    }
    list->insertItem(row, text);
}

} // namespace

TKeywordCommands::TKeywordCommands(TfmMain *window)
    : QObject(window)
    , fWindow(window)
{
    TMainCommands &c = window->commands();
    const std::pair<QAction *, void (TKeywordCommands::*)()> handlers[] = {
        { c.aDeleteKeyWord, &TKeywordCommands::DeleteKeyWord },
        { c.aDeleteAllKeyWords, &TKeywordCommands::DeleteAllKeyWords },
        { c.aReplaceKeyword, &TKeywordCommands::ReplaceKeyword },
        { c.aCopyKeywords, &TKeywordCommands::CopyKeywords },
        { c.aPasteKeywords, &TKeywordCommands::PasteKeywords },
        { c.aRepeatLastAdd, &TKeywordCommands::RepeatLastAdd },
        { c.aSelectKeywordsFromFile, &TKeywordCommands::SelectKeywordsFromFile },
        { c.aAddNewKeyword, &TKeywordCommands::AddNewKeyword },
        { c.aRemoveKeywordFromList, &TKeywordCommands::RemoveKeywordFromList },
        { c.aRefreshKeywordsFromImages, &TKeywordCommands::RefreshKeywordsFromImages },
        { c.aSaveKeywordsToFile, &TKeywordCommands::SaveKeywordsToFile },
        { c.aLoadKeywordsFromFile, &TKeywordCommands::LoadKeywordsFromFile },
        { c.aAppendKeywordsFromFile, &TKeywordCommands::AppendKeywordsFromFile },
        { c.aAppendKeywordsFromJpgFolder, &TKeywordCommands::AppendKeywordsFromJpgFolder },
    };
    for (const auto &[action, handler] : handlers) {
        connect(action, &QAction::triggered, this, handler);
        c.setBuilt(action);
    }
}

void TKeywordCommands::selectedPhotos(int &count, QString &fileName) const
{
    count = fWindow->fileSet().SelectedCount();
    fileName.clear();
    if (count == 1) {
        if (const TFileInfo *photo = fWindow->fileSet().GetIfSingleSelected()) {
            fileName = QFileInfo(photo->JpgFullName).fileName();
        }
    }
}

void TKeywordCommands::DeleteKeyWord()
{
    const TKwStringList keywords = fWindow->fileSet().GetKeywordsList(ksSelectedOnly);
    if (keywords.IsEmpty()) {
        return;
    }
    int count = 0;
    QString fileName;
    selectedPhotos(count, fileName);
    const TKwStringList toDelete = ShowDeleteKeywordDialog(keywords, count, fileName, fWindow);
    if (!toDelete.IsEmpty()) {
        ChangeKeywordsInSelectedFiles(fWindow->fileSet(), toDelete.Strings(), koDeleteSome);
    }
    fWindow->grid()->refresh();
}

void TKeywordCommands::DeleteAllKeyWords()
{
    ChangeKeywordsInSelectedFiles(fWindow->fileSet(), {}, koDeleteAll);
    fWindow->grid()->refresh();
}

void TKeywordCommands::ReplaceKeyword()
{
    const TKwStringList keywords = fWindow->fileSet().GetKeywordsList(ksSelectedOnly);
    if (keywords.IsEmpty()) {
        return;
    }
    int count = 0;
    QString fileName;
    selectedPhotos(count, fileName);
    QString oldKeyword;
    QString newKeyword;
    if (!ShowReplaceKeywordDialog(keywords, oldKeyword, newKeyword, count, fileName, fWindow)) {
        return;
    }
    // Refused before any photo changes, and then not put into the keyword list either.
    if (const QStringList tooLong = KeywordsTooLong({ newKeyword }); !tooLong.isEmpty()) {
        ShowMessage(KeywordsTooLongMessage(tooLong));
        return;
    }
    ChangeKeywordsInSelectedFiles(fWindow->fileSet(), { oldKeyword, newKeyword }, koReplace);
    // The list takes the new spelling even when it differs from a known keyword only in case.
    fWindow->GlobalKeywordList.DeleteString(newKeyword);
    fWindow->GlobalKeywordList.Add(newKeyword);
    TKeywordListBox *list = fWindow->keywordPanel()->ListBoxKeywords;
    const int row = TextIndexInList(list, newKeyword);
    if (row >= 0) {
        delete list->takeItem(row);
    }
    InsertSorted(list, newKeyword);
    fWindow->grid()->refresh();
}

void TKeywordCommands::CopyKeywords()
{
    const TKeywordPanel *panel = fWindow->keywordPanel();
    const QWidget *focus = QApplication::focusWidget();
    if (focus == panel->ListBoxKeywords) {
        fWindow->CopyPasteKeywordList = TKwStringList(panel->ListBoxKeywords->selectedTexts());
    } else if (focus == panel->ListBoxRecent) {
        fWindow->CopyPasteKeywordList = TKwStringList(panel->ListBoxRecent->selectedTexts());
    } else if (isPickerVisible()) {
        const QStringList selected = fPicker->ListBoxKeywords->selectedTexts();
        fWindow->CopyPasteKeywordList
            = TKwStringList(selected.isEmpty() ? fPicker->ListBoxKeywords->itemTexts() : selected);
    } else {
        fWindow->CopyPasteKeywordList = fWindow->fileSet().GetKeywordsList(ksSelectedOnly);
    }
    putOnClipboard(fWindow->CopyPasteKeywordList);
}

void TKeywordCommands::putOnClipboard(const TKwStringList &keywords) const
{
    QGuiApplication::clipboard()->setText(KeywordListText(keywords));
}

void TKeywordCommands::PasteKeywords()
{
    fWindow->CopyPasteKeywordList = ParseKeywordText(QGuiApplication::clipboard()->text());
    if (QApplication::focusWidget() == fWindow->keywordPanel()->ListBoxKeywords) {
        fWindow->GlobalKeywordList.AddStrings(withoutTooLong(fWindow->CopyPasteKeywordList));
        fWindow->FillKeywordListBox();
        return;
    }
    // The writer refuses keywords a photo cannot store before it changes any photo.
    ChangeKeywordsInSelectedFiles(fWindow->fileSet(), fWindow->CopyPasteKeywordList.Strings(), koAddAppend);
    fWindow->grid()->refresh();
    fWindow->LastDragDropKeywordList = fWindow->CopyPasteKeywordList;
}

void TKeywordCommands::RepeatLastAdd()
{
    ChangeKeywordsInSelectedFiles(fWindow->fileSet(), fWindow->LastDragDropKeywordList.Strings(), koAddAppend);
    fWindow->grid()->refresh();
}

bool TKeywordCommands::isPickerVisible() const
{
    return fPicker && fPicker->isVisible();
}

bool TKeywordCommands::selectAllInPicker()
{
    if (!isPickerVisible()) {
        return false;
    }
    fPicker->ListBoxKeywords->selectAll();
    return true;
}

void TKeywordCommands::SelectKeywordsFromFile()
{
    if (isPickerVisible()) {
        fPicker->hide();
        return;
    }
    TFileSet &fileSet = fWindow->fileSet();
    if (fileSet.SelectedCount() != 1) {
        return;
    }
    const int index = fileSet.FilteredList().indexOf(fileSet.GetIfSingleSelected());
    if (index < 0) {
        return;
    }
    const TFileInfo *photo = fileSet.FilesFiltered(index);
    if (photo->KeywordList.IsEmpty()) {
        return;
    }
    TThumbGrid *grid = fWindow->grid();
    const int columns = std::max(1, grid->colCount());
    const QRect cell = grid->cellRect(index % columns, index / columns);
    if (!fPicker) {
        fPicker = new TfmSelectFromFile(fWindow);
        connect(fPicker, &TfmSelectFromFile::keywordDragFinished, grid, &TThumbGrid::refresh);
    }
    fPicker->showKeywords(photo->KeywordList, grid->viewport()->mapToGlobal(cell.topLeft()),
        fWindow->keywordPanel()->ListBoxKeywords->font(), cell.width(), cell.height());
}

TKwStringList TKeywordCommands::withoutTooLong(const TKwStringList &keywords) const
{
    const QStringList tooLong = KeywordsTooLong(keywords.Strings());
    if (tooLong.isEmpty()) {
        return keywords;
    }
    ShowMessage(KeywordsTooLongMessage(tooLong));
    TKwStringList accepted;
    for (const QString &keyword : keywords) {
        if (!tooLong.contains(keyword)) {
            accepted.Add(keyword);
        }
    }
    return accepted;
}

void TKeywordCommands::AddNewKeyword()
{
    QString keyword;
    if (!ShowAddKeywordDialog(keyword, fWindow->GlobalKeywordList, fWindow)) {
        return;
    }
    if (const QStringList tooLong = KeywordsTooLong({ keyword }); !tooLong.isEmpty()) {
        ShowMessage(KeywordsTooLongMessage(tooLong));
        return;
    }
    fWindow->GlobalKeywordList.Add(keyword);
    TKeywordListBox *list = fWindow->keywordPanel()->ListBoxKeywords;
    // Shown even when the filter text would hide it, until the list is next refilled.
    if (!TextInList(list, keyword)) {
        InsertSorted(list, keyword);
    }
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool same = SameKeyword(item->text(), keyword);
        item->setSelected(same);
        if (same) {
            list->scrollToItem(item);
        }
    }
    fWindow->UpdateStatusBar();
}

void TKeywordCommands::RemoveKeywordFromList()
{
    TKeywordListBox *list = fWindow->keywordPanel()->ListBoxKeywords;
    list->setUpdatesEnabled(false);
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->isSelected()) {
            fWindow->GlobalKeywordList.DeleteString(list->item(i)->text());
            delete list->takeItem(i);
        }
    }
    list->setUpdatesEnabled(true);
    fWindow->UpdateStatusBar();
}

void TKeywordCommands::RefreshKeywordsFromImages()
{
    TKeywordPanel *panel = fWindow->keywordPanel();
    // Clearing the filter edit refills the list from the old keywords; refill once more below.
    panel->edFilter->blockSignals(true);
    panel->edFilter->clear();
    panel->edFilter->blockSignals(false);
    fWindow->GlobalKeywordList = fWindow->fileSet().GetKeywordsList(ksAll);
    fWindow->FillKeywordListBox();
}

void TKeywordCommands::SaveKeywordsToFile()
{
    const QString fileName = ChooseKeywordFile(fWindow, true, QString());
    if (!fileName.isEmpty()) {
        saveKeywordsTo(fileName);
    }
}

bool TKeywordCommands::saveKeywordsTo(const QString &fileName)
{
    QString error;
    if (!SaveKeywordFile(fileName, fWindow->GlobalKeywordList, error)) {
        ShowMessage(error);
        return false;
    }
    Settings().setLastKeywordsFileFolder(FolderOf(fileName));
    return true;
}

void TKeywordCommands::LoadKeywordsFromFile()
{
    const QString fileName = ChooseKeywordFile(fWindow, false, Settings().LastKeywordsFileFolder());
    if (!fileName.isEmpty()) {
        loadKeywordsFrom(fileName, false);
    }
}

void TKeywordCommands::AppendKeywordsFromFile()
{
    const QString fileName = ChooseKeywordFile(fWindow, false, Settings().LastKeywordsFileFolder());
    if (!fileName.isEmpty()) {
        loadKeywordsFrom(fileName, true);
    }
}

bool TKeywordCommands::loadKeywordsFrom(const QString &fileName, bool append)
{
    TKwStringList keywords;
    QString error;
    if (!LoadKeywordFile(fileName, keywords, error)) {
        ShowMessage(error);
        return false;
    }
    keywords = withoutTooLong(keywords);
    if (append) {
        fWindow->GlobalKeywordList.AddStrings(keywords);
    } else {
        fWindow->GlobalKeywordList = keywords;
    }
    fWindow->FillKeywordListBox();
    Settings().setLastKeywordsFileFolder(FolderOf(fileName));
    return true;
}

void TKeywordCommands::AppendKeywordsFromJpgFolder()
{
    const QString folder
        = BrowseForFolder(fWindow, QStringLiteral("Select folder with JPG files"), Settings().GetMRU(1));
    if (!folder.isEmpty()) {
        appendKeywordsFromFolder(folder);
    }
}

void TKeywordCommands::appendKeywordsFromFolder(const QString &folder)
{
    const QStringList files = FindFilesRecursive(folder, QStringLiteral("*.jpg"));
    fWindow->GlobalKeywordList.AddStrings(GetKeywordsOfFiles(files));
    fWindow->FillKeywordListBox();
}

} // namespace orvane
