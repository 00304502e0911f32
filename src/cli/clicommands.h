// The commands of orvane-cli, each a plain function over the same core the program uses.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace orvane {

// Runs one command line (without the program name). Writes results to out and messages to
// standard error through the prompter; returns the process exit status.
int RunCliCommand(const QStringList &arguments, QTextStream &out);

QString CliUsage();

} // namespace orvane
