// SPDX-License-Identifier: GPL-3.0-or-later
// What the logic needs from the desktop, as small interfaces.
//
// The windows install the Qt implementations (platform/) at start-up; tests install
// scripted fakes that record every call (tests/support/). Core never includes a widget.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace quillon {

// A printer page surface in device units, origin at the top-left corner of the
// printable area.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Printable page width and height in device units.
    virtual QSize pageSize() = 0;
    // Starts a print document under name, the title the print queue shows for the job;
    // throws QuillonError when no printer can take it.
    virtual void beginDocument(const QString &name) = 0;
    // Ends the document and sends it to the printer.
    virtual void endDocument() = 0;
    // Drops the document begun last without feeding anything through the printer.
    virtual void abortDocument() = 0;
    virtual void newPage() = 0;
    virtual void setFont(const QString &family, int pointSize, bool bold) = 0;
    // Writes text with the top-left corner of its character cells at (x, y).
    virtual void drawText(int x, int y, const QString &text) = 0;
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;
    // A black rectangle with corners (x1, y1) and (x2, y2).
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    virtual int dpiX() = 0;
    virtual int dpiY() = 0;
    // Distance in dots from the sheet's corner to the printable area's corner.
    virtual QPoint printingOffset() = 0;

    // Whether there is a printer behind the device at all. Without one every document
    // fails, and the windows offer to write PDF files instead.
    virtual bool installed() { return true; }

    // Whether the printer can take a document now: it still exists, is not stopped
    // and accepts jobs. When it cannot, *why says what is wrong. A device that
    // cannot tell answers true.
    virtual bool ready(QString *why) = 0;
    // Whether the printer's queue took the document ended last. When it did not,
    // *why says what is wrong. A device that cannot tell answers true.
    virtual bool lastDocumentTaken(QString *why) = 0;
};

// A print device for when there is no printer: each document is drawn on a PDF file
// held in memory, for savePdfFiles() to put on disk.
class PdfFilesDevice : public PrintDevice {
public:
    // The documents ended so far, each one a whole PDF file.
    virtual const QList<QByteArray> &documents() const = 0;
};

// A print device that records each page as a picture instead of printing it, so that
// a window can show what a printing run would put on the sheet.
class PagePictureDevice : public PrintDevice {
public:
    // Whether the resolution and the page are the default printer's. Without a
    // printer they are 300 dots per inch on an A4 sheet printable to its edges.
    virtual bool fromPrinter() const = 0;
    // The pages of the documents ended so far, each page the data of a QPicture.
    virtual QList<QList<QByteArray>> pagePictures() const = 0;
    // A new device of the same resolution and page, holding no document yet.
    virtual std::unique_ptr<PagePictureDevice> blank() const = 0;
};

class Prompts {
public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Icon { None, Warning, Question, Information, Error };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileDialog {
        QString title;
        QString filterName; // e.g. "text (*.txt)"
        QString filterPattern; // e.g. "*.txt"
        QString defaultSuffix; // added when the typed name has none
        QString initialPath; // file name last chosen
        bool fileMustExist = false;
    };

    virtual ~Prompts() = default;
    virtual Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFileName(const FileDialog &dialog) = 0;
    virtual QString openFileName(const FileDialog &dialog) = 0;
    virtual void beep() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Shows a file (a file: URL, maybe with a section after "#") with the desktop's
    // default viewer, without waiting for it.
    virtual void openUrl(const QUrl &url) = 0;
};

struct PlatformServices {
    Prompts *prompts = nullptr;
    Shell *shell = nullptr;
    // Opens the system's default printer for one printing run.
    std::function<std::unique_ptr<PrintDevice>()> openDefaultPrinter;
    // Opens a device that keeps a run's documents as PDF files in memory.
    std::function<std::unique_ptr<PdfFilesDevice>()> openPdfFiles;
    // Opens a device that records pages as pictures, in the default printer's figures.
    std::function<std::unique_ptr<PagePictureDevice>()> openPagePictures;
};

// The services in force; set once by the program entry or by a test.
PlatformServices &platform();

// What a command says when it finds no printer service to print on.
QString noPrinterText();

} // namespace quillon
