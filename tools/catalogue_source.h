// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/catalogue.h"

// N-K-M-G of catalogue system `index`, from the core catalogue; false when there is no such system.
inline bool catalogueEntry(int index, int &n, int &k, int &m, int &g)
{
    if (index < 1 || index > quillon::kSystemCount)
        return false;
    const quillon::SystemDescriptor &d = quillon::systemDescriptor(index);
    n = d.guarantee, k = d.condition, m = d.poolSize, g = d.boardCount;
    return true;
}
