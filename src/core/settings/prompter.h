// How the core asks the user a question or tells them something, without knowing about windows.
#pragma once

#include <QString>

namespace orvane {

class Prompter
{
public:
    virtual ~Prompter() = default;
    // A plain information box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // A Yes/No question whose default answer is No.
    virtual bool askYesNo(const QString &text) = 0;
};

// Writes messages to standard error and answers every question with No.
class SilentPrompter : public Prompter
{
public:
    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override;
};

// Installs the process-wide prompter; nullptr restores the silent one. Not owned.
void SetPrompter(Prompter *prompter);
Prompter &CurrentPrompter();

void ShowMessage(const QString &text);
bool AskYesNo(const QString &text);

} // namespace orvane
