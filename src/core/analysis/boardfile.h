// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a wheel the player brings: a text of boards, one board of 7 numbers a line,
// as the program's export writes it ("5,9,14,21,27,33,38,") or with spaces, tabs or
// semicolons between the numbers. The numbers used, in ascending order, become the
// wheel's positions 1 … M.
#pragma once

#include "core/wheels/wheel.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace quillon {

constexpr int kLargestBoardNumber = 50;
constexpr int kMostNumbersInWheel = 30;

struct BoardFile {
    Wheel wheel; // no guarantee yet: the player states it
    std::vector<int> numbers; // numbers[p - 1]: the number at position p
};

// The wheel in text, with the guarantee N-K. Blank lines are passed over. On a fault
// returns an empty wheel and sets error to the line and what is wrong there.
BoardFile readBoardFile(const QByteArray &text, int guarantee, int condition, QString *error);

// The same boards with another guarantee.
Wheel withGuarantee(const Wheel &wheel, int guarantee, int condition);

} // namespace quillon
