// SPDX-License-Identifier: GPL-3.0-or-later
// A line reader for 8-bit text files: blank lines are skipped, and the current
// line splits into fields on one separator character (or on runs of blanks and tabs).
//
// Bytes are kept exactly as stored; no code-page conversion takes place. Opening or
// reading failures raise TextFileError with a message that names the file.
#pragma once

#include "core/errors.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillon {

class TextFileError : public QuillonError {
public:
    using QuillonError::QuillonError;
};

class TextFileReader {
public:
    TextFileReader() = default;
    ~TextFileReader();
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    // 0 means fields are separated by runs of blanks and tabs. Set it before the file name.
    char separator() const { return m_separator; }
    void setSeparator(char separator) { m_separator = separator; }

    const QByteArray &line() const { return m_line; }
    const QString &fileName() const { return m_fileName; }
    // Physical lines read since the file was opened, blank ones included.
    qint32 lineCount() const { return m_lineCount; }
    bool isOpen() const { return m_isOpen; }

    // Opens the file and reads its first non-blank line. The name already in force
    // does nothing (no rewind); the empty name closes the file.
    void setFileName(const QString &name);
    // Reads the next non-blank line into line(); false when none was left.
    bool nextLine();
    // True once the end of the file is reached and line() is blank. Throws
    // std::ios_base::failure when no file is open.
    bool endOfFile() const;
    bool isBlankLine() const;
    // Field index (counted from 1) of line(); empty when it does not exist.
    QByteArray field(quint8 index) const;
    void close();

private:
    // Reads one physical line; a line ends at LF, CR LF or a lone CR.
    void readPhysicalLine();
    [[noreturn]] void failRead(int code);

    char m_separator = 0;
    QByteArray m_line;
    QFile m_file;
    QString m_fileName;
    qint32 m_lineCount = 0;
    bool m_isOpen = false;
    bool m_atEnd = true;
};

} // namespace quillon
