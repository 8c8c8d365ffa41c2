// SPDX-License-Identifier: GPL-3.0-or-later
// Better tables for a wheel, found by the covering search and proven before they are
// offered: a wheel whose guarantee does not hold gets the boards that fill its holes,
// and a wheel that holds is shrunk to fewer boards with the same guarantee.
#pragma once

#include "core/analysis/coverage.h"

#include <QByteArray>
#include <functional>
#include <optional>
#include <vector>

namespace quillon {

enum class WheelSearchGoal {
    FillHoles, // every hole covered, with as few boards beyond the wheel's own as the search finds
    Shrink, // the same guarantee with fewer boards
};

struct FoundWheel {
    Wheel wheel; // the wheel's guarantee, positions and numbering kept
    GuaranteeProof proof; // checked against every K-subset: it holds
};

// Searches from the wheel's boards for its guarantee. `stop` is asked every thousand moves
// or so (a time limit, a Cancel); `progress` gets the boards of the smallest proven table so
// far. Filling ends once the table is back to the wheel's own board count; shrinking once
// it reaches the counting bound. Nothing when no table was found or none proves.
std::optional<FoundWheel> searchBetterWheel(const Wheel &wheel, WheelSearchGoal goal,
    const std::function<bool()> &stop = {}, const std::function<void(int boards)> &progress = {});

// The boards as text, one board of the player's numbers a line, as the export writes them
// ("5,9,14,21,27,33,38,"); numbers[p - 1] is the number at position p.
QByteArray boardFileText(const Wheel &wheel, const std::vector<int> &numbers);

} // namespace quillon
