// SPDX-License-Identifier: GPL-3.0-or-later
// Comparison of the boards with a draw: seven main numbers (entries 1 … 7) and up to
// two bonus numbers (entries 8 and 9). Each board is rated by how many of its
// numbers are main and bonus numbers, and counted in one of thirteen winning
// categories, reported in the order 7, 6+2, 6+1, 6, 5+2, 5+1, 5, … 3+2, 3+1, 3.
#pragma once

#include "core/wheels/boardlist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace quillon {

constexpr int kDrawEntries = 9;
constexpr int kCategoryCount = 13;

// Draw entries and category counters live for the whole run: an entry whose box
// holds no whole number keeps the value of the previous comparison.
struct DrawState {
    std::array<qint32, kDrawEntries + 1> entries {}; // 1 … 9; [0] unused
    std::array<qint32, kCategoryCount + 1> counters {}; // 1 … 13; [0] unused
};

// Starts a comparison: entry 9 and every counter go to 0, then each box text
// (boxTexts[t - 1] for entry t) that is a whole number replaces its entry.
void readDraw(const QStringList &boxTexts, DrawState &state);

// True when the nine entries are pairwise different.
bool drawIsDistinct(const DrawState &state);

struct BoardRating {
    int main = 0; // numbers equal to one of entries 1 … 7
    int bonus = 0; // numbers equal to entry 8 or 9
};

// Rates a board's numbers against the draw; every equal entry counts.
BoardRating rateBoard(const qint32 *numbers, int count, const DrawState &state);

// Category 1 … 13 of a rating, or 0 below three main numbers.
int categoryOf(BoardRating rating);

// The result cell: "7", "6", "6 + 2 Comp", "6 +  Comp", … or empty below three.
QString resultText(BoardRating rating, const QString &bonusWord);

// One line per category with a board in it, each ended by a carriage return.
QString summaryText(const DrawState &state, const QString &numbersWord, const QString &bonusWord);

// The whole comparison, ready for the grid: the numbers of every board and its result.
struct Comparison {
    int boardCount = 0;
    int boardSize = 0;
    QList<qint32> numbers; // boardCount × boardSize, board by board
    QStringList results; // one per board
};

// Rates every board of the list, its numbers read from the selection, and counts it
// in its category.
Comparison compareBoards(
    const BoardList &list, const Selection &selection, DrawState &state, const QString &bonusWord);

} // namespace quillon
