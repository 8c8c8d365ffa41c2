// SPDX-License-Identifier: GPL-3.0-or-later
// The message catalogue: every language-dependent text, fetched by its message.
#pragma once

#include "core/text/language.h"

#include <QString>

namespace quillon {

constexpr int kMessageCount = 128;
constexpr int kLanguageColumns = 6;

// The messages the program shows, named by what they say. Each value is the
// message's number in the catalogue, which is also its line in the translation
// file (counted after the file's header); the French text is given beside it.
enum class Msg : int {
    InsertNextTicket = 1, // "Insérez le prochain ticket et appuyez sur OK"
    NextTicketCaption = 2, // "Impression bulletin"
    Quit = 21, // "Quitter"
    CloseWindowHint = 22, // "Quitter cet écran"
    CompareTitle = 29, // "Comparer le jeu avec le tirage"
    DrawNumbersGroup = 30, // "Entrez les numeros sortis lors du tirage"
    View = 31, // "Voir"
    Help = 32, // "Aide"
    BonusWord = 33, // "Comp"
    BoardHeader = 34, // "Grille"
    TicketPrintTitle = 35, // "Imprimer les Tickets"
    TicketTypeLabel = 36, // "Type de tickets"
    BoardsToPrintGroup = 37, // "Grilles à imprimer"
    FirstBoardLabel = 38, // "Première"
    LastBoardLabel = 39, // "Dernière"
    PrintingModeGroup = 40, // "Type d' impression"
    PrintAllAtOnce = 41, // "Imprimer tous les tickets à la fois"
    PrintOneAtATime = 42, // "Imprimer un ticket à la fois"
    Cancel = 43, // "Annuler"
    Print = 44, // "Imprimer"
    BadPrintRange = 45, // "Numéros des grilles à imprimer incorrect"
    Problem = 46, // "Problème"
    Infos = 47, // "Infos"
    InfosHint = 48, // "Informations concernant le logiciel"
    Settings = 49, // "Parametres"
    SettingsHint = 50, // "Voir/Modifier les parametres du logiciel"
    ViewResultsHint = 53, // "Voir les resultats"
    Results = 55, // "Résultats"
    ViewBoards = 56, // "Voir les grilles"
    ViewBoardsHint = 57, // "Voir les grilles à jouer"
    PrintTickets = 58, // "Imprimer les tickets"
    PrintTicketsHint = 59, // "Imprimer automatiquement les tickets officiels"
    ExportBoards = 60, // "Générer un fichier"
    ExportBoardsHint = 61, // "Export des combinaisons à jouer dans un fichier texte"
    CompareWithDraw = 62, // "Comparer avec le tirage"
    CompareWithDrawHint = 63, // "Comparer le jeu avec les numeros sortis lors du tirage"
    NumbersWord = 64, // "numéros"
    IfWord = 65, // "si"
    AmongWord = 66, // "parmi"
    InWord = 67, // "en"
    BoardsWord = 68, // "grilles"
    HelpHint = 69, // "Voir l'aide générale"
    PickNumbersGroup = 70, // "Selection des numéros à jouer"
    SaveGame = 71, // "Enregistrer un jeu"
    LoadGame = 72, // "Charger un jeu"
    DisclaimerLine1 = 73, // "L'auteur décline toute responsabilité quand aux conséquences"
    DisclaimerLine2 = 74, // "de l'utilisation de ce logiciel"
    SaveGameTitle = 75, // "Indiquer le nom du fichier à enregistrer"
    OverwriteGameQuestion = 76, // "Continuer quand même ?"
    GameFileExists = 77, // "Fichier existant !!"
    LoadGameTitle = 78, // "Sélectionnez le fichier à charger"
    NotAGameFile = 79, // "Ce n'est pas un fichier de sauvegarde"
    ProblemAlert = 80, // "Problème !!"
    WriteFailed = 81, // "Erreur lors de l'écriture"
    ReadFailed = 82, // "Erreur à la lecture du fichier"
    FileMissing = 83, // "Fichier inexistant"
    PrintListHint = 85, // "Imprimer la liste"
    BoardListTitle = 86, // "Liste des grilles à jouer"
    BoardCountGroup = 87, // "Nombre de grilles à jouer"
    QuitHint = 88, // "Quitter le logiciel"
    ExportTitle = 104, // "Indiquez le nom du fichier à enregistrer"
    OverwriteExportQuestion = 105, // "Continuer quand même ?"
    ExportFileExists = 106, // "Fichier existant"
    DisclaimerLine3 = 107, // "ainsi qu'aux erreurs pouvant se trouver dans les systemes"
    PickSystemGroup = 108, // "Choisissez le systeme que vous voulez utiliser"
    BadDrawNumbers = 109, // "Numéros selectionnés incorrects"
    Language = 112, // "Langue"
    VerticalOffset = 113, // "Décalage vertical"
    HorizontalOffset = 114, // "Décalage horizontal"
    PrintingGroup = 115, // "Impression"
};

// Entry (n, language) of the compiled-in catalogue; empty outside 1 … 128 × 1 … 6.
QString catalogueText(int n, Language language);

class TranslationFile;

// The message texts in one language: from the translation file when one was loaded,
// else from the catalogue.
class Texts {
public:
    // file is null before the one-time initialisation has created it.
    Texts(const TranslationFile *file, Language language)
        : m_file(file)
        , m_language(language)
    {
    }

    Language language() const { return m_language; }

    // Never throws; a lookup with no translation file set up shows the box "Erreur" /
    // "Erreur dans pgloretlibmessage" and yields the empty text.
    QString operator()(Msg message) const;

private:
    const TranslationFile *m_file;
    Language m_language;
};

} // namespace quillon
