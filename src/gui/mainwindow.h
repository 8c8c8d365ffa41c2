// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow, the main window: the system list, the forty number boxes and a button
// for every command. It holds what the player typed (chosen system, box texts); each
// command reads that into the session, calls the logic in core and shows the result
// in a secondary window, a file or on the printer.
#pragma once

#include "core/platform.h"
#include "core/text/messages.h"
#include "gui/qttranslations.h"

#include <QWidget>
#include <array>

class AboutDialog;
class BoardListDialog;
class CompareDialog;
class SettingsDialog;
class SystemAnalysisDialog;
class TicketPrintDialog;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class GradientBackground;

namespace quillon {
struct Session;
}

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Creates the window and its five secondary windows, all working on the session.
    explicit MainWindow(quillon::Session &session, QWidget *parent = nullptr);

    // The catalogue index of the selected system, or -1.
    int selectedSystem() const;
    // Selects the item carrying index n, or the top item when none carries it;
    // does not run the list's change action.
    void selectSystemByIndex(int n);
    // The texts of c1 … c40, in order.
    QStringList boxTexts() const;
    // Reads c1 … c40 into the session's selected-number slots.
    void readBoxes();
    // Box t shows n; a number outside 1 … 50 leaves it empty.
    void showNumberInBox(int n, int tag);
    // The system shown in the list becomes the session's wheel, unless it already is.
    void takeSelectedSystem();
    // Shows exactly the boxes c1 … cM of the selected system.
    void applySelectionBoxRule();
    // Sets the language-dependent captions and hints, Qt's own texts, and the system
    // list's names when the language changed since the list was filled, keeping the
    // selected system.
    void applyCaptions();

    bool startupPending() const { return m_startupPending; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    // The player picked a system in the list.
    void onSystemPicked();
    // The commands, one per button.
    void showAbout();
    void showSettings();
    void showHelp();
    void saveGame();
    void loadGame();
    void showBoards();
    void printTickets();
    void exportBoards();
    void compareWithDraw();
    void showAnalysis();
    void quit();

private:
    // The one-time initialisation at the first activation, then the captions.
    void onActivated();
    // Reads the boxes and expands the selected system into the board list, under the
    // busy pointer when asked; false when the system has no wheel table.
    bool generateBoards(bool showBusy);
    // Runs the shared save dialog and, for an existing file, the overwrite question
    // with the given texts; the chosen path, or empty when the player backed out.
    QString chooseSaveFile(
        const quillon::Prompts::FileDialog &dialog, quillon::Msg question, quillon::Msg caption);
    // Shows a secondary window modally; when it closes the main window is active
    // again and re-applies its captions.
    void showModal(QDialog *dialog);
    // Makes the secondary windows, once: after the main window is on the screen, so
    // that their making does not hold up its first appearance.
    void createSecondaryWindows();
    void fillSystemList();
    void fillBoxes();

    quillon::Session &m_session;

    // Object names, as tests and the pictures find them: fprincip's DegradeClass1,
    // Image1, panelinfo, binfos, bparametre, baidegene, brengjeu, bchargejeu,
    // groupsysteme, clistesystemes, gnumeros, c1 … c40, bvoirtick, bimprimetickets,
    // bgenerefichier, bcompar, banalyse, bquit.
    GradientBackground *m_background;
    QLabel *m_logo;
    QLabel *m_infoPanel;
    QPushButton *m_aboutButton;
    QPushButton *m_settingsButton;
    QPushButton *m_helpButton;
    QPushButton *m_saveGameButton;
    QPushButton *m_loadGameButton;
    QGroupBox *m_systemGroup;
    QComboBox *m_systemList;
    QGroupBox *m_numberGroup;
    std::array<QComboBox *, 41> m_numberBoxes {}; // c1 … c40 at [1] … [40]; [0] unused
    QPushButton *m_viewBoardsButton;
    QPushButton *m_printTicketsButton;
    QPushButton *m_exportButton;
    QPushButton *m_compareButton;
    QPushButton *m_analysisButton;
    QPushButton *m_quitButton;

    // The secondary windows, children of this one, made at the first activation.
    BoardListDialog *m_boardListDialog = nullptr;
    CompareDialog *m_compareDialog = nullptr;
    AboutDialog *m_aboutDialog = nullptr;
    SettingsDialog *m_settingsDialog = nullptr;
    TicketPrintDialog *m_ticketPrintDialog = nullptr;
    SystemAnalysisDialog *m_analysisDialog = nullptr;

    // The file name last chosen in the shared save dialog (export and game save).
    QString m_saveFileName;
    // The file name last chosen in the open dialog (game load).
    QString m_openFileName;
    bool m_startupPending = true;
    // The language the system list's names are in.
    quillon::Language m_listLanguage = quillon::Language::French;
    QtTranslations m_qtTranslations;
};
