// MainWindow, the main window: the system list, the forty number boxes and a button
// for every command. It owns the user's state (chosen system, box texts); each
// command reads that state, calls the logic in core and shows the result in a
// secondary window, a file or on the printer.
#pragma once

#include "core/platform.h"
#include "core/text/messages.h"

#include <QWidget>
#include <array>

class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class GradientBackground;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    GradientBackground *DegradeClass1;
    QLabel *Image1;
    QLabel *panelinfo;
    QPushButton *binfos;
    QPushButton *bparametre;
    QPushButton *baidegene;
    QPushButton *brengjeu;
    QPushButton *bchargejeu;
    QGroupBox *groupsysteme;
    QComboBox *clistesystemes;
    QGroupBox *gnumeros;
    std::array<QComboBox *, 41> c {}; // c[1] … c[40]; c[0] unused
    QPushButton *bvoirtick;
    QPushButton *bimprimetickets;
    QPushButton *bgenerefichier;
    QPushButton *bcompar;
    QPushButton *bquit;

    // The catalogue index of the selected system, or -1.
    int selectedSystem() const;
    // Selects the item carrying index n, or the top item when none carries it;
    // does not run the list's change action.
    void selectSystemByIndex(int n);
    // The texts of c1 … c40, in order.
    QStringList boxTexts() const;
    // Reads c1 … c40 into the selected-number slots.
    void readBoxes() const;
    // Box t shows n; a number outside 1 … 50 leaves it empty.
    void showNumberInBox(int n, int tag);
    // Shows exactly the boxes c1 … cM of the selected system.
    void applySelectionBoxRule();
    // Sets the language-dependent captions and hints.
    void applyCaptions();

    // The file name last chosen in the shared save dialog (export and game save).
    QString saveDialogFileName;
    // The file name last chosen in the open dialog (game load).
    QString openDialogFileName;

    bool startupPending() const { return m_startupPending; }

    void onActivated();
    void clistesystemesChange();
    void binfosClick();
    void bparametreClick();
    void baidegeneClick();
    void brengjeuClick();
    void bchargejeuClick();
    void bvoirtickClick();
    void bimprimeticketsClick();
    void bgenerefichierClick();
    void bcomparClick();
    void bquitClick();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Reads the boxes and expands the selected system into the board list, under the
    // busy pointer when asked; false when the system has no wheel table.
    bool generateBoards(bool showBusy);
    // Runs the shared save dialog and, for an existing file, the overwrite question
    // with the given texts; the chosen path, or empty when the player backed out.
    QString chooseSaveFile(const quillon::Prompts::FileDialog &dialog, quillon::Msg question, quillon::Msg caption);
    // Shows a secondary window modally; when it closes the main window is active
    // again and re-applies its captions.
    void showModal(QDialog *dialog);
    void fillSystemList();
    void fillBoxes();

    bool m_startupPending = true;
};
