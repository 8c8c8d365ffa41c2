// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogframe.h"

#include "gui/designfont.h"
#include "gui/gradientbackground.h"
#include "gui/groupboxstyle.h"
#include "gui/helppage.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>

DialogFrame::DialogFrame(
    quillon::Session &session, QWidget *parent, int clientWidth, int clientHeight, Placement placement)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_session(session)
    , m_placement(placement)
{
    setModal(true);
    setFixedSize(clientWidth, clientHeight);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    applyGroupBoxStyle(this);
    m_background = new GradientBackground(this);
    m_background->setObjectName(QStringLiteral("DegradeClass1"));
    m_background->setStartColor(kWindowStartColor);
    m_background->setEndColor(kWindowEndColor);
    addHelpKey(this, session);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("labtitre"));
    m_title->setFont(designFont(QStringLiteral("Times New Roman"), 19, true));
    m_title->setAttribute(Qt::WA_TranslucentBackground);
}

void DialogFrame::setTitle(const QString &title)
{
    setWindowTitle(title);
    m_title->setText(title);
    m_title->adjustSize();
}

QLabel *DialogFrame::makeHeading(
    const char *name, const QRect &geometry, const QPixmap &pixmap, int titleLeft)
{
    m_title->move(titleLeft, 8);
    auto *picture = new QLabel(this);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAttribute(Qt::WA_TranslucentBackground);
    picture->setPixmap(pixmap);
    return picture;
}

bool DialogFrame::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        onActivated();
    return QDialog::event(event);
}

void DialogFrame::showEvent(QShowEvent *event)
{
    if (m_placement == Placement::ScreenCentre)
        move(screen()->availableGeometry().center() - rect().center());
    onShown();
    QDialog::showEvent(event);
    activateWindow();
}
