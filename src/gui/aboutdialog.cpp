// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/aboutdialog.h"

#include "core/text/messages.h"
#include "gui/designfont.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

using namespace quillon;

namespace {

// The program's 32 × 30 picture: a play slip with a few numbers marked.
QPixmap makeProgramIcon()
{
    QPixmap icon(32, 30);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 96, 96));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 27), 3, 3);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const bool marked = (row * 5 + col) % 7 == 2;
            painter.setBrush(marked ? QColor(0, 128, 128) : QColor(200, 220, 220));
            painter.drawRect(5 + col * 5, 5 + row * 5, 3, 3);
        }
    }
    return icon;
}

QLabel *makeBlueLine(QWidget *parent, const char *name, int x, int y)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, y, 434, 16);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(designFont(QStringLiteral("System"), 13, true));
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    return label;
}

// Sets a blue line's text, narrowing the font when the installed stand-in for the
// design font would run the text past the label's fixed width.
void setBlueLine(QLabel *label, const QString &text)
{
    QFont font = designFont(QStringLiteral("System"), 13, true);
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(text) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(text);
}

} // namespace

AboutDialog::AboutDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 465, 319, Placement::ScreenCentre)
{
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral("A propos"));
    setFont(designFont(QStringLiteral("System"), 13));
    m_title->hide();

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(9, 8, 456, 257);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setLineWidth(2);

    m_programIcon = new QLabel(m_panel);
    m_programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    m_programIcon->setGeometry(18, 20, 32, 30);
    m_programIcon->setPixmap(makeProgramIcon());

    m_productName = new QLabel(QStringLiteral("Quillon"), m_panel);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    m_productName->move(87, 16);
    m_productName->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    m_productName->setStyleSheet(QStringLiteral("color: black;"));
    m_productName->adjustSize();

    m_version = new QLabel(QStringLiteral("Version"), m_panel);
    m_version->setObjectName(QStringLiteral("lversion"));
    m_version->move(88, 40);
    m_version->setFont(designFont(QStringLiteral("MS Sans Serif"), 11, true));
    m_version->setStyleSheet(QStringLiteral("color: black;"));

    for (size_t i = 0; i < m_publisherLines.size(); ++i) {
        auto *line = new QLabel(m_panel);
        line->setGeometry(9, 79 + int(i) * 28, 438, 18);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setFont(designFont(QStringLiteral("MS Sans Serif"), 12));
        m_publisherLines[i] = line;
    }

    m_disclaimer1 = makeBlueLine(m_panel, "Label8", 16, 204);
    m_disclaimer2 = makeBlueLine(m_panel, "Label9", 14, 217);
    m_disclaimer3 = makeBlueLine(m_panel, "Label10", 15, 233);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry(202, 267, 77, 46);
    m_okButton->setFont(designFont(QStringLiteral("MS Sans Serif"), 11, true));
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutDialog::versionText()
{
    return QStringLiteral(QUILLON_VERSION);
}

void AboutDialog::onShown()
{
    m_version->setText(versionText());
    m_version->adjustSize();
    const QString publisher[] = {
        tr("Wheeling systems for seven-number lotteries"),
        tr("Published by the Quillon workshop"),
        tr("Distributed free of charge"),
        tr("Help: quillon.html, next to the program"),
    };
    for (size_t i = 0; i < m_publisherLines.size(); ++i)
        m_publisherLines[i]->setText(publisher[i]);
    setBlueLine(m_disclaimer1, text(Msg::DisclaimerLine1));
    setBlueLine(m_disclaimer2, text(Msg::DisclaimerLine2));
    setBlueLine(m_disclaimer3, text(Msg::DisclaimerLine3));
    m_okButton->setFocus();
}
