#include "app/dialogbase.h"

#include "app/degradeclass.h"

#include <QEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

QFont designFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

TQuillonDialog::TQuillonDialog(QWidget *parent, int clientWidth, int clientHeight)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setModal(true);
    setFixedSize(clientWidth, clientHeight);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    DegradeClass1 = new TDegradeClass(this);
    DegradeClass1->setStartColor(quillon::kWindowStartColor);
    DegradeClass1->setEndColor(quillon::kWindowEndColor);
    labtitre = new QLabel(this);
    labtitre->setFont(designFont(QStringLiteral("Times New Roman"), 19, true));
    labtitre->setAttribute(Qt::WA_TranslucentBackground);
}

bool TQuillonDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TQuillonDialog::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

TCharFilter::TCharFilter(QObject *parent, Predicate accepts)
    : QObject(parent), m_accepts(accepts)
{
}

void TCharFilter::install(QWidget *box, Predicate accepts)
{
    QWidget *target = box;
    if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        target = combo->lineEdit();
    target->installEventFilter(new TCharFilter(target, accepts));
}

bool TCharFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
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
