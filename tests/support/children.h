// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a window's controls by the object names they carry (fprincip's bvoirtick,
// c1 … c40, grillecomb …): the windows keep their controls private.
#pragma once

#include <QComboBox>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace quillon::test {

// The control of type T named name inside window. A missing name ends the run at once
// with a message that names it: every later step of the test would only crash on it.
template <class T> T *child(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found) {
        qFatal("%s has no %s named \"%s\"", qPrintable(window->objectName()), T::staticMetaObject.className(),
            name);
    }
    return found;
}

// The secondary window of type T: the main window owns one of each.
template <class T> T *dialog(const QObject *mainWindow)
{
    T *found = mainWindow->findChild<T *>(QString(), Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("%s has no %s", qPrintable(mainWindow->objectName()), T::staticMetaObject.className());
    return found;
}

// Number box c<tag> of the main window (1 … 40) or of the compare window (1 … 9).
inline QComboBox *numberBox(const QObject *window, int tag)
{
    return child<QComboBox>(window, QStringLiteral("c%1").arg(tag).toLatin1().constData());
}

} // namespace quillon::test
