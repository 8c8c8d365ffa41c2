// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogframe.h"

#include "gui/application.h"
#include "gui/gradientbackground.h"
#include "core/text/keyfilters.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <QWheelEvent>

namespace {

// The style's standard icon, looked up when it is first drawn: each lookup searches
// the icon theme's folders, and the buttons' lookups were a good part of the start.
class StandardIconEngine : public QIconEngine {
public:
    explicit StandardIconEngine(QStyle::StandardPixmap which) : m_which(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // In device pixels, as the engine of a plain icon gives it.
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Every style has the standard icons: no need to look one up to know.
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new StandardIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_looked) {
            m_icon = QApplication::style()->standardIcon(m_which);
            m_looked = true;
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_which;
    bool m_looked = false;
    QIcon m_icon;
};

constexpr char kNumberBoxProperty[] = "numberBox";

// Qt's accessible combo box gives, on Linux, the text it shows as its name and leaves
// the naming to a label beside it, which the number boxes do not have: a screen reader
// would read each box by its number alone. This one gives the box's accessible name as
// its name and the text as its value, and keeps the list and the line edit as children.
class NumberBoxAccessible : public QAccessibleWidget {
public:
    explicit NumberBoxAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && box()->accessibleName().isEmpty()))
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        QWidget *const children[] = { box()->view(), box()->lineEdit() };
        return index == 0 || index == 1 ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child && child->object() == box()->view())
            return 0;
        if (child && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = true;
        return state;
    }
    QStringList actionNames() const override { return { showMenuAction(), pressAction() }; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *numberBoxAccessible(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box && box->property(kNumberBoxProperty).toBool() ? new NumberBoxAccessible(box) : nullptr;
}

} // namespace

QFont designFont(const QString &family, int pixelHeight, bool bold)
{
    // The windows were laid out in the Windows system fonts; where they are missing,
    // the metric-compatible Liberation fonts keep captions within their controls.
    static const bool substituted = [] {
        const QString sans = QStringLiteral("Liberation Sans");
        for (const char *name : { "MS Sans Serif", "Microsoft Sans Serif", "System" })
            QFont::insertSubstitution(QLatin1String(name), sans);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

QPushButton *makePictureButton(
    QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QRect &geometry, int iconSize)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setIcon(QIcon(new StandardIconEngine(icon)));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setAutoDefault(false);
    return button;
}

QComboBox *makeNumberBox(QWidget *parent, int tag, const QRect &geometry, const std::optional<QFont> &font)
{
    auto *box = new QComboBox(parent);
    if (font) {
        // Told of a new font, a combo box builds its popup list at once to hand the font
        // on; for the forty boxes of the main window that was a fifth of the start. The
        // change is kept from the box: its list, built at its first opening, is drawn in
        // the application's font either way, as lists inside styled windows are.
        struct KeepFontChange : QObject {
            bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::FontChange; }
        } keep;
        box->installEventFilter(&keep);
        box->setFont(*font);
        box->removeEventFilter(&keep);
    }
    box->setObjectName(QStringLiteral("c%1").arg(tag));
    box->setProperty("Tag", tag);
    box->setProperty(kNumberBoxProperty, true);
    // Once for the whole program: the boxes' accessible names reach the screen reader.
    static const bool namedForScreenReaders = (QAccessible::installFactory(numberBoxAccessible), true);
    Q_UNUSED(namedForScreenReaders);
    // Made editable through a line edit of our own, as setEditable(true) would, without
    // its two costly by-products, which made the boxes a good part of the start: the
    // popup made at once instead of at its first opening, and a completer over the
    // items made only to be dropped (the boxes complete nothing). A combo box gives its
    // new line edit a completer unless it has one: it is lent one, shared by the boxes
    // of the parent, and takes it back.
    auto *placeholder = parent->findChild<QCompleter *>(QString(), Qt::FindDirectChildrenOnly);
    if (!placeholder)
        placeholder = new QCompleter(parent);
    auto *edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    edit->setCompleter(placeholder);
    box->setLineEdit(edit);
    edit->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    edit->setMaxLength(2);
    box->setGeometry(geometry);
    CharFilter::install(box, &quillon::isDigitOrBackspace);
    ignoreWheelUnlessFocused(box);
    return box;
}

void applyGroupBoxStyle(QWidget *window)
{
    window->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(160, 170, 150); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px;"
        " padding: 0px 3px; }"));
}

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
    m_background->setStartColor(quillon::kWindowStartColor);
    m_background->setEndColor(quillon::kWindowEndColor);
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

QLabel *DialogFrame::makeHeading(const char *name, const QRect &geometry, const QPixmap &pixmap, int titleLeft)
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

CharFilter::CharFilter(QObject *parent, Predicate accepts)
    : QObject(parent)
    , m_accepts(accepts)
{
}

namespace {

// Refuses any text holding a character the predicate refuses: pasted or dropped text
// never reaches the key filter.
class CharValidator : public QValidator {
public:
    CharValidator(QObject *parent, CharFilter::Predicate accepts)
        : QValidator(parent)
        , m_accepts(accepts)
    {
    }
    State validate(QString &input, int &) const override
    {
        for (QChar ch : input) {
            if (!m_accepts(ch))
                return Invalid;
        }
        return Acceptable;
    }

private:
    CharFilter::Predicate m_accepts;
};

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ignoreWheelUnlessFocused(QWidget *box)
{
    // A wheel turn no longer gives the focus, so it cannot pick the box up on the way.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new WheelGuard(box));
}

void CharFilter::install(QWidget *box, Predicate accepts)
{
    box->installEventFilter(new CharFilter(box, accepts));
    QLineEdit *edit = qobject_cast<QLineEdit *>(box);
    if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit()) {
        edit = combo->lineEdit();
        edit->installEventFilter(new CharFilter(edit, accepts));
    }
    if (edit)
        edit->setValidator(new CharValidator(edit, accepts));
}

bool CharFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Moving between controls, the default button, the close key and Delete are
        // keys, not typed characters, even where Qt gives them a control character.
        switch (key->key()) {
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return QObject::eventFilter(watched, event);
        default:
            break;
        }
        QString text = key->text();
        if (text.isEmpty() && key->key() == Qt::Key_Backspace)
            text = QChar(u'\b');
        for (QChar ch : text) {
            if (!m_accepts(ch))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
