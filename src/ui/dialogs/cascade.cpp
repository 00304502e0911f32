// One level of the cascade filter.
#include "ui/dialogs/cascade.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVariant>

namespace orvane {

namespace {
constexpr const char *CascadeIndexProperty = "cascadeIndex";
}

void TCascade::SetIndex(int aCascadeIndex)
{
    CascadeIndex = aCascadeIndex;
    QObject *controls[] = {LB, Edit, CascadePanel, CascadePanelTop, LabelFilter, ButtonClear};
    for (QObject *control : controls) {
        if (control) {
            control->setProperty(CascadeIndexProperty, aCascadeIndex);
        }
    }
}

int TCascade::IndexOf(const QObject *control)
{
    if (!control) {
        return -1;
    }
    const QVariant value = control->property(CascadeIndexProperty);
    return value.isValid() ? value.toInt() : -1;
}

} // namespace orvane
