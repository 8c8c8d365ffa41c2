// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/charfilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

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

} // namespace

CharFilter::CharFilter(QObject *parent, Predicate accepts)
    : QObject(parent)
    , m_accepts(accepts)
{
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
