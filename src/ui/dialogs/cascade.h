// One level of the cascade filter: its controls (owned by the window) and the keywords it offers.
#pragma once

#include "core/model/kwstringlist.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QToolButton;
class QWidget;

namespace orvane {

class TCascade
{
public:
    TCascade() = default;
    TCascade(const TCascade &) = delete;
    TCascade &operator=(const TCascade &) = delete;

    // Stores the position and writes it into every control, so that an event raised by a control
    // finds its level in the window's level list.
    void SetIndex(int aCascadeIndex);

    // The level a control belongs to, as written by SetIndex; -1 for anything else.
    static int IndexOf(const QObject *control);

    int CascadeIndex = -1;
    QListWidget *LB = nullptr;
    QLineEdit *Edit = nullptr;
    QWidget *CascadePanel = nullptr;
    QWidget *CascadePanelTop = nullptr;
    QLabel *LabelFilter = nullptr;
    QToolButton *ButtonClear = nullptr;
    // The keywords this level offers before its text filter is applied.
    TKwStringList AvailableKeywordList;
};

} // namespace orvane
