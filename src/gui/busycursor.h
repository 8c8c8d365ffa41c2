// SPDX-License-Identifier: GPL-3.0-or-later
// The busy pointer for the length of a scope.
#pragma once

// Shows the busy pointer until the scope ends, however it ends.
struct BusyCursor {
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
