// The catalogue of wheeling systems and their board patterns.
//
// A system is identified everywhere by its catalogue index 1 … 124. Its wheel table
// lists G boards of 7 position letters ('A' = position 1 … '^' = position 30); the
// boards are expanded over the player's numbers by core/wheels/boardlist.h.
#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace quillon {

struct SystemDescriptor {
    qint32 boardCount; // G
    qint32 poolSize;   // M
    qint32 boardSize;  // 7 for every system
    qint32 keyCount;   // 0 for every system
    qint32 guarantee;  // N
    qint32 condition;  // K
};

constexpr int kSystemCount = 124;

// Descriptor of system index (1 … kSystemCount).
const SystemDescriptor &systemDescriptor(int index);

bool hasWheelTable(int index);

// Board j (1 … G) of the wheel table of system index: its 7 position letters.
// Only valid for a system with a wheel table.
std::string_view wheelBoard(int index, int j);

} // namespace quillon
