// The photo set: records, selection and the filtered list.
#include "core/model/fileset.h"

#include <algorithm>

namespace orvane {

TFileInfo *TFileSet::Add(const QString &jpgFullName)
{
    fFileListAll.push_back(std::make_unique<TFileInfo>(jpgFullName));
    return fFileListAll.back().get();
}

void TFileSet::Clear()
{
    fFileListFiltered.clear();
    fFileListAll.clear();
}

void TFileSet::RemoveRecord(TFileInfo *fileInfo)
{
    fFileListFiltered.removeAll(fileInfo);
    const auto it = std::find_if(fFileListAll.begin(), fFileListAll.end(),
                                 [fileInfo](const std::unique_ptr<TFileInfo> &p) { return p.get() == fileInfo; });
    if (it != fFileListAll.end()) {
        fFileListAll.erase(it);
    }
}

void TFileSet::ArrangeFilter()
{
    fFileListFiltered.clear();
    for (const auto &fi : fFileListAll) {
        if (fi->InFilter) {
            fFileListFiltered.append(fi.get());
            fi->Number = int(fFileListFiltered.size());
        }
    }
}

void TFileSet::ClearSelection()
{
    for (const auto &fi : fFileListAll) {
        fi->Selected = false;
    }
}

void TFileSet::SelectAll()
{
    for (TFileInfo *fi : std::as_const(fFileListFiltered)) {
        fi->Selected = true;
    }
}

void TFileSet::SelectSingle(const TFileInfo *fileInfo)
{
    for (const auto &fi : fFileListAll) {
        fi->Selected = fi.get() == fileInfo;
    }
}

TFileInfo *TFileSet::GetIfSingleSelected() const
{
    TFileInfo *single = nullptr;
    for (TFileInfo *fi : fFileListFiltered) {
        if (fi->Selected) {
            if (single) {
                return nullptr;
            }
            single = fi;
        }
    }
    return single;
}

int TFileSet::SelectedCount() const
{
    return int(std::count_if(fFileListFiltered.cbegin(), fFileListFiltered.cend(),
                             [](const TFileInfo *fi) { return fi->Selected; }));
}

TKwStringList TFileSet::GetKeywordsList(TKeywordSelection ks) const
{
    TKwStringList result;
    for (const auto &fi : fFileListAll) {
        if (ks == ksAll || (fi->Selected && fi->InFilter)) {
            result.AddStrings(fi->KeywordList);
        }
    }
    return result;
}

void TFileSet::ApplyFilter(const TKeywordFilter &keywordFilter)
{
    for (const auto &fi : fFileListAll) {
        fi->InFilter = keywordFilter.Passes(fi->KeywordList);
    }
    ArrangeFilter();
}

void TFileSet::ApplyFilterBySelected()
{
    for (TFileInfo *fi : std::as_const(fFileListFiltered)) {
        fi->InFilter = fi->Selected;
    }
    ArrangeFilter();
}

void TFileSet::ClearFilter()
{
    for (const auto &fi : fFileListAll) {
        fi->InFilter = true;
    }
    ArrangeFilter();
}

} // namespace orvane
