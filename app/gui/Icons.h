// The toolbar and window icons, drawn in code so that they scale and need no image
// files.
#pragma once

#include <QIcon>

namespace morvane {

enum class ToolIcon { OpenFile, SaveFile, Cut, Copy, Paste, CommentLine, Erase, Translate, Indent, Application };

QIcon toolIcon(ToolIcon icon);

}  // namespace morvane
