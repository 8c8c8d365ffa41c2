// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of wheeling systems and their board patterns.
//
// A system is identified everywhere by its catalogue index 1 … 124. Its wheel table
// lists G boards of 7 position letters ('A' = position 1 … '^' = position 30); a Wheel
// (core/wheels/wheel.h) carries them, and core/wheels/boardlist.h expands them over the
// player's numbers.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string_view>

namespace quillon {

struct SystemDescriptor {
    qint32 boardCount; // G
    qint32 poolSize; // M
    qint32 boardSize; // 7 for every system
    qint32 keyCount; // 0 for every system
    qint32 guarantee; // N
    qint32 condition; // K
};

constexpr int kSystemCount = 124;

// Descriptor of system index (1 … kSystemCount).
const SystemDescriptor &systemDescriptor(int index);

bool hasWheelTable(int index);

// The compiled-in wheel table of system index: its G boards of 7 position letters, back
// to back; empty for a system without a table. Use it through Wheel::fromCatalogue().
std::string_view wheelTable(int index);

// The smallest table found for system index with the same guarantee, when it has fewer
// boards than the catalogue's; empty otherwise. Use it through Wheel::fromCatalogue().
std::string_view smallestWheelTable(int index);

} // namespace quillon
