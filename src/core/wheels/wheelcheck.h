// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace quillon {

// Outcome of the exhaustive check of one wheel table.
struct WheelCheckResult {
    bool ok = false;
    QString reason; // empty when ok, otherwise the first fault found, in English
};

// Checks a wheel table for the guarantee "n if k among m in g boards":
// exactly g boards, each 7 distinct ascending position letters ('A' = 1 ... '^' = 30)
// within 1 ... m, no board twice, every position used, and for every k-subset of
// 1 ... m some board holding at least n of it. Every k-subset is examined.
WheelCheckResult checkWheel(int n, int k, int m, int g, const QByteArrayList &boards);

// Splits table text into lines; every line, the last included, must end with '\n'.
// Returns false (and sets error) when the text does not end with a newline or holds '\r'.
bool splitWheelText(const QByteArray &text, QByteArrayList &lines, QString &error);

// Letters of a position set given as a bit mask (bit p-1 = position p).
QByteArray wheelLetters(unsigned mask);

} // namespace quillon
