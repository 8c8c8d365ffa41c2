#include "platform/pdffilesprintdevice.h"

#include <QFileInfo>

PdfFilesPrintDevice::PdfFilesPrintDevice(const QString &path, bool numbered)
    : m_path(path)
    , m_numbered(numbered)
{
    openNext();
}

QString PdfFilesPrintDevice::nextPath() const
{
    if (!m_numbered)
        return m_path;
    const QFileInfo info(m_path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString base = m_path.left(m_path.size() - suffix.size());
    return QStringLiteral("%1-%2%3").arg(base).arg(m_files.size() + 1).arg(suffix);
}

void PdfFilesPrintDevice::openNext()
{
    m_currentPath = nextPath();
    m_file = std::make_unique<QtPrintDevice>(m_currentPath, kDpi);
    m_file->setFont(m_family, m_pointSize, m_bold);
}

void PdfFilesPrintDevice::beginDocument()
{
    m_file->beginDocument();
}

void PdfFilesPrintDevice::endDocument()
{
    m_file->endDocument();
    m_files.append(m_currentPath);
    // The next document goes to the next file; a single file takes one document.
    openNext();
}

void PdfFilesPrintDevice::abortDocument()
{
    m_file->abortDocument();
}

void PdfFilesPrintDevice::setFont(const QString &family, int pointSize, bool bold)
{
    m_family = family;
    m_pointSize = pointSize;
    m_bold = bold;
    m_file->setFont(family, pointSize, bold);
}
