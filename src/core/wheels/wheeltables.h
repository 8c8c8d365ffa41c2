// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the wheel tables compiled in from src/core/wheels/tables/NNN.txt and from
// tables/smallest/NNN.txt, the smallest table found for each system with the same guarantee.
#pragma once

#include <vector>

namespace quillon {

struct WheelTableData {
    int index; // catalogue index
    const char *boards; // the G boards, 7 letters each, back to back
};

// Every compiled-in table, in ascending index order.
const std::vector<WheelTableData> &wheelTableData();
const std::vector<WheelTableData> &smallestWheelTableData();

} // namespace quillon
