// SPDX-License-Identifier: GPL-3.0-or-later
// A wheel: the guarantee "N numbers if K among M" and the boards that keep it, each board
// 7 positions of 1 … M. It comes from the catalogue (a system's index and compiled-in
// table) or from boards read from a file or produced by a search. Everything that expands,
// lists, prints, exports or compares boards starts from the session's Wheel, never from a
// catalogue index.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace quillon {

class Wheel {
public:
    static constexpr int kBoardSize = 7;

    // No guarantee and no boards.
    Wheel() = default;
    // boards: G boards of 7 ascending position letters each ('A' = 1 … '^' = 30), back to back.
    Wheel(qint32 guarantee, qint32 condition, qint32 poolSize, QByteArray boards);

    // Which of a system's compiled-in tables: the catalogue's (exactly G boards) or the
    // smallest found with the same guarantee.
    enum class Table { Catalogue, Smallest };

    // Catalogue system index (1 … kSystemCount): its guarantee, with the boards of its
    // compiled-in table (none for a system without one). Asked for the smallest table of
    // a system that has none smaller, gives the catalogue's. The boards are not copied.
    static Wheel fromCatalogue(int index, Table table = Table::Catalogue);

    // The catalogue index the wheel came from; 0 for a wheel from anywhere else.
    int catalogueIndex() const { return m_catalogueIndex; }
    // Whether the boards are the system's smallest table rather than the catalogue's.
    bool isSmallestTable() const { return m_smallestTable; }

    qint32 guarantee() const { return m_guarantee; } // N
    qint32 condition() const { return m_condition; } // K
    qint32 poolSize() const { return m_poolSize; } // M
    qint32 boardCount() const { return qint32(m_boards.size() / kBoardSize); } // G
    bool isEmpty() const { return m_boards.isEmpty(); }

    // Board j (1 … G) as its 7 position letters.
    QByteArray board(int j) const { return m_boards.mid(qsizetype(j - 1) * kBoardSize, kBoardSize); }

private:
    int m_catalogueIndex = 0;
    bool m_smallestTable = false;
    qint32 m_guarantee = 0;
    qint32 m_condition = 0;
    qint32 m_poolSize = 0;
    QByteArray m_boards;
};

// Reads a wheel table as the tables folder holds it: one board a line, 7 strictly
// ascending position letters within 1 … poolSize, every line ended by '\n'. On a fault
// returns an empty wheel and sets error to the line number and what is wrong.
Wheel readWheelTable(
    qint32 guarantee, qint32 condition, qint32 poolSize, const QByteArray &text, QString *error);

} // namespace quillon
