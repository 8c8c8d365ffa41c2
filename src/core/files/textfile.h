// A line reader for 8-bit text files: blank lines are skipped, and the current
// line splits into fields on one separator character (or on runs of blanks and tabs).
//
// Bytes are kept exactly as stored; no code-page conversion takes place. Opening or
// reading failures raise ETextFileError with a message that names the file.
#pragma once

#include "core/errors.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillon {

class ETextFileError : public QuillonError {
public:
    using QuillonError::QuillonError;
};

class TTextFile {
public:
    TTextFile() = default;
    ~TTextFile();
    TTextFile(const TTextFile &) = delete;
    TTextFile &operator=(const TTextFile &) = delete;

    // 0 means fields are separated by runs of blanks and tabs. Set it before FileName.
    char Separator = 0;

    const QByteArray &Line() const { return m_line; }
    const QString &FileName() const { return m_fileName; }
    // Physical lines read since the file was opened, blank ones included.
    qint32 LineCount() const { return m_lineCount; }
    bool IsOpen() const { return m_isOpen; }

    // Opens the file and reads its first non-blank line. The name already in force
    // does nothing (no rewind); the empty name closes the file.
    void setFileName(const QString &name);
    // Reads the next non-blank line into Line; false when none was left.
    bool NextLine();
    // True once the end of the file is reached and Line is blank. Throws
    // std::ios_base::failure when no file is open.
    bool EndOfFile() const;
    bool IsBlankLine() const;
    // Field index (counted from 1) of Line; empty when it does not exist.
    QByteArray Field(quint8 index) const;
    void Close();

private:
    // Reads one physical line; a line ends at LF, CR LF or a lone CR.
    void readPhysicalLine();
    [[noreturn]] void failRead(int code);

    QByteArray m_line;
    QFile m_file;
    QString m_fileName;
    qint32 m_lineCount = 0;
    bool m_isOpen = false;
    bool m_atEnd = true;
};

} // namespace quillon
