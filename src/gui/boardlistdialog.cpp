#include "gui/boardlistdialog.h"

#include "gui/application.h"
#include "core/errors.h"
#include "core/text/messages.h"
#include "core/platform.h"
#include "gui/stringgrid.h"
#include "core/wheels/boardlist.h"
#include "core/tickets/listprint.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace quillon;

BoardListDialog::BoardListDialog(QWidget *parent)
    : DialogFrame(parent, 671, 353)
{
    setObjectName(QStringLiteral("fresultatcomb"));

    Image1 = makePicture(
        QRect(8, 8, 57, 33), style()->standardIcon(QStyle::SP_FileDialogListView).pixmap(33, 31));

    labtitre->move(72, 8);

    grillecomb = new StringGrid(this);
    grillecomb->setObjectName(QStringLiteral("grillecomb"));
    grillecomb->setGeometry(0, 46, 393, 257);
    grillecomb->setDrawCell([this](QPainter &painter, int col, int row, const QRect &rect, int state) {
        grillecombDrawCell(painter, col, row, rect, state);
    });

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(408, 46, 249, 49);
    lnbtickets = new QLabel(GroupBox1);
    lnbtickets->setObjectName(QStringLiteral("lnbtickets"));
    lnbtickets->setGeometry(8, 16, 105, 25);
    lnbtickets->setFont(designFont(QStringLiteral("MS Sans Serif"), 16, true));
    lnbtickets->setAutoFillBackground(true);
    QPalette white = lnbtickets->palette();
    white.setColor(QPalette::Window, Qt::white);
    lnbtickets->setPalette(white);

    bimprime = makePictureButton(this, "bimprime", QStyle::SP_FileIcon, QRect(361, 308, 129, 40));
    bquit = makePictureButton(this, "bquit", QStyle::SP_DialogCloseButton, QRect(525, 308, 138, 38));

    connectClick(bimprime, this, &BoardListDialog::bimprimeClick);
    connectClick(bquit, this, &BoardListDialog::bquitClick);
}

void BoardListDialog::onActivated()
{
    setTitle(messageText(Msg::BoardListTitle));
    bimprime->setText(messageText(Msg::Print));
    // The print button's hint is set but, as designed, never shown.
    bimprime->setProperty("hint", messageText(Msg::PrintListHint));
    bquit->setText(messageText(Msg::Quit));
    bquit->setToolTip(messageText(Msg::CloseWindowHint));
    GroupBox1->setTitle(messageText(Msg::BoardCountGroup));

    const BoardList &list = boardList();
    const int g = list.boardCount;
    const int n = list.boardSize;
    grillecomb->setColCount(n + 1);
    grillecomb->setColWidth(0, 60);
    for (int j = 1; j <= n; ++j)
        grillecomb->setColWidth(j, 40);
    grillecomb->setRowCount(g + 1);
    grillecomb->setCell(0, 0, messageText(Msg::BoardHeader));
    for (int j = 1; j <= n; ++j)
        grillecomb->setCell(j, 0, QString());
    lnbtickets->setText(QString::number(g));

    for (int i = 1; i <= g; ++i) {
        grillecomb->setCell(0, i, QString::number(i));
        const QByteArray &board = list.boards.at(i);
        for (int j = 1; j <= n; ++j)
            grillecomb->setCell(j, i, QString::number(numberAt(board, j)));
    }
}

void BoardListDialog::grillecombDrawCell(QPainter &painter, int col, int row, const QRect &rect, int state)
{
    paintBoardCell(painter, *grillecomb, col, row, rect, state);
}

void BoardListDialog::bimprimeClick()
{
    if (!platform().openDefaultPrinter)
        throw QuillonError(QStringLiteral("No printer is installed."));
    BusyCursor busy;
    const std::unique_ptr<PrintDevice> printer = platform().openDefaultPrinter();
    printBoardList(*printer, boardList(), messageText(Msg::BoardListTitle));
}

void BoardListDialog::bquitClick()
{
    close();
}
