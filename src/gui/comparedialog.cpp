#include "gui/comparedialog.h"

#include "gui/application.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "core/platform.h"
#include "gui/stringgrid.h"
#include "core/draw/rating.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"

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

} // namespace

CompareDialog::CompareDialog(QWidget *parent)
    : DialogFrame(parent, 687, 429)
{
    setObjectName(QStringLiteral("fcompare"));

    Image1 = makePicture(
        QRect(8, 0, 89, 41), style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32));

    labtitre->move(104, 8);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 41, 665, 57);
    for (int tag = 1; tag <= kDrawEntries; ++tag) {
        QComboBox *box = makeNumberBox(GroupBox1, tag, QRect(kBoxLefts[tag], 25, 47, 21));
        if (tag >= 8) {
            QPalette red = box->palette();
            red.setColor(QPalette::Text, Qt::red);
            red.setColor(QPalette::ButtonText, Qt::red);
            box->setPalette(red);
            box->lineEdit()->setPalette(red);
        }
        c[size_t(tag)] = box;
    }
    bvoir = makePictureButton(GroupBox1, "bvoir", QStyle::SP_FileDialogContentsView, QRect(472, 9, 145, 41));
    bvoir->setProperty("Tag", 0);

    grillecomb = new StringGrid(this);
    grillecomb->setObjectName(QStringLiteral("grillecomb"));
    grillecomb->setGeometry(16, 105, 481, 257);
    grillecomb->setDrawCell([this](QPainter &painter, int col, int row, const QRect &rect, int state) {
        grillecombDrawCell(painter, col, row, rect, state);
    });

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(504, 105, 177, 257);
    laffresul = new QLabel(GroupBox2);
    laffresul->setObjectName(QStringLiteral("laffresul"));
    laffresul->setGeometry(16, 24, 145, 209);
    laffresul->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    laffresul->setAutoFillBackground(true);
    QPalette white = laffresul->palette();
    white.setColor(QPalette::Window, Qt::white);
    laffresul->setPalette(white);

    bquit = makePictureButton(this, "bquit", QStyle::SP_DialogCloseButton, QRect(531, 364, 147, 56));

    connectClick(bvoir, this, &CompareDialog::bvoirClick);
    connectClick(bquit, this, &CompareDialog::bquitClick);
}

// The draw boxes start afresh each time the window is opened; a message box closing
// over the window activates it again and must not wipe what the player typed.
void CompareDialog::onShown()
{
    const QStringList items = boxItems();
    for (int tag = 1; tag <= kDrawEntries; ++tag) {
        QComboBox *box = c[size_t(tag)];
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(0);
    }
    c[9]->setEditText(QString());
}

void CompareDialog::onActivated()
{
    setTitle(messageText(Msg::CompareTitle));
    GroupBox1->setTitle(messageText(Msg::DrawNumbersGroup));
    bvoir->setText(messageText(Msg::View));
    // Set as designed, though this button shows no hint.
    bvoir->setProperty("hint", messageText(Msg::ViewResultsHint));
    bquit->setText(messageText(Msg::Quit));
    bquit->setToolTip(messageText(Msg::CloseWindowHint));
    GroupBox2->setTitle(messageText(Msg::Results));
}

void CompareDialog::bvoirClick()
{
    QStringList texts;
    for (QObject *child : GroupBox1->children()) {
        const int tag = child->property("Tag").toInt();
        if (auto *box = qobject_cast<QComboBox *>(child); box && tag >= 1 && tag <= kDrawEntries) {
            while (texts.size() < tag)
                texts.append(QString());
            texts[tag - 1] = box->currentText();
        }
    }
    DrawState &draw = drawState();
    readDraw(texts, draw);
    if (!drawIsDistinct(draw)) {
        platform().prompts->message(
            messageText(Msg::BadDrawNumbers), messageText(Msg::ProblemAlert), Prompts::Buttons::Ok, Prompts::Icon::None);
        return;
    }

    const BusyCursor busy;
    const QString bonusWord = messageText(Msg::BonusWord);
    const Comparison result = compareBoards(boardList(), draw, bonusWord);
    const int g = result.boardCount;
    const int s = result.boardSize;

    grillecomb->setColCount(s + 2);
    grillecomb->setColWidth(0, 60);
    for (int p = 1; p <= s; ++p)
        grillecomb->setColWidth(p, 40);
    grillecomb->setColWidth(s + 1, 100);
    grillecomb->setRowCount(g >= 2 ? g + 1 : 2);
    grillecomb->setCell(0, 0, messageText(Msg::BoardHeader));
    for (int p = 1; p <= s; ++p)
        grillecomb->setCell(p, 0, QString());
    for (int r = 1; r <= g; ++r) {
        grillecomb->setCell(0, r, QString::number(r));
        const qint32 *numbers = result.numbers.constData() + qsizetype(r - 1) * s;
        for (int p = 1; p <= s; ++p)
            grillecomb->setCell(p, r, QString::number(numbers[p - 1]));
        grillecomb->setCell(s + 1, r, result.results.at(r - 1));
    }

    m_summary = summaryText(draw, messageText(Msg::NumbersWord), bonusWord);
    // The label breaks lines on line feeds; the summary ends each line with a carriage return.
    QString shown = m_summary;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    laffresul->setText(shown);
}

void CompareDialog::grillecombDrawCell(QPainter &painter, int col, int row, const QRect &rect, int state)
{
    paintBoardCell(painter, *grillecomb, col, row, rect, state);
}

void CompareDialog::bquitClick()
{
    close();
}
