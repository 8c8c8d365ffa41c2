#include "core/files/settings.h"

namespace quillon {

SettingsRecord &settings()
{
    static SettingsRecord record;
    return record;
}

} // namespace quillon
