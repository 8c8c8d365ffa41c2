// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeplatform.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace quillon::test {

Prompts::Answer FakePrompts::message(const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    calls.append({ QStringLiteral("message"), text, caption, buttons, icon, {} });
    if (onMessage)
        onMessage(calls.last());
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QString FakePrompts::saveFileName(const FileDialog &dialog)
{
    calls.append({ QStringLiteral("save"), {}, dialog.title, Buttons::Ok, Icon::None, dialog });
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakePrompts::openFileName(const FileDialog &dialog)
{
    calls.append({ QStringLiteral("open"), {}, dialog.title, Buttons::Ok, Icon::None, dialog });
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

void FakePrompts::beep()
{
    calls.append({ QStringLiteral("beep"), {}, {}, Buttons::Ok, Icon::None, {} });
}

QList<FakePrompts::Call> FakePrompts::messages() const
{
    QList<Call> result;
    for (const Call &call : calls) {
        if (call.kind == QLatin1String("message"))
            result.append(call);
    }
    return result;
}

int PrintLog::textWidth(const QString &text, int pointSize) const
{
    return int(std::lround(text.size() * 0.6 * pointSize * dpiX / 72.0));
}

int PrintLog::textHeight(int pointSize) const
{
    return int(std::lround(1.2 * pointSize * dpiY / 72.0));
}

qsizetype PrintLog::documentsEnded() const
{
    return std::count_if(
        documents.begin(), documents.end(), [](const PrintedDocument &d) { return d.ended; });
}

bool RecordingPrintDevice::ready(QString *why)
{
    if (m_log->goneAfter < 0 || m_log->documentsEnded() < m_log->goneAfter)
        return true;
    // The real printer's words, so that they follow the program's language as those do.
    *why = QCoreApplication::translate("quillon", "The printer \"%1\" is no longer available.")
               .arg(kRecordingPrinter);
    return false;
}

bool RecordingPrintDevice::lastDocumentTaken(QString *why)
{
    if (m_log->refusedAfter < 0 || m_log->documentsEnded() <= m_log->refusedAfter)
        return true;
    *why = QCoreApplication::translate("quillon", "The printer \"%1\" does not accept jobs.")
               .arg(kRecordingPrinter);
    return false;
}

PrintedDocument &RecordingPrintDevice::current()
{
    return m_log->documents.last();
}

void RecordingPrintDevice::beginDocument(const QString &name)
{
    if (m_log->failBegin)
        throw QuillonError(QStringLiteral("No printer available"));
    m_log->documents.append(PrintedDocument { name });
}

void RecordingPrintDevice::endDocument()
{
    current().ended = true;
}

void RecordingPrintDevice::abortDocument()
{
    current().aborted = true;
}

void RecordingPrintDevice::newPage()
{
    current().pages.append(QList<PrintOp> {});
}

void RecordingPrintDevice::setFont(const QString &family, int pointSize, bool bold)
{
    m_family = family;
    m_pointSize = pointSize;
    m_bold = bold;
}

void RecordingPrintDevice::drawText(int x, int y, const QString &text)
{
    PrintOp op;
    op.kind = PrintOp::Text;
    op.x = x;
    op.y = y;
    op.text = text;
    op.family = m_family;
    op.pointSize = m_pointSize;
    op.bold = m_bold;
    current().pages.last().append(op);
}

void RecordingPrintDevice::fillRect(int x1, int y1, int x2, int y2)
{
    PrintOp op;
    op.kind = PrintOp::Rect;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    current().pages.last().append(op);
}

FakePlatform::FakePlatform()
{
    platform().prompts = &prompts;
    platform().shell = &shell;
    auto log = printLog;
    platform().openDefaultPrinter = [log] {
        ++log->devicesOpened;
        return std::unique_ptr<PrintDevice>(new RecordingPrintDevice(log));
    };
}

FakePlatform::~FakePlatform()
{
    platform() = PlatformServices {};
}

} // namespace quillon::test
