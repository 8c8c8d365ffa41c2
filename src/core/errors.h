// SPDX-License-Identifier: GPL-3.0-or-later
// The error a command lets escape; the application's general handler shows its text.
#pragma once

#include <QString>
#include <stdexcept>

namespace quillon {

class QuillonError : public std::runtime_error {
public:
    explicit QuillonError(const QString &text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace quillon
