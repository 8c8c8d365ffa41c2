<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Wheeling systems for seven-number lotteries</source>
        <translation>Systèmes réducteurs pour les loteries à sept numéros</translation>
    </message>
    <message>
        <source>Published by the Quillon workshop</source>
        <translation>Édité par l&apos;atelier Quillon</translation>
    </message>
    <message>
        <source>Distributed free of charge</source>
        <translation>Logiciel distribué gratuitement</translation>
    </message>
    <message>
        <source>Help: quillon.html, next to the program</source>
        <translation>Aide : quillon.html, à côté du programme</translation>
    </message>
</context>
<context>
    <name>ChanceChart</name>
    <message>
        <source>this wheel</source>
        <translation>ce système</translation>
    </message>
    <message>
        <source>random boards</source>
        <translation>grilles au hasard</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Drawn number %1</source>
        <translation>Numéro tiré %1</translation>
    </message>
    <message>
        <source>Bonus number %1</source>
        <translation>Numéro complémentaire %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Horizontal offset in millimetres</source>
        <translation>Décalage horizontal en millimètres</translation>
    </message>
    <message>
        <source>Vertical offset in millimetres</source>
        <translation>Décalage vertical en millimètres</translation>
    </message>
</context>
<context>
    <name>SystemAnalysisDialog</name>
    <message>
        <source>%1 — smallest table</source>
        <translation>%1 — plus petite table</translation>
    </message>
    <message>
        <source>System analysis</source>
        <translation>Analyse du système</translation>
    </message>
    <message>
        <source>The guarantee proven, the coverage and the chances of the system (%1)</source>
        <translation>La garantie prouvée, la couverture et les chances du système (%1)</translation>
    </message>
    <message>
        <source>%1 (1 in %2)</source>
        <translation>%1 (1 sur %2)</translation>
    </message>
    <message>
        <source>Open a wheel…</source>
        <translation>Ouvrir une combinaison…</translation>
    </message>
    <message>
        <source>Check a wheel of your own: a text file with one board of 7 numbers a line</source>
        <translation>Vérifier une combinaison à vous : un fichier texte avec une grille de 7 numéros par ligne</translation>
    </message>
    <message>
        <source>Guarantee to check:</source>
        <translation>Garantie à vérifier :</translation>
    </message>
    <message>
        <source>numbers if</source>
        <translation>numéros si</translation>
    </message>
    <message>
        <source>Numbers guaranteed</source>
        <translation>Numéros garantis</translation>
    </message>
    <message>
        <source>Numbers drawn among yours</source>
        <translation>Numéros tirés parmi les vôtres</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Lottery:</source>
        <translation>Loterie :</translation>
    </message>
    <message>
        <source>7 of </source>
        <translation>7 parmi </translation>
    </message>
    <message>
        <source>Numbers in the lottery</source>
        <translation>Numéros de la loterie</translation>
    </message>
    <message>
        <source>%1 (7 of %2)</source>
        <translation>%1 (7 parmi %2)</translation>
    </message>
    <message>
        <source>Another lottery</source>
        <translation>Autre loterie</translation>
    </message>
    <message>
        <source>Chances</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Winning boards</source>
        <translation>Grilles gagnantes</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Équilibre</translation>
    </message>
    <message>
        <source>Earlier tabs</source>
        <translation>Onglets précédents</translation>
    </message>
    <message>
        <source>Later tabs</source>
        <translation>Onglets suivants</translation>
    </message>
    <message>
        <source>Share of the draws in which the best board holds h of the numbers drawn:</source>
        <translation>Part des tirages où la meilleure grille contient h des numéros sortis :</translation>
    </message>
    <message>
        <source>Average number of boards holding h of the numbers drawn:</source>
        <translation>Nombre moyen de grilles contenant h des numéros sortis :</translation>
    </message>
    <message>
        <source>Prize level (hits on one board):</source>
        <translation>Rang de gain (bons numéros sur une grille) :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save the figures…</source>
        <translation>Enregistrer les chiffres…</translation>
    </message>
    <message>
        <source>This system has no table yet: there is nothing to analyse.</source>
        <translation>Ce système n&apos;a pas encore de table : il n&apos;y a rien à analyser.</translation>
    </message>
    <message>
        <source>The guarantee cannot be checked: N must be at most K, and K at most the %1 numbers of the wheel.</source>
        <translation>La garantie ne peut pas être vérifiée : N doit être au plus K, et K au plus les %1 numéros de la combinaison.</translation>
    </message>
    <message>
        <source>Counting every way the draw can fall on your numbers…</source>
        <translation>Décompte de toutes les façons dont le tirage peut tomber sur vos numéros…</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source> — smallest table, %1 boards</source>
        <translation> — plus petite table, %1 grilles</translation>
    </message>
    <message>
        <source>%1: %2 boards over %3 numbers</source>
        <translation>%1 : %2 grilles sur %3 numéros</translation>
    </message>
    <message>
        <source>%1 numbers if %2 of your %3 are drawn — checked against all %L4 ways %2 of your %3 numbers can be drawn:</source>
        <translation>%1 numéros si %2 de vos %3 sortent — vérifié sur les %L4 façons dont %2 de vos %3 numéros peuvent sortir :</translation>
    </message>
    <message>
        <source>holds.</source>
        <translation>elle tient.</translation>
    </message>
    <message>
        <source>does not hold: in %L1 of them no board holds %2 numbers.</source>
        <translation>elle ne tient pas : dans %L1 d&apos;entre elles, aucune grille n&apos;a %2 numéros.</translation>
    </message>
    <message>
        <source>… and %L1 more</source>
        <translation>… et %L1 de plus</translation>
    </message>
    <message>
        <source>h = %1</source>
        <translation>h = %1</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 sortis</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>grilles</translation>
    </message>
    <message>
        <source>A lottery drawing 7 of %1 numbers cannot hold your %2 numbers.</source>
        <translation>Une loterie qui tire 7 numéros parmi %1 ne peut pas contenir vos %2 numéros.</translation>
    </message>
    <message>
        <source>This wheel: a board with h or more</source>
        <translation>Ce système : une grille à h ou plus</translation>
    </message>
    <message>
        <source>%1 random boards</source>
        <translation>%1 grilles au hasard</translation>
    </message>
    <message>
        <source>Boards with h, on average</source>
        <translation>Grilles à h, en moyenne</translation>
    </message>
    <message>
        <source>The average number of boards with each number of hits is the same for any %1 boards: a wheel changes how the hits are spread over the draws, not their average.</source>
        <translation>Le nombre moyen de grilles pour chaque nombre de bons numéros est le même pour toutes %1 grilles : un système change la répartition des gains entre les tirages, pas leur moyenne.</translation>
    </message>
    <message>
        <source>The same guarantee with %1 boards instead of %2: %3 boards, %4 % less. No wheel can keep it with fewer than %5 boards.</source>
        <translation>La même garantie avec %1 grilles au lieu de %2 : %3 grilles, %4 % de moins. Aucune combinaison ne peut la tenir avec moins de %5 grilles.</translation>
    </message>
    <message>
        <source>Play the catalogue&apos;s table</source>
        <translation>Jouer la table du catalogue</translation>
    </message>
    <message>
        <source>Play the smallest table</source>
        <translation>Jouer la plus petite table</translation>
    </message>
    <message>
        <source>Open a wheel</source>
        <translation>Ouvrir une combinaison</translation>
    </message>
    <message>
        <source>Boards (*.txt)</source>
        <translation>Grilles (*.txt)</translation>
    </message>
    <message>
        <source>This wheel cannot be read</source>
        <translation>Cette combinaison ne peut pas être lue</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>It is far too large to be a file of boards.</source>
        <translation>Il est bien trop grand pour être un fichier de grilles.</translation>
    </message>
    <message>
        <source>Save the figures</source>
        <translation>Enregistrer les chiffres</translation>
    </message>
    <message>
        <source>Figures (*.csv)</source>
        <translation>Chiffres (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existe. Le remplacer ?</translation>
    </message>
    <message>
        <source>Fill the holes</source>
        <translation>Combler les trous</translation>
    </message>
    <message>
        <source>Add the fewest boards the search finds that make the guarantee hold</source>
        <translation>Ajouter le moins de grilles que la recherche trouve pour que la garantie tienne</translation>
    </message>
    <message>
        <source>Find a smaller wheel</source>
        <translation>Chercher une combinaison plus petite</translation>
    </message>
    <message>
        <source>Search for the same guarantee with fewer boards</source>
        <translation>Chercher la même garantie avec moins de grilles</translation>
    </message>
    <message>
        <source>Search for at most</source>
        <translation>Chercher au plus</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds the search may take</source>
        <translation>Secondes que la recherche peut prendre</translation>
    </message>
    <message>
        <source>Save the wheel…</source>
        <translation>Enregistrer la combinaison…</translation>
    </message>
    <message>
        <source>Save the boards found as a text file, one board of 7 numbers a line</source>
        <translation>Enregistrer les grilles trouvées dans un fichier texte, une grille de 7 numéros par ligne</translation>
    </message>
    <message>
        <source>Searching… a table of %1 boards so far.</source>
        <translation>Recherche… une table de %1 grilles jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>The search found no table without holes in the time given.</source>
        <translation>La recherche n&apos;a trouvé aucune table sans trou dans le temps donné.</translation>
    </message>
    <message>
        <source>The search found no wheel smaller than these %1 boards in the time given.</source>
        <translation>La recherche n&apos;a trouvé aucune combinaison plus petite que ces %1 grilles dans le temps donné.</translation>
    </message>
    <message>
        <source>The holes are filled: the guarantee holds with %1 boards instead of %2.</source>
        <translation>Les trous sont comblés : la garantie tient avec %1 grilles au lieu de %2.</translation>
    </message>
    <message>
        <source>The same guarantee with %1 boards instead of %2.</source>
        <translation>La même garantie avec %1 grilles au lieu de %2.</translation>
    </message>
    <message>
        <source>Save the wheel</source>
        <translation>Enregistrer la combinaison</translation>
    </message>
    <message>
        <source> — found by the search, not saved yet</source>
        <translation> — trouvée par la recherche, pas encore enregistrée</translation>
    </message>
    <message>
        <source>The holes are filled: the guarantee holds, still with %1 boards.</source>
        <translation>Les trous sont comblés : la garantie tient, toujours avec %1 grilles.</translation>
    </message>
</context>
<context>
    <name>TicketPreviewWindow</name>
    <message>
        <source>Ticket preview</source>
        <translation>Aperçu des tickets</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ticket %1 of %2</source>
        <translation>Ticket %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TicketPrintDialog</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Calibration sheet</source>
        <translation>Feuille de calage</translation>
    </message>
    <message>
        <source>The preview cannot be shown.</source>
        <translation>L&apos;aperçu ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>No printer: preview at %1 dots per inch, without margins.</source>
        <translation>Aucune imprimante : aperçu à %1 points par pouce, sans marges.</translation>
    </message>
    <message>
        <source>First board to print</source>
        <translation>Première grille à imprimer</translation>
    </message>
    <message>
        <source>Last board to print</source>
        <translation>Dernière grille à imprimer</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>the file could not be written whole</source>
        <translation>le fichier n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>cannot create a temporary file in its folder (%1)</source>
        <translation>impossible de créer un fichier temporaire dans son dossier (%1)</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>%1: horizontal adjustment %2 mm, vertical %3 mm</source>
        <translation>%1 : décalage horizontal %2 mm, vertical %3 mm</translation>
    </message>
    <message>
        <source>Ticket type %1 does not exist</source>
        <translation>Le type de ticket %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>board %1</source>
        <translation>grille %1</translation>
    </message>
    <message>
        <source>boards %1 to %2</source>
        <translation>grilles %1 à %2</translation>
    </message>
    <message>
        <source>%1 Ticket %2 (%3) was not printed.</source>
        <translation>%1 Le ticket %2 (%3) n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected error (%1).</source>
        <translation>La commande s&apos;est arrêtée sur une erreur inattendue (%1).</translation>
    </message>
    <message>
        <source>The command stopped on an unexpected error.</source>
        <translation>La commande s&apos;est arrêtée sur une erreur inattendue.</translation>
    </message>
    <message>
        <source>No printer</source>
        <translation>Pas d&apos;imprimante</translation>
    </message>
    <message>
        <source>No printer is installed. Save the pages as PDF instead?</source>
        <translation>Aucune imprimante n&apos;est installée. Enregistrer les pages en PDF ?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pages were saved in:
%1</source>
        <translation>Les pages ont été enregistrées dans :
%1</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The document cannot be printed.</source>
        <translation>Le document ne peut pas être imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not ready.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est pas prête.</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Le document n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer available.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est plus disponible.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>L&apos;imprimante « %1 » est arrêtée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <translation>L&apos;imprimante « %1 » n&apos;accepte pas de travaux.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document: %2</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pris le document : %2</translation>
    </message>
    <message>
        <source>Quillon: calibration sheet</source>
        <translation>Quillon : feuille de calage</translation>
    </message>
    <message>
        <source>Quillon: list of boards</source>
        <translation>Quillon : liste des grilles</translation>
    </message>
    <message>
        <source>%1 files in %2, from %3 to %4</source>
        <translation>%1 fichiers dans %2, de %3 à %4</translation>
    </message>
    <message>
        <source>These files are already there and will be replaced:</source>
        <translation>Ces fichiers existent déjà et seront remplacés :</translation>
    </message>
    <message>
        <source>These files of an earlier run will be removed:</source>
        <translation>Ces fichiers d&apos;une impression précédente seront supprimés :</translation>
    </message>
    <message>
        <source>The pages could not be saved as PDF.
%1
The files already there were left as they were.</source>
        <translation>Les pages n&apos;ont pas pu être enregistrées en PDF.
%1
Les fichiers déjà présents n&apos;ont pas été modifiés.</translation>
    </message>
    <message>
        <source>Quillon: ticket %1 of %2</source>
        <translation>Quillon : ticket %1 sur %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>no end of line</source>
        <translation>pas de fin de ligne</translation>
    </message>
    <message>
        <source>not %1 letters</source>
        <translation>pas %1 lettres</translation>
    </message>
    <message>
        <source>a letter outside positions 1 to %1</source>
        <translation>une lettre hors des positions 1 à %1</translation>
    </message>
    <message>
        <source>letters not in ascending order</source>
        <translation>lettres pas dans l&apos;ordre croissant</translation>
    </message>
    <message>
        <source>no board</source>
        <translation>aucune grille</translation>
    </message>
    <message>
        <source>Quillon: %1</source>
        <translation>Quillon : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>« %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 n&apos;est pas un numéro de 1 à %2</translation>
    </message>
    <message>
        <source>more than %1 numbers</source>
        <translation>plus de %1 numéros</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 figure deux fois</translation>
    </message>
    <message>
        <source>%1 numbers instead of %2</source>
        <translation>%1 numéros au lieu de %2</translation>
    </message>
    <message>
        <source>more than %1 different numbers in the wheel</source>
        <translation>plus de %1 numéros différents dans la combinaison</translation>
    </message>
    <message>
        <source>a lottery of %1 numbers cannot hold the wheel&apos;s %2</source>
        <translation>une loterie de %1 numéros ne peut contenir les %2 de la combinaison</translation>
    </message>
    <message>
        <source>system %1 has no table</source>
        <translation>le système %1 n&apos;a pas de table</translation>
    </message>
</context>
</TS>
