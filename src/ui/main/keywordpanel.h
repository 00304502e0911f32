// The left side of the main window: the filtered keyword list, the recent keywords, and the font,
// column and "Recent" controls under them.
#pragma once

#include "core/model/kwstringlist.h"
#include "core/settings/font.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolButton;

namespace orvane {

class TKeywordListBox;

class TKeywordPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TKeywordPanel(QWidget *parent = nullptr);

    QLineEdit *edFilter;
    QToolButton *btContainsClear;
    TKeywordListBox *ListBoxKeywords;
    QSplitter *SplitterRecent;
    TKeywordListBox *ListBoxRecent;
    QToolButton *btFont;
    QMenu *PopupMenuFont;
    QComboBox *cbColumnCount;
    QCheckBox *cbRecent;

    // Refills the keyword list with the keywords of globalKeywords that contain the filter text
    // (all of them for an empty filter text). The selection is lost.
    void fillKeywordList(const TKwStringList &globalKeywords);

    // Merges dropped keywords into the recent list: new ones rank above every existing one, used
    // ones climb by one; the list keeps the recentCount most used, alphabetically, and the
    // selection by text.
    void UpdateRecentList(const QStringList &keywords, int recentCount);
    // Usage counter of a recent keyword, 0 when it is not in the list.
    int recentCount(const QString &keyword) const;
    void clearRecentList();

    // Gives both lists the font and lays them out again. The colour is used unless it is a
    // desktop colour, which the theme provides.
    void setKeywordListFont(const TFont &font);

    // A letter or digit typed in the grid: becomes the whole filter text, caret after it.
    void takeTypedFilterText(const QString &text);

Q_SIGNALS:
    void filterTextChanged();
    // The "Font" part of the font button.
    void fontButtonClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyColumnCount();
};

} // namespace orvane
