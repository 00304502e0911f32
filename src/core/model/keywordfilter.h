// The criteria that narrow the thumbnail grid.
#pragma once

#include "core/model/kwstringlist.h"

#include <QStringList>

namespace orvane {

class TKeywordFilter
{
public:
    bool UseCount = false;
    int CountFrom = -1;
    int CountTo = -1;
    // ContainAll in the order the cascade picked it; insertion order, duplicates allowed,
    // never used for matching.
    QStringList ContainCascade;
    TKwStringList ContainAll;
    TKwStringList ContainSome;
    TKwStringList ContainNone;
    TKwStringList ContainPart;

    void ClearFilter();
    // ContainCascade is not looked at.
    bool IsFilterEmpty() const;
    // The five tests in order, stopping at the first that fails.
    bool Passes(const TKwStringList &keywords) const;
};

} // namespace orvane
