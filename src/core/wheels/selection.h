// SPDX-License-Identifier: GPL-3.0-or-later
// The player's numbers as the wheel engine sees them.
//
// The forty boxes c1 … c40 are read in order into the selected-number slots: slot p
// holds the number played at wheel position p. Boxes that hold no whole number are
// passed over, so the next counting box takes the next slot; slots beyond the last
// number read keep what an earlier reading left there.
#pragma once

#include "core/wheels/wheel.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace quillon {

constexpr int kBoxCount = 40;
constexpr int kSlotCount = 50;

struct Selection {
    std::array<qint32, kSlotCount + 1> numbers {}; // slots 1 … 50; [0] unused
};

// True when text is a decimal whole number, optionally preceded by spaces and a
// sign, with nothing after the digits, within the 32-bit range.
bool isWholeNumber(const QString &text, qint32 *value = nullptr);

// Reads the box texts (c1 … c40 in order) into the selected-number slots, in order of
// the boxes that hold a whole number. Returns how many boxes counted.
int readSelection(const QStringList &boxTexts, Selection &target);

// Selection-box rule: box t (1 … 40) is visible exactly when t is a position of the wheel (t <= M).
inline bool boxVisible(int tag, const Wheel &wheel)
{
    return tag >= 1 && tag <= wheel.poolSize();
}

// The items of every selection box: "1" … "50".
QStringList boxItems();

} // namespace quillon
