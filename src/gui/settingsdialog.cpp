// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settingsdialog.h"

#include "core/files/settings.h"
#include "core/files/settingsfile.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "gui/charfilter.h"
#include "gui/errorhandler.h"
#include "gui/wheelguard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

SettingsDialog::SettingsDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 429, 254, Placement::ScreenCentre)
{
    setObjectName(QStringLiteral("fparametre"));

    m_picture = makeHeading("Image4", QRect(0, 0, 49, 49),
        style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32), 56);

    m_offsetGroup = new QGroupBox(this);
    m_offsetGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_offsetGroup->setGeometry(32, 49, 366, 85);
    m_horizontalLabel = makeLabel(m_offsetGroup, "ldecalh", QString(), 17, 30);
    m_horizontalBox = makeOffsetBox(m_offsetGroup, "edech", 130, 26);
    m_horizontalUnit = makeLabel(m_offsetGroup, "Label4", QStringLiteral("mm"), 205, 30);
    m_verticalLabel = makeLabel(m_offsetGroup, "ldecalv", QString(), 17, 62);
    m_verticalBox = makeOffsetBox(m_offsetGroup, "edecv", 131, 58);
    m_verticalUnit = makeLabel(m_offsetGroup, "Label3", QStringLiteral("mm"), 204, 63);

    m_languageGroup = new QGroupBox(this);
    m_languageGroup->setObjectName(QStringLiteral("GroupBox2"));
    m_languageGroup->setGeometry(32, 138, 366, 52);
    m_languageList = new QComboBox(m_languageGroup);
    m_languageList->setObjectName(QStringLiteral("clangue"));
    m_languageList->setGeometry(17, 20, 180, 22);
    ignoreWheelUnlessFocused(m_languageList);
    // Each language by its own name, whatever the current one: names, not translated.
    for (Language language : kChoosableLanguages) {
        const QString name = language == Language::French ? QStringLiteral("Français")
            : language == Language::English               ? QStringLiteral("English")
                                                          : QStringLiteral("Hrvatski");
        m_languageList->addItem(name, int(language));
    }

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("bok"));
    m_okButton->setGeometry(176, 197, 77, 46);
    QFont bold = m_okButton->font();
    bold.setBold(true);
    m_okButton->setFont(bold);
    m_okButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okButton->setDefault(true);
    connectClick(m_okButton, this, &SettingsDialog::storeSettings);
}

void SettingsDialog::applyCaptions()
{
    setTitle(text(Msg::Settings));
    m_offsetGroup->setTitle(text(Msg::PrintingGroup));
    m_horizontalLabel->setText(text(Msg::HorizontalOffset));
    m_horizontalLabel->adjustSize();
    m_verticalLabel->setText(text(Msg::VerticalOffset));
    m_verticalLabel->adjustSize();
    // A screen reader would otherwise name both boxes after their group.
    m_horizontalBox->setAccessibleName(tr("Horizontal offset in millimetres"));
    m_verticalBox->setAccessibleName(tr("Vertical offset in millimetres"));
    // The way back to a language must be readable by a player who cannot read the
    // current one, or who chose a code without texts: the label in all three at once.
    const QString label = text(Msg::Language);
    m_languageGroup->setTitle(label.isEmpty() ? QStringLiteral("Langue / Language / Jezik") : label);
}

void SettingsDialog::showOffset(QLineEdit *box, qint32 offset)
{
    const QString text = offsetToText(offset);
    box->setMaxLength(qMax<int>(kOffsetTypedLength, int(text.size())));
    box->setText(text);
}

void SettingsDialog::onShown()
{
    // Filled once per showing, before any activation: coming back from another
    // program keeps what was typed, and OK never reads boxes left unfilled.
    showOffset(m_horizontalBox, m_session.settings.horizontalOffset);
    showOffset(m_verticalBox, m_session.settings.verticalOffset);
    // A code outside the three choosable languages shows no choice and is kept.
    m_languageList->setCurrentIndex(m_languageList->findData(int(m_session.settings.languageCode)));
    applyCaptions();
}

void SettingsDialog::onActivated()
{
    applyCaptions();
}

void SettingsDialog::storeSettings()
{
    m_session.settings.horizontalOffset = offsetFromText(m_horizontalBox->text());
    m_session.settings.verticalOffset = offsetFromText(m_verticalBox->text());
    if (m_languageList->currentIndex() >= 0)
        m_session.settings.languageCode = m_languageList->currentData().toInt();
    accept();
}
