// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/analysis/boardfile.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace quillon {

namespace {

bool isSeparator(char c)
{
    return c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r';
}

} // namespace

Wheel withGuarantee(const Wheel &wheel, int guarantee, int condition)
{
    QByteArray boards;
    boards.reserve(qsizetype(wheel.boardCount()) * Wheel::kBoardSize);
    for (int b = 1; b <= wheel.boardCount(); ++b)
        boards += wheel.board(b);
    return Wheel(guarantee, condition, wheel.poolSize(), boards);
}

BoardFile readBoardFile(const QByteArray &text, int guarantee, int condition, QString *error)
{
    const auto fail = [error](qsizetype line, const QString &what) {
        if (error)
            *error = QCoreApplication::translate("quillon", "line %1: %2").arg(line).arg(what);
        return BoardFile();
    };
    std::vector<std::array<int, Wheel::kBoardSize>> boards;
    std::array<bool, kLargestBoardNumber + 1> used {};
    int usedCount = 0;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        std::array<int, Wheel::kBoardSize> board {};
        int count = 0;
        for (qsizetype k = 0; k < line.size();) {
            const char c = line.at(k);
            if (isSeparator(c)) {
                ++k;
                continue;
            }
            if (c < '0' || c > '9')
                return fail(i + 1,
                    QCoreApplication::translate("quillon", "'%1' is not a number")
                        .arg(QString::fromLatin1(line.mid(k, 1))));
            const qsizetype start = k;
            int value = 0;
            for (; k < line.size() && line.at(k) >= '0' && line.at(k) <= '9'; ++k)
                value = std::min(value * 10 + (line.at(k) - '0'), 1000);
            if (value < 1 || value > kLargestBoardNumber)
                return fail(i + 1,
                    QCoreApplication::translate("quillon", "%1 is not a number from 1 to %2")
                        .arg(QString::fromLatin1(line.mid(start, std::min<qsizetype>(k - start, 12))))
                        .arg(kLargestBoardNumber));
            if (count == Wheel::kBoardSize)
                return fail(i + 1,
                    QCoreApplication::translate("quillon", "more than %1 numbers").arg(Wheel::kBoardSize));
            if (std::find(board.begin(), board.begin() + count, value) != board.begin() + count)
                return fail(i + 1, QCoreApplication::translate("quillon", "%1 appears twice").arg(value));
            board[size_t(count++)] = value;
        }
        if (count == 0)
            continue;
        if (count < Wheel::kBoardSize)
            return fail(i + 1,
                QCoreApplication::translate("quillon", "%1 numbers instead of %2")
                    .arg(count)
                    .arg(Wheel::kBoardSize));
        for (int value : board)
            if (!used[size_t(value)]) {
                used[size_t(value)] = true;
                if (++usedCount > kMostNumbersInWheel)
                    return fail(i + 1,
                        QCoreApplication::translate("quillon", "more than %1 different numbers in the wheel")
                            .arg(kMostNumbersInWheel));
            }
        boards.push_back(board);
    }
    if (boards.empty())
        return fail(1, QCoreApplication::translate("quillon", "no board"));

    BoardFile file;
    std::array<char, kLargestBoardNumber + 1> letter {};
    for (int n = 1; n <= kLargestBoardNumber; ++n)
        if (used[size_t(n)]) {
            file.numbers.push_back(n);
            letter[size_t(n)] = char('A' + file.numbers.size() - 1);
        }
    QByteArray letters;
    letters.reserve(qsizetype(boards.size()) * Wheel::kBoardSize);
    for (std::array<int, Wheel::kBoardSize> &board : boards) {
        std::sort(board.begin(), board.end());
        for (int value : board)
            letters += letter[size_t(value)];
    }
    file.wheel = Wheel(guarantee, condition, qint32(file.numbers.size()), letters);
    return file;
}

} // namespace quillon
