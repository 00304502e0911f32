// Keyword filter criteria and the test a photo must pass.
#include "core/model/keywordfilter.h"

#include "core/model/keywordtext.h"

namespace orvane {

void TKeywordFilter::ClearFilter()
{
    UseCount = false;
    CountFrom = -1;
    CountTo = -1;
    ContainCascade.clear();
    ContainAll.Clear();
    ContainSome.Clear();
    ContainNone.Clear();
    ContainPart.Clear();
}

bool TKeywordFilter::IsFilterEmpty() const
{
    return ContainAll.IsEmpty() && ContainSome.IsEmpty() && ContainNone.IsEmpty() && ContainPart.IsEmpty()
        && !UseCount;
}

bool TKeywordFilter::Passes(const TKwStringList &keywords) const
{
    if (!ContainAll.IsEmpty() && !keywords.ContainsStrings(ContainAll)) {
        return false;
    }
    if (!ContainSome.IsEmpty() && keywords.MatchingStrings(ContainSome) == 0) {
        return false;
    }
    if (keywords.MatchingStrings(ContainNone) > 0) {
        return false;
    }
    if (!ContainPart.IsEmpty()) {
        bool found = false;
        for (const QString &fragment : ContainPart) {
            if (fragment.isEmpty()) {
                continue;
            }
            const QString upperFragment = LocaleUpper(fragment);
            for (const QString &keyword : keywords) {
                if (LocaleUpper(keyword).contains(upperFragment, Qt::CaseSensitive)) {
                    found = true;
                    break;
                }
            }
            if (found) {
                break;
            }
        }
        if (!found) {
            return false;
        }
    }
    if (UseCount) {
        const int count = keywords.Count();
        if (!(CountFrom <= count && count <= CountTo)) {
            return false;
        }
    }
    return true;
}

} // namespace orvane
