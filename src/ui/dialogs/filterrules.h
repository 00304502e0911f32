// The parts of the filter dialog and the cascade filter that need no widgets: text filtering of
// keyword lists, counting the photos behind a cascade chain, the cascade's information line and
// the order the cascade restores.
#pragma once

#include "core/model/kwstringlist.h"

#include <QString>
#include <QStringList>

namespace orvane {

class TFileSet;
class TKeywordFilter;

// Every keyword that contains text without regard to case, in the list's order; all of them for
// an empty text. The text is used as it stands (blanks count).
QStringList KeywordsContainingText(const QStringList &keywords, const QString &text);

// Walks all photos of the set (shown or not) and counts those whose keywords contain every
// picked keyword; none match an empty chain. When candidates is given it receives the union of
// the matching photos' keywords without the picked ones.
int CountCascadeMatches(const TFileSet &fileSet, const TKwStringList &picked, TKwStringList *candidates = nullptr);

// "Keywords: [Sky] + [Sea] = ( 12 files )", "... = ( 1 file )", or "Keywords: [  ]" with nothing picked.
QString CascadeInfoText(const QStringList &picked, int fileCount);

// The order stored as ContainCascade when the filter dialog is accepted: the current order
// survives when it names exactly the keywords of the "contains all" list; otherwise the list's
// on-screen order.
QStringList CascadeOrderOnAccept(const QStringList &containCascade, const QStringList &containAll);

// Replaces the filter by a cascade chain: every other criterion is dropped, ContainAll gets the
// picked keywords and ContainCascade keeps their level order.
void SetFilterFromCascade(TKeywordFilter &filter, const QStringList &picked);

} // namespace orvane
