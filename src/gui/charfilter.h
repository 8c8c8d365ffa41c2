// SPDX-License-Identifier: GPL-3.0-or-later
// Boxes that take only the characters they are meant for.
#pragma once

#include <QObject>

class QWidget;

// Discards typed characters that the predicate refuses, before they reach the box.
// Keys that type no character (arrows, Delete) pass.
class CharFilter : public QObject {
    Q_OBJECT
public:
    using Predicate = bool (*)(QChar);
    CharFilter(QObject *parent, Predicate accepts);

    // Guards a line edit, or an editable combo box, against refused characters however
    // they come: typed keys are filtered both on the combo box, which holds the focus
    // and hands keys straight to its line edit's event handler (past any filter on the
    // line edit), and on the line edit itself; pasted and dropped text meets a validator.
    static void install(QWidget *box, Predicate accepts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Predicate m_accepts;
};
