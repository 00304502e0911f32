// The seven 16 x 16 tool bar icons, drawn by the program so they look the same on every desktop.
#pragma once

#include <QIcon>

namespace orvane {

enum class ToolBarIcon { AddKeyword, ReplaceKeyword, DeleteKeyword, CopyKeywords, PasteKeywords, Options, Statistics };

QIcon toolBarIcon(ToolBarIcon icon);

} // namespace orvane
