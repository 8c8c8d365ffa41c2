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
    <name>ChanceChart</name>
    <message>
        <source>this wheel</source>
        <translation>ovaj sustav</translation>
    </message>
    <message>
        <source>random boards</source>
        <translation>nasumične kombinacije</translation>
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
    <name>SystemAnalysisDialog</name>
    <message>
        <source>%1 — smallest table</source>
        <translation>%1 — najmanja tablica</translation>
    </message>
    <message>
        <source>System analysis</source>
        <translation>Analiza sustava</translation>
    </message>
    <message>
        <source>The guarantee proven, the coverage and the chances of the system (%1)</source>
        <translation>Dokazano jamstvo, pokrivenost i izgledi sustava (%1)</translation>
    </message>
    <message>
        <source>%1 (1 in %2)</source>
        <translation>%1 (1 od %2)</translation>
    </message>
    <message>
        <source>Open a wheel…</source>
        <translation>Otvori sustav…</translation>
    </message>
    <message>
        <source>Check a wheel of your own: a text file with one board of 7 numbers a line</source>
        <translation>Provjerite vlastiti sustav: tekstna datoteka s jednom kombinacijom od 7 brojeva u retku</translation>
    </message>
    <message>
        <source>Guarantee to check:</source>
        <translation>Jamstvo za provjeru:</translation>
    </message>
    <message>
        <source>numbers if</source>
        <translation>brojeva ako</translation>
    </message>
    <message>
        <source>Numbers guaranteed</source>
        <translation>Zajamčeni brojevi</translation>
    </message>
    <message>
        <source>Numbers drawn among yours</source>
        <translation>Izvučeni brojevi među vašima</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Provjeri</translation>
    </message>
    <message>
        <source>Lottery:</source>
        <translation>Lutrija:</translation>
    </message>
    <message>
        <source>7 of </source>
        <translation>7 od </translation>
    </message>
    <message>
        <source>Numbers in the lottery</source>
        <translation>Brojevi lutrije</translation>
    </message>
    <message>
        <source>%1 (7 of %2)</source>
        <translation>%1 (7 od %2)</translation>
    </message>
    <message>
        <source>Another lottery</source>
        <translation>Druga lutrija</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Izgledi</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Pokrivenost</translation>
    </message>
    <message>
        <source>Winning boards</source>
        <translation>Dobitne kombinacije</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Ravnoteža</translation>
    </message>
    <message>
        <source>Earlier tabs</source>
        <translation>Prethodne kartice</translation>
    </message>
    <message>
        <source>Later tabs</source>
        <translation>Sljedeće kartice</translation>
    </message>
    <message>
        <source>Share of the draws in which the best board holds h of the numbers drawn:</source>
        <translation>Udio izvlačenja u kojima najbolja kombinacija ima h izvučenih brojeva:</translation>
    </message>
    <message>
        <source>Average number of boards holding h of the numbers drawn:</source>
        <translation>Prosječan broj kombinacija s h izvučenih brojeva:</translation>
    </message>
    <message>
        <source>Prize level (hits on one board):</source>
        <translation>Dobitni razred (pogoci na jednoj kombinaciji):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Save the figures…</source>
        <translation>Spremi brojke…</translation>
    </message>
    <message>
        <source>This system has no table yet: there is nothing to analyse.</source>
        <translation>Ovaj sustav još nema tablicu: nema se što analizirati.</translation>
    </message>
    <message>
        <source>The guarantee cannot be checked: N must be at most K, and K at most the %1 numbers of the wheel.</source>
        <translation>Jamstvo se ne može provjeriti: N smije biti najviše K, a K najviše %1 brojeva sustava.</translation>
    </message>
    <message>
        <source>Counting every way the draw can fall on your numbers…</source>
        <translation>Brojim sve načine na koje izvlačenje može pasti na vaše brojeve…</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Prekinuto.</translation>
    </message>
    <message>
        <source> — smallest table, %1 boards</source>
        <translation> — najmanja tablica, %1 kombinacija</translation>
    </message>
    <message>
        <source>%1: %2 boards over %3 numbers</source>
        <translation>%1: %2 kombinacija na %3 brojeva</translation>
    </message>
    <message>
        <source>%1 numbers if %2 of your %3 are drawn — checked against all %L4 ways %2 of your %3 numbers can be drawn:</source>
        <translation>%1 brojeva ako je izvučeno %2 od vaših %3 — provjereno na svih %L4 načina na koje se može izvući %2 od vaših %3 brojeva:</translation>
    </message>
    <message>
        <source>holds.</source>
        <translation>vrijedi.</translation>
    </message>
    <message>
        <source>does not hold: in %L1 of them no board holds %2 numbers.</source>
        <translation>ne vrijedi: u %L1 od njih nijedna kombinacija nema %2 brojeva.</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>… i još %L1</translation>
    </message>
    <message>
        <source>h = %1</source>
        <translation>h = %1</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 izvučeno</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 ili više</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nijedna</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>kombinacije</translation>
    </message>
    <message>
        <source>A lottery drawing 7 of %1 numbers cannot hold your %2 numbers.</source>
        <translation>Lutrija koja izvlači 7 od %1 brojeva ne može obuhvatiti vaših %2 brojeva.</translation>
    </message>
    <message>
        <source>This wheel: a board with h or more</source>
        <translation>Ovaj sustav: kombinacija s h ili više</translation>
    </message>
    <message>
        <source>%1 random boards</source>
        <translation>%1 nasumičnih kombinacija</translation>
    </message>
    <message>
        <source>Boards with h, on average</source>
        <translation>Kombinacije s h, prosječno</translation>
    </message>
    <message>
        <source>The average number of boards with each number of hits is the same for any %1 boards: a wheel changes how the hits are spread over the draws, not their average.</source>
        <translation>Prosječan broj kombinacija sa svakim brojem pogodaka isti je za bilo kojih %1 kombinacija: sustav mijenja raspodjelu pogodaka po izvlačenjima, a ne njihov prosjek.</translation>
    </message>
    <message>
        <source>The same guarantee with %1 boards instead of %2: %3 boards, %4 % less. No wheel can keep it with fewer than %5 boards.</source>
        <translation>Isto jamstvo s %1 kombinacija umjesto %2: %3 kombinacija, %4 % manje. Nijedan sustav ga ne može održati s manje od %5 kombinacija.</translation>
    </message>
    <message>
        <source>Play the catalogue&apos;s table</source>
        <translation>Igraj tablicu iz kataloga</translation>
    </message>
    <message>
        <source>Play the smallest table</source>
        <translation>Igraj najmanju tablicu</translation>
    </message>
    <message>
        <source>Open a wheel</source>
        <translation>Otvori sustav</translation>
    </message>
    <message>
        <source>Boards (*.txt)</source>
        <translation>Kombinacije (*.txt)</translation>
    </message>
    <message>
        <source>This wheel cannot be read</source>
        <translation>Ovaj se sustav ne može pročitati</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>To nije datoteka.</translation>
    </message>
    <message>
        <source>It is far too large to be a file of boards.</source>
        <translation>Prevelika je da bi bila datoteka kombinacija.</translation>
    </message>
    <message>
        <source>Save the figures</source>
        <translation>Spremi brojke</translation>
    </message>
    <message>
        <source>Figures (*.csv)</source>
        <translation>Brojke (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 postoji. Zamijeniti je?</translation>
    </message>
    <message>
        <source>Fill the holes</source>
        <translation>Popuni rupe</translation>
    </message>
    <message>
        <source>Add the fewest boards the search finds that make the guarantee hold</source>
        <translation>Dodaj najmanje kombinacija koje pretraga nađe da bi jamstvo vrijedilo</translation>
    </message>
    <message>
        <source>Find a smaller wheel</source>
        <translation>Nađi manji sustav</translation>
    </message>
    <message>
        <source>Search for the same guarantee with fewer boards</source>
        <translation>Traži isto jamstvo s manje kombinacija</translation>
    </message>
    <message>
        <source>Search for at most</source>
        <translation>Traži najviše</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds the search may take</source>
        <translation>Sekunde koje pretraga smije trajati</translation>
    </message>
    <message>
        <source>Save the wheel…</source>
        <translation>Spremi sustav…</translation>
    </message>
    <message>
        <source>Save the boards found as a text file, one board of 7 numbers a line</source>
        <translation>Spremi pronađene kombinacije kao tekstnu datoteku, jednu kombinaciju od 7 brojeva po retku</translation>
    </message>
    <message>
        <source>Searching… a table of %1 boards so far.</source>
        <translation>Tražim… dosad tablica od %1 kombinacija.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Tražim…</translation>
    </message>
    <message>
        <source>The search found no table without holes in the time given.</source>
        <translation>Pretraga u zadanom vremenu nije našla tablicu bez rupa.</translation>
    </message>
    <message>
        <source>The search found no wheel smaller than these %1 boards in the time given.</source>
        <translation>Pretraga u zadanom vremenu nije našla sustav manji od ovih %1 kombinacija.</translation>
    </message>
    <message>
        <source>The holes are filled: the guarantee holds with %1 boards instead of %2.</source>
        <translation>Rupe su popunjene: jamstvo vrijedi s %1 kombinacija umjesto %2.</translation>
    </message>
    <message>
        <source>The same guarantee with %1 boards instead of %2.</source>
        <translation>Isto jamstvo s %1 kombinacija umjesto %2.</translation>
    </message>
    <message>
        <source>Save the wheel</source>
        <translation>Spremi sustav</translation>
    </message>
    <message>
        <source> — found by the search, not saved yet</source>
        <translation> — pronađen pretragom, još nije spremljen</translation>
    </message>
    <message>
        <source>The holes are filled: the guarantee holds, still with %1 boards.</source>
        <translation>Rupe su popunjene: jamstvo vrijedi, i dalje s %1 kombinacija.</translation>
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
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>„%1” nije broj</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 nije broj od 1 do %2</translation>
    </message>
    <message>
        <source>more than %1 numbers</source>
        <translation>više od %1 brojeva</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 se pojavljuje dvaput</translation>
    </message>
    <message>
        <source>%1 numbers instead of %2</source>
        <translation>%1 brojeva umjesto %2</translation>
    </message>
    <message>
        <source>more than %1 different numbers in the wheel</source>
        <translation>više od %1 različitih brojeva u sustavu</translation>
    </message>
    <message>
        <source>a lottery of %1 numbers cannot hold the wheel&apos;s %2</source>
        <translation>lutrija od %1 brojeva ne može sadržati %2 brojeva sustava</translation>
    </message>
    <message>
        <source>system %1 has no table</source>
        <translation>sustav %1 nema tablicu</translation>
    </message>
</context>
</TS>
