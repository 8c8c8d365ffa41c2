// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draw/rating.h"

#include "core/wheels/selection.h"

namespace quillon {

void readDraw(const QStringList &boxTexts, DrawState &state)
{
    state.entries[kDrawEntries] = 0;
    state.counters.fill(0);
    for (int t = 1; t <= kDrawEntries && t <= boxTexts.size(); ++t) {
        qint32 value = 0;
        if (isWholeNumber(boxTexts.at(t - 1), &value))
            state.entries[size_t(t)] = value;
    }
}

bool drawIsDistinct(const DrawState &state)
{
    for (int a = 1; a <= kDrawEntries; ++a) {
        for (int b = a + 1; b <= kDrawEntries; ++b) {
            if (state.entries[size_t(a)] == state.entries[size_t(b)])
                return false;
        }
    }
    return true;
}

BoardRating rateBoard(const qint32 *numbers, int count, const DrawState &state)
{
    BoardRating rating;
    for (int p = 0; p < count; ++p) {
        for (int e = 1; e <= kDrawEntries; ++e) {
            if (numbers[p] == state.entries[size_t(e)])
                ++(e <= 7 ? rating.main : rating.bonus);
        }
    }
    return rating;
}

int categoryOf(BoardRating rating)
{
    if (rating.main >= 7)
        return 1;
    if (rating.main < 3)
        return 0;
    // 6 → 2, 3, 4; 5 → 5, 6, 7; 4 → 8, 9, 10; 3 → 11, 12, 13 (two, one, no bonus)
    const int first = 2 + (6 - rating.main) * 3;
    if (rating.bonus >= 2)
        return first;
    return rating.bonus == 1 ? first + 1 : first + 2;
}

QString resultText(BoardRating rating, const QString &bonusWord)
{
    if (rating.main >= 7)
        return QStringLiteral("7");
    if (rating.main < 3)
        return {};
    QString text = QString::number(rating.main);
    if (rating.bonus > 0) {
        text += QStringLiteral(" + ");
        if (rating.bonus >= 2)
            text += QLatin1Char('2');
        text += QLatin1Char(' ') + bonusWord;
    }
    return text;
}

QString summaryText(const DrawState &state, const QString &numbersWord, const QString &bonusWord)
{
    QString text;
    for (int c = 1; c <= kCategoryCount; ++c) {
        const qint32 count = state.counters[size_t(c)];
        if (count <= 0)
            continue;
        const int main = c == 1 ? 7 : 6 - (c - 2) / 3;
        const int kind = c == 1 ? 2 : (c - 2) % 3; // 0 two bonus, 1 one bonus, 2 none
        text += QString::number(count) + QStringLiteral(" X ") + QString::number(main) + QLatin1Char(' ')
            + numbersWord;
        if (kind == 0)
            text += QStringLiteral(" + 2 ") + bonusWord;
        else if (kind == 1)
            text += QStringLiteral(" + ") + bonusWord;
        text += QLatin1Char('\r');
    }
    return text;
}

Comparison compareBoards(
    const BoardList &list, const Selection &selection, DrawState &state, const QString &bonusWord)
{
    Comparison result;
    result.boardCount = list.boardCount;
    result.boardSize = list.boardSize;
    result.numbers.resize(qsizetype(list.boardCount) * list.boardSize);
    result.results.reserve(list.boardCount);
    const int rated = std::min<int>(list.boardSize, 7);
    for (int r = 1; r <= list.boardCount; ++r) {
        qint32 *numbers = result.numbers.data() + qsizetype(r - 1) * list.boardSize;
        for (int p = 1; p <= list.boardSize; ++p)
            numbers[p - 1] = numberAt(list.boards.at(r), p, selection);
        const BoardRating rating = rateBoard(numbers, rated, state);
        if (const int c = categoryOf(rating))
            ++state.counters[size_t(c)];
        result.results.append(resultText(rating, bonusWord));
    }
    return result;
}

} // namespace quillon
