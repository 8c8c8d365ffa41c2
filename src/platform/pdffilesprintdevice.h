// A print device that writes each document to a PDF file of its own, for when there
// is no printer: name.pdf for a single document, or name-1.pdf, name-2.pdf … when
// the documents are numbered (one a ticket).
//
// The files are written in a hidden folder beside their place and moved there only by
// commit(), so that a run that fails, or that the player declines to let replace a
// file, leaves every file already there as it was.
#pragma once

#include "platform/qtprintdevice.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class PdfFilesPrintDevice : public quillon::PrintDevice {
public:
    // Files at 300 dots per inch on A4 sheets printable to their edges.
    static constexpr int kDpi = 300;

    // Throws QuillonError when the folder of path takes no new file.
    PdfFilesPrintDevice(const QString &path, bool numbered);

    // The files of the documents ended so far, where commit() puts them.
    QStringList files() const { return m_files; }
    // Those of them that exist already and that commit() would replace.
    QStringList existingFiles() const;
    // Moves the documents ended so far to their files, each replacing any file there
    // in one step. Throws QuillonError naming a file that could not be put in place.
    void commit();

    QSize pageSize() override { return m_file->pageSize(); }
    void beginDocument(const QString &name) override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override { m_file->newPage(); }
    void setFont(const QString &family, int pointSize, bool bold) override;
    void drawText(int x, int y, const QString &text) override { m_file->drawText(x, y, text); }
    int textWidth(const QString &text) override { return m_file->textWidth(text); }
    int textHeight(const QString &text) override { return m_file->textHeight(text); }
    void fillRect(int x1, int y1, int x2, int y2) override { m_file->fillRect(x1, y1, x2, y2); }
    int dpiX() override { return m_file->dpiX(); }
    int dpiY() override { return m_file->dpiY(); }
    QPoint printingOffset() override { return m_file->printingOffset(); }
    bool ready(QString *why) override { return m_file->ready(why); }
    bool lastDocumentTaken(QString *why) override { return m_file->lastDocumentTaken(why); }

private:
    QString nextPath() const;
    QString stagedPath(const QString &path) const;
    void openNext();

    QString m_path;
    QTemporaryDir m_staging;
    bool m_numbered;
    QStringList m_files;
    QString m_currentPath;
    std::unique_ptr<QtPrintDevice> m_file;
    QString m_family = QStringLiteral("Times New Roman");
    int m_pointSize = 12;
    bool m_bold = false;
};
