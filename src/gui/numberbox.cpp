// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/numberbox.h"

#include "core/text/keyfilters.h"
#include "gui/charfilter.h"
#include "gui/wheelguard.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>

namespace {

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

QComboBox *makeNumberBox(QWidget *parent, int tag, const QRect &geometry, const std::optional<QFont> &font)
{
    auto *box = new QComboBox(parent);
    if (font) {
        // Told of a new font, a combo box builds its popup list at once to hand the font
        // on; for the forty boxes of the main window that was a fifth of the start. The
        // change is kept from the box: its list, built at its first opening, is drawn in
        // the application's font either way, as lists inside styled windows are.
        struct KeepFontChange : QObject {
            bool eventFilter(QObject *, QEvent *event) override
            {
                return event->type() == QEvent::FontChange;
            }
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
