// SPDX-License-Identifier: GPL-3.0-or-later
// Which typed characters the numeric boxes let through.
#pragma once

#include <QChar>

namespace quillon {

constexpr char16_t kBackspace = 8;

// Number boxes of the main and compare windows: digits and backspace.
inline bool isDigitOrBackspace(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c.unicode() == kBackspace;
}

// Range boxes of the ticket dialog: digits only, backspace included in what is refused.
inline bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Offset boxes of the settings dialog: signs and digits.
inline bool isSignOrDigit(QChar c)
{
    return isDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace quillon
