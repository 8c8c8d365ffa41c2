// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform.h"

#include <QCoreApplication>

namespace quillon {

PlatformServices &platform()
{
    static PlatformServices services;
    return services;
}

QString noPrinterText()
{
    return QCoreApplication::translate("quillon", "No printer is available.");
}

} // namespace quillon
