// Case-insensitive lookups over the items of a list control, so that list controls can be kept
// free of entries that differ only in letter case.
#pragma once

#include <QString>

class QComboBox;
class QListWidget;

namespace orvane
{

// First item index, scanning from 0, whose text equals text under the keyword comparison
// (letter case ignored by the user's locale); -1 when there is none or the control is null.
int TextIndexInList(const QListWidget *list, const QString &text);
bool TextInList(const QListWidget *list, const QString &text);

// The same for the items of a drop-down list.
int TextIndexInList(const QComboBox *list, const QString &text);
bool TextInList(const QComboBox *list, const QString &text);

} // namespace orvane
