// The photos of the open folder: all of them in load order, and the filtered list the grid shows.
#pragma once

#include "core/model/fileinfo.h"
#include "core/model/keywordfilter.h"

#include <QList>

#include <memory>
#include <vector>

namespace orvane {

// Owns its records. Commands act on records that are both Selected and in the filtered list.
// Loading, deleting, reading and writing keywords live beside their subsystems
// (folderload.h, keywordreader.h, keywordwriter.h) and work on this set.
class TFileSet
{
public:
    TFileSet() = default;
    TFileSet(const TFileSet &) = delete;
    TFileSet &operator=(const TFileSet &) = delete;

    int CountAll() const { return int(fFileListAll.size()); }
    int CountFiltered() const { return int(fFileListFiltered.size()); }
    TFileInfo *FilesAll(int index) const { return fFileListAll.at(std::size_t(index)).get(); }
    TFileInfo *FilesFiltered(int index) const { return fFileListFiltered.at(index); }
    const QList<TFileInfo *> &FilteredList() const { return fFileListFiltered; }

    // Appends to the list of all photos only; the caller rebuilds the filtered list.
    TFileInfo *Add(const QString &jpgFullName);
    void Clear();
    // Removes and destroys one record of the list of all photos; the filtered list is left stale
    // until ArrangeFilter.
    void RemoveRecord(TFileInfo *fileInfo);
    void ArrangeFilter();

    void ClearSelection();
    void SelectAll();
    void SelectSingle(const TFileInfo *fileInfo);
    TFileInfo *GetIfSingleSelected() const;
    int SelectedCount() const;
    TKwStringList GetKeywordsList(TKeywordSelection ks) const;

    void ApplyFilter(const TKeywordFilter &keywordFilter);
    void ApplyFilterBySelected();
    void ClearFilter();

private:
    std::vector<std::unique_ptr<TFileInfo>> fFileListAll;
    QList<TFileInfo *> fFileListFiltered;
};

} // namespace orvane
