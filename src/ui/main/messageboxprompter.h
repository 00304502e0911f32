// The prompter of the windowed program: modal message boxes.
#pragma once

#include "core/settings/prompter.h"

namespace orvane {

class MessageBoxPrompter : public Prompter
{
public:
    void showMessage(const QString &text) override;
    // Yes/No with No as the default button.
    bool askYesNo(const QString &text) override;
};

} // namespace orvane
