#include "core/text/addedtexts.h"

#include <array>

namespace quillon {

namespace {

struct Entry {
    AddedText text;
    std::array<const char16_t *, 3> words; // French, English, Croatian
};

const Entry kAddedTexts[] = {
    {AddedText::LanguageLabelAllLanguages, {u"Langue / Language / Jezik", u"Langue / Language / Jezik",
                                               u"Langue / Language / Jezik"}},
    {AddedText::FrenchName, {u"Français", u"Français", u"Français"}},
    {AddedText::EnglishName, {u"English", u"English", u"English"}},
    {AddedText::CroatianName, {u"Hrvatski", u"Hrvatski", u"Hrvatski"}},
    {AddedText::PreviewButton, {u"Aperçu", u"Preview", u"Pregled"}},
    {AddedText::CalibrationButton, {u"Feuille de calage", u"Calibration sheet", u"List za kalibraciju"}},
    {AddedText::PreviewTitle, {u"Aperçu des tickets", u"Ticket preview", u"Pregled listića"}},
    {AddedText::PreviewTicketOf, {u"Ticket %1 sur %2", u"Ticket %1 of %2", u"Listić %1 od %2"}},
    {AddedText::PreviewPrevious, {u"Précédent", u"Previous", u"Prethodni"}},
    {AddedText::PreviewNext, {u"Suivant", u"Next", u"Sljedeći"}},
    {AddedText::PreviewFit, {u"Ajuster", u"Fit", u"Prilagodi"}},
    {AddedText::PreviewActualSize, {u"Taille réelle", u"Actual size", u"Stvarna veličina"}},
    {AddedText::PreviewClose, {u"Fermer", u"Close", u"Zatvori"}},
    {AddedText::PreviewWithoutPrinter,
        {u"Aucune imprimante : aperçu à %1 points par pouce, sans marges.",
            u"No printer: preview at %1 dots per inch, without margins.",
            u"Nema pisača: pregled na %1 točaka po inču, bez margina."}},
    {AddedText::CalibrationCaption,
        {u"%1 : décalage horizontal %2 mm, vertical %3 mm", u"%1: horizontal adjustment %2 mm, vertical %3 mm",
            u"%1: horizontalna korekcija %2 mm, vertikalna %3 mm"}},
    {AddedText::NoPrinterSavePdf,
        {u"Aucune imprimante n'est installée. Enregistrer les pages en PDF ?",
            u"No printer is installed. Save the pages as PDF instead?",
            u"Nijedan pisač nije instaliran. Spremiti stranice kao PDF?"}},
    {AddedText::NoPrinterCaption, {u"Pas d'imprimante", u"No printer", u"Nema pisača"}},
    {AddedText::SavePdfTitle, {u"Enregistrer en PDF", u"Save as PDF", u"Spremi kao PDF"}},
    {AddedText::PdfFilterName, {u"Document PDF (*.pdf)", u"PDF document (*.pdf)", u"PDF dokument (*.pdf)"}},
    {AddedText::PdfSaved,
        {u"Les pages ont été enregistrées dans :\n%1", u"The pages were saved in:\n%1",
            u"Stranice su spremljene u:\n%1"}},
};

size_t column(Language language)
{
    switch (language) {
    case Language::French:
        return 0;
    case Language::Croatian:
        return 2;
    default:
        return 1;
    }
}

} // namespace

QString addedText(AddedText text, Language language)
{
    for (const Entry &e : kAddedTexts) {
        if (e.text == text)
            return QString::fromUtf16(e.words[column(language)]);
    }
    return {};
}

} // namespace quillon
