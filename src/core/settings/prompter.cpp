// The process-wide prompter and its forwarding functions.
#include "core/settings/prompter.h"

#include <cstdio>

namespace orvane {

namespace {
SilentPrompter gSilentPrompter;
Prompter *gPrompter = &gSilentPrompter;
} // namespace

void SilentPrompter::showMessage(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool SilentPrompter::askYesNo(const QString &text)
{
    std::fprintf(stderr, "%s [No]\n", text.toLocal8Bit().constData());
    return false;
}

void SetPrompter(Prompter *prompter)
{
    gPrompter = prompter ? prompter : &gSilentPrompter;
}

Prompter &CurrentPrompter()
{
    return *gPrompter;
}

void ShowMessage(const QString &text)
{
    gPrompter->showMessage(text);
}

bool AskYesNo(const QString &text)
{
    return gPrompter->askYesNo(text);
}

} // namespace orvane
