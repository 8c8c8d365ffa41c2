// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow.h"

#include "core/files/export.h"
#include "core/files/gamefile.h"
#include "core/files/settingsfile.h"
#include "core/platform.h"
#include "core/session.h"
#include "core/text/displaynames.h"
#include "core/text/keyfilters.h"
#include "core/text/messages.h"
#include "core/tickets/tickettypes.h"
#include "core/wheels/boardlist.h"
#include "core/wheels/selection.h"
#include "gui/aboutdialog.h"
#include "gui/boardlistdialog.h"
#include "gui/busycursor.h"
#include "gui/comparedialog.h"
#include "gui/designfont.h"
#include "gui/errorhandler.h"
#include "gui/gradientbackground.h"
#include "gui/groupboxstyle.h"
#include "gui/helppage.h"
#include "gui/numberbox.h"
#include "gui/picturebutton.h"
#include "gui/settingsdialog.h"
#include "gui/systemanalysisdialog.h"
#include "gui/ticketprintdialog.h"
#include "gui/wheelguard.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <optional>

using namespace quillon;

namespace {

constexpr int kBoxLefts[10] = { 16, 79, 142, 205, 268, 332, 395, 458, 521, 573 };
constexpr int kBoxTops[4] = { 13, 36, 57, 80 };

// A small printer, for the ticket printing command (the widget styles have none).
QIcon printerIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10)); // sheet going in
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2); // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 19, 16, 10)); // printed ticket
    painter.setPen(QPen(QColor(200, 0, 0), 1.5));
    painter.drawLine(QPointF(11, 22), QPointF(14, 26));
    painter.drawLine(QPointF(14, 22), QPointF(11, 26));
    painter.drawLine(QPointF(18, 22), QPointF(21, 26));
    painter.drawLine(QPointF(21, 22), QPointF(18, 26));
    return QIcon(pixmap);
}

// The product logo: the name in a bold serif, drawn on a transparent 230 × 50 bitmap.
QPixmap makeLogo()
{
    QPixmap logo(230, 50);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(40);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 96, 96, 90));
    painter.drawText(logo.rect().translated(2, 2), Qt::AlignCenter, QStringLiteral("Quillon"));
    painter.setPen(QColor(0, 128, 128));
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Quillon"));
    return logo;
}

Prompts::FileDialog gameFileDialog(const QString &title, bool fileMustExist, const QString &initialPath)
{
    Prompts::FileDialog dialog;
    dialog.title = title;
    dialog.filterName = QStringLiteral("Quillon (*.qz)");
    dialog.filterPattern = QStringLiteral("*.qz");
    dialog.defaultSuffix = QStringLiteral("qz");
    dialog.initialPath = initialPath;
    dialog.fileMustExist = fileMustExist;
    return dialog;
}

// The message that tells the player why a game file did not load; none when it did.
std::optional<Msg> loadFailureMessage(GameLoadResult result)
{
    switch (result) {
    case GameLoadResult::Loaded:
        return std::nullopt;
    case GameLoadResult::Missing:
        return Msg::FileMissing;
    case GameLoadResult::ReadFailed:
        return Msg::ReadFailed;
    case GameLoadResult::NotAGameFile:
        return Msg::NotAGameFile;
    }
    return Msg::ReadFailed;
}

} // namespace

MainWindow::MainWindow(Session &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("fprincip"));
    setWindowTitle(QStringLiteral("Quillon"));
    setFixedSize(701, 419);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 11));
    applyGroupBoxStyle(this);

    m_background = new GradientBackground(this);
    m_background->setObjectName(QStringLiteral("DegradeClass1"));
    m_background->setStartColor(kWindowStartColor);
    m_background->setEndColor(kWindowEndColor);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setGeometry(200, 8, 241, 57);
    m_logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_infoPanel = new QLabel(QStringLiteral("QUILLON"), this);
    m_infoPanel->setObjectName(QStringLiteral("panelinfo"));
    m_infoPanel->setGeometry(2, 400, 696, 16);
    m_infoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_infoPanel->setAlignment(Qt::AlignCenter);
    m_infoPanel->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));

    m_aboutButton
        = makePictureButton(this, "binfos", QStyle::SP_MessageBoxInformation, QRect(5, 7, 73, 42), 20);
    m_settingsButton
        = makePictureButton(this, "bparametre", QStyle::SP_FileDialogDetailedView, QRect(79, 7, 108, 42), 20);
    m_helpButton
        = makePictureButton(this, "baidegene", QStyle::SP_MessageBoxQuestion, QRect(587, 7, 109, 42), 20);
    m_saveGameButton
        = makePictureButton(this, "brengjeu", QStyle::SP_DialogSaveButton, QRect(13, 69, 124, 44), 20);
    m_loadGameButton
        = makePictureButton(this, "bchargejeu", QStyle::SP_DialogOpenButton, QRect(149, 69, 124, 44), 20);

    m_systemGroup = new QGroupBox(this);
    m_systemGroup->setObjectName(QStringLiteral("groupsysteme"));
    m_systemGroup->setGeometry(10, 120, 639, 45);
    m_systemList = new QComboBox(m_systemGroup);
    m_systemList->setObjectName(QStringLiteral("clistesystemes"));
    m_systemList->setGeometry(6, 16, 627, 21);
    m_systemList->setEditable(false);
    m_systemList->setMaxVisibleItems(20);
    ignoreWheelUnlessFocused(m_systemList);

    m_numberGroup = new QGroupBox(this);
    m_numberGroup->setObjectName(QStringLiteral("gnumeros"));
    m_numberGroup->setGeometry(8, 171, 641, 110);
    m_numberGroup->setFont(designFont(QStringLiteral("Times New Roman"), 13));
    const QFont boxFont = designFont(QStringLiteral("Microsoft Sans Serif"), 11);
    for (int tag = 1; tag <= kBoxCount; ++tag) {
        QComboBox *box = makeNumberBox(
            m_numberGroup, tag, QRect(kBoxLefts[(tag - 1) % 10], kBoxTops[(tag - 1) / 10], 47, 21), boxFont);
        m_numberBoxes[size_t(tag)] = box;
    }

    m_viewBoardsButton = makePictureButton(
        this, "bvoirtick", QStyle::SP_FileDialogContentsView, QRect(19, 287, 157, 46), 20);
    m_printTicketsButton
        = makePictureButton(this, "bimprimetickets", QStyle::SP_FileIcon, QRect(178, 287, 157, 46), 20);
    m_printTicketsButton->setIcon(printerIcon());
    m_exportButton
        = makePictureButton(this, "bgenerefichier", QStyle::SP_DriveFDIcon, QRect(337, 287, 157, 46), 20);
    m_compareButton
        = makePictureButton(this, "bcompar", QStyle::SP_BrowserReload, QRect(497, 287, 156, 46), 20);
    // In the free space under the first command, where no described control lies.
    m_analysisButton
        = makePictureButton(this, "banalyse", QStyle::SP_FileDialogInfoView, QRect(19, 344, 157, 46), 20);
    m_quitButton
        = makePictureButton(this, "bquit", QStyle::SP_DialogCloseButton, QRect(488, 344, 210, 49), 20);
    m_quitButton->setIconSize(QSize(24, 24));

    addHelpKey(this, session);
    connectClick(m_aboutButton, this, &MainWindow::showAbout);
    connectClick(m_settingsButton, this, &MainWindow::showSettings);
    connectClick(m_helpButton, this, &MainWindow::showHelp);
    connectClick(m_saveGameButton, this, &MainWindow::saveGame);
    connectClick(m_loadGameButton, this, &MainWindow::loadGame);
    connectClick(m_viewBoardsButton, this, &MainWindow::showBoards);
    connectClick(m_printTicketsButton, this, &MainWindow::printTickets);
    connectClick(m_exportButton, this, &MainWindow::exportBoards);
    connectClick(m_compareButton, this, &MainWindow::compareWithDraw);
    connectClick(m_analysisButton, this, &MainWindow::showAnalysis);
    auto *analysisKey = new QShortcut(kAnalysisKey, this);
    connect(analysisKey, &QShortcut::activated, this, [this] { runGuarded([this] { showAnalysis(); }); });
    connectClick(m_quitButton, this, &MainWindow::quit);
    // Only the player's own pick runs the change action: the fill and a game load
    // select items programmatically, which does not emit `activated`.
    connect(m_systemList, &QComboBox::activated, this, [this] { runGuarded([this] { onSystemPicked(); }); });
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        runGuarded([this] { onActivated(); });
    return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_startupPending && screen())
        move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    // Without a window manager nothing activates a new window; ask for it, since the
    // one-time initialisation waits for the first activation.
    activateWindow();
}

void MainWindow::createSecondaryWindows()
{
    if (m_boardListDialog)
        return;
    m_boardListDialog = new BoardListDialog(m_session, this);
    m_compareDialog = new CompareDialog(m_session, this);
    m_aboutDialog = new AboutDialog(m_session, this);
    m_settingsDialog = new SettingsDialog(m_session, this);
    m_ticketPrintDialog = new TicketPrintDialog(m_session, this);
    m_analysisDialog = new SystemAnalysisDialog(m_session, this);
    connect(m_boardListDialog, &BoardListDialog::analysisRequested, this,
        [this] { runGuarded([this] { m_analysisDialog->exec(); }); });
}

void MainWindow::onActivated()
{
    if (m_startupPending) {
        // Drawing the logo loads its font, as long as the rest of the window's making.
        m_logo->setPixmap(makeLogo());
        createSecondaryWindows();
        initialiseLanguageAndSettings(m_session);
        fillSystemList();
        fillBoxes();
    }
    applyCaptions();
    if (m_startupPending) {
        m_startupPending = false;
        applySelectionBoxRule();
    }
}

void MainWindow::showModal(QDialog *dialog)
{
    dialog->exec();
    // Window managers hand the focus back on their own; where none does, ask for it.
    if (isVisible() && !isActiveWindow())
        activateWindow();
}

void MainWindow::fillSystemList()
{
    m_systemList->clear();
    m_listLanguage = m_session.language();
    for (const SystemListItem &item : systemListItems(m_session.texts()))
        m_systemList->addItem(item.text, item.index);
    m_systemList->setCurrentIndex(m_systemList->count() > 0 ? 0 : -1);
}

void MainWindow::fillBoxes()
{
    const QStringList items = boxItems();
    for (int tag = 1; tag <= kBoxCount; ++tag) {
        m_numberBoxes[size_t(tag)]->clear();
        m_numberBoxes[size_t(tag)]->addItems(items);
        m_numberBoxes[size_t(tag)]->setCurrentIndex(0);
    }
}

int MainWindow::selectedSystem() const
{
    bool ok = false;
    const int index = m_systemList->currentData().toInt(&ok);
    return ok ? index : -1;
}

void MainWindow::selectSystemByIndex(int n)
{
    const int item = m_systemList->findData(n);
    m_systemList->setCurrentIndex(item >= 0 ? item : (m_systemList->count() > 0 ? 0 : -1));
}

QStringList MainWindow::boxTexts() const
{
    QStringList texts;
    for (int tag = 1; tag <= kBoxCount; ++tag)
        texts.append(m_numberBoxes[size_t(tag)]->currentText());
    return texts;
}

void MainWindow::readBoxes()
{
    readSelection(boxTexts(), m_session.selection);
}

void MainWindow::showNumberInBox(int n, int tag)
{
    if (tag < 1 || tag > kBoxCount)
        return;
    QComboBox *box = m_numberBoxes[size_t(tag)];
    if (n >= 1 && n <= box->count()) {
        box->setCurrentIndex(n - 1);
    } else {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

void MainWindow::takeSelectedSystem()
{
    const int system = selectedSystem();
    if (system != m_session.wheel.catalogueIndex())
        m_session.wheel = system >= 1 ? Wheel::fromCatalogue(system) : Wheel();
}

void MainWindow::applySelectionBoxRule()
{
    takeSelectedSystem();
    if (m_session.wheel.catalogueIndex() < 1)
        return;
    for (int tag = 1; tag <= kBoxCount; ++tag)
        m_numberBoxes[size_t(tag)]->setVisible(boxVisible(tag, m_session.wheel));
}

void MainWindow::applyCaptions()
{
    m_qtTranslations.use(m_session.language());
    // A screen reader would otherwise name each box by the number it shows.
    for (int tag = 1; tag <= kBoxCount; ++tag)
        m_numberBoxes[size_t(tag)]->setAccessibleName(tr("Number %1").arg(tag));
    if (m_systemList->count() > 0 && m_listLanguage != m_session.language()) {
        const int system = selectedSystem();
        fillSystemList();
        selectSystemByIndex(system);
    }

    struct Caption {
        QWidget *control;
        Msg caption;
        std::optional<Msg> hint;
        bool tooltip;
    };
    const Caption captions[] = {
        { m_aboutButton, Msg::Infos, Msg::InfosHint, true },
        { m_settingsButton, Msg::Settings, Msg::SettingsHint, true },
        { m_viewBoardsButton, Msg::ViewBoards, Msg::ViewBoardsHint, false },
        { m_printTicketsButton, Msg::PrintTickets, Msg::PrintTicketsHint, false },
        { m_exportButton, Msg::ExportBoards, Msg::ExportBoardsHint, false },
        { m_compareButton, Msg::CompareWithDraw, Msg::CompareWithDrawHint, false },
        { m_helpButton, Msg::Help, Msg::HelpHint, true },
        { m_numberGroup, Msg::PickNumbersGroup, std::nullopt, false },
        { m_saveGameButton, Msg::SaveGame, std::nullopt, false },
        { m_loadGameButton, Msg::LoadGame, std::nullopt, false },
        { m_quitButton, Msg::Quit, Msg::QuitHint, true },
        { m_systemGroup, Msg::PickSystemGroup, std::nullopt, false },
    };
    m_analysisButton->setText(SystemAnalysisDialog::tr("System analysis"));
    m_analysisButton->setToolTip(
        SystemAnalysisDialog::tr("The guarantee proven, the coverage and the chances of the system (%1)")
            .arg(QKeySequence(kAnalysisKey).toString(QKeySequence::NativeText)));
    for (const Caption &entry : captions) {
        const QString text = m_session.text(entry.caption);
        if (auto *button = qobject_cast<QPushButton *>(entry.control))
            button->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(entry.control))
            group->setTitle(text);
        if (entry.hint) {
            const QString hint = m_session.text(*entry.hint);
            entry.control->setProperty("hint", hint);
            entry.control->setToolTip(entry.tooltip ? hint : QString());
        }
    }
}

void MainWindow::onSystemPicked()
{
    applySelectionBoxRule();
}

void MainWindow::showAbout()
{
    createSecondaryWindows();
    showModal(m_aboutDialog);
}

void MainWindow::showSettings()
{
    createSecondaryWindows();
    showModal(m_settingsDialog);
}

void MainWindow::showHelp()
{
    openHelpPage(m_session);
}

void MainWindow::saveGame()
{
    const QString lastName = withSuffix(m_saveFileName, QStringLiteral("qz"));
    const QString path = chooseSaveFile(gameFileDialog(m_session.text(Msg::SaveGameTitle), false, lastName),
        Msg::OverwriteGameQuestion, Msg::GameFileExists);
    if (path.isEmpty())
        return;
    Prompts &prompts = *platform().prompts;
    fillGameRecord(m_session.game, m_session.selection, selectedSystem(), boxTexts());
    m_session.game.setSmallestTable(
        m_session.wheel.isSmallestTable() && m_session.wheel.catalogueIndex() == selectedSystem());
    if (!writeGameFile(path, m_session.game)) {
        prompts.beep();
        prompts.message(m_session.text(Msg::WriteFailed), m_session.text(Msg::ProblemAlert),
            Prompts::Buttons::Ok, Prompts::Icon::Warning);
    }
}

void MainWindow::loadGame()
{
    Prompts &prompts = *platform().prompts;
    const QString path
        = prompts.openFileName(gameFileDialog(m_session.text(Msg::LoadGameTitle), true, m_openFileName));
    if (path.isEmpty())
        return;
    m_openFileName = path;
    const std::optional<Msg> failure = loadFailureMessage(readGameFile(path, m_session.game));
    if (failure) {
        prompts.message(m_session.text(*failure), m_session.text(Msg::ProblemAlert), Prompts::Buttons::Ok,
            Prompts::Icon::Warning);
        return;
    }
    const GameRecord &record = m_session.game;
    selectSystemByIndex(record.systemIndex());
    for (int k = 1; k <= kGameNumberCount; ++k)
        showNumberInBox(record.number(k), k);
    applySelectionBoxRule();
    if (selectedSystem() >= 1)
        m_session.wheel = Wheel::fromCatalogue(
            selectedSystem(), record.usesSmallestTable() ? Wheel::Table::Smallest : Wheel::Table::Catalogue);
}

bool MainWindow::generateBoards(bool showBusy)
{
    takeSelectedSystem();
    if (m_session.wheel.isEmpty())
        return false;
    readBoxes();
    // Busy while generating; the window opened next gets the normal pointer.
    std::optional<BusyCursor> busy;
    if (showBusy)
        busy.emplace();
    generate(m_session.wheel, m_session.boards);
    return true;
}

QString MainWindow::chooseSaveFile(const Prompts::FileDialog &dialog, Msg question, Msg caption)
{
    Prompts &prompts = *platform().prompts;
    const QString chosen = prompts.saveFileName(dialog);
    if (chosen.isEmpty())
        return {};
    const QString path = withDefaultSuffix(chosen, dialog.defaultSuffix);
    m_saveFileName = path;
    if (QFileInfo::exists(path)
        && prompts.message(m_session.text(question), m_session.text(caption), Prompts::Buttons::YesNo,
               Prompts::Icon::Question)
            != Prompts::Answer::Yes)
        return {};
    return path;
}

void MainWindow::showBoards()
{
    if (generateBoards(true)) {
        createSecondaryWindows();
        showModal(m_boardListDialog);
    }
}

void MainWindow::printTickets()
{
    if (generateBoards(true)) {
        createSecondaryWindows();
        showModal(m_ticketPrintDialog);
    }
}

void MainWindow::exportBoards()
{
    if (!generateBoards(false))
        return;

    Prompts::FileDialog dialog;
    dialog.title = m_session.text(Msg::ExportTitle);
    dialog.filterName = QStringLiteral("text (*.txt)");
    dialog.filterPattern = QStringLiteral("*.txt");
    dialog.defaultSuffix = QStringLiteral("txt");
    dialog.initialPath = withSuffix(m_saveFileName, dialog.defaultSuffix);
    const QString path = chooseSaveFile(dialog, Msg::OverwriteExportQuestion, Msg::ExportFileExists);
    if (path.isEmpty())
        return;

    BusyCursor busy;
    quillon::exportBoards(m_session.boards, m_session.selection, path);
}

void MainWindow::compareWithDraw()
{
    if (generateBoards(false)) {
        createSecondaryWindows();
        showModal(m_compareDialog);
    }
}

void MainWindow::showAnalysis()
{
    createSecondaryWindows();
    takeSelectedSystem();
    readBoxes();
    if (!m_session.wheel.isEmpty())
        generate(m_session.wheel, m_session.boards);
    showModal(m_analysisDialog);
}

void MainWindow::quit()
{
    if (!writeSettingsFile(m_session.settings, settingsFilePath(m_session.programFolder))) {
        Prompts &prompts = *platform().prompts;
        prompts.beep();
        prompts.message(settingsWriteFailureText(), settingsWriteFailureCaption(), Prompts::Buttons::Ok,
            Prompts::Icon::Warning);
    }
    close();
}
