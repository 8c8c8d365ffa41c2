// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/comparedialog.h"

#include "core/draw/rating.h"
#include "core/platform.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "gui/boardtablemodel.h"
#include "gui/boardtableview.h"
#include "gui/busycursor.h"
#include "gui/errorhandler.h"
#include "gui/numberbox.h"
#include "gui/picturebutton.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace quillon;

namespace {

constexpr int kBoxLefts[10] = { 0, 16, 63, 110, 157, 202, 250, 298, 362, 418 };
// c1 … c7 take the main numbers of the draw, c8 and c9 the bonus numbers.
constexpr int kMainDrawEntries = 7;

} // namespace

CompareDialog::CompareDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 687, 429)
{
    setObjectName(QStringLiteral("fcompare"));

    m_picture = makeHeading("Image1", QRect(8, 0, 89, 41),
        style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32), 104);

    m_drawGroup = new QGroupBox(this);
    m_drawGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_drawGroup->setGeometry(16, 41, 665, 57);
    for (int tag = 1; tag <= kDrawEntries; ++tag) {
        QComboBox *box = makeNumberBox(m_drawGroup, tag, QRect(kBoxLefts[tag], 25, 47, 21));
        if (tag >= 8) {
            QPalette red = box->palette();
            red.setColor(QPalette::Text, Qt::red);
            red.setColor(QPalette::ButtonText, Qt::red);
            box->setPalette(red);
            box->lineEdit()->setPalette(red);
        }
        m_drawBoxes[size_t(tag)] = box;
    }
    m_compareButton
        = makePictureButton(m_drawGroup, "bvoir", QStyle::SP_FileDialogContentsView, QRect(472, 9, 145, 41));
    m_compareButton->setProperty("Tag", 0);

    m_results = new ComparisonTableModel(this);
    m_grid = new BoardTableView(m_results, this);
    m_grid->setObjectName(QStringLiteral("grillecomb"));
    m_grid->setGeometry(16, 105, 481, 257);

    m_resultGroup = new QGroupBox(this);
    m_resultGroup->setObjectName(QStringLiteral("GroupBox2"));
    m_resultGroup->setGeometry(504, 105, 177, 257);
    m_summaryLabel = new QLabel(m_resultGroup);
    m_summaryLabel->setObjectName(QStringLiteral("laffresul"));
    m_summaryLabel->setGeometry(16, 24, 145, 209);
    m_summaryLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summaryLabel->setAutoFillBackground(true);
    QPalette white = m_summaryLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_summaryLabel->setPalette(white);

    m_closeButton = makePictureButton(this, "bquit", QStyle::SP_DialogCloseButton, QRect(531, 364, 147, 56));

    connectClick(m_compareButton, this, &CompareDialog::compareWithDraw);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

// The draw boxes start afresh each time the window is opened; a message box closing
// over the window activates it again and must not wipe what the player typed.
void CompareDialog::onShown()
{
    const QStringList items = boxItems();
    for (int tag = 1; tag <= kDrawEntries; ++tag) {
        QComboBox *box = m_drawBoxes[size_t(tag)];
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(0);
    }
    m_drawBoxes[9]->setEditText(QString());
}

void CompareDialog::onActivated()
{
    setTitle(text(Msg::CompareTitle));
    m_drawGroup->setTitle(text(Msg::DrawNumbersGroup));
    m_compareButton->setText(text(Msg::View));
    // Set as designed, though this button shows no hint.
    m_compareButton->setProperty("hint", text(Msg::ViewResultsHint));
    m_closeButton->setText(text(Msg::Quit));
    m_closeButton->setToolTip(text(Msg::CloseWindowHint));
    m_resultGroup->setTitle(text(Msg::Results));
    // A screen reader would otherwise name each box by the number it shows.
    for (int tag = 1; tag <= kDrawEntries; ++tag) {
        m_drawBoxes[size_t(tag)]->setAccessibleName(tag <= kMainDrawEntries
                ? tr("Drawn number %1").arg(tag)
                : tr("Bonus number %1").arg(tag - kMainDrawEntries));
    }
}

void CompareDialog::compareWithDraw()
{
    QStringList texts;
    for (int tag = 1; tag <= kDrawEntries; ++tag)
        texts.append(m_drawBoxes[size_t(tag)]->currentText());
    DrawState &draw = m_session.draw;
    readDraw(texts, draw);
    if (!drawIsDistinct(draw)) {
        platform().prompts->message(
            text(Msg::BadDrawNumbers), text(Msg::ProblemAlert), Prompts::Buttons::Ok, Prompts::Icon::None);
        return;
    }

    const BusyCursor busy;
    const QString bonusWord = text(Msg::BonusWord);
    m_results->setComparison(
        compareBoards(m_session.boards, m_session.selection, draw, bonusWord), text(Msg::BoardHeader));

    m_summary = summaryText(draw, text(Msg::NumbersWord), bonusWord);
    // The label breaks lines on line feeds; the summary ends each line with a carriage return.
    QString shown = m_summary;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_summaryLabel->setText(shown);
}
