#include "app/fprincip.h"

#include "app/application.h"
#include "app/degradeclass.h"
#include "app/dialogbase.h"
#include "app/keyfilters.h"
#include "app/messages.h"
#include "app/startup.h"
#include "compare/fcompare.h"
#include "engine/boardlist.h"
#include "engine/catalogue.h"
#include "engine/selection.h"
#include "help/apropos.h"
#include "output/fimprime.h"
#include "output/fresultatcomb.h"
#include "storage/fparametre.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

using namespace quillon;

namespace {

constexpr int kBoxLefts[10] = {16, 79, 142, 205, 268, 332, 395, 458, 521, 573};
constexpr int kBoxTops[4] = {13, 36, 57, 80};

QPushButton *makeButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon, int x, int y,
                        int w, int h)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, w, h);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(20, 20));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The product logo: the name in a bold serif, drawn on a transparent 230 × 50 bitmap.
QPixmap makeLogo()
{
    QPixmap logo(230, 50);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(40);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 96, 96, 90));
    painter.drawText(logo.rect().translated(2, 2), Qt::AlignCenter, QStringLiteral("Quillon"));
    painter.setPen(QColor(0, 128, 128));
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Quillon"));
    return logo;
}

} // namespace

Tfprincip::Tfprincip(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fprincip"));
    setWindowTitle(QStringLiteral("Quillon"));
    setFixedSize(701, 419);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));

    DegradeClass1 = new TDegradeClass(this);
    DegradeClass1->setStartColor(kWindowStartColor);
    DegradeClass1->setEndColor(kWindowEndColor);

    Image1 = new QLabel(this);
    Image1->setGeometry(200, 8, 241, 57);
    Image1->setPixmap(makeLogo());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    panelinfo = new QLabel(QStringLiteral("QUILLON"), this);
    panelinfo->setGeometry(2, 400, 696, 16);
    panelinfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panelinfo->setAlignment(Qt::AlignCenter);
    panelinfo->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));

    binfos = makeButton(this, "binfos", QStyle::SP_MessageBoxInformation, 5, 7, 73, 42);
    bparametre = makeButton(this, "bparametre", QStyle::SP_FileDialogDetailedView, 79, 7, 108, 42);
    baidegene = makeButton(this, "baidegene", QStyle::SP_DialogHelpButton, 587, 7, 109, 42);
    brengjeu = makeButton(this, "brengjeu", QStyle::SP_DialogSaveButton, 13, 69, 124, 44);
    bchargejeu = makeButton(this, "bchargejeu", QStyle::SP_DialogOpenButton, 149, 69, 124, 44);

    groupsysteme = new QGroupBox(this);
    groupsysteme->setGeometry(10, 120, 639, 45);
    clistesystemes = new QComboBox(groupsysteme);
    clistesystemes->setObjectName(QStringLiteral("clistesystemes"));
    clistesystemes->setGeometry(6, 16, 627, 21);
    clistesystemes->setEditable(false);
    clistesystemes->setMaxVisibleItems(20);

    gnumeros = new QGroupBox(this);
    gnumeros->setGeometry(8, 171, 641, 110);
    gnumeros->setFont(designFont(QStringLiteral("Times New Roman"), 13));
    for (int tag = 1; tag <= kBoxCount; ++tag) {
        auto *box = new QComboBox(gnumeros);
        box->setObjectName(QStringLiteral("c%1").arg(tag));
        box->setProperty("Tag", tag);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->lineEdit()->setMaxLength(2);
        box->setFont(designFont(QStringLiteral("Microsoft Sans Serif"), 11));
        box->setGeometry(kBoxLefts[(tag - 1) % 10], kBoxTops[(tag - 1) / 10], 47, 21);
        TCharFilter::install(box, &isDigitOrBackspace);
        c[size_t(tag)] = box;
    }

    bvoirtick = makeButton(this, "bvoirtick", QStyle::SP_FileDialogContentsView, 19, 287, 157, 46);
    bimprimetickets = makeButton(this, "bimprimetickets", QStyle::SP_FileIcon, 178, 287, 157, 46);
    bgenerefichier = makeButton(this, "bgenerefichier", QStyle::SP_DriveFDIcon, 337, 287, 157, 46);
    bcompar = makeButton(this, "bcompar", QStyle::SP_BrowserReload, 497, 287, 156, 46);
    bquit = makeButton(this, "bquit", QStyle::SP_DialogCloseButton, 488, 344, 210, 49);
    bquit->setIconSize(QSize(24, 24));

    connectClick(binfos, this, &Tfprincip::binfosClick);
    connectClick(bparametre, this, &Tfprincip::bparametreClick);
    connectClick(baidegene, this, &Tfprincip::baidegeneClick);
    connectClick(brengjeu, this, &Tfprincip::brengjeuClick);
    connectClick(bchargejeu, this, &Tfprincip::bchargejeuClick);
    connectClick(bvoirtick, this, &Tfprincip::bvoirtickClick);
    connectClick(bimprimetickets, this, &Tfprincip::bimprimeticketsClick);
    connectClick(bgenerefichier, this, &Tfprincip::bgenerefichierClick);
    connectClick(bcompar, this, &Tfprincip::bcomparClick);
    connectClick(bquit, this, &Tfprincip::bquitClick);
    // Only the player's own pick runs the change action: the fill and a game load
    // select items programmatically, which does not emit `activated`.
    connect(clistesystemes, &QComboBox::activated, this, [this] { runGuarded([this] { clistesystemesChange(); }); });
}

bool Tfprincip::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        runGuarded([this] { FormActivate(); });
    return QWidget::event(event);
}

bool Tfprincip::eventFilter(QObject *watched, QEvent *event)
{
    return QWidget::eventFilter(watched, event);
}

void Tfprincip::FormActivate()
{
    if (m_startupPending) {
        initialiseLanguageAndSettings();
        fillSystemList();
        fillBoxes();
    }
    applyCaptions();
    if (m_startupPending) {
        m_startupPending = false;
        applySelectionBoxRule();
    }
}

void Tfprincip::showModal(QDialog *dialog)
{
    dialog->exec();
    // Window managers hand the focus back on their own; where none does, ask for it.
    if (isVisible() && !isActiveWindow())
        activateWindow();
}

void Tfprincip::fillSystemList()
{
    clistesystemes->clear();
    clistesystemes->addItems(sortedSystemListItems());
    clistesystemes->setCurrentIndex(clistesystemes->count() > 0 ? 0 : -1);
}

void Tfprincip::fillBoxes()
{
    const QStringList items = boxItems();
    for (int tag = 1; tag <= kBoxCount; ++tag) {
        c[size_t(tag)]->clear();
        c[size_t(tag)]->addItems(items);
        c[size_t(tag)]->setCurrentIndex(0);
    }
}

int Tfprincip::selectedSystem() const
{
    if (clistesystemes->currentIndex() < 0)
        return -1;
    return indexFromListItemText(clistesystemes->currentText());
}

void Tfprincip::selectSystemByIndex(int n)
{
    for (int i = 0; i < clistesystemes->count(); ++i) {
        if (indexFromListItemText(clistesystemes->itemText(i)) == n) {
            clistesystemes->setCurrentIndex(i);
            return;
        }
    }
    clistesystemes->setCurrentIndex(clistesystemes->count() > 0 ? 0 : -1);
}

QStringList Tfprincip::boxTexts() const
{
    QStringList texts;
    for (int tag = 1; tag <= kBoxCount; ++tag)
        texts.append(c[size_t(tag)]->currentText());
    return texts;
}

void Tfprincip::readBoxes() const
{
    readSelection(boxTexts());
}

void Tfprincip::showNumberInBox(int n, int tag)
{
    if (tag < 1 || tag > kBoxCount)
        return;
    QComboBox *box = c[size_t(tag)];
    if (n >= 1 && n <= box->count()) {
        box->setCurrentIndex(n - 1);
    } else {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

void Tfprincip::applySelectionBoxRule()
{
    const int system = selectedSystem();
    if (system < 1)
        return;
    const SystemDescriptor &d = systemDescriptor(system);
    for (int tag = 1; tag <= kBoxCount; ++tag) {
        QComboBox *box = c[size_t(tag)];
        box->setVisible(boxVisible(tag, d.poolSize));
        // Key numbers would be red; no system has any, so every box stays white.
        box->setStyleSheet(tag <= d.keyCount ? QStringLiteral("QComboBox { background: rgb(255, 0, 0); }")
                                             : QString());
    }
}

void Tfprincip::applyCaptions()
{
    struct Caption {
        QWidget *control;
        int caption;
        int hint;
        bool tooltip;
    };
    const Caption captions[] = {
        {binfos, 47, 48, true},         {bparametre, 49, 50, true},      {bvoirtick, 56, 57, false},
        {bimprimetickets, 58, 59, false}, {bgenerefichier, 60, 61, false}, {bcompar, 62, 63, false},
        {baidegene, 32, 69, true},      {gnumeros, 70, 0, false},        {brengjeu, 71, 0, false},
        {bchargejeu, 72, 0, false},     {bquit, 21, 88, true},           {groupsysteme, 108, 0, false},
    };
    for (const Caption &entry : captions) {
        const QString text = pgloretlibmessage(entry.caption);
        if (auto *button = qobject_cast<QPushButton *>(entry.control))
            button->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(entry.control))
            group->setTitle(text);
        if (entry.hint != 0) {
            const QString hint = pgloretlibmessage(entry.hint);
            entry.control->setProperty("hint", hint);
            entry.control->setToolTip(entry.tooltip ? hint : QString());
        }
    }
}

void Tfprincip::clistesystemesChange()
{
    applySelectionBoxRule();
}

void Tfprincip::binfosClick()
{
    showModal(windows().apropos);
}

void Tfprincip::bparametreClick()
{
    showModal(windows().fparametre);
}

void Tfprincip::baidegeneClick()
{
}

void Tfprincip::brengjeuClick()
{
}

void Tfprincip::bchargejeuClick()
{
}

void Tfprincip::bvoirtickClick()
{
    const int system = selectedSystem();
    readBoxes();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    generate(system);
    showModal(windows().fresultatcomb);
    QGuiApplication::restoreOverrideCursor();
}

void Tfprincip::bimprimeticketsClick()
{
    const int system = selectedSystem();
    readBoxes();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    generate(system);
    showModal(windows().fimprime);
    QGuiApplication::restoreOverrideCursor();
}

void Tfprincip::bgenerefichierClick()
{
}

void Tfprincip::bcomparClick()
{
    const int system = selectedSystem();
    readBoxes();
    generate(system);
    showModal(windows().fcompare);
}

void Tfprincip::bquitClick()
{
    close();
}
