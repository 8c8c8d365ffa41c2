// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/picturebutton.h"

#include <QApplication>
#include <QIconEngine>
#include <QPushButton>

namespace {

// The style's standard icon, looked up when it is first drawn: each lookup searches
// the icon theme's folders, and the buttons' lookups were a good part of the start.
class StandardIconEngine : public QIconEngine {
public:
    explicit StandardIconEngine(QStyle::StandardPixmap which)
        : m_which(which)
    {
    }

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

} // namespace

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
