#include "gui/aboutdialog.h"

#include "gui/application.h"
#include "core/text/messages.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
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

QLabel *makeBlueLine(QWidget *parent, int x, int y)
{
    auto *label = new QLabel(parent);
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

AboutDialog::AboutDialog(QWidget *parent)
    : DialogFrame(parent, 465, 319)
{
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral("A propos"));
    setFont(designFont(QStringLiteral("System"), 13));
    labtitre->hide();

    Panel1 = new QFrame(this);
    Panel1->setGeometry(9, 8, 456, 257);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(18, 20, 32, 30);
    ProgramIcon->setPixmap(makeProgramIcon());

    ProductName = new QLabel(QStringLiteral("Quillon"), Panel1);
    ProductName->move(87, 16);
    ProductName->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    ProductName->setStyleSheet(QStringLiteral("color: black;"));
    ProductName->adjustSize();

    lversion = new QLabel(QStringLiteral("Version"), Panel1);
    lversion->move(88, 40);
    lversion->setFont(designFont(QStringLiteral("MS Sans Serif"), 11, true));
    lversion->setStyleSheet(QStringLiteral("color: black;"));

    const QString publisher[] = {
        QStringLiteral("Systèmes réducteurs pour les loteries à sept numéros"),
        QStringLiteral("Édité par l'atelier Quillon"),
        QStringLiteral("Logiciel distribué gratuitement"),
        QStringLiteral("Aide : quillon.html, à côté du programme"),
    };
    for (size_t i = 0; i < publisherLines.size(); ++i) {
        auto *line = new QLabel(publisher[i], Panel1);
        line->setGeometry(9, 79 + int(i) * 28, 438, 18);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setFont(designFont(QStringLiteral("MS Sans Serif"), 12));
        publisherLines[i] = line;
    }

    Label8 = makeBlueLine(Panel1, 16, 204);
    Label9 = makeBlueLine(Panel1, 14, 217);
    Label10 = makeBlueLine(Panel1, 15, 233);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(202, 267, 77, 46);
    OKButton->setFont(designFont(QStringLiteral("MS Sans Serif"), 11, true));
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    connectClick(OKButton, this, &AboutDialog::OKButtonClick);
}

void AboutDialog::OKButtonClick()
{
    accept();
}

void AboutDialog::onShown()
{
    // Shown in the middle of the screen, wherever the main window stands.
    move(screen()->availableGeometry().center() - rect().center());
    lversion->setText(versionText());
    lversion->adjustSize();
    setBlueLine(Label8, messageText(Msg::DisclaimerLine1));
    setBlueLine(Label9, messageText(Msg::DisclaimerLine2));
    setBlueLine(Label10, messageText(Msg::DisclaimerLine3));
    OKButton->setFocus();
}
