<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Wheeling systems for seven-number lotteries</source>
        <translation>Reducirani sistemi za lutrije sa sedam brojeva</translation>
    </message>
    <message>
        <source>Published by the Quillon workshop</source>
        <translation>Izdaje radionica Quillon</translation>
    </message>
    <message>
        <source>Distributed free of charge</source>
        <translation>Program se dijeli besplatno</translation>
    </message>
    <message>
        <source>Help: quillon.html, next to the program</source>
        <translation>Pomoć: quillon.html, pored programa</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Drawn number %1</source>
        <translation>Izvučeni broj %1</translation>
    </message>
    <message>
        <source>Bonus number %1</source>
        <translation>Dopunski broj %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Number %1</source>
        <translation>Broj %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Horizontal offset in millimetres</source>
        <translation>Horizontalna korekcija u milimetrima</translation>
    </message>
    <message>
        <source>Vertical offset in millimetres</source>
        <translation>Vertikalna korekcija u milimetrima</translation>
    </message>
</context>
<context>
    <name>TicketPreviewWindow</name>
    <message>
        <source>Ticket preview</source>
        <translation>Pregled listića</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Prethodni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sljedeći</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Prilagodi</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Stvarna veličina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Ticket %1 of %2</source>
        <translation>Listić %1 od %2</translation>
    </message>
</context>
<context>
    <name>TicketPrintDialog</name>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Calibration sheet</source>
        <translation>List za kalibraciju</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>Pregled se ne može prikazati.</translation>
    </message>
    <message>
        <source>No printer: preview at %1 dots per inch, without margins.</source>
        <translation>Nema pisača: pregled na %1 točaka po inču, bez margina.</translation>
    </message>
    <message>
        <source>First board to print</source>
        <translation>Prva kombinacija za printanje</translation>
    </message>
    <message>
        <source>Last board to print</source>
        <translation>Zadnja kombinacija za printanje</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>the file could not be written whole</source>
        <translation>datoteka nije zapisana cijela</translation>
    </message>
    <message>
        <source>cannot create a temporary file in its folder (%1)</source>
        <translation>nije moguće stvoriti privremenu datoteku u njezinoj mapi (%1)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Nijedan pisač nije dostupan.</translation>
    </message>
    <message>
        <source>%1: horizontal adjustment %2 mm, vertical %3 mm</source>
        <translation>%1: horizontalna korekcija %2 mm, vertikalna %3 mm</translation>
    </message>
    <message>
        <source>Ticket type %1 does not exist</source>
        <translation>Vrsta listića %1 ne postoji</translation>
    </message>
    <message>
        <source>board %1</source>
        <translation>kombinacija %1</translation>
    </message>
    <message>
        <source>boards %1 to %2</source>
        <translation>kombinacije %1 do %2</translation>
    </message>
    <message>
        <source>%1 Ticket %2 (%3) was not printed.</source>
        <translation>%1 Listić %2 (%3) nije isprintan.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected error (%1).</source>
        <translation>Naredba je prekinuta zbog neočekivane greške (%1).</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected error.</source>
        <translation>Naredba je prekinuta zbog neočekivane greške.</translation>
    </message>
    <message>
        <source>No printer</source>
        <translation>Nema pisača</translation>
    </message>
    <message>
        <source>No printer is installed. Save the pages as PDF instead?</source>
        <translation>Nijedan pisač nije instaliran. Spremiti stranice kao PDF?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Spremi kao PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The pages were saved in:
%1</source>
        <translation>Stranice su spremljene u:
%1</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nijedan pisač nije instaliran.</translation>
    </message>
    <message>
        <source>The document cannot be printed.</source>
        <translation>Dokument se ne može isprintati.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not ready.</source>
        <translation>Pisač „%1” nije spreman.</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Dokument nije moguće dovršiti.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer available.</source>
        <translation>Pisač „%1” više nije dostupan.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>Pisač „%1” je zaustavljen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <translation>Pisač „%1” ne prima poslove.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document: %2</source>
        <translation>Pisač „%1” nije preuzeo dokument: %2</translation>
    </message>
    <message>
        <source>Quillon: calibration sheet</source>
        <translation>Quillon: list za kalibraciju</translation>
    </message>
    <message>
        <source>Quillon: list of boards</source>
        <translation>Quillon: lista kombinacija</translation>
    </message>
    <message>
        <source>%1 files in %2, from %3 to %4</source>
        <translation>%1 datoteka u %2, od %3 do %4</translation>
    </message>
    <message>
        <source>These files are already there and will be replaced:</source>
        <translation>Ove datoteke već postoje i bit će zamijenjene:</translation>
    </message>
    <message>
        <source>These files of an earlier run will be removed:</source>
        <translation>Ove datoteke prethodnog ispisa bit će obrisane:</translation>
    </message>
    <message>
        <source>The pages could not be saved as PDF.
%1
The files already there were left as they were.</source>
        <translation>Stranice nije bilo moguće spremiti kao PDF.
%1
Postojeće datoteke ostale su nepromijenjene.</translation>
    </message>
    <message>
        <source>Quillon: ticket %1 of %2</source>
        <translation>Quillon: listić %1 od %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>redak %1: %2</translation>
    </message>
    <message>
        <source>no end of line</source>
        <translation>nema kraja retka</translation>
    </message>
    <message>
        <source>not %1 letters</source>
        <translation>nije %1 slova</translation>
    </message>
    <message>
        <source>a letter outside positions 1 to %1</source>
        <translation>slovo izvan položaja 1 do %1</translation>
    </message>
    <message>
        <source>letters not in ascending order</source>
        <translation>slova nisu uzlaznim redom</translation>
    </message>
    <message>
        <source>no board</source>
        <translation>nijedna kombinacija</translation>
    </message>
</context>
</TS>
