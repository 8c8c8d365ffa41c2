// SPDX-License-Identifier: GPL-3.0-or-later
// SystemAnalysisDialog, the system analysis window: what the wheel in play (or a wheel
// the player opens from a file) is worth. It proves the guarantee against every way the
// draw can fall on the player's numbers, or lists the holes; shows the coverage table,
// how the winning boards spread, the balance of the numbers and the chances in a
// lottery beside as many random boards; offers the system's smallest table; saves the
// figures as CSV and prints them. The counting runs on a worker thread, with a
// progress bar and Cancel.
#pragma once

#include "core/analysis/boardfile.h"
#include "core/analysis/coverage.h"
#include "core/analysis/wheelsearching.h"
#include "core/platform.h"
#include "gui/dialogframe.h"

#include <QFutureWatcher>
#include <optional>
#include <vector>

class ChanceChart;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

// The key that opens the window from the main window and the board list.
inline constexpr QKeyCombination kAnalysisKey = QKeyCombination(Qt::Key_F7);

class SystemAnalysisDialog : public DialogFrame {
    Q_OBJECT
public:
    SystemAnalysisDialog(quillon::Session &session, QWidget *parent);
    ~SystemAnalysisDialog() override;

    // Whether a computation runs, until the window has taken its outcome.
    bool isComputing() const;

signals:
    // The table in play changed (smallest or catalogue's); the session's boards follow it.
    void tableInPlayChanged();

protected:
    void onShown() override;
    void onActivated() override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private slots:
    void openWheel();
    void checkGuarantee();
    void cancelComputation();
    void switchTable();
    void saveFigures();
    void printFigures();
    void showChances();
    void showSpread();
    void fillHoles();
    void findSmallerWheel();
    void saveWheel();

private:
    // Analyses the wheel under study for the guarantee in the boxes, off the UI thread.
    void startComputation();
    void computationFinished();
    // Searches a better table for the wheel under study, off the UI thread, within the
    // seconds in the box.
    void startSearch(quillon::WheelSearchGoal goal);
    void searchFinished();
    void setComputing(bool computing);
    // Only what can run now is enabled: while counting, Cancel alone.
    void enableButtons();
    void applyTexts();
    // The wheel in play becomes the one under study, with the player's numbers.
    void studyWheelInPlay();
    void showAnalysis();
    void showProof();
    void showCoverage();
    void showBalance();
    void showSmallerTable();
    // Empties the grids; whether there are figures to fill them with.
    bool clearGrids(const QList<QTableWidget *> &grids) const;
    // The pool of the lottery chosen, or 0.
    int chosenPool() const;
    // The pools the figures are saved and printed for: the five lotteries and the one typed.
    QList<int> figurePools() const;
    // The player's number at position p of the wheel under study.
    int numberAt(int position) const;
    QString subsetText(quint32 mask) const;
    // Asks where to save bytes (remembered in lastPath) and whether to replace a file that is
    // there, then replaces it whole; whether it was saved.
    bool saveFile(const quillon::Prompts::FileDialog &dialog, QString &lastPath, const QByteArray &bytes);
    // Every figure as the lines of the printed page.
    QStringList figureLines() const;

    // The wheel under study, its numbers by position, and where it came from.
    quillon::Wheel m_wheel;
    std::vector<int> m_numbers;
    QString m_wheelFile; // empty for the wheel in play
    std::optional<quillon::WheelAnalysis> m_analysis;
    QFutureWatcher<quillon::WheelAnalysis> m_watcher;
    bool m_computing = false;
    QString m_openFileName;
    QString m_saveFileName;
    QString m_wheelFileName;
    QFutureWatcher<quillon::FoundWheel> m_searchWatcher;
    // The table the search started from: its board count and whether it had holes. A wheel
    // under study that the search found is not saved until the player saves it.
    int m_searchedFrom = 0;
    bool m_filling = false;
    bool m_found = false;
    bool m_unsaved = false;

    // Object names: fanalyse's Image1, lroue, bouvrir, egarantie, econdition, bverifier,
    // lpreuve, ltrous, lpluspetite, bjouerpetite, cloterie, epool, onglets, grillechances,
    // graphique, lmoyenne, grillecouverture, grillemoyennes, eniveau, grillerepartition,
    // grilleequilibre, bcombler, breduire, esecondes, lrecherche, benregistrerroue,
    // progression, bannuler, benregistrer, bimprime, bquit.
    QLabel *m_picture;
    QLabel *m_wheelName;
    QPushButton *m_openButton;
    QSpinBox *m_guaranteeBox;
    QSpinBox *m_conditionBox;
    QPushButton *m_checkButton;
    QLabel *m_proofLabel;
    QPlainTextEdit *m_holesText;
    QLabel *m_smallerLabel;
    QPushButton *m_playSmallestButton;
    QComboBox *m_lotteryList;
    QSpinBox *m_poolBox;
    QTabWidget *m_tabs;
    QTableWidget *m_chancesGrid;
    ChanceChart *m_chart;
    QLabel *m_averageNote;
    QTableWidget *m_coverageGrid;
    QTableWidget *m_averageGrid;
    QSpinBox *m_prizeLevelBox;
    QTableWidget *m_spreadGrid;
    QTableWidget *m_balanceGrid;
    QPushButton *m_fillButton;
    QPushButton *m_shrinkButton;
    QSpinBox *m_secondsBox;
    QLabel *m_searchLabel;
    QPushButton *m_saveWheelButton;
    QProgressBar *m_progress;
    QPushButton *m_cancelButton;
    QPushButton *m_saveButton;
    QPushButton *m_printButton;
    QPushButton *m_closeButton;
    QLabel *m_labels[7] {};
};
