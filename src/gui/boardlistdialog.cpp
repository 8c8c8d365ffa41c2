// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/boardlistdialog.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/text/messages.h"
#include "core/tickets/listprint.h"
#include "core/tickets/printorpdf.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "gui/boardtablemodel.h"
#include "gui/boardtableview.h"
#include "gui/busycursor.h"
#include "gui/designfont.h"
#include "gui/errorhandler.h"
#include "gui/picturebutton.h"
#include "gui/systemanalysisdialog.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

using namespace quillon;

BoardListDialog::BoardListDialog(Session &session, QWidget *parent)
    : DialogFrame(session, parent, 671, 353)
{
    setObjectName(QStringLiteral("fresultatcomb"));

    m_picture = makeHeading("Image1", QRect(8, 8, 57, 33),
        style()->standardIcon(QStyle::SP_FileDialogListView).pixmap(33, 31), 72);

    m_boards = new BoardTableModel(this);
    m_grid = new BoardTableView(m_boards, this);
    m_grid->setObjectName(QStringLiteral("grillecomb"));
    m_grid->setGeometry(0, 46, 393, 257);

    m_countGroup = new QGroupBox(this);
    m_countGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_countGroup->setGeometry(408, 46, 249, 49);
    m_boardCount = new QLabel(m_countGroup);
    m_boardCount->setObjectName(QStringLiteral("lnbtickets"));
    m_boardCount->setGeometry(8, 16, 105, 25);
    m_boardCount->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    m_boardCount->setAutoFillBackground(true);
    QPalette white = m_boardCount->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_boardCount->setPalette(white);

    // In the free space under the count, where no described control lies.
    m_analysisButton
        = makePictureButton(this, "banalyse", QStyle::SP_FileDialogInfoView, QRect(408, 110, 249, 40));
    connect(m_analysisButton, &QPushButton::clicked, this, &BoardListDialog::analysisRequested);
    connect(
        new QShortcut(kAnalysisKey, this), &QShortcut::activated, this, &BoardListDialog::analysisRequested);
    m_printButton = makePictureButton(this, "bimprime", QStyle::SP_FileIcon, QRect(361, 308, 129, 40));
    m_closeButton = makePictureButton(this, "bquit", QStyle::SP_DialogCloseButton, QRect(525, 308, 138, 38));

    connectClick(m_printButton, this, &BoardListDialog::printList);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void BoardListDialog::onActivated()
{
    // Which table is in play, when it is not the catalogue's.
    setTitle(m_session.wheel.isSmallestTable()
            ? SystemAnalysisDialog::tr("%1 — smallest table").arg(text(Msg::BoardListTitle))
            : text(Msg::BoardListTitle));
    m_analysisButton->setText(SystemAnalysisDialog::tr("System analysis"));
    m_printButton->setText(text(Msg::Print));
    // The print button's hint is set but, as designed, never shown.
    m_printButton->setProperty("hint", text(Msg::PrintListHint));
    m_closeButton->setText(text(Msg::Quit));
    m_closeButton->setToolTip(text(Msg::CloseWindowHint));
    m_countGroup->setTitle(text(Msg::BoardCountGroup));

    const BoardList &list = m_session.boards;
    m_boards->setBoards(boardNumbers(list, m_session.selection), list.boardSize, text(Msg::BoardHeader));
    m_boardCount->setText(QString::number(list.boardCount));
}

void BoardListDialog::printList()
{
    printOrSaveAsPdf(m_session.texts(), PdfFileSplit::OneFile, [this](PrintDevice &device, bool) {
        BusyCursor busy;
        printBoardList(device, m_session.boards, m_session.selection, text(Msg::BoardListTitle));
    });
}
