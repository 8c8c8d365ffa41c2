// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ticketprintdialog.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "core/tickets/calibration.h"
#include "core/tickets/printorpdf.h"
#include "core/tickets/ticketprint.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "gui/charfilter.h"
#include "gui/errorhandler.h"
#include "gui/ticketpreviewwindow.h"
#include "gui/wheelguard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

using namespace quillon;

namespace {

// Range boxes: digits pass, every other typed character is discarded, Backspace
// included. Keys that type a control character (Delete, Escape, Ctrl+V) work as usual.
bool acceptsRangeKey(QChar c)
{
    return isDigit(c) || (c.unicode() != kBackspace && (c.unicode() < 0x20 || c.unicode() == 0x7f));
}

// A small play ticket with a marked box, drawn on a 32 × 31 bitmap.
QPixmap makeTicketPicture()
{
    QPixmap picture(32, 31);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(160, 0, 0));
    painter.setBrush(QColor(255, 250, 220));
    painter.drawRect(3, 1, 25, 28);
    painter.setPen(QColor(200, 120, 120));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.drawRect(6 + column * 5, 5 + row * 6, 3, 3);
    }
    painter.fillRect(11, 11, 4, 4, Qt::black);
    painter.fillRect(21, 17, 4, 4, Qt::black);
    return picture;
}

QLabel *makeLabel(QWidget *parent, const char *name, int x, int y)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(x, y);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QGroupBox *makeGroup(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(x, y, w, h);
    group->setStyleSheet(QStringLiteral("QGroupBox::title { color: rgb(0, 0, 255); }"));
    return group;
}

QLineEdit *makeRangeBox(QWidget *parent, const char *name, int x, int y)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, 41, 21);
    box->setMaxLength(4);
    CharFilter::install(box, &acceptsRangeKey);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QIcon &icon, int x, int y)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, 102, 47);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoDefault(false);
    return button;
}

// A radio button's caption, broken before the last word that would not fit on one
// line; for a button high enough for two lines.
void setWrappedText(QRadioButton *button, const QString &caption)
{
    QString text = caption;
    const QStyle *style = button->style();
    const int room = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
        - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) - 4;
    const QFontMetrics metrics(button->font());
    if (metrics.horizontalAdvance(text) > room) {
        for (qsizetype blank = text.lastIndexOf(QLatin1Char(' ')); blank > 0;
             blank = text.lastIndexOf(QLatin1Char(' '), blank - 1)) {
            if (metrics.horizontalAdvance(text.left(blank)) <= room) {
                text[blank] = QLatin1Char('\n');
                break;
            }
        }
    }
    button->setText(text);
}

// A label shows a text and takes its size.
void showSized(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

TicketPrintDialog::TicketPrintDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 508, 215, Placement::ScreenCentre)
{
    setObjectName(QStringLiteral("fimprime"));

    m_picture = makeHeading("Image1", QRect(0, 0, 49, 33), makeTicketPicture(), 56);

    m_typeLabel = makeLabel(this, "Label3", 34, 40);
    QFont bold = font();
    bold.setBold(true);
    m_typeLabel->setFont(bold);

    m_typeList = new QComboBox(this);
    m_typeList->setObjectName(QStringLiteral("ComboBox1"));
    m_typeList->setGeometry(33, 57, 419, 21);
    m_typeList->setEditable(false);
    ignoreWheelUnlessFocused(m_typeList);

    m_rangeGroup = makeGroup(this, "GroupBox3", 30, 80, 189, 73);
    m_firstLabel = makeLabel(m_rangeGroup, "Label1", 19, 21);
    m_firstBox = makeRangeBox(m_rangeGroup, "Gpremier", 80, 16);
    m_lastLabel = makeLabel(m_rangeGroup, "Label2", 19, 51);
    m_lastBox = makeRangeBox(m_rangeGroup, "gdernier", 80, 46);

    m_modeGroup = makeGroup(this, "GroupBox2", 229, 80, 218, 73);
    m_allAtOnceButton = new QRadioButton(m_modeGroup);
    m_allAtOnceButton->setObjectName(QStringLiteral("bimptsbull"));
    // Both captions start 12 px from the group's edge, and the first one, on a button
    // two lines high, wraps: the fonts standing in for MS Sans Serif are wider than it,
    // and captions starting further in were cut off at the group's right edge.
    m_allAtOnceButton->setGeometry(12, 16, 204, 36);
    m_allAtOnceButton->setChecked(true);
    m_oneAtATimeButton = new QRadioButton(m_modeGroup);
    m_oneAtATimeButton->setObjectName(QStringLiteral("bimpunbull"));
    m_oneAtATimeButton->setGeometry(12, 45, 204, 24);

    m_cancelButton
        = makeButton(this, "boutannule", style()->standardIcon(QStyle::SP_DialogCancelButton), 131, 161);
    m_printButton = makeButton(this, "boutlancer",
        QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_DialogOkButton)),
        243, 161);

    m_previewButton = makeButton(this, "bapercu",
        QIcon::fromTheme(QStringLiteral("document-print-preview"),
            style()->standardIcon(QStyle::SP_FileDialogContentsView)),
        10, 161);
    m_previewButton->resize(114, 47);
    m_calibrationButton = makeButton(this, "bcalage",
        QIcon::fromTheme(
            QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileDialogDetailedView)),
        354, 161);
    m_calibrationButton->resize(146, 47);
    // Tab goes along the button row as it reads, from the preview on the left.
    setTabOrder(m_oneAtATimeButton, m_previewButton);
    setTabOrder(m_previewButton, m_cancelButton);

    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connectClick(m_previewButton, this, &TicketPrintDialog::previewTickets);
    connectClick(m_calibrationButton, this, &TicketPrintDialog::printCalibrationSheet);
    connectClick(m_printButton, this, &TicketPrintDialog::printTickets);
}

void TicketPrintDialog::applyCaptions()
{
    setWindowTitle(text(Msg::TicketPrintTitle));
    showSized(m_title, text(Msg::TicketPrintTitle));
    showSized(m_typeLabel, text(Msg::TicketTypeLabel));
    m_rangeGroup->setTitle(text(Msg::BoardsToPrintGroup));
    showSized(m_firstLabel, text(Msg::FirstBoardLabel));
    showSized(m_lastLabel, text(Msg::LastBoardLabel));
    // A screen reader would otherwise name both boxes after their group.
    m_firstBox->setAccessibleName(tr("First board to print"));
    m_lastBox->setAccessibleName(tr("Last board to print"));
    m_modeGroup->setTitle(text(Msg::PrintingModeGroup));
    setWrappedText(m_allAtOnceButton, text(Msg::PrintAllAtOnce));
    m_oneAtATimeButton->setText(text(Msg::PrintOneAtATime));
    m_cancelButton->setText(text(Msg::Cancel));
    m_printButton->setText(text(Msg::Print));
    m_previewButton->setText(tr("Preview"));
    m_calibrationButton->setText(tr("Calibration sheet"));
}

void TicketPrintDialog::onShown()
{
    applyCaptions();
    // The type chosen at an earlier opening is forgotten.
    m_typeList->clear();
    m_typeList->addItems(ticketTypeNames());
    m_typeList->setCurrentIndex(0);
    // The range returns to 1 … G at each opening. The activations that follow,
    // after a warning or a prompt of the dialog's own, keep what the player typed.
    m_firstBox->setText(QStringLiteral("1"));
    m_lastBox->setText(QString::number(m_session.boards.boardCount));
}

void TicketPrintDialog::onActivated()
{
    applyCaptions();
}

bool TicketPrintDialog::chosenRun(TicketRun &run)
{
    run.type = m_typeList->currentIndex() + 1;
    if (run.type < 1)
        return false;
    run.mode = m_allAtOnceButton->isChecked() ? TicketMode::PrintAll : TicketMode::StopEachTicket;
    run.first = leadingNumber(m_firstBox->text());
    run.last = leadingNumber(m_lastBox->text());
    if (!isPrintableRange(run.first, run.last, m_session.boards.boardCount)) {
        if (Prompts *prompts = platform().prompts)
            prompts->message(
                text(Msg::BadPrintRange), text(Msg::Problem), Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return false;
    }
    return true;
}

PrintOffsets TicketPrintDialog::offsets() const
{
    return { m_session.settings.horizontalOffset, m_session.settings.verticalOffset };
}

void TicketPrintDialog::printTickets()
{
    TicketRun run;
    if (!chosenRun(run))
        return;
    Prompts *prompts = platform().prompts;
    if (!prompts)
        throw QuillonError(noPrinterText());
    const bool printed = printOrSaveAsPdf(
        m_session.texts(), PdfFileSplit::FilePerDocument, [&](PrintDevice &device, bool toPdfFiles) {
            TicketRun chosen = run;
            // Files need no ticket fed between them: all of them in one go.
            if (toPdfFiles)
                chosen.mode = TicketMode::PrintAll;
            quillon::printTickets(device, *prompts, m_session.texts(), chosen, m_session.boards,
                m_session.selection, offsets());
        });
    if (printed)
        accept();
}

void TicketPrintDialog::previewTickets()
{
    TicketRun run;
    if (!chosenRun(run))
        return;
    run.mode = TicketMode::PrintAll;
    PlatformServices &services = platform();
    Prompts *prompts = services.prompts;
    if (!prompts || !services.openPagePictures)
        throw QuillonError(tr("The preview cannot be shown."));
    // The printer's figures, taken once; each ticket is drawn when it is shown, by the
    // very run that prints, limited to that ticket and recorded at the printer's
    // resolution.
    const std::shared_ptr<PagePictureDevice> printer = services.openPagePictures();
    if (!printer)
        throw QuillonError(tr("The preview cannot be shown."));
    const int dpi = printer->dpiX();
    const QPoint printingOffset = printer->printingOffset();
    const auto drawTicket = [this, run, prompts, printer](int index) {
        const std::unique_ptr<PagePictureDevice> pictures = printer->blank();
        quillon::printTickets(*pictures, *prompts, m_session.texts(), ticketOfRun(run, index),
            m_session.boards, m_session.selection, offsets());
        const QByteArray page = pictures->pagePictures().value(0).value(0);
        QPicture picture;
        if (!page.isEmpty())
            picture.setData(page.constData(), uint(page.size()));
        return picture;
    };
    const QString note = printer->fromPrinter()
        ? QString()
        : tr("No printer: preview at %1 dots per inch, without margins.").arg(dpi);
    TicketPreviewWindow preview(
        run.type, ticketCount(run, m_session.boards), drawTicket, dpi, printingOffset, note, this);
    preview.exec();
}

void TicketPrintDialog::printCalibrationSheet()
{
    const int type = m_typeList->currentIndex() + 1;
    if (type < 1)
        return;
    const PrintOffsets shift = offsets();
    const QString caption = calibrationCaption(type, shift);
    printOrSaveAsPdf(m_session.texts(), PdfFileSplit::OneFile,
        [&](PrintDevice &device, bool) { quillon::printCalibrationSheet(device, type, shift, caption); });
}
