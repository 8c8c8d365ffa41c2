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
</context>
</TS>
