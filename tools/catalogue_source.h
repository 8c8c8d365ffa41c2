#pragma once

#include "systems.h"

// N-K-M-G of catalogue system `index`; false when there is no such system.
inline bool catalogueEntry(int index, int &n, int &k, int &m, int &g)
{
    if (index < 1 || index > 124)
        return false;
    const WheelSystem &s = kWheelSystems[index];
    n = s.n, k = s.k, m = s.m, g = s.g;
    return true;
}
