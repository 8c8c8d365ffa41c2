// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted stand-ins for the desktop services, recording every call.
#pragma once

#include "core/platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

namespace quillon::test {

class FakePrompts : public Prompts {
public:
    struct Call {
        QString kind; // "message", "save", "open", "beep"
        QString text;
        QString caption;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        FileDialog dialog;
    };

    // Answers given in order; when the queue is empty a message box answers Ok (or
    // Yes) and a file dialog is cancelled.
    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QList<Call> calls;
    // Runs at each message box before it is answered: what happens while the player
    // reads it.
    std::function<void(const Call &)> onMessage;

    Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    QString saveFileName(const FileDialog &dialog) override;
    QString openFileName(const FileDialog &dialog) override;
    void beep() override;

    QList<Call> messages() const;
};

class FakeShell : public Shell {
public:
    QList<QUrl> opened;
    void openUrl(const QUrl &url) override { opened.append(url); }
};

struct PrintOp {
    enum Kind { Text, Rect } kind = Text;
    int x = 0, y = 0; // text: top-left of the cell; rect: first corner
    int x2 = 0, y2 = 0; // rect: second corner
    QString text;
    QString family;
    int pointSize = 0;
    bool bold = false;
};

struct PrintedDocument {
    QString name; // the title the print queue shows
    QList<QList<PrintOp>> pages { {} };
    bool ended = false;
    bool aborted = false;
};

// What every recording printer opened by the factory wrote, with the printer's
// figures the test chose.
struct PrintLog {
    QList<PrintedDocument> documents;
    QSize page { 2400, 3200 };
    int dpiX = 300;
    int dpiY = 300;
    QPoint offset { 0, 0 };
    bool failBegin = false;
    // false: the system has no printer at all, and a command offers to save PDF files.
    bool installed = true;
    // The printer goes away once this many documents were ended: ready() says no
    // from then on. -1: it stays.
    int goneAfter = -1;
    // The queue refuses the documents ended after this many: lastDocumentTaken()
    // says so. -1: it takes them all.
    int refusedAfter = -1;
    int devicesOpened = 0;

    qsizetype documentsEnded() const;

    // Deterministic font metrics: a character is 0.6 em wide, a line 1.2 em high.
    int textWidth(const QString &text, int pointSize) const;
    int textHeight(int pointSize) const;
};

// The name the recording printer gives itself in its messages.
inline const QString kRecordingPrinter = QStringLiteral("Recording");

class RecordingPrintDevice : public PrintDevice {
public:
    explicit RecordingPrintDevice(std::shared_ptr<PrintLog> log)
        : m_log(std::move(log))
    {
    }

    QSize pageSize() override { return m_log->page; }
    void beginDocument(const QString &name) override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override;
    void setFont(const QString &family, int pointSize, bool bold) override;
    void drawText(int x, int y, const QString &text) override;
    int textWidth(const QString &text) override { return m_log->textWidth(text, m_pointSize); }
    int textHeight(const QString &) override { return m_log->textHeight(m_pointSize); }
    void fillRect(int x1, int y1, int x2, int y2) override;
    int dpiX() override { return m_log->dpiX; }
    int dpiY() override { return m_log->dpiY; }
    QPoint printingOffset() override { return m_log->offset; }
    bool installed() override { return m_log->installed; }
    bool ready(QString *why) override;
    bool lastDocumentTaken(QString *why) override;

private:
    PrintedDocument &current();
    std::shared_ptr<PrintLog> m_log;
    QString m_family;
    int m_pointSize = 10;
    bool m_bold = false;
};

// Installs fresh fakes as the platform services for the life of the object.
struct FakePlatform {
    FakePrompts prompts;
    FakeShell shell;
    std::shared_ptr<PrintLog> printLog = std::make_shared<PrintLog>();

    FakePlatform();
    ~FakePlatform();
};

} // namespace quillon::test
