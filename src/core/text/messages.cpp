// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/messages.h"

#include "core/errors.h"
#include "core/platform.h"
#include "core/text/translationfile.h"

#include <array>

namespace quillon {

namespace {

struct Entry {
    int number;
    // French, English, Portuguese, (no texts), Italian, Croatian
    std::array<const char16_t *, kLanguageColumns> texts;
};

// Numbers not listed are used by no window and are empty in every language.
const Entry kCatalogue[] = {
    { 1,
        { u"Insérez le prochain ticket et appuyez sur OK", u"Please insert next ticket and press OK", u"",
            u"", u"", u"Ubaciti sljedeći listić i kliknuti OK" } },
    { 2, { u"Impression bulletin", u"Print tickets", u"", u"", u"", u"Printati listiće" } },
    { 21, { u"Quitter", u"Quit", u"", u"", u"", u"Izlaz" } },
    { 22, { u"Quitter cet écran", u"Close this window", u"", u"", u"", u"Zatvoriti prozor" } },
    { 29,
        { u"Comparer le jeu avec le tirage", u"Compare the system played with the results", u"", u"", u"",
            u"Usporediti odigrani sistem s rezultatima" } },
    { 30,
        { u"Entrez les numeros sortis lors du tirage", u"Enter the number picked", u"", u"", u"",
            u"Dobitna kombinacija" } },
    { 31, { u"Voir", u"View", u"", u"", u"", u"Pregled" } },
    { 32, { u"Aide", u"Help", u"", u"", u"", u"Pomoć" } },
    { 33, { u"Comp", u"Bonus", u"", u"", u"", u"Dopunski" } },
    { 34, { u"Grille", u"Board", u"", u"", u"", u"Kombinacija" } },
    { 35, { u"Imprimer les Tickets", u"Print the tickets", u"", u"", u"", u"Printati listiće" } },
    { 36, { u"Type de tickets", u"Ticket's type", u"", u"", u"", u"Vrsta listića" } },
    { 37, { u"Grilles à imprimer", u"Boards to print", u"", u"", u"", u"Kombinacije za printati" } },
    { 38, { u"Première", u"First", u"", u"", u"", u"Prva" } },
    { 39, { u"Dernière", u"Last", u"", u"", u"", u"Zadnja" } },
    { 40, { u"Type d' impression", u"Type of printing", u"", u"", u"", u"Način printanja" } },
    { 41,
        { u"Imprimer tous les tickets à la fois", u"Print all the tickets", u"", u"", u"",
            u"Printati sve listiće" } },
    { 42,
        { u"Imprimer un ticket à la fois", u"Stop after each ticket", u"", u"", u"",
            u"Prekid nakon svakog listića" } },
    { 43, { u"Annuler", u"Cancel", u"", u"", u"", u"Prekinuti" } },
    { 44, { u"Imprimer", u"Print", u"", u"", u"", u"Printati" } },
    { 45,
        { u"Numéros des grilles à imprimer incorrect", u"Incorrect selection of grids to print", u"", u"",
            u"", u"Neispravan izbor kombinacija za printanje" } },
    { 46, { u"Problème", u"Problem", u"", u"", u"", u"Problem" } },
    { 47, { u"Infos", u"Infos", u"", u"", u"", u"Info" } },
    { 48,
        { u"Informations concernant le logiciel", u"Informations about the software", u"", u"", u"",
            u"Info" } },
    { 49, { u"Parametres", u"Parameters", u"", u"", u"", u"Parametri" } },
    { 50,
        { u"Voir/Modifier les parametres du logiciel", u"View/Modify the parameter of the software", u"", u"",
            u"", u"Pregled/Podešavanje parametara programa" } },
    { 53, { u"Voir les resultats", u"View the results", u"", u"", u"", u"Pregled rezultata" } },
    { 55, { u"Résultats", u"Results", u"", u"", u"", u"Rezultati" } },
    { 56, { u"Voir les grilles", u"View the boards", u"", u"", u"", u"Pregled kombinacija" } },
    { 57,
        { u"Voir les grilles à jouer", u"View the boards to play", u"", u"", u"",
            u"Pregledati kombinacije za igru" } },
    { 58, { u"Imprimer les tickets", u"Print the tickets", u"", u"", u"", u"Printati listiće" } },
    { 59,
        { u"Imprimer automatiquement les tickets officiels", u"Print directly the official tickets", u"", u"",
            u"", u"Printati direktno na listiće" } },
    { 60, { u"Générer un fichier", u"Create a file", u"", u"", u"", u"Kreirati dadoteku" } },
    { 61,
        { u"Export des combinaisons à jouer dans un fichier texte", u"Export of the wheels on a text file",
            u"", u"", u"", u"Pregled kombinacija u tekst obliku" } },
    { 62,
        { u"Comparer avec le tirage", u"Compare with the results", u"", u"", u"",
            u"Usporediti s rezultatima" } },
    { 63,
        { u"Comparer le jeu avec les numeros sortis lors du tirage",
            u"Compare the systems played with the results", u"", u"", u"",
            u"Usporediti odigrani sistem s rezultatima" } },
    { 64, { u"numéros", u"numbers", u"", u"", u"", u"" } },
    { 65, { u"si", u"if", u"", u"", u"", u"/" } },
    { 66, { u"parmi", u"in", u"", u"", u"", u"od" } },
    { 67, { u"en", u"in", u"", u"", u"", u"u" } },
    { 68, { u"grilles", u"boards", u"", u"", u"", u"kombinacija" } },
    { 69, { u"Voir l'aide générale", u"View the help file", u"", u"", u"", u"Pogledati pomoć" } },
    { 70,
        { u"Selection des numéros à jouer", u"Select the numbers you want to play", u"", u"", u"",
            u"Izabrati željene brojeve za igru" } },
    { 71, { u"Enregistrer un jeu", u"Save the game", u"", u"", u"", u"Spremiti igru" } },
    { 72, { u"Charger un jeu", u"Load a game", u"", u"", u"", u"Pokrenuti igru" } },
    { 73,
        { u"L'auteur décline toute responsabilité quand aux conséquences",
            u"The author decline all responsabilities", u"", u"", u"", u"" } },
    { 74, { u"de l'utilisation de ce logiciel", u"from the use of this software", u"", u"", u"", u"" } },
    { 75,
        { u"Indiquer le nom du fichier à enregistrer", u"Enter the name of the file", u"", u"", u"",
            u"Upisati ime dadoteke" } },
    { 76, { u"Continuer quand même ?", u"Continue", u"", u"", u"", u"Nastaviti" } },
    { 77, { u"Fichier existant !!", u"This file exists", u"", u"", u"", u"Dadoteka već postoji" } },
    { 78,
        { u"Sélectionnez le fichier à charger", u"Select the game file to load", u"", u"", u"",
            u"Izabrati igru za pokrenuti" } },
    { 79,
        { u"Ce n'est pas un fichier de sauvegarde", u"It's not a game file", u"", u"", u"",
            u"To nije dadoteka za igru" } },
    { 80, { u"Problème !!", u"Problem!!", u"", u"", u"", u"Problem" } },
    { 81, { u"Erreur lors de l'écriture", u"Error when saving", u"", u"", u"", u"Greška kod spremanja" } },
    { 82,
        { u"Erreur à la lecture du fichier", u"Error when reading the file", u"", u"", u"",
            u"Greška kod čitanja dadoteke" } },
    { 83, { u"Fichier inexistant", u"This file not exists", u"", u"", u"", u"Dadoteka ne postoji" } },
    { 85,
        { u"Imprimer la liste", u"Print the list of grids", u"", u"", u"",
            u"Isprintati listu kombinacija" } },
    { 86,
        { u"Liste des grilles à jouer", u"List of the boards to play", u"", u"", u"",
            u"Lista kombinacija za igru" } },
    { 87,
        { u"Nombre de grilles à jouer", u"Number of boards to play", u"", u"", u"",
            u"Broj kombinacija za igrati" } },
    { 88, { u"Quitter le logiciel", u"Close the software", u"", u"", u"", u"Zatvoriti program" } },
    { 104,
        { u"Indiquez le nom du fichier à enregistrer", u"Enter the name of the file to create", u"", u"", u"",
            u"Upisati ime dadoteke za kreirati" } },
    { 105, { u"Continuer quand même ?", u"Continue ?", u"", u"", u"", u"Nastaviti?" } },
    { 106, { u"Fichier existant", u"This file exists", u"", u"", u"", u"Dadoteka već postoji" } },
    { 107,
        { u"ainsi qu'aux erreurs pouvant se trouver dans les systemes",
            u"an in the errors that can be found in the systems", u"", u"", u"", u"" } },
    { 108,
        { u"Choisissez le systeme que vous voulez utiliser", u"Select the system you want to use", u"", u"",
            u"", u"Izabrati sistem za igru" } },
    { 109,
        { u"Numéros selectionnés incorrects", u"Incorrect selection of numbers", u"", u"", u"",
            u"Nepravilan odabir brojeva" } },
    { 112, { u"Langue", u"Language", u"Linguagem", u"", u"Linguaggio", u"Jezik" } },
    { 113,
        { u"Décalage vertical", u"Vertical Adjustment", u"Ajuste Vertical", u"", u"Verticale Adjustment",
            u"Vertikalna korekcija" } },
    { 114,
        { u"Décalage horizontal", u"Horizontal Adjustment", u"Ajuste Horizontal", u"",
            u"Orizzontale Adjustment", u"Horizontalna korekcija" } },
    { 115, { u"Impression", u"Printing", u"Impressora", u"", u"Stampante", u"Isprintati" } },
};

} // namespace

QString catalogueText(int n, Language language)
{
    const int column = int(language);
    if (column < 1 || column > kLanguageColumns)
        return {};
    for (const Entry &e : kCatalogue) {
        if (e.number == n)
            return QString::fromUtf16(e.texts[size_t(column - 1)]);
    }
    return {};
}

QString Texts::operator()(Msg message) const
{
    const int n = int(message);
    QString result;
    try {
        if (!m_file)
            throw QuillonError(QStringLiteral("no language manager"));
        if (m_file->loaded())
            result = m_file->decodedText(n, m_language);
        else
            result = catalogueText(n, m_language);
    } catch (...) {
        if (Prompts *prompts = platform().prompts) {
            prompts->message(QStringLiteral("Erreur"), QStringLiteral("Erreur dans pgloretlibmessage"),
                Prompts::Buttons::Ok, Prompts::Icon::None);
        }
    }
    return result;
}

} // namespace quillon
