// Case-insensitive lookups over the items of list controls.
#include "ui/dialogs/listcontrolsearch.h"

#include "core/model/keywordtext.h"

#include <QComboBox>
#include <QListWidget>

namespace orvane
{

int TextIndexInList(const QListWidget *list, const QString &text)
{
    if (!list) {
        return -1;
    }
    const int count = list->count();
    for (int i = 0; i < count; ++i) {
        if (SameKeyword(list->item(i)->text(), text)) {
            return i;
        }
    }
    return -1;
}

bool TextInList(const QListWidget *list, const QString &text)
{
    return TextIndexInList(list, text) >= 0;
}

int TextIndexInList(const QComboBox *list, const QString &text)
{
    if (!list) {
        return -1;
    }
    const int count = list->count();
    for (int i = 0; i < count; ++i) {
        if (SameKeyword(list->itemText(i), text)) {
            return i;
        }
    }
    return -1;
}

bool TextInList(const QComboBox *list, const QString &text)
{
    return TextIndexInList(list, text) >= 0;
}

} // namespace orvane
