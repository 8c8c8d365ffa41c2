#include "gui/settingsdialog.h"

#include "gui/application.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "core/files/settings.h"
#include "core/files/settingsfile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace quillon;

namespace {

constexpr int kOffsetTypedLength = 5;

QLineEdit *makeOffsetBox(QWidget *parent, const char *name, int x, int y)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, 67, 21);
    box->setMaxLength(kOffsetTypedLength);
    CharFilter::install(box, &isSignOrDigit);
    // A stored offset longer than can be typed widens the limit while it is shown;
    // once edited down, the typing limit holds again.
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        if (text.size() <= kOffsetTypedLength)
            box->setMaxLength(kOffsetTypedLength);
    });
    return box;
}

QLabel *makeLabel(QWidget *parent, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : DialogFrame(parent, 429, 254)
{
    setObjectName(QStringLiteral("fparametre"));

    Image4 = makePicture(
        QRect(0, 0, 49, 49), style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));

    labtitre->move(56, 8);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(32, 49, 366, 85);
    ldecalh = makeLabel(GroupBox1, QString(), 17, 30);
    edech = makeOffsetBox(GroupBox1, "edech", 130, 26);
    Label4 = makeLabel(GroupBox1, QStringLiteral("mm"), 205, 30);
    ldecalv = makeLabel(GroupBox1, QString(), 17, 62);
    edecv = makeOffsetBox(GroupBox1, "edecv", 131, 58);
    Label3 = makeLabel(GroupBox1, QStringLiteral("mm"), 204, 63);

    bok = new QPushButton(QStringLiteral("OK"), this);
    bok->setObjectName(QStringLiteral("bok"));
    bok->setGeometry(176, 197, 77, 46);
    QFont bold = bok->font();
    bold.setBold(true);
    bok->setFont(bold);
    bok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    bok->setDefault(true);
    connectClick(bok, this, &SettingsDialog::bokClick);
}

void SettingsDialog::applyCaptions()
{
    setTitle(messageText(Msg::Settings));
    GroupBox1->setTitle(messageText(Msg::PrintingGroup));
    ldecalh->setText(messageText(Msg::HorizontalOffset));
    ldecalh->adjustSize();
    ldecalv->setText(messageText(Msg::VerticalOffset));
    ldecalv->adjustSize();
}

void SettingsDialog::showOffset(QLineEdit *box, qint32 offset)
{
    const QString text = offsetToText(offset);
    box->setMaxLength(qMax<int>(kOffsetTypedLength, int(text.size())));
    box->setText(text);
}

void SettingsDialog::onShown()
{
    // Shown in the middle of the screen, wherever the main window stands.
    move(screen()->availableGeometry().center() - rect().center());
    // Filled once per showing, before any activation: coming back from another
    // program keeps what was typed, and OK never reads boxes left unfilled.
    showOffset(edech, settings().horizontalOffset);
    showOffset(edecv, settings().verticalOffset);
    applyCaptions();
}

void SettingsDialog::onActivated()
{
    applyCaptions();
}

void SettingsDialog::bokClick()
{
    settings().horizontalOffset = offsetFromText(edech->text());
    settings().verticalOffset = offsetFromText(edecv->text());
    accept();
}
