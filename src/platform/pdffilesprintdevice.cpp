#include "platform/pdffilesprintdevice.h"

#include "core/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

PdfFilesPrintDevice::PdfFilesPrintDevice(const QString &path, bool numbered)
    : m_path(path)
    , m_staging(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".quillon-pdf-XXXXXX")))
    , m_numbered(numbered)
{
    if (!m_staging.isValid()) {
        throw quillon::QuillonError(QDir::toNativeSeparators(path) + QStringLiteral(": ")
            + QStringLiteral("cannot create a temporary file in its folder (%1)").arg(m_staging.errorString()));
    }
    openNext();
}

QString PdfFilesPrintDevice::stagedPath(const QString &path) const
{
    return m_staging.filePath(QFileInfo(path).fileName());
}

QStringList PdfFilesPrintDevice::existingFiles() const
{
    QStringList existing;
    for (const QString &file : m_files) {
        if (QFileInfo::exists(file))
            existing.append(file);
    }
    return existing;
}

void PdfFilesPrintDevice::commit()
{
    for (const QString &file : m_files) {
        // rename(2) replaces the file there at once: it is never half written.
        std::error_code error;
        std::filesystem::rename(
            QFile::encodeName(stagedPath(file)).toStdString(), QFile::encodeName(file).toStdString(), error);
        if (error) {
            throw quillon::QuillonError(
                QDir::toNativeSeparators(file) + QStringLiteral(": ") + QString::fromLocal8Bit(error.message()));
        }
    }
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
    m_file = std::make_unique<QtPrintDevice>(stagedPath(m_currentPath), kDpi);
    m_file->setFont(m_family, m_pointSize, m_bold);
}

void PdfFilesPrintDevice::beginDocument(const QString &name)
{
    m_file->beginDocument(name);
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
