// SPDX-License-Identifier: GPL-3.0-or-later
// The number boxes c1 … c40 of the main window and of the compare window.
#pragma once

#include <QFont>
#include <optional>

class QComboBox;
class QRect;
class QWidget;

// A number box of the main and compare windows: an editable drop-down of at most two
// characters that lets only digits and backspace through; its Tag is its number. Without
// a font of its own, it takes its parent's.
QComboBox *makeNumberBox(
    QWidget *parent, int tag, const QRect &geometry, const std::optional<QFont> &font = std::nullopt);
