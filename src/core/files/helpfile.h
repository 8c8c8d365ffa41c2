// The help page shipped next to the program and shown by the desktop's viewer.
#pragma once

#include <QString>

namespace quillon {

// An HTML page: every desktop has a viewer for it.
inline QString helpFileName()
{
    return QStringLiteral("quillon.html");
}

} // namespace quillon
