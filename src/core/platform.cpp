#include "core/platform.h"

namespace quillon {

PlatformServices &platform()
{
    static PlatformServices services;
    return services;
}

} // namespace quillon
