// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/textfilereader.h"

#include <QFileInfo>
#include <ios>

namespace quillon {

namespace {

bool isBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

// Codes of the input/output failures a read can meet.
constexpr int kFileNotOpen = 103;
constexpr int kFileNotOpenForInput = 104;
constexpr int kInvalidFileFormat = 106;
constexpr int kOtherFailure = 0;

QString readErrorReason(int code)
{
    switch (code) {
    case kFileNotOpen:
        return QStringLiteral("File not open");
    case kFileNotOpenForInput:
        return QStringLiteral("File not open for input");
    case kInvalidFileFormat:
        return QStringLiteral("Invalid file format");
    default:
        return QStringLiteral("Unknown error");
    }
}

} // namespace

TextFileReader::~TextFileReader()
{
    close();
}

void TextFileReader::setFileName(const QString &name)
{
    if (name == m_fileName)
        return;
    close();
    m_fileName = name;
    if (name.isEmpty())
        return;
    m_isOpen = true;
    m_file.setFileName(name);
    // Regular files only: opening a named pipe would wait for a writer forever.
    if (!QFileInfo(name).isFile() || !m_file.open(QIODevice::ReadOnly)) {
        m_isOpen = false;
        throw TextFileError(QStringLiteral("Could not open the file \"%1\" for reading").arg(m_fileName));
    }
    m_lineCount = 0;
    char next = 0;
    const qint64 n = m_file.peek(&next, 1);
    if (n < 0)
        failRead(kOtherFailure);
    m_atEnd = n == 0;
    nextLine();
}

bool TextFileReader::nextLine()
{
    if (!m_isOpen)
        throw TextFileError(QStringLiteral("No valid file selected"));
    m_line.clear();
    while (!m_atEnd && isBlankLine()) {
        readPhysicalLine();
        ++m_lineCount;
    }
    return !(m_atEnd && isBlankLine());
}

void TextFileReader::readPhysicalLine()
{
    if (!m_file.isOpen())
        failRead(kFileNotOpen);
    if (!m_file.isReadable())
        failRead(kFileNotOpenForInput);
    m_line.clear();
    char c = 0;
    for (;;) {
        if (!m_file.getChar(&c)) {
            if (m_file.error() != QFileDevice::NoError)
                failRead(kOtherFailure);
            m_atEnd = true;
            return;
        }
        if (c == '\n')
            break;
        if (c == '\r') {
            char next = 0;
            const qint64 n = m_file.peek(&next, 1);
            if (n == 1 && next == '\n')
                m_file.getChar(&next);
            break;
        }
        m_line.append(c);
    }
    char next = 0;
    const qint64 n = m_file.peek(&next, 1);
    if (n < 0)
        failRead(kOtherFailure);
    m_atEnd = n == 0;
}

void TextFileReader::failRead(int code)
{
    m_isOpen = false;
    m_file.close();
    throw TextFileError(
        QStringLiteral("Read error while reading file \"%1\": %2").arg(m_fileName, readErrorReason(code)));
}

bool TextFileReader::endOfFile() const
{
    if (!m_isOpen)
        throw std::ios_base::failure("File not open");
    return m_atEnd && isBlankLine();
}

bool TextFileReader::isBlankLine() const
{
    for (char c : m_line) {
        if (!isBlankOrTab(c))
            return false;
    }
    return true;
}

QByteArray TextFileReader::field(quint8 index) const
{
    const qsizetype length = m_line.size();
    auto ends = [this](char c) { return m_separator != 0 ? c == m_separator : isBlankOrTab(c); };
    qsizetype p = 0;
    qsizetype start = 0;
    qsizetype end = 0;
    int count = 0;
    while (p < length && count < index) {
        if (m_separator != 0) {
            if (count > 0 && m_line[p] == m_separator)
                ++p;
        } else {
            while (p < length && isBlankOrTab(m_line[p]))
                ++p;
        }
        if (p >= length)
            break;
        ++count;
        start = p;
        while (p < length && !ends(m_line[p]))
            ++p;
        end = p;
    }
    if (count == index && end > start)
        return m_line.mid(start, end - start);
    return {};
}

void TextFileReader::close()
{
    if (!m_isOpen)
        return;
    m_file.close();
    m_isOpen = false;
}

} // namespace quillon
