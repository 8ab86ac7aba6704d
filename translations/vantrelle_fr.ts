<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QObject</name>
    <message>
        <source> It said: %1</source>
        <translation> Message&#xa0;: %1</translation>
    </message>
    <message>
        <source>PDFs are made by LibreOffice</source>
        <translation>Les PDF sont créés par LibreOffice</translation>
    </message>
    <message>
        <source>%1, which is not installed. On Debian or Ubuntu, install the package %2 (sudo apt install %2), then try again.</source>
        <translation>%1, qui n’est pas installé. Sous Debian ou Ubuntu, installez le paquet %2 (sudo apt install %2), puis réessayez.</translation>
    </message>
    <message>
        <source>A count writes no results, so there is nothing to make PDFs of.</source>
        <translation>Un comptage n’écrit aucun fichier résultat&#xa0;: il n’y a donc rien à convertir en PDF.</translation>
    </message>
    <message>
        <source>The run wrote no result that is still there to make a PDF of.</source>
        <translation>L’exécution n’a écrit aucun fichier résultat encore présent à convertir en PDF.</translation>
    </message>
    <message>
        <source>Starting LibreOffice…</source>
        <translation>Démarrage de LibreOffice…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saving PDFs</source>
        <translation>Enregistrement des PDF</translation>
    </message>
    <message>
        <source>Converting “%1” (%2 of %3)</source>
        <translation>Conversion de «&#xa0;%1&#xa0;» (%2 sur %3)</translation>
    </message>
    <message>
        <source>%1, which is not installed. Install LibreOffice from https://www.libreoffice.org/download/, then try again.</source>
        <translation>%1, qui n’est pas installé. Installez LibreOffice depuis https://www.libreoffice.org/download/, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Adding</name>
    <message numerus="yes">
        <source>%n file(s) look like results of an earlier run. Leave them out?</source>
        <translation>
            <numerusform>%n fichier ressemble au fichier résultat d’une exécution précédente. L’écarter&#xa0;?</numerusform>
            <numerusform>%n fichiers ressemblent à des fichiers résultats d’une exécution précédente. Les écarter&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Ajouter des fichiers - Maintenez Ctrl pour en choisir plusieurs</translation>
    </message>
    <message>
        <source>Publisher Files (*.pub)|*.pub</source>
        <translation>Fichiers Publisher (*.pub)|*.pub</translation>
    </message>
    <message>
        <source>Enter file extension to load:

(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extension des fichiers à charger&#xa0;:

(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.

Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Vous avez choisi trop de fichiers à ajouter.

Essayez plutôt le bouton «&#xa0;Ajouter un dossier entier&#xa0;».</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangeList</name>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Copy Changes as &amp;Text</source>
        <translation>Copier les modifications en te&amp;xte</translation>
    </message>
    <message>
        <source>T&amp;ick or Untick</source>
        <translation>&amp;Cocher ou décocher</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Every pair</source>
        <translation>Toutes les paires</translation>
    </message>
    <message>
        <source>would have become (not written)</source>
        <translation>serait devenu (non écrit)</translation>
    </message>
    <message>
        <source>would become</source>
        <translation>deviendrait</translation>
    </message>
    <message>
        <source>became</source>
        <translation>est devenu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>left unchanged: %1</source>
        <translation>laissé tel quel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was found.</source>
        <translation>Rien n’a été trouvé.</translation>
    </message>
    <message>
        <source>%1 of %2 occurrences are listed; the others were counted but not listed, to keep long runs small.</source>
        <translation>%1 occurrences sur %2 sont listées&#xa0;; les autres ont été comptées mais pas listées, pour que les longues exécutions restent légères.</translation>
    </message>
    <message>
        <source>%1 of %2 changes ticked: “Write the Ticked Changes” replaces these and leaves the others.</source>
        <translation>%1 modifications cochées sur %2&#xa0;: «&#xa0;Écrire les modifications cochées&#xa0;» remplace celles-ci et laisse les autres.</translation>
    </message>
    <message>
        <source>&amp;Tick Every Change in %1</source>
        <translation>Cocher &amp;toutes les modifications de %1</translation>
    </message>
    <message>
        <source>&amp;Untick Every Change in %1</source>
        <translation>&amp;Décocher toutes les modifications de %1</translation>
    </message>
    <message>
        <source>Tick %1 in E&amp;very Document</source>
        <translation>Cocher %1 dans &amp;chaque document</translation>
    </message>
    <message>
        <source>Untick %1 in Every &amp;Document</source>
        <translation>Décocher %1 dans chaque doc&amp;ument</translation>
    </message>
    <message>
        <source>&amp;Pages before and after</source>
        <translation>&amp;Pages avant et après</translation>
    </message>
    <message>
        <source>Pages before and after: install %1 first</source>
        <translation>Pages avant et après&#xa0;: installez d’abord %1</translation>
    </message>
    <message>
        <source>Draw the pages of the source and the result with LibreOffice and show them side by side.</source>
        <translation>Dessiner les pages de la source et du fichier résultat avec LibreOffice et les montrer côte à côte.</translation>
    </message>
    <message>
        <source>There is no result to look at: the run wrote none for this document.</source>
        <translation>Il n’y a pas de résultat à voir&#xa0;: l’exécution n’en a écrit aucun pour ce document.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s)</source>
        <translation>
            <numerusform>%Ln occurrence</numerusform>
            <numerusform>%Ln occurrences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s).</source>
        <translation>
            <numerusform>%Ln occurrence.</numerusform>
            <numerusform>%Ln occurrences.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠ the text no longer fits its box: %1</source>
        <translation>⚠ le texte ne tient plus dans son cadre&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠ the text may no longer fit its box: %1</source>
        <translation>⚠ le texte risque de ne plus tenir dans son cadre&#xa0;: %1</translation>
    </message>
    <message>
        <source>it was found in the text of the change at story %1, character %2, which is not ticked</source>
        <translation>il a été trouvé dans le texte de la modification de l’article %1, caractère %2, qui n’est pas cochée</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>reste</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangesDialog</name>
    <message>
        <source>Changes in %1</source>
        <translation>Modifications dans %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::DocListView</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Tirez la ligne | vers la droite hors de la fenêtre pour voir les noms entiers.</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Fichier(s) Publisher</translation>
    </message>
</context>
<context>
    <name>vantrelle::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message à %1</translation>
    </message>
    <message>
        <source>Please report this with a screenshot of this message: %1.</source>
        <translation>Veuillez signaler ceci avec une capture d’écran de ce message&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>vantrelle::FileText</name>
    <message>
        <source>Permission denied: %1 is a folder</source>
        <translation>Accès refusé&#xa0;: %1 est un dossier</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Accès refusé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Windows reserves the name %1 for a device, so no file can have it</source>
        <translation>Windows réserve le nom %1 à un périphérique, aucun fichier ne peut donc le porter</translation>
    </message>
    <message>
        <source>Windows drops the dots and spaces at the end of a name, so that file would be another one</source>
        <translation>Windows supprime les points et les espaces à la fin d’un nom, ce fichier serait donc un autre</translation>
    </message>
    <message>
        <source>it is in use by another program; close it there and try again</source>
        <translation>il est utilisé par un autre programme&#xa0;; fermez-le dans celui-ci et réessayez</translation>
    </message>
</context>
<context>
    <name>vantrelle::Form1</name>
    <message>
        <source>Add Publisher File(s)</source>
        <translation>Ajouter des fichiers Publisher</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In Folder</source>
        <translation>Ajouter un dossier entier</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Charger les exemples</translation>
    </message>
    <message>
        <source>Match Option</source>
        <translation>Options de recherche</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Mots entiers</translation>
    </message>
    <message>
        <source>Find only whole words: “the” no longer finds “other” or “anthem”.</source>
        <translation>Ne trouver que des mots entiers&#xa0;: «&#xa0;the&#xa0;» ne trouve plus «&#xa0;other&#xa0;» ni «&#xa0;anthem&#xa0;».</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Read each find text as a regular expression. In the replacement, $0 stands for what was found, $1 to $9 for its groups and $$ for a dollar sign.</source>
        <translation>Lire chaque texte cherché comme une expression régulière. Dans le remplacement, $0 représente ce qui a été trouvé, $1 à $9 ses groupes et $$ un signe dollar.</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Casse auto</translation>
    </message>
    <message>
        <source>Find any case and write each replacement in the case of what it replaces: acme → apex, Acme → Apex, ACME → APEX.</source>
        <translation>Trouver toute casse et écrire chaque remplacement dans la casse de ce qu’il remplace&#xa0;: acme → apex, Acme → Apex, ACME → APEX.</translation>
    </message>
    <message>
        <source>Replace in:</source>
        <translation>Dans&#xa0;:</translation>
    </message>
    <message>
        <source>text only</source>
        <translation>le texte seul</translation>
    </message>
    <message>
        <source>text and link addresses</source>
        <translation>texte et liens</translation>
    </message>
    <message>
        <source>text, links and properties</source>
        <translation>texte, liens, propriétés</translation>
    </message>
    <message>
        <source>Where the pairs apply: the text only; also the addresses of web, e-mail and file links; or also the document properties (title, subject, author, keywords, comments, company, manager, category and your own).</source>
        <translation>Où les paires s’appliquent&#xa0;: le texte seul&#xa0;; aussi les adresses des liens web, e-mail et fichier&#xa0;; ou aussi les propriétés du document (titre, sujet, auteur, mots-clés, commentaires, société, responsable, catégorie et les vôtres).</translation>
    </message>
    <message>
        <source>Find and replace</source>
        <translation>Rechercher, remplacer</translation>
    </message>
    <message>
        <source>Multiple find and replace (sets)</source>
        <translation>Remplacements multiples (liste de paires)</translation>
    </message>
    <message>
        <source> Find what (exact case):</source>
        <translation> Rechercher (casse exacte)&#xa0;:</translation>
    </message>
    <message>
        <source> Replace with:</source>
        <translation> Remplacer par&#xa0;:</translation>
    </message>
    <message>
        <source>Add Set</source>
        <translation>Ajouter une paire</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Save Sets</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Remove Selected Set</source>
        <translation>Retirer la paire choisie</translation>
    </message>
    <message>
        <source>Clear Sets</source>
        <translation>Effacer les paires</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>Enregistrer dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Enregistrer à côté de l’original</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>Aussi un PDF de chaque résultat</translation>
    </message>
    <message>
        <source>Start Replacing</source>
        <translation>Lancer le remplacement</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Fichier(s) Publisher</translation>
    </message>
    <message>
        <source>After each run, save NAME.pdf beside every result NAME.pub, made by LibreOffice.</source>
        <translation>Après chaque exécution, enregistrer NOM.pdf à côté de chaque fichier résultat NOM.pub, créé par LibreOffice.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>There is nothing to find: type the text to find in &quot;Find what&quot; first.</source>
        <translation>Il n’y a rien à rechercher&#xa0;: tapez d’abord le texte à rechercher dans «&#xa0;Rechercher&#xa0;».</translation>
    </message>
    <message>
        <source>There is nothing to find: the sets list is empty. Add a set or load sets first.</source>
        <translation>Il n’y a rien à rechercher&#xa0;: la liste de paires est vide. Ajoutez d’abord une paire ou importez des paires.</translation>
    </message>
    <message>
        <source>Stop after this document?</source>
        <translation>S’arrêter après ce document&#xa0;?</translation>
    </message>
    <message>
        <source>Files are still being added from the folder. Start again when they are all in the list.</source>
        <translation>Des fichiers du dossier sont encore en cours d’ajout. Relancez quand ils sont tous dans la liste.</translation>
    </message>
    <message>
        <source>Cou&amp;nt Only</source>
        <translation>C&amp;ompter</translation>
    </message>
    <message>
        <source>Count the occurrences in every listed document without writing anything (%1).</source>
        <translation>Compter les occurrences dans chaque document de la liste sans rien écrire (%1).</translation>
    </message>
    <message>
        <source>&amp;Add Publisher File(s)</source>
        <translation>Ajouter des fichiers Pu&amp;blisher</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In &amp;Folder</source>
        <translation>Ajouter &amp;un dossier entier</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Files</source>
        <translation>Charger les e&amp;xemples</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>&amp;Casse</translation>
    </message>
    <message>
        <source>Whole wor&amp;ds</source>
        <translation>Mo&amp;ts entiers</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Ex&amp;pression régulière</translation>
    </message>
    <message>
        <source>&amp;Keep case</source>
        <translation>Casse &amp;auto</translation>
    </message>
    <message>
        <source>&amp;Start Replacing</source>
        <translation>&amp;Lancer le remplacement</translation>
    </message>
    <message>
        <source>Add S&amp;et</source>
        <translation>A&amp;jouter une paire</translation>
    </message>
    <message>
        <source>L&amp;oad Sets</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Sa&amp;ve Sets</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Set</source>
        <translation>Retirer la paire choi&amp;sie</translation>
    </message>
    <message>
        <source>Clear Se&amp;ts</source>
        <translation>E&amp;ffacer les paires</translation>
    </message>
    <message>
        <source>Save results to t&amp;his folder:</source>
        <translation>E&amp;nregistrer dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Save results in folder of ori&amp;ginal file</source>
        <translation>Enre&amp;gistrer à côté de l’original</translation>
    </message>
    <message>
        <source> Find &amp;what (exact case):</source>
        <translation> Rec&amp;hercher (casse exacte)&#xa0;:</translation>
    </message>
    <message>
        <source> Re&amp;place with:</source>
        <translation> Re&amp;mplacer par&#xa0;:</translation>
    </message>
    <message>
        <source>Replace &amp;in:</source>
        <translation>&amp;Dans&#xa0;:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Ce qu’il faut rechercher</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n paire</numerusform>
            <numerusform>%n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Sets: %1</source>
        <translation>Paires : %1</translation>
    </message>
    <message>
        <source>Right-click the list or press %1 to count the occurrences without writing anything.</source>
        <translation>Cliquez avec le bouton droit sur la liste ou appuyez sur %1 pour compter les occurrences sans rien écrire.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist. Please select another folder.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>in the sets list</source>
        <translation>de la liste de paires</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>The text in “%1”</source>
        <translation>Le texte de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The texts in “Find what” and “Replace with” cannot be used: %1.</source>
        <translation>Les textes de «&#xa0;Rechercher&#xa0;» et «&#xa0;Remplacer par&#xa0;» ne peuvent pas être utilisés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous que le programme ouvre le dossier où sont rangés ces fichiers d’exemple (pour les voir avant de travailler avec)&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Vantrelle</source>
        <translation>Vantrelle</translation>
    </message>
    <message>
        <source>the publishing program</source>
        <translation>le logiciel de PAO</translation>
    </message>
    <message>
        <source>Who opens, edits and saves each publication: Vantrelle&apos;s own engine, or the publishing program installed on this computer. The program cannot use regular expressions, keep case, or replace in link addresses and properties, and does not say how many replacements it made.</source>
        <translation>Qui ouvre, modifie et enregistre chaque publication&#xa0;: le moteur de Vantrelle, ou le logiciel de PAO installé sur cet ordinateur. Le programme ne sait ni utiliser d’expressions régulières, ni conserver la casse, ni remplacer dans les adresses de liens et les propriétés, et ne dit pas combien de remplacements il a faits.</translation>
    </message>
    <message>
        <source>The publishing program cannot do this; choose Vantrelle under “Edited by” for it.</source>
        <translation>Le logiciel de PAO ne sait pas le faire&#xa0;; choisissez Vantrelle sous «&#xa0;Modifié avec&#xa0;».</translation>
    </message>
    <message>
        <source>Edited &amp;by:</source>
        <translation>Avec :</translation>
    </message>
    <message>
        <source>Warn when text no longer fits its box</source>
        <translation>Avertir si le texte déborde du cadre</translation>
    </message>
    <message>
        <source>Count and each run lay out the stories the replacements make longer, and the report says which no longer fit their boxes.</source>
        <translation>Le comptage et chaque exécution mettent en page les articles que les remplacements allongent, et le rapport dit lesquels ne tiennent plus dans leur cadre.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Vantrelle</source>
        <translation>À &amp;propos de Vantrelle</translation>
    </message>
    <message>
        <source>%1 %2

Finds and replaces text in many publications in one run.

Made with Qt %3.</source>
        <translation>%1 %2

Recherche et remplace du texte dans de nombreuses publications en une seule exécution.

Réalisé avec Qt %3.</translation>
    </message>
    <message>
        <source> Find &amp;what:</source>
        <translation> Rec&amp;hercher&#xa0;:</translation>
    </message>
</context>
<context>
    <name>vantrelle::Form2</name>
    <message>
        <source>If the text file you are loading looks like this:

hi::hello
peter::pete

then use :: as a Separator

If the text file you are loading looks like this:

hi,hello
peter,pete

then use , as a Separator

NOTE: The &apos;Save Sets&apos; feature in this software always saves in this format:

hi::hello
peter::pete</source>
        <translation>Si le fichier texte que vous ouvrez ressemble à ceci&#xa0;:

hi::hello
peter::pete

utilisez&#xa0;:: comme séparateur

Si le fichier texte que vous ouvrez ressemble à ceci&#xa0;:

hi,hello
peter,pete

utilisez , comme séparateur

REMARQUE&#xa0;: «&#xa0;Exporter&#xa0;» enregistre toujours dans ce format&#xa0;:

hi::hello
peter::pete</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>File To Load:</source>
        <translation>Fichier à ouvrir&#xa0;:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Séparateur&#xa0;:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File To Load</source>
        <translation>Fichier à ouvrir</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Browse for the file to load</source>
        <translation>Choisir le fichier à ouvrir</translation>
    </message>
    <message>
        <source>Separator examples</source>
        <translation>Exemples de séparateurs</translation>
    </message>
    <message>
        <source>Select Text File</source>
        <translation>Choisir un fichier texte</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*)|*|</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*)|*|</translation>
    </message>
    <message>
        <source>You must enter separating character(s).</source>
        <translation>Vous devez saisir un ou plusieurs caractères de séparation.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 introuvable.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1 No pairs were loaded.</source>
        <translation>%1 Aucune paire n’a été chargée.</translation>
    </message>
</context>
<context>
    <name>vantrelle::IsInstalled</name>
    <message>
        <source>Publisher is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Publisher n’est pas installé sur cet ordinateur. Il doit l’être pour utiliser ce programme sans erreur.</translation>
    </message>
    <message>
        <source>Publisher may be open. It is recommended that you close Publisher first.

Would you like to proceed anyway?</source>
        <translation>Publisher est peut-être ouvert. Il est conseillé de fermer d’abord Publisher.

Voulez-vous continuer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>This publishing program cannot replace in link addresses or document properties; turn those options off to use it.</source>
        <translation>Ce logiciel de PAO ne sait pas remplacer dans les adresses des liens ni dans les propriétés du document&#xa0;; désactivez ces options pour l’utiliser.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Main</name>
    <message>
        <source>These files: 

%1
do not appear to be in the expected file format because of their file extension.

Would you like to remove them from list?</source>
        <translation>Ces fichiers&#xa0;: 

%1
ne semblent pas être au format attendu, d’après leur extension.

Voulez-vous les retirer de la liste&#xa0;?</translation>
    </message>
</context>
<context>
    <name>vantrelle::OutputText</name>
    <message>
        <source>Cannot save as “%1”: %2.</source>
        <translation>Impossible d’enregistrer sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>impossible d’écrire dans le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>another user&apos;s file has that name in a folder where only its owner may remove it</source>
        <translation>un fichier d’un autre utilisateur porte ce nom, dans un dossier où seul son propriétaire peut le supprimer</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is the same file as the document itself, reached by another path (a link, a mount or another letter case). %1 was not processed, so that it is not lost.</source>
        <translation>Le fichier résultat de %1 remplacerait %2, qui est le même fichier que le document lui-même, atteint par un autre chemin (un lien, un montage ou une autre casse). %1 n’a pas été traité, pour qu’il ne soit pas perdu.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is a document in the list. %1 was not processed.</source>
        <translation>Le fichier résultat de %1 remplacerait %2, qui est un document de la liste. %1 n’a pas été traité.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, the result of %3 written in this run. %1 was not processed.</source>
        <translation>Le fichier résultat de %1 remplacerait %2, le fichier résultat de %3 écrit pendant cette exécution. %1 n’a pas été traité.</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesDialog</name>
    <message>
        <source>Pages of %1 before and after</source>
        <translation>Pages de %1 avant et après</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of “%1” as it was before…</source>
        <translation>LibreOffice dessine les pages de «&#xa0;%1&#xa0;» tel qu’il était avant…</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of the result “%1”…</source>
        <translation>LibreOffice dessine les pages du fichier résultat «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Before - %1.pdf</source>
        <translation>Avant - %1.pdf</translation>
    </message>
    <message>
        <source>After - %1.pdf</source>
        <translation>Après - %1.pdf</translation>
    </message>
    <message>
        <source>The drawings could not be saved in the temporary folder %1: %2.</source>
        <translation>Les dessins n’ont pas pu être enregistrés dans le dossier temporaire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens PDF files. The pages before and after are drawn in %1.</source>
        <translation>Aucun programme de cet ordinateur n’ouvre les fichiers PDF. Les pages avant et après sont dessinées dans %1.</translation>
    </message>
    <message>
        <source>The pages before and after are open in your PDF viewer, as LibreOffice draws them: “%1” and “%2”.</source>
        <translation>Les pages avant et après sont ouvertes dans votre lecteur PDF, telles que LibreOffice les dessine&#xa0;: «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesView</name>
    <message>
        <source>Pages before and after, as LibreOffice draws it. Your publishing program may lay them out a little differently.</source>
        <translation>Pages avant et après, telles que LibreOffice les dessine. Votre logiciel de PAO peut les mettre en page un peu autrement.</translation>
    </message>
    <message>
        <source>&amp;Previous page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>&amp;Fit width</source>
        <translation>A&amp;juster à la largeur</translation>
    </message>
    <message>
        <source>Before: </source>
        <translation>Avant&#xa0;: </translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Après&#xa0;: </translation>
    </message>
    <message>
        <source>The drawings of the pages before and after do not differ.</source>
        <translation>Les dessins des pages avant et après ne diffèrent pas.</translation>
    </message>
    <message>
        <source>These pages could not be shown.</source>
        <translation>Ces pages n’ont pas pu être affichées.</translation>
    </message>
    <message>
        <source>No page %1 here: this side ends at page %2.</source>
        <translation>Pas de page %1 ici&#xa0;: ce côté s’arrête à la page %2.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largeur de page</translation>
    </message>
    <message numerus="yes">
        <source>Marked in red: where the pages differ (page(s) %1).</source>
        <translation>
            <numerusform>En rouge&#xa0;: là où les pages diffèrent (page %1).</numerusform>
            <numerusform>En rouge&#xa0;: là où les pages diffèrent (pages %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::PairText</name>
    <message>
        <source>%1 is empty: there is nothing to find</source>
        <translation>%1 est vide&#xa0;: il n’y a rien à rechercher</translation>
    </message>
    <message>
        <source>%1 holds a line or paragraph break (%2) at character %3; texts with breaks cannot be replaced</source>
        <translation>%1 contient un saut de ligne ou de paragraphe (%2) au caractère %3&#xa0;; les textes avec des sauts ne peuvent pas être remplacés</translation>
    </message>
    <message>
        <source>%1 holds the control character %2 at character %3, which the text of a publication cannot hold (tab is the only one allowed)</source>
        <translation>%1 contient le caractère de contrôle %2 au caractère %3, que le texte d’une publication ne peut pas contenir (seule la tabulation est admise)</translation>
    </message>
    <message>
        <source>%1 holds half of a character (the unpaired surrogate %2) at character %3, which the text of a publication cannot hold</source>
        <translation>%1 contient une moitié de caractère (le demi-codet isolé %2) au caractère %3, que le texte d’une publication ne peut pas contenir</translation>
    </message>
    <message>
        <source>%1 holds the noncharacter %2 at character %3, which the text of a publication cannot hold</source>
        <translation>%1 contient le non-caractère %2 au caractère %3, que le texte d’une publication ne peut pas contenir</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>à son début</translation>
    </message>
    <message>
        <source>at position %1, after %2</source>
        <translation>à la position %1, après %2</translation>
    </message>
    <message>
        <source>the regular expression %1 is not valid: %2, %3</source>
        <translation>l’expression régulière %1 n’est pas valide&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>the regular expression %1 matches an empty text, which would insert the replacement between characters; make it match at least one character (+ instead of *, for example)</source>
        <translation>l’expression régulière %1 correspond à un texte vide, ce qui insérerait le remplacement entre les caractères&#xa0;; faites-la correspondre à au moins un caractère (+ au lieu de *, par exemple)</translation>
    </message>
    <message>
        <source>the replacement %1 refers to group %2, but the regular expression %3 has %4</source>
        <translation>le remplacement %1 renvoie au groupe %2, mais l’expression régulière %3 en a %4</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n groupe</numerusform>
            <numerusform>%n groupes</numerusform>
        </translation>
    </message>
    <message>
        <source>one group</source>
        <translation>un groupe</translation>
    </message>
    <message>
        <source>the replacement %1 holds a “$” that is not followed by a group number 0 to 9 or a group&apos;s name in braces; write $$ for a dollar sign</source>
        <translation>le remplacement %1 contient un «&#xa0;$&#xa0;» qui n’est suivi ni d’un numéro de groupe de 0 à 9 ni du nom d’un groupe entre accolades&#xa0;; écrivez $$ pour un signe dollar</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfExport</name>
    <message>
        <source>No temporary folder can be made in %1 to convert “%2”.</source>
        <translation>Impossible de créer un dossier temporaire dans %1 pour convertir «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Another result&apos;s PDF has the same name, %1; this one was not written.</source>
        <translation>Le PDF d’un autre fichier résultat porte le même nom, %1&#xa0;; celui-ci n’a pas été écrit.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>“%1” cannot be read, or no temporary copy of it can be made.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu, ou aucune copie temporaire ne peut en être faite.</translation>
    </message>
    <message>
        <source>LibreOffice did not finish within %1 seconds, so it was stopped; the publication may be very large, or LibreOffice stuck on it.</source>
        <translation>LibreOffice n’a pas fini en %1 secondes et a donc été arrêté&#xa0;; la publication est peut-être très grande, ou LibreOffice est resté bloqué dessus.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>LibreOffice n’a pas pu être démarré&#xa0;: %1</translation>
    </message>
    <message>
        <source>LibreOffice crashed.</source>
        <translation>LibreOffice s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>LibreOffice ended with exit code %1.</source>
        <translation>LibreOffice s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert it.</source>
        <translation>LibreOffice n’a pas pu le convertir.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: %2</source>
        <translation>Le PDF n’a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfRendering</name>
    <message>
        <source>LibreOffice did not finish drawing “%1” within %2 seconds, so it was stopped. The publication may be very large, or LibreOffice may be stuck; try again, or open it in LibreOffice Draw yourself.</source>
        <translation>LibreOffice n’a pas fini de dessiner «&#xa0;%1&#xa0;» en %2 secondes et a donc été arrêté. La publication est peut-être très grande, ou LibreOffice est bloqué&#xa0;; réessayez, ou ouvrez-la vous-même dans LibreOffice Draw.</translation>
    </message>
    <message>
        <source>The pages are drawn by LibreOffice</source>
        <translation>Les pages sont dessinées par LibreOffice</translation>
    </message>
    <message>
        <source>Cannot draw the pages of “%1”: the file cannot be read, or no temporary copy of it can be made in %2.</source>
        <translation>Impossible de dessiner les pages de «&#xa0;%1&#xa0;»&#xa0;: le fichier ne peut pas être lu, ou aucune copie temporaire ne peut en être faite dans %2.</translation>
    </message>
    <message>
        <source>Drawing the pages of “%1” was stopped.</source>
        <translation>Le dessin des pages de «&#xa0;%1&#xa0;» a été arrêté.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started to draw “%1”: %2</source>
        <translation>LibreOffice n’a pas pu être démarré pour dessiner «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>LibreOffice could not draw “%1” (exit code %2).</source>
        <translation>LibreOffice n’a pas pu dessiner «&#xa0;%1&#xa0;» (code de sortie %2).</translation>
    </message>
    <message>
        <source> It said: %1</source>
        <translation> Message&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::QtDialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>No file manager opened the folder %1. Open it yourself, or install a file manager.</source>
        <translation>Aucun gestionnaire de fichiers n’a ouvert le dossier %1. Ouvrez-le vous-même, ou installez un gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Don&apos;t show further errors during this run</source>
        <translation>Ne plus afficher d’erreurs pendant cette exécution</translation>
    </message>
    <message>
        <source>Don&apos;t show further notices during this run</source>
        <translation>Ne plus afficher d’avis pendant cette exécution</translation>
    </message>
    <message>
        <source>No program on this computer opened %1. Open it yourself, or install a program for this kind of file.</source>
        <translation>Aucun programme de cet ordinateur n’a ouvert %1. Ouvrez-le vous-même, ou installez un programme pour ce type de fichier.</translation>
    </message>
</context>
<context>
    <name>vantrelle::ReportWindow</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Issue</translation>
    </message>
    <message>
        <source>Would replace</source>
        <translation>Remplacerait</translation>
    </message>
    <message>
        <source>Replacements</source>
        <translation>Remplacements</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restants</translation>
    </message>
    <message>
        <source>Output (not written)</source>
        <translation>Sortie (non écrite)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 (aucun écrit)</translation>
    </message>
    <message>
        <source>Started %1, ended %2, took %3</source>
        <translation>Début %1, fin %2, durée %3</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <translation>Document&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Output (not written): %1</source>
        <translation>Sortie (non écrite)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Issue&#xa0;: %1</translation>
    </message>
    <message>
        <source>PDF: %1 (%2)</source>
        <translation>PDF&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Erreurs&#xa0;:</translation>
    </message>
    <message>
        <source>Pairs (%1 ms):</source>
        <translation>Paires (%1 ms)&#xa0;:</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Details of the selected document</source>
        <translation>Détails du document choisi</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>Copier le &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Enregistrer en C&amp;SV…</translation>
    </message>
    <message>
        <source>Save P&amp;DFs of the results…</source>
        <translation>Enregistrer les P&amp;DF des résultats…</translation>
    </message>
    <message>
        <source>&amp;Beside Each Result</source>
        <translation>&amp;À côté de chaque résultat</translation>
    </message>
    <message>
        <source>Into a &amp;Folder…</source>
        <translation>Dans un &amp;dossier…</translation>
    </message>
    <message>
        <source>&amp;Write the Ticked Changes</source>
        <translation>Écrire les &amp;modifications cochées</translation>
    </message>
    <message>
        <source>Write the results with the ticked changes only. A document changed since it was counted is not written.</source>
        <translation>Écrire les fichiers résultats avec les seules modifications cochées. Un document modifié depuis le comptage n’est pas écrit.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Count (nothing written) — %1</source>
        <translation>Comptage (rien n’est écrit) — %1</translation>
    </message>
    <message>
        <source>Run report — %1</source>
        <translation>Rapport d’exécution — %1</translation>
    </message>
    <message>
        <source>%1 of %2 ticked</source>
        <translation>%1 sur %2 cochées</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Save a PDF of every result with LibreOffice, beside it or into a folder you choose.</source>
        <translation>Enregistrer un PDF de chaque fichier résultat avec LibreOffice, à côté ou dans un dossier de votre choix.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n PDFs already exist, such as %1. Replace them?</source>
        <translation>
            <numerusform>%n PDF existe déjà, %1. Le remplacer&#xa0;?</numerusform>
            <numerusform>%n PDF existent déjà, dont %1. Les remplacer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the PDFs into this folder</source>
        <translation>Enregistrer les PDF dans ce dossier</translation>
    </message>
    <message>
        <source>Save Report as CSV</source>
        <translation>Enregistrer le rapport en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment écraser %1&#xa0;?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Le rapport n’a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Fit: %1</source>
        <translation>Cadre&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Open the Publication</source>
        <translation>Ouvrir la &amp;publication</translation>
    </message>
    <message>
        <source>&amp;Open the Result</source>
        <translation>Ouvrir le fichier &amp;résultat</translation>
    </message>
    <message>
        <source>Open the Result&apos;s &amp;PDF</source>
        <translation>Ouvrir le P&amp;DF du fichier résultat</translation>
    </message>
    <message>
        <source>Open the &amp;Folder</source>
        <translation>Ouvrir le d&amp;ossier</translation>
    </message>
</context>
<context>
    <name>vantrelle::RunText</name>
    <message numerus="yes">
        <source>%Ln written</source>
        <translation>
            <numerusform>%Ln écrit</numerusform>
            <numerusform>%Ln écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <translation>
            <numerusform>%Ln en échec</numerusform>
            <numerusform>%Ln en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not reached</source>
        <translation>
            <numerusform>%Ln non atteint</numerusform>
            <numerusform>%Ln non atteints</numerusform>
        </translation>
    </message>
    <message>
        <source>PDFs: %1</source>
        <translation>PDF&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>not applied</source>
        <translation>non appliquée</translation>
    </message>
    <message>
        <source>found, counts not known</source>
        <translation>trouvée, nombres inconnus</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trouvée</translation>
    </message>
    <message>
        <source>would replace %1, %2 would be left</source>
        <translation>remplacerait %1, %2 resteraient</translation>
    </message>
    <message>
        <source>%1 replaced, %2 left</source>
        <translation>%1 remplacés, %2 restants</translation>
    </message>
    <message>
        <source>%1 in link addresses</source>
        <translation>%1 dans les adresses des liens</translation>
    </message>
    <message>
        <source>%1 in document properties</source>
        <translation>%1 dans les propriétés du document</translation>
    </message>
    <message>
        <source> left unchanged: %1</source>
        <translation> laissé tel quel&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln would be written</source>
        <translation>
            <numerusform>%Ln serait écrit</numerusform>
            <numerusform>%Ln seraient écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with nothing to replace</source>
        <translation>
            <numerusform>%Ln sans rien à remplacer</numerusform>
            <numerusform>%Ln sans rien à remplacer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln would fail</source>
        <translation>
            <numerusform>%Ln échouerait</numerusform>
            <numerusform>%Ln échoueraient</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <translation>
            <numerusform>%Ln ignoré</numerusform>
            <numerusform>%Ln ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln document(s)</source>
        <translation>
            <numerusform>%Ln document</numerusform>
            <numerusform>%Ln documents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s) would be made</source>
        <translation>
            <numerusform>%Ln remplacement serait fait</numerusform>
            <numerusform>%Ln remplacements seraient faits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s)</source>
        <translation>
            <numerusform>%Ln remplacement</numerusform>
            <numerusform>%Ln remplacements</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and the counts of %Ln document(s) not known)</source>
        <translation>
            <numerusform>%1 (et les nombres de %Ln document inconnus)</numerusform>
            <numerusform>%1 (et les nombres de %Ln documents inconnus)</numerusform>
        </translation>
    </message>
    <message>
        <source>would be written</source>
        <translation>serait écrit</translation>
    </message>
    <message>
        <source>nothing to replace</source>
        <translation>rien à remplacer</translation>
    </message>
    <message>
        <source>would fail</source>
        <translation>échouerait</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>it is not in the review</source>
        <translation>il n’est pas dans la vérification</translation>
    </message>
    <message>
        <source>“%1” was not written: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Traitement&#xa0;: %1</translation>
    </message>
    <message>
        <source>changed since it was reviewed</source>
        <translation>modifié depuis la vérification</translation>
    </message>
    <message>
        <source>%1 Yes (the default).
</source>
        <translation>%1 Oui (par défaut).
</translation>
    </message>
    <message>
        <source>%1 No (the default).
</source>
        <translation>%1 Non (par défaut).
</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) left out: they look like results of an earlier run (--include-results edits them too).</source>
        <translation>
            <numerusform>%n fichier écarté&#xa0;: il ressemble au fichier résultat d’une exécution précédente (--include-results le modifie aussi).</numerusform>
            <numerusform>%n fichiers écartés&#xa0;: ils ressemblent à des fichiers résultats d’une exécution précédente (--include-results les modifie aussi).</numerusform>
        </translation>
    </message>
    <message>
        <source>documents</source>
        <translation>documents</translation>
    </message>
    <message>
        <source>, %1/s, %2:%3 left</source>
        <translation>, %1/s, reste %2:%3</translation>
    </message>
    <message>
        <source>  … and %1 more, counted but not listed
</source>
        <translation>  … et %1 de plus, comptés mais non listés
</translation>
    </message>
    <message>
        <source>
Try &apos;vantrelle-replace --help&apos;.
</source>
        <translation>
Essayez &apos;vantrelle-replace --help&apos;.
</translation>
    </message>
    <message>
        <source>Stopping: the documents being edited are finished first.
</source>
        <translation>Arrêt&#xa0;: les documents en cours de modification sont d’abord terminés.
</translation>
    </message>
    <message>
        <source>PDFs</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>%1: PDF %2
</source>
        <translation>%1&#xa0;: PDF %2
</translation>
    </message>
    <message>
        <source>No publications were found in the sources given.
</source>
        <translation>Aucune publication n’a été trouvée dans les sources données.
</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2. Nothing was edited.
</source>
        <translation>Le rapport %1 ne peut pas être écrit&#xa0;: %2. Rien n’a été modifié.
</translation>
    </message>
    <message>
        <source>The report %1 could not be written: %2.
</source>
        <translation>Le rapport %1 n’a pas pu être écrit&#xa0;: %2.
</translation>
    </message>
    <message>
        <source>Interrupted: %1.
</source>
        <translation>Interrompu&#xa0;: %1.
</translation>
    </message>
    <message>
        <source>%1
“%2” was not written.
</source>
        <translation>%1
«&#xa0;%2&#xa0;» n’a pas été écrit.
</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 (the document %2)</source>
        <translation>%1 (le document %2)</translation>
    </message>
    <message>
        <source>%1, change %2</source>
        <translation>%1, modification %2</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used: %2: %3. Nothing was written.</source>
        <translation>Le plan %1 ne peut pas être utilisé&#xa0;: %2&#xa0;: %3. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the plan ends inside a value</source>
        <translation>le plan se termine au milieu d’une valeur</translation>
    </message>
    <message>
        <source>it lists no documents</source>
        <translation>il ne liste aucun document</translation>
    </message>
    <message>
        <source>a document is not a JSON object</source>
        <translation>un document n’est pas un objet JSON</translation>
    </message>
    <message>
        <source>a bracket closes what was never opened</source>
        <translation>un crochet ou une accolade ferme ce qui n’a jamais été ouvert</translation>
    </message>
    <message>
        <source>there is text outside any JSON object</source>
        <translation>il y a du texte hors de tout objet JSON</translation>
    </message>
    <message>
        <source>the line cannot be read (%1)</source>
        <translation>la ligne ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>“%1” is missing or has a value of the wrong type</source>
        <translation>«&#xa0;%1&#xa0;» manque ou a une valeur du mauvais type</translation>
    </message>
    <message>
        <source>it does not list every change of the document; make the plan with --dry-run --report FILE.json</source>
        <translation>il ne liste pas toutes les modifications du document&#xa0;; faites le plan avec --dry-run --report FILE.json</translation>
    </message>
    <message>
        <source>the id %1 is there twice</source>
        <translation>l’identifiant %1 y figure deux fois</translation>
    </message>
    <message>
        <source>there is no pair %1</source>
        <translation>il n’y a pas de paire %1</translation>
    </message>
    <message>
        <source>the change is not one of this document&apos;s</source>
        <translation>la modification n’appartient pas à ce document</translation>
    </message>
    <message>
        <source>The plan %1 cannot be read: %2.</source>
        <translation>Le plan %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the document is there twice</source>
        <translation>le document y figure deux fois</translation>
    </message>
    <message>
        <source>the document was counted with other pairs or options than the first</source>
        <translation>le document a été compté avec d’autres paires ou options que le premier</translation>
    </message>
    <message>
        <source>the plan %1 changed while it was used</source>
        <translation>le plan %1 a changé pendant son utilisation</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: il a changé depuis sa vérification.</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>vérification impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Story %1 on page %2 no longer fits its box (%3); nothing was written.</source>
        <translation>L’article %1 de la page %2 ne tient plus dans son cadre (%3)&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>story %1, character %2</source>
        <translation>article %1, caractère %2</translation>
    </message>
    <message>
        <source>overflows</source>
        <translation>déborde</translation>
    </message>
    <message>
        <source>may overflow</source>
        <translation>risque de déborder</translation>
    </message>
    <message>
        <source>could not check</source>
        <translation>vérification impossible</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) overflow</source>
        <translation>
            <numerusform>%n cadre déborde</numerusform>
            <numerusform>%n cadres débordent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) may overflow</source>
        <translation>
            <numerusform>%n cadre risque de déborder</numerusform>
            <numerusform>%n cadres risquent de déborder</numerusform>
        </translation>
    </message>
    <message>
        <source>fits</source>
        <translation>tient</translation>
    </message>
    <message>
        <source>story %1, page %2: %3</source>
        <translation>article %1, page %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>vantrelle::SetsText</name>
    <message numerus="yes">
        <source>The sets list holds at most 32,767 pairs. %n line(s) of the file were not loaded.</source>
        <translation>
            <numerusform>La liste de paires contient au plus 32 767 paires. %n ligne du fichier n’a pas été chargée.</numerusform>
            <numerusform>La liste de paires contient au plus 32 767 paires. %n lignes du fichier n’ont pas été chargées.</numerusform>
        </translation>
    </message>
    <message>
        <source> of pair %1</source>
        <translation> de la paire %1</translation>
    </message>
    <message>
        <source>The find text%1</source>
        <translation>Le texte cherché%1</translation>
    </message>
    <message>
        <source>The replace text%1 (“%2”)</source>
        <translation>Le texte de remplacement%1 («&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>The texts%1 cannot be used: %2.</source>
        <translation>Les textes%1 ne peuvent pas être utilisés&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment écraser %1&#xa0;?</translation>
    </message>
    <message>
        <source>Enter find and replace set (use :: to separate find text and replace text):</source>
        <translation>Saisissez une paire de recherche et remplacement (:: sépare le texte cherché du texte de remplacement)&#xa0;:</translation>
    </message>
    <message>
        <source>findwhat::replacewith</source>
        <translation>chercher::remplacer</translation>
    </message>
    <message>
        <source>You must use :: to separate the find text from the replace text</source>
        <translation>Vous devez utiliser&#xa0;:: pour séparer le texte cherché du texte de remplacement</translation>
    </message>
    <message>
        <source>The sets list is full: it holds at most 32,767 pairs. Remove a set to add another.</source>
        <translation>La liste de paires est pleine&#xa0;: elle contient au plus 32 767 paires. Retirez une paire pour en ajouter une autre.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Settings</name>
    <message>
        <source>its contents cannot be read</source>
        <translation>son contenu ne peut pas être lu</translation>
    </message>
    <message>
        <source>its folder %1 does not exist and cannot be made</source>
        <translation>son dossier %1 n’existe pas et ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>you have no permission to write in its folder %1</source>
        <translation>vous n’avez pas le droit d’écrire dans son dossier %1</translation>
    </message>
    <message>
        <source>Your choices cannot be kept for the next start: the settings file %1 cannot be written (%2). They stay in force until you close the program.</source>
        <translation>Vos choix ne peuvent pas être gardés pour le prochain démarrage&#xa0;: le fichier de réglages %1 ne peut pas être écrit (%2). Ils restent en vigueur jusqu’à la fermeture du programme.</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>These stored settings could not be read and are back at their defaults: %1. Choose them again if they were set otherwise.</source>
        <translation>Ces réglages enregistrés n’ont pas pu être lus et sont revenus à leurs valeurs par défaut&#xa0;: %1. Choisissez-les de nouveau s’ils étaient réglés autrement.</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Mots entiers</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Conserver la casse</translation>
    </message>
    <message>
        <source>the tab shown at start</source>
        <translation>l’onglet affiché au démarrage</translation>
    </message>
    <message>
        <source>the separator of Load Sets</source>
        <translation>le séparateur de l’import des paires</translation>
    </message>
    <message>
        <source>the folder to save results to</source>
        <translation>le dossier où enregistrer les fichiers résultats</translation>
    </message>
    <message>
        <source>Save results to this folder</source>
        <translation>Enregistrer dans ce dossier</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Enregistrer à côté de l’original</translation>
    </message>
    <message>
        <source>the folder last chosen for results</source>
        <translation>le dernier dossier choisi pour les fichiers résultats</translation>
    </message>
    <message>
        <source>the file type added from a folder</source>
        <translation>le type de fichier ajouté depuis un dossier</translation>
    </message>
    <message>
        <source>the folder last added</source>
        <translation>le dernier dossier ajouté</translation>
    </message>
    <message>
        <source>the sample files</source>
        <translation>les fichiers d’exemple</translation>
    </message>
    <message>
        <source>the folder of the last publications added</source>
        <translation>le dossier des dernières publications ajoutées</translation>
    </message>
    <message>
        <source>the folder of the last sets file</source>
        <translation>le dossier du dernier fichier de paires</translation>
    </message>
    <message>
        <source>the place of the report window</source>
        <translation>la position de la fenêtre du rapport</translation>
    </message>
    <message>
        <source>the place of the pages window</source>
        <translation>la position de la fenêtre des pages</translation>
    </message>
    <message>
        <source>Replace in</source>
        <translation>Remplacer dans</translation>
    </message>
    <message>
        <source>Edited by</source>
        <translation>Modifié avec</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>Aussi un PDF de chaque fichier résultat</translation>
    </message>
</context>
<context>
    <name>vantrelle::Startup</name>
    <message>
        <source>Finds and replaces text in many publications in one run.</source>
        <translation>Recherche et remplace du texte dans de nombreuses publications en une seule fois.</translation>
    </message>
    <message>
        <source>Publications to add to the list, and folders whose .pub files (subfolders included) to add.</source>
        <translation>Publications à ajouter à la liste, et dossiers dont ajouter les fichiers .pub (sous-dossiers compris).</translation>
    </message>
    <message>
        <source>[FILE|FOLDER...]</source>
        <translation>[FICHIER|DOSSIER...]</translation>
    </message>
    <message>
        <source>%1
See --help.
</source>
        <translation>%1
Voir --help.
</translation>
    </message>
    <message>
        <source>No such file or folder, not added: %1
</source>
        <translation>Fichier ou dossier introuvable, non ajouté&#xa0;: %1
</translation>
    </message>
</context>
<context>
    <name>vantrelle::cli::CliText</name>
    <message>
        <source>The separator given with --separator is empty.</source>
        <translation>Le séparateur donné avec --separator est vide.</translation>
    </message>
    <message>
        <source>The sets file %1 was not found.</source>
        <translation>Le fichier de paires %1 est introuvable.</translation>
    </message>
    <message>
        <source>The sets file %1 cannot be read: %2</source>
        <translation>Le fichier de paires %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 Split the file.</source>
        <translation>%1 Découpez le fichier.</translation>
    </message>
    <message>
        <source>The sets file %1 holds no line with the separator “%2”.</source>
        <translation>Le fichier de paires %1 ne contient aucune ligne avec le séparateur «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d’une fois.</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not “%2”.</source>
        <translation>--jobs attend un nombre entier de 1 à %1, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--report needs a file name, or - for standard output.</source>
        <translation>--report attend un nom de fichier, ou - pour la sortie standard.</translation>
    </message>
    <message>
        <source>The report %1 must end in .json or .csv (or be - for JSON lines on standard output).</source>
        <translation>Le rapport %1 doit se terminer par .json ou .csv (ou être - pour des lignes JSON sur la sortie standard).</translation>
    </message>
    <message>
        <source>The folder of the report %1 does not exist.</source>
        <translation>Le dossier du rapport %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The report %1 is a folder.</source>
        <translation>Le rapport %1 est un dossier.</translation>
    </message>
    <message>
        <source>--pdf puts each PDF beside its result, --pdf-dir DIR puts them all in DIR: give one of the two.</source>
        <translation>--pdf met chaque PDF à côté de son fichier résultat, --pdf-dir DIR les met tous dans DIR&#xa0;: donnez l’un des deux.</translation>
    </message>
    <message>
        <source>--pdf-timeout goes with --pdf or --pdf-dir.</source>
        <translation>--pdf-timeout va avec --pdf ou --pdf-dir.</translation>
    </message>
    <message>
        <source>--dry-run writes no results, so there is nothing to make PDFs of; leave out --pdf or --pdf-dir.</source>
        <translation>--dry-run n’écrit aucun fichier résultat, il n’y a donc rien à convertir en PDF&#xa0;; retirez --pdf ou --pdf-dir.</translation>
    </message>
    <message>
        <source>The folder %1 given with --pdf-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>Le dossier %1 donné avec --pdf-dir n’existe pas&#xa0;; l’outil ne le crée pas (créez-le d’abord avec mkdir -p).</translation>
    </message>
    <message>
        <source>--pdf-timeout needs a whole number of seconds, not “%1”.</source>
        <translation>--pdf-timeout attend un nombre entier de secondes, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A pair; repeat for more, applied in the order given.</source>
        <translation>Une paire&#xa0;; à répéter pour d’autres, appliquées dans l’ordre donné.</translation>
    </message>
    <message>
        <source>Pairs from a sets file, read as Load Sets reads it: one pair per line, FIND SEP REPLACE, in UTF-8, UTF-16 or Windows-1252; at most 32,767 pairs.</source>
        <translation>Des paires d’un fichier de paires, lu comme le lit «&#xa0;Importer&#xa0;»&#xa0;: une paire par ligne, FIND SEP REPLACE, en UTF-8, UTF-16 ou Windows-1252&#xa0;; au plus 32 767 paires.</translation>
    </message>
    <message>
        <source>The separator of the sets file (default ::).</source>
        <translation>Le séparateur du fichier de paires (par défaut&#xa0;::).</translation>
    </message>
    <message>
        <source>Every result into DIR under its source&apos;s name. DIR must exist: a mistyped name is not made into a new folder.</source>
        <translation>Chaque fichier résultat dans DIR sous le nom de sa source. DIR doit exister&#xa0;: un nom mal tapé ne devient pas un nouveau dossier.</translation>
    </message>
    <message>
        <source>Each result beside its source, named NAME_replaced.pub.</source>
        <translation>Chaque fichier résultat à côté de sa source, nommé NAME_replaced.pub.</translation>
    </message>
    <message>
        <source>Match letter case.</source>
        <translation>Respecter la casse.</translation>
    </message>
    <message>
        <source>Match whole words only, by Unicode&apos;s word boundaries: &quot;the&quot; no longer finds &quot;other&quot; or &quot;anthem&quot;.</source>
        <translation>Ne trouver que des mots entiers, selon les limites de mots d’Unicode&#xa0;: «&#xa0;the&#xa0;» ne trouve plus «&#xa0;other&#xa0;» ni «&#xa0;anthem&#xa0;».</translation>
    </message>
    <message>
        <source>Read each FIND as a regular expression (Perl-like, PCRE2) and each REPLACE with $0 (the match), $1 to $9 (its groups) and $$ (a dollar sign). A match stays inside a line; ^ and $ are a line&apos;s start and end. An invalid expression, one that matches an empty text and a $ not followed by a digit or $ are wrong usage.</source>
        <translation>Lire chaque FIND comme une expression régulière (à la Perl, PCRE2) et chaque REPLACE avec $0 (la correspondance), $1 à $9 (ses groupes) et $$ (un signe dollar). Une correspondance reste dans une ligne&#xa0;; ^ et $ sont le début et la fin d’une ligne. Une expression invalide, une expression qui correspond à un texte vide et un $ non suivi d’un chiffre ou de $ sont des erreurs d’utilisation.</translation>
    </message>
    <message>
        <source>Find any case and write each REPLACE in the case of what it replaces: all lower, ALL UPPER, Capitalised or Each Word Capitalised (acme, Acme, ACME -&gt; apex, Apex, APEX); any other mix as typed. With --regex, the whole replacement once its groups are in.</source>
        <translation>Trouver toute casse et écrire chaque REPLACE dans la casse de ce qu’il remplace&#xa0;: tout en minuscules, TOUT EN MAJUSCULES, Initiale Majuscule ou Chaque Mot Avec Majuscule (acme, Acme, ACME -&gt; apex, Apex, APEX)&#xa0;; tout autre mélange tel que tapé. Avec --regex, le remplacement entier une fois ses groupes insérés.</translation>
    </message>
    <message>
        <source>Also replace in the addresses of web, e-mail and file links (links to a page are left alone), counted apart.</source>
        <translation>Remplacer aussi dans les adresses des liens web, e-mail et fichier (les liens vers une page restent tels quels), comptés à part.</translation>
    </message>
    <message>
        <source>Also replace in the document properties (title, subject, author, keywords, comments, company, manager, category, your own text properties), counted apart. A replacement a property&apos;s code page cannot hold is refused and the document is not written.</source>
        <translation>Remplacer aussi dans les propriétés du document (titre, sujet, auteur, mots-clés, commentaires, société, responsable, catégorie, vos propriétés texte), comptés à part. Un remplacement que la page de codes d’une propriété ne peut pas contenir est refusé et le document n’est pas écrit.</translation>
    </message>
    <message>
        <source>The extension searched for in folders (default pub).</source>
        <translation>L’extension cherchée dans les dossiers (par défaut pub).</translation>
    </message>
    <message>
        <source>Also edit files that look like results of an earlier run (NAME_replaced.pub beside NAME.pub); without it they are left out with a note on standard error.</source>
        <translation>Modifier aussi les fichiers qui ressemblent à des fichiers résultats d’une exécution précédente (NAME_replaced.pub à côté de NAME.pub)&#xa0;; sans cette option, ils sont écartés avec une note sur la sortie d’erreur.</translation>
    </message>
    <message>
        <source>Count only: write and delete nothing. The counts and refusals are those a real run would have; a result that could not be written &quot;would fail&quot;.</source>
        <translation>Compter seulement&#xa0;: ne rien écrire ni supprimer. Les nombres et les refus sont ceux d’une vraie exécution&#xa0;; un fichier résultat qui ne pourrait pas être écrit «&#xa0;échouerait&#xa0;».</translation>
    </message>
    <message>
        <source>Edit N publications at a time, 1 to 256 (default: the number of processors). Results and reports keep the list order.</source>
        <translation>Modifier N publications à la fois, de 1 à 256 (par défaut&#xa0;: le nombre de processeurs). Résultats et rapports gardent l’ordre de la liste.</translation>
    </message>
    <message>
        <source>Write a report of every document as each one is done: FILE.json (the run as one JSON object) or FILE.csv (one line per document); - prints it as JSON lines on standard output.</source>
        <translation>Écrire un rapport sur chaque document dès qu’il est fait&#xa0;: FILE.json (l’exécution en un objet JSON) ou FILE.csv (une ligne par document)&#xa0;; - l’affiche en lignes JSON sur la sortie standard.</translation>
    </message>
    <message>
        <source>Print each replacement in its context on standard output, the changed part in [brackets] (and in colour on a terminal): the first 1,000 of each document.</source>
        <translation>Afficher chaque remplacement dans son contexte sur la sortie standard, la partie modifiée entre [crochets] (et en couleur dans un terminal)&#xa0;: les 1 000 premiers de chaque document.</translation>
    </message>
    <message>
        <source>After the run, save a PDF of every result written, NAME.pdf beside NAME.pub, with LibreOffice (package libreoffice-draw), in as many processes as --jobs. An existing NAME.pdf is replaced.</source>
        <translation>Après l’exécution, enregistrer un PDF de chaque fichier résultat écrit, NAME.pdf à côté de NAME.pub, avec LibreOffice (paquet libreoffice-draw), en autant de processus que --jobs. Un NAME.pdf existant est remplacé.</translation>
    </message>
    <message>
        <source>The same, every PDF into DIR, which must exist.</source>
        <translation>De même, chaque PDF dans DIR, qui doit exister.</translation>
    </message>
    <message>
        <source>End LibreOffice when one document takes longer than S seconds (default 120); that PDF is reported as failed and the others go on.</source>
        <translation>Arrêter LibreOffice quand un document prend plus de S secondes (par défaut 120)&#xa0;; ce PDF est signalé en échec et les autres continuent.</translation>
    </message>
    <message>
        <source>No progress line and no summary.</source>
        <translation>Ni ligne de progression ni résumé.</translation>
    </message>
    <message>
        <source>This text.</source>
        <translation>Ce texte.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>La version.</translation>
    </message>
    <message>
        <source>With one SOURCE and nothing else: print the text of every story.</source>
        <translation>Avec une seule SOURCE et rien d’autre&#xa0;: afficher le texte de chaque article.</translation>
    </message>
    <message>
        <source>--pair needs two texts: FIND and REPLACE.</source>
        <translation>--pair attend deux textes&#xa0;: FIND et REPLACE.</translation>
    </message>
    <message>
        <source>--apply takes the pairs from the plan; give no --pair or --sets.</source>
        <translation>--apply prend les paires dans le plan&#xa0;; ne donnez ni --pair ni --sets.</translation>
    </message>
    <message>
        <source>Say what to replace: --pair FIND REPLACE (once or more) or --sets FILE.</source>
        <translation>Dites quoi remplacer&#xa0;: --pair FIND REPLACE (une fois ou plus) ou --sets FILE.</translation>
    </message>
    <message>
        <source>Give the texts to replace either with --pair FIND REPLACE (once or more) or with --sets FILE, not both.</source>
        <translation>Donnez les textes à remplacer soit avec --pair FIND REPLACE (une fois ou plus), soit avec --sets FILE, pas les deux.</translation>
    </message>
    <message>
        <source>--separator goes with --sets.</source>
        <translation>--separator va avec --sets.</translation>
    </message>
    <message>
        <source>Say where the results go: --out-dir DIR or --beside.</source>
        <translation>Dites où vont les fichiers résultats&#xa0;: --out-dir DIR ou --beside.</translation>
    </message>
    <message>
        <source>--out-dir and --beside cannot both be given: results go into one folder or beside their sources.</source>
        <translation>--out-dir et --beside ne peuvent pas être donnés ensemble&#xa0;: les fichiers résultats vont dans un dossier ou à côté de leurs sources.</translation>
    </message>
    <message>
        <source>The folder %1 given with --out-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>Le dossier %1 donné avec --out-dir n’existe pas&#xa0;; l’outil ne le crée pas (créez-le d’abord avec mkdir -p).</translation>
    </message>
    <message>
        <source>--apply matches as the plan says; give no --%1.</source>
        <translation>--apply recherche comme le dit le plan&#xa0;; ne donnez pas --%1.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>--apply writes what the plan chose; it goes without --dry-run.</source>
        <translation>--apply écrit ce que le plan a choisi&#xa0;; il va sans --dry-run.</translation>
    </message>
    <message>
        <source>--ext needs an extension, such as pub.</source>
        <translation>--ext attend une extension, par exemple pub.</translation>
    </message>
    <message>
        <source>--show-changes and --report - both print on standard output; give the report a file name.</source>
        <translation>--show-changes et --report - écrivent tous deux sur la sortie standard&#xa0;; donnez un nom de fichier au rapport.</translation>
    </message>
    <message>
        <source>Name at least one publication or folder.</source>
        <translation>Nommez au moins une publication ou un dossier.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>usage: vantrelle-replace [OPTIONS] (--pair FIND REPLACE ... | --sets FILE)
                         (--out-dir DIR | --beside) SOURCE...
       vantrelle-replace [OPTIONS] --apply PLAN (--out-dir DIR | --beside)
                         [SOURCE...]
       vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]
                         [--in-links] [--in-properties]
                         SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
       vantrelle-replace --text SOURCE

Finds and replaces text in publications (.pub). The first form edits every
publication named and every one found in the folders named, with the rules of
the Vantrelle window; the second edits one publication into OUTPUT and prints
its counts; the third prints the text of every story.

Sources (first form):
  SOURCE...            Publications and folders. A folder is searched with all
                       its subfolders like &quot;Add All Publisher File(s) In
                       Folder&quot;: files ending in .EXT, not those starting with
                       &quot;~&quot; and not hidden ones (starting with &quot;.&quot;), each real
                       folder once. Files named
                       directly are taken as given, except that names whose
                       extension does not look like a publication&apos;s are left
                       out with a note on standard error.

What to replace (one of):
</source>
        <translation>usage&#xa0;: vantrelle-replace [OPTIONS] (--pair FIND REPLACE ... | --sets FILE)
                          (--out-dir DIR | --beside) SOURCE...
        vantrelle-replace [OPTIONS] --apply PLAN (--out-dir DIR | --beside)
                          [SOURCE...]
        vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]
                          [--in-links] [--in-properties]
                          SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
        vantrelle-replace --text SOURCE

Recherche et remplace du texte dans des publications (.pub). La première forme
modifie chaque publication nommée et chacune de celles trouvées dans les
dossiers nommés, avec les règles de la fenêtre de Vantrelle&#xa0;; la deuxième
modifie une publication vers OUTPUT et affiche ses nombres&#xa0;; la troisième
affiche le texte de chaque article.

Sources (première forme)&#xa0;:
  SOURCE...            Publications et dossiers. Un dossier est parcouru avec
                       tous ses sous-dossiers comme par «&#xa0;Ajouter un dossier
                       entier&#xa0;»&#xa0;: fichiers se terminant par .EXT, sauf ceux qui
                       commencent par «&#xa0;~&#xa0;» et les fichiers cachés (qui
                       commencent par «&#xa0;.&#xa0;»), chaque vrai dossier une fois. Les
                       fichiers nommés directement sont pris tels quels, sauf
                       ceux dont l’extension ne ressemble pas à celle d’une
                       publication, écartés avec une note sur la sortie
                       d’erreur.

Quoi remplacer (l’un des deux)&#xa0;:
</translation>
    </message>
    <message>
        <source>FIND may not be empty. FIND and REPLACE may hold only what the text of a
publication can: no line or paragraph break, no control character but tab,
no unpaired surrogate and no noncharacter (wrong usage, exit status 2).

Where the results go (one of):
</source>
        <translation>FIND ne peut pas être vide. FIND et REPLACE ne peuvent contenir que ce que le
texte d’une publication peut contenir&#xa0;: ni saut de ligne ou de paragraphe, ni
caractère de contrôle autre que la tabulation, ni demi-codet isolé, ni
non-caractère (erreur d’utilisation, code de sortie 2).

Où vont les fichiers résultats (l’un des deux)&#xa0;:
</translation>
    </message>
    <message>
        <source>Sources are never overwritten or deleted, whatever name reaches them. A
folder that spells the source&apos;s own (through a symbolic link, with ./ or ..)
gives the result the _replaced name. A result name that reaches a source
another way (a bind mount, another letter case on a file system that ignores
case, a hard link), another listed document, or a result written earlier in
the same run is not written; that document is reported as skipped, with the
reason. An older result is never deleted first: the new one replaces it only
once it is whole, so a failed edit leaves it as it was.

Options:
</source>
        <translation>Les sources ne sont jamais écrasées ni supprimées, quel que soit le nom qui y
mène. Un dossier qui désigne celui de la source (par un lien symbolique, avec
./ ou ..) donne au résultat le nom en _replaced. Un nom de résultat qui atteint
une source par un autre chemin (un montage lié, une autre casse sur un système
de fichiers qui l’ignore, un lien physique), un autre document de la liste ou
un fichier résultat écrit plus tôt dans la même exécution n’est pas écrit&#xa0;; ce
document est signalé comme ignoré, avec la raison. Un ancien résultat n’est
jamais supprimé d’abord&#xa0;: le nouveau ne le remplace qu’une fois complet, et
une modification en échec le laisse tel qu’il était.

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>
Text in WordArt is never edited: occurrences there are counted as left, and
the result is still written.

Each report row holds the source, the output, the outcome (written, nothing
to replace, failed, skipped, not reached; &quot;would be written&quot; in a dry run),
replacements made and occurrences left, each pair&apos;s counts with the reason
for what was left, the error text, the milliseconds taken and the matching
used (match case or any case, whole words, regular expression); with --pdf or
--pdf-dir also the PDF&apos;s path and outcome (written, failed with LibreOffice&apos;s
reason, not reached), and the rows come once the PDFs are made.

Progress: a live line on standard error (done/total, rate, time left) when it
is a terminal. Failed and skipped documents are named on standard error, and
the run ends with one line of totals there, terminal or not (--quiet: only
what went wrong).

A result is written whole or not at all. Ctrl-C (or SIGTERM) stops handing
out documents, lets those being edited finish, writes the report of what was
done (the rest &quot;not reached&quot;) and exits with status 130.

Exit status:
  0    every document written, or nothing to replace in it
  1    at least one document failed or was skipped, or a PDF failed (the
       others were still processed); for the second form: the publication could not be read,
       edited as asked or written
  2    wrong usage, or --pdf without LibreOffice (nothing was written)
  130  interrupted

Examples:
  vantrelle-replace --pair &quot;555-0100&quot; &quot;555-0199&quot; --out-dir /srv/new /srv/flyers
  vantrelle-replace --sets phone.txt --beside /srv/flyers
  vantrelle-replace --regex --pair &apos;(\d{3})-(\d{4})&apos; &apos;$1 $2&apos; --beside /srv/flyers
  vantrelle-replace --dry-run --report counts.csv --pair Acme Apex --out-dir /tmp /srv/flyers
</source>
        <translation>
Le texte des WordArt n’est jamais modifié&#xa0;: les occurrences qui s’y trouvent
sont comptées comme restantes, et le fichier résultat est quand même écrit.

Chaque ligne du rapport contient la source, la sortie, l’issue (toujours
en anglais dans les fichiers de rapport&#xa0;: written, nothing to replace, failed,
skipped, not reached&#xa0;; &quot;would be written&quot; avec --dry-run), les remplacements
faits et les occurrences restantes, les nombres de chaque paire avec la raison
de ce qui reste, le texte d’erreur, les millisecondes et la recherche utilisée
(match case ou any case, whole words, regular expression)&#xa0;; avec --pdf ou
--pdf-dir aussi le chemin et l’issue du PDF (written, failed avec la raison
de LibreOffice, not reached), et les lignes viennent une fois les PDF faits.

Progression&#xa0;: une ligne vivante sur la sortie d’erreur (faits/total, débit,
temps restant) quand c’est un terminal. Les documents en échec et ignorés y
sont nommés, et l’exécution s’y termine par une ligne de totaux, terminal ou
non (--quiet&#xa0;: seulement ce qui n’a pas marché).

Un fichier résultat est écrit en entier ou pas du tout. Ctrl-C (ou SIGTERM) cesse de
distribuer des documents, laisse finir ceux en cours, écrit le rapport de ce
qui a été fait (le reste &quot;not reached&quot;) et sort avec le code 130.

Code de sortie&#xa0;:
  0    chaque document écrit, ou rien à y remplacer
  1    au moins un document en échec ou ignoré, ou un PDF en échec (les
       autres ont quand même été traités)&#xa0;; pour la deuxième forme&#xa0;: la
       publication n’a pas pu être lue, modifiée comme demandé ou écrite
  2    erreur d’utilisation, ou --pdf sans LibreOffice (rien n’a été écrit)
  130  interrompu

Exemples&#xa0;:
  vantrelle-replace --pair &quot;555-0100&quot; &quot;555-0199&quot; --out-dir /srv/nouveau /srv/tracts
  vantrelle-replace --sets telephone.txt --beside /srv/tracts
  vantrelle-replace --regex --pair &apos;(\d{3})-(\d{4})&apos; &apos;$1 $2&apos; --beside /srv/tracts
  vantrelle-replace --dry-run --report nombres.csv --pair Acme Apex --out-dir /tmp /srv/tracts
</translation>
    </message>
    <message>
        <source>--engine is native or program, not “%1”.</source>
        <translation>--engine vaut native ou program, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--engine program needs the publishing program, which is not installed here (%1 is not registered); without --engine, Vantrelle&apos;s own engine edits.</source>
        <translation>--engine program a besoin du logiciel de PAO, qui n’est pas installé ici (%1 n’est pas enregistré)&#xa0;; sans --engine, c’est le moteur de Vantrelle qui modifie.</translation>
    </message>
    <message>
        <source>--engine program drives the publishing program, which runs on Windows only.</source>
        <translation>--engine program pilote le logiciel de PAO, qui ne fonctionne que sous Windows.</translation>
    </message>
    <message>
        <source>read find texts as regular expressions (--regex)</source>
        <translation>lire les textes cherchés comme des expressions régulières (--regex)</translation>
    </message>
    <message>
        <source>keep the case of what it finds (--keep-case)</source>
        <translation>garder la casse de ce qu’il trouve (--keep-case)</translation>
    </message>
    <message>
        <source>replace in link addresses (--in-links)</source>
        <translation>remplacer dans les adresses des liens (--in-links)</translation>
    </message>
    <message>
        <source>replace in document properties (--in-properties)</source>
        <translation>remplacer dans les propriétés du document (--in-properties)</translation>
    </message>
    <message>
        <source>replace the changes of a plan one by one (--apply)</source>
        <translation>remplacer une à une les modifications d’un plan (--apply)</translation>
    </message>
    <message>
        <source>list every change for a plan (--dry-run --report FILE.json)</source>
        <translation>lister chaque modification pour un plan (--dry-run --report FILE.json)</translation>
    </message>
    <message>
        <source>The publishing program cannot %1; only Vantrelle&apos;s own engine can.</source>
        <translation>Le logiciel de PAO ne sait pas %1&#xa0;; seul le moteur de Vantrelle le sait.</translation>
    </message>
    <message>
        <source>Who edits: native (the default), Vantrelle&apos;s own engine; or program, the publishing program itself over COM, where it is installed (Windows only). The program replaces in the text only, one publication at a time, and does not say how many it replaced.</source>
        <translation>Qui modifie&#xa0;: native (par défaut), le moteur de Vantrelle&#xa0;; ou program, le logiciel de PAO lui-même via COM, là où il est installé (Windows seulement). Le logiciel ne remplace que dans le texte, une publication à la fois, et ne dit pas combien il a remplacé.</translation>
    </message>
    <message>
        <source>Replace exactly the changes whose entries in PLAN (the JSON report of a --dry-run, which then lists every change with an id and each source&apos;s size, time and SHA-256) still hold &quot;apply&quot;: true, with the plan&apos;s pairs and matching, in the plan&apos;s documents unless SOURCEs are named. A source changed since the dry run, or whose entries no longer match it, is not written and the reason is given (exit 1). A plan with a fault is refused whole, with the line and the reason (exit 2).</source>
        <translation>Remplacer exactement les modifications dont les entrées dans PLAN (le rapport JSON d’un --dry-run, qui liste alors chaque modification avec un identifiant, et la taille, la date et le SHA-256 de chaque source) portent encore &quot;apply&quot;: true, avec les paires et les options de recherche du plan, dans les documents du plan sauf si des SOURCE sont nommées. Une source modifiée depuis le comptage, ou dont les entrées ne lui correspondent plus, n’est pas écrite et la raison est donnée (code 1). Un plan fautif est refusé en entier, avec la ligne et la raison (code 2).</translation>
    </message>
    <message>
        <source>Do not check whether the stories the run makes longer still fit their boxes. By default each document&apos;s report says which no longer fit (&quot;overflows&quot;), which may not, and which could not be checked.</source>
        <translation>Ne pas vérifier si les articles que l’exécution allonge tiennent encore dans leur cadre. Par défaut, le rapport de chaque document dit lesquels ne tiennent plus (&quot;overflows&quot;), lesquels risquent de ne plus tenir, et lesquels n’ont pas pu être vérifiés.</translation>
    </message>
    <message>
        <source>Write no result for a document in which a story no longer fits its box; its report says which, and the tool ends with status 1.</source>
        <translation>N’écrire aucun fichier résultat pour un document dont un article ne tient plus dans son cadre&#xa0;; son rapport dit lequel, et l’outil se termine avec le code 1.</translation>
    </message>
    <message>
        <source>--fit-strict needs the fit check; give no --no-fit-check.</source>
        <translation>--fit-strict a besoin de la vérification des cadres&#xa0;; ne donnez pas --no-fit-check.</translation>
    </message>
    <message>
        <source>--text takes one publication and no other option.</source>
        <translation>--text prend une seule publication et aucune autre option.</translation>
    </message>
    <message>
        <source>Name what to edit: SOURCE OUTPUT FIND REPLACE, with more FIND REPLACE pairs as needed; or the batch form&apos;s --pair and --out-dir.</source>
        <translation>Indiquez quoi modifier : SOURCE SORTIE CHERCHER REMPLACER, avec d’autres paires CHERCHER REMPLACER si besoin ; ou les options --pair et --out-dir de la forme par lots.</translation>
    </message>
    <message>
        <source>%1 “%2” was not written.</source>
        <translation>%1 « %2 » n’a pas été écrit.</translation>
    </message>
</context>
<context>
    <name>vantrelle::fit::FitText</name>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 n’a pas de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>vérification impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not check: its box was not found</source>
        <translation>vérification impossible&#xa0;: son cadre est introuvable</translation>
    </message>
    <message>
        <source>could not check: font %1 is not available</source>
        <translation>vérification impossible&#xa0;: la police %1 n’est pas disponible</translation>
    </message>
    <message numerus="yes">
        <source>already overflowed; now %n line(s) more</source>
        <translation>
            <numerusform>débordait déjà&#xa0;; maintenant %n ligne de plus</numerusform>
            <numerusform>débordait déjà&#xa0;; maintenant %n lignes de plus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>overflows by about %n line(s)</source>
        <translation>
            <numerusform>déborde d’environ %n ligne</numerusform>
            <numerusform>déborde d’environ %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>may overflow: the text ends within about a line of the box&apos;s edge</source>
        <translation>risque de déborder&#xa0;: le texte se termine à environ une ligne du bord du cadre</translation>
    </message>
    <message>
        <source>may overflow (%1): %2</source>
        <translation>risque de déborder (%1)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::pubengine::EngineText</name>
    <message>
        <source>it would change a field such as a page number</source>
        <translation>cela modifierait un champ comme un numéro de page</translation>
    </message>
    <message>
        <source>it would remove all the text of a hyperlink or placeholder</source>
        <translation>cela supprimerait tout le texte d’un lien hypertexte ou d’un espace réservé</translation>
    </message>
    <message>
        <source>it would remove the whole formatted text of a stretch this program cannot remove yet (replace it by at least one character instead)</source>
        <translation>cela supprimerait tout le texte mis en forme d’un passage que ce programme ne sait pas encore supprimer (remplacez-le plutôt par au moins un caractère)</translation>
    </message>
    <message>
        <source>in WordArt, which is not edited</source>
        <translation>dans un WordArt, qui n’est pas modifié</translation>
    </message>
    <message>
        <source>in text whose font has no code page this program writes (a symbol font, or one without a known character set), which is not edited</source>
        <translation>dans du texte dont la police n’a pas de page de codes que ce programme écrit (une police de symboles, ou sans codage de caractères connu), qui n’est pas modifié</translation>
    </message>
    <message>
        <source>because %1</source>
        <translation>parce que %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 occurrence of “%1” was left unchanged %2.</source>
        <translation>1 occurrence de «&#xa0;%1&#xa0;» a été laissée telle quelle %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n occurrences of “%1” were left unchanged %2.</source>
        <translation>
            <numerusform>%n occurrence de «&#xa0;%1&#xa0;» a été laissée telle quelle %2.</numerusform>
            <numerusform>%n occurrences de «&#xa0;%1&#xa0;» ont été laissées telles quelles %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>it is not a publication (it lacks the container every publication is stored in)</source>
        <translation>ce n’est pas une publication (il lui manque le conteneur dans lequel toute publication est enregistrée)</translation>
    </message>
    <message>
        <source>the part name &quot;%1&quot; is too long for a compound file</source>
        <translation>le nom de partie «&#xa0;%1&#xa0;» est trop long pour un fichier composé</translation>
    </message>
    <message>
        <source>two parts of one folder have the same name</source>
        <translation>deux parties d’un même dossier portent le même nom</translation>
    </message>
    <message>
        <source>the compound file would hold too many parts</source>
        <translation>le fichier composé contiendrait trop de parties</translation>
    </message>
    <message>
        <source>a part is too large for a compound file</source>
        <translation>une partie est trop grande pour un fichier composé</translation>
    </message>
    <message>
        <source>the compound file would be too large</source>
        <translation>le fichier composé serait trop grand</translation>
    </message>
    <message>
        <source>the text stream is larger than any publication&apos;s</source>
        <translation>le flux de texte est plus grand que celui de toute publication</translation>
    </message>
    <message>
        <source>the compound file lost a stream being replaced</source>
        <translation>le fichier composé a perdu un flux en cours de remplacement</translation>
    </message>
    <message>
        <source>the link addresses of story %1 are stored in a way this program does not edit</source>
        <translation>les adresses de liens de l’article %1 sont enregistrées d’une manière que ce programme ne modifie pas</translation>
    </message>
    <message>
        <source>the replacement would leave a link without an address</source>
        <translation>le remplacement laisserait un lien sans adresse</translation>
    </message>
    <message>
        <source>the replacement would make a link address longer than 65,535 characters</source>
        <translation>le remplacement rendrait une adresse de lien plus longue que 65 535 caractères</translation>
    </message>
    <message>
        <source>the regular expression %1 was stopped on a line of %2 characters: %3; nothing was changed. Simplify it, for example with fewer nested repeats</source>
        <translation>l’expression régulière %1 a été arrêtée sur une ligne de %2 caractères&#xa0;: %3&#xa0;; rien n’a été modifié. Simplifiez-la, par exemple avec moins de répétitions imbriquées</translation>
    </message>
    <message>
        <source>it needed more than %L1 steps (the match limit)</source>
        <translation>elle a demandé plus de %L1 étapes (la limite de correspondance)</translation>
    </message>
    <message>
        <source>it needed more than %1 MiB of memory (the heap limit)</source>
        <translation>elle a demandé plus de %1 Mio de mémoire (la limite de tas)</translation>
    </message>
    <message>
        <source>it failed (%1)</source>
        <translation>elle a échoué (%1)</translation>
    </message>
    <message>
        <source>the regular expression %1 matched an empty text, which would insert the replacement between characters; make it match at least one character</source>
        <translation>l’expression régulière %1 a trouvé un texte vide, ce qui insérerait le remplacement entre des caractères&#xa0;; faites-lui trouver au moins un caractère</translation>
    </message>
    <message>
        <source>the document property %1 is stored in code page %2, which cannot hold the replacement text; nothing was changed</source>
        <translation>la propriété de document %1 est enregistrée dans la page de codes %2, qui ne peut pas contenir le texte de remplacement&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>a paragraph end</source>
        <translation>une fin de paragraphe</translation>
    </message>
    <message>
        <source>the end of a story</source>
        <translation>la fin d’un article</translation>
    </message>
    <message>
        <source>a table cell&apos;s mark</source>
        <translation>la marque d’une cellule de tableau</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>a control character of the text&apos;s layout</source>
        <translation>un caractère de contrôle de la mise en page du texte</translation>
    </message>
    <message>
        <source>the occurrence “%1” holds %2, which is never edited; nothing was changed</source>
        <translation>l’occurrence «&#xa0;%1&#xa0;» contient %2, qui n’est jamais modifié&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>the replacement “%1” holds %2, which the code page of the text it replaces, %3, cannot hold; nothing was changed</source>
        <translation>le remplacement «&#xa0;%1&#xa0;» contient %2, que la page de codes du texte remplacé, %3, ne peut pas contenir&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>the edited text block failed its checks (%1); nothing was changed</source>
        <translation>le bloc de texte modifié a échoué à ses vérifications (%1)&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>the text would grow beyond what the file can hold</source>
        <translation>le texte dépasserait ce que le fichier peut contenir</translation>
    </message>
    <message>
        <source>the edit would empty a paragraph or a table cell</source>
        <translation>la modification viderait un paragraphe ou une cellule de tableau</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file but %1; only publication files can be opened</source>
        <translation>ce n’est pas un fichier ordinaire mais %1&#xa0;; seuls les fichiers de publication peuvent être ouverts</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>some other kind of entry</source>
        <translation>une entrée d’un autre type</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it is not a regular file but %2; only publication files can be opened.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n’est pas un fichier ordinaire mais %2&#xa0;; seuls les fichiers de publication peuvent être ouverts.</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>Use an undamaged copy of it, such as a backup.</source>
        <translation>Utilisez-en une copie intacte, par exemple une sauvegarde.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is larger than %2 MiB, more than any publication this engine edits.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier dépasse %2 Mio, plus que toute publication que ce moteur modifie.</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is too large.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier est trop grand.</translation>
    </message>
    <message>
        <source>it is not a publication (its container holds no publication)</source>
        <translation>ce n’est pas une publication (son conteneur ne contient aucune publication)</translation>
    </message>
    <message>
        <source>the file is damaged, or stores its text in a way this program does not know (%1)</source>
        <translation>le fichier est endommagé, ou enregistre son texte d’une manière que ce programme ne connaît pas (%1)</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>its document properties cannot be read (%1)</source>
        <translation>ses propriétés de document ne peuvent pas être lues (%1)</translation>
    </message>
    <message>
        <source>choosing single changes is not offered for publications of Publisher 95 and 97 yet; replace all of them, or none</source>
        <translation>le choix de modifications une à une n’est pas encore proposé pour les publications de Publisher 95 et 97&#xa0;; remplacez-les toutes, ou aucune</translation>
    </message>
    <message>
        <source>Cannot replace “%1” in “%2”: %3</source>
        <translation>Impossible de remplacer «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>the rebuilt text stream failed its checks (%1); nothing was written</source>
        <translation>le flux de texte reconstruit a échoué à ses vérifications (%1)&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>the written compound file does not hold the edited streams</source>
        <translation>le fichier composé écrit ne contient pas les flux modifiés</translation>
    </message>
    <message>
        <source>the written file would not keep its part &quot;%1&quot; unchanged; nothing was written</source>
        <translation>le fichier écrit ne garderait pas sa partie «&#xa0;%1&#xa0;» inchangée&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: %3.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» sous «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that is the file it was opened from, which is never overwritten.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» sous «&#xa0;%2&#xa0;»&#xa0;: c’est le fichier source de la publication, qui n’est jamais écrasé.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that name is a symbolic link, and a result is never written through a link to another file.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» sous «&#xa0;%2&#xa0;»&#xa0;: ce nom est un lien symbolique, et un fichier résultat n’est jamais écrit à travers un lien vers un autre fichier.</translation>
    </message>
    <message>
        <source>the disk took no more data</source>
        <translation>le disque n’a plus accepté de données</translation>
    </message>
    <message>
        <source>“%1” at story %2, position %3</source>
        <translation>«&#xa0;%1&#xa0;» dans l’article %2, position %3</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>le texte est trop long</translation>
    </message>
    <message>
        <source>the replacement text is too long</source>
        <translation>le texte de remplacement est trop long</translation>
    </message>
    <message>
        <source>the reviewed occurrence %1 is no longer there; nothing was changed</source>
        <translation>l’occurrence vérifiée %1 n’y est plus&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>the text would grow too long</source>
        <translation>le texte deviendrait trop long</translation>
    </message>
    <message>
        <source>the edit would make a story longer than 32,767 characters, more than any publication known to this program holds, and other programs may then show only part of it; nothing was changed</source>
        <translation>la modification rendrait un article plus long que 32 767 caractères, plus que n’en contient toute publication connue de ce programme, et d’autres programmes pourraient alors n’en afficher qu’une partie&#xa0;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>The publication engine has quit; create a new instance.</source>
        <translation>Le moteur de publication s’est arrêté&#xa0;; créez une nouvelle instance.</translation>
    </message>
    <message>
        <source>No publication is open.</source>
        <translation>Aucune publication n’est ouverte.</translation>
    </message>
    <message>
        <source>Cannot search “%1”: only replacing every occurrence is supported (scope %2).</source>
        <translation>Impossible de chercher dans «&#xa0;%1&#xa0;»&#xa0;: seul le remplacement de toutes les occurrences est pris en charge (portée %2).</translation>
    </message>
    <message>
        <source>In “%1”, %2</source>
        <translation>Dans «&#xa0;%1&#xa0;», %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: format %3 is not supported, only publications (format %4).</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» sous «&#xa0;%2&#xa0;»&#xa0;: le format %3 n’est pas pris en charge, seules les publications (format %4) le sont.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: not every replacement asked for could be made, so nothing was written (%3)</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» sous «&#xa0;%2&#xa0;»&#xa0;: tous les remplacements demandés n’ont pas pu être faits, rien n’a donc été écrit (%3)</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>le fichier est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file is damaged: its folders nest too deeply</source>
        <translation>le fichier est endommagé&#xa0;: ses dossiers sont imbriqués trop profondément</translation>
    </message>
    <message>
        <source>the find text</source>
        <translation>le texte à chercher</translation>
    </message>
    <message>
        <source>the replace text</source>
        <translation>le texte de remplacement</translation>
    </message>
    <message>
        <source>this publication was made by Publisher 97 or earlier in a layout this program does not know; it cannot be edited. Open it in a later version of Publisher and save it again</source>
        <translation>cette publication a été créée avec Publisher 97 ou une version antérieure, dans une structure que ce programme ne connaît pas&#xa0;; elle ne peut pas être modifiée. Ouvrez-la dans une version plus récente de Publisher et enregistrez-la de nouveau</translation>
    </message>
    <message>
        <source>this system cannot convert the code page %1 of its text</source>
        <translation>ce système ne peut pas convertir la page de codes %1 de son texte</translation>
    </message>
    <message>
        <source>this publication was made by %1; that version is not supported. Open it in a later version of Publisher and save it again</source>
        <translation>cette publication a été créée avec %1&#xa0;; cette version n’est pas prise en charge. Ouvrez-la dans une version plus récente de Publisher et enregistrez-la de nouveau</translation>
    </message>
    <message>
        <source>%1 runs past the end of the file; it was probably cut short while being copied or saved</source>
        <translation>%1 dépasse la fin du fichier&#xa0;; il a probablement été tronqué lors d’une copie ou d’un enregistrement</translation>
    </message>
    <message>
        <source>%1 is shorter than declared; the file was probably cut short</source>
        <translation>%1 a une longueur inférieure à celle déclarée&#xa0;; le fichier a probablement été tronqué</translation>
    </message>
    <message>
        <source>%1 loops back on itself</source>
        <translation>%1 forme une boucle</translation>
    </message>
    <message>
        <source>%1 shares its place in the file with %2</source>
        <translation>%1 partage sa place dans le fichier avec %2</translation>
    </message>
    <message>
        <source>%1 breaks off without its end mark</source>
        <translation>%1 s’interrompt sans sa marque de fin</translation>
    </message>
    <message>
        <source>its header names an impossible sector size</source>
        <translation>son en-tête indique une taille de secteur impossible</translation>
    </message>
    <message>
        <source>its header names an impossible mini-sector size</source>
        <translation>son en-tête indique une taille de mini-secteur impossible</translation>
    </message>
    <message>
        <source>its header claims more allocation sectors than the file holds</source>
        <translation>son en-tête annonce plus de secteurs d’allocation que le fichier n’en contient</translation>
    </message>
    <message>
        <source>its allocation table</source>
        <translation>sa table d’allocation</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>son répertoire</translation>
    </message>
    <message>
        <source>its directory points at an entry it does not hold</source>
        <translation>son répertoire pointe vers une entrée qu’il ne contient pas</translation>
    </message>
    <message>
        <source>its directory does not start with the root entry</source>
        <translation>son répertoire ne commence pas par l’entrée racine</translation>
    </message>
    <message>
        <source>its directory points at an entry twice or at one it does not hold</source>
        <translation>son répertoire pointe deux fois vers une entrée, ou vers une qu’il ne contient pas</translation>
    </message>
    <message>
        <source>its directory holds an entry of an unknown kind</source>
        <translation>son répertoire contient une entrée d’un type inconnu</translation>
    </message>
    <message>
        <source>its store of small parts</source>
        <translation>sa réserve de petites parties</translation>
    </message>
    <message>
        <source>its store of small parts is shorter than declared</source>
        <translation>sa réserve de petites parties est plus courte que déclaré</translation>
    </message>
    <message>
        <source>its table of small parts</source>
        <translation>sa table de petites parties</translation>
    </message>
    <message>
        <source>its parts claim more data than the file holds</source>
        <translation>ses parties réclament plus de données que le fichier n’en contient</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot;</source>
        <translation>sa partie «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the text stream does not start with a text header</source>
        <translation>le flux de texte ne commence pas par un en-tête de texte</translation>
    </message>
    <message>
        <source>the text stream&apos;s declared length does not match its size</source>
        <translation>la longueur déclarée du flux de texte ne correspond pas à sa taille</translation>
    </message>
    <message>
        <source>a block table holds more entries than fit in its block</source>
        <translation>une table de blocs contient plus d’entrées que son bloc ne peut en contenir</translation>
    </message>
    <message>
        <source>a block table entry has an unexpected size</source>
        <translation>une entrée de table de blocs a une taille inattendue</translation>
    </message>
    <message>
        <source>the text stream holds a block of type &quot;%1&quot; that this engine does not know, so it cannot edit it safely</source>
        <translation>le flux de texte contient un bloc de type «&#xa0;%1&#xa0;» que ce moteur ne connaît pas, il ne peut donc pas le modifier sans risque</translation>
    </message>
    <message>
        <source>the block tables form a cycle</source>
        <translation>les tables de blocs forment une boucle</translation>
    </message>
    <message>
        <source>a block table lies outside the text stream</source>
        <translation>une table de blocs se trouve hors du flux de texte</translation>
    </message>
    <message>
        <source>the header&apos;s size of the block table disagrees with the block tables</source>
        <translation>la taille de la table de blocs indiquée dans l’en-tête ne concorde pas avec les tables de blocs</translation>
    </message>
    <message>
        <source>the header&apos;s block count disagrees with the block tables</source>
        <translation>le nombre de blocs indiqué dans l’en-tête ne concorde pas avec les tables de blocs</translation>
    </message>
    <message>
        <source>the text block is not where it belongs</source>
        <translation>le bloc de texte n’est pas à sa place</translation>
    </message>
    <message>
        <source>a block of the text lies inside the header</source>
        <translation>un bloc du texte se trouve dans l’en-tête</translation>
    </message>
    <message>
        <source>two blocks of the text overlap</source>
        <translation>deux blocs du texte se chevauchent</translation>
    </message>
    <message>
        <source>a block of the text overlaps the table of blocks</source>
        <translation>un bloc du texte chevauche la table des blocs</translation>
    </message>
    <message>
        <source>a page of formatting is not a whole aligned block</source>
        <translation>une page de mise en forme n’est pas un bloc entier aligné</translation>
    </message>
    <message>
        <source>the text stream would grow beyond 4 GiB</source>
        <translation>le flux de texte dépasserait 4 Gio</translation>
    </message>
    <message>
        <source>a property record has an impossible length</source>
        <translation>un enregistrement de propriétés a une longueur impossible</translation>
    </message>
    <message>
        <source>a property record ends inside an entry</source>
        <translation>un enregistrement de propriétés se termine au milieu d’une entrée</translation>
    </message>
    <message>
        <source>a variable-size property has an impossible length</source>
        <translation>une propriété de taille variable a une longueur impossible</translation>
    </message>
    <message>
        <source>a property record holds a property type the engine does not know</source>
        <translation>un enregistrement de propriétés contient un type de propriété que le moteur ne connaît pas</translation>
    </message>
    <message>
        <source>the document properties are damaged</source>
        <translation>les propriétés du document sont endommagées</translation>
    </message>
    <message>
        <source>a section of document properties holds more entries than it can</source>
        <translation>une section de propriétés du document contient plus d’entrées qu’elle ne le peut</translation>
    </message>
    <message>
        <source>a document property lies outside its section</source>
        <translation>une propriété du document se trouve hors de sa section</translation>
    </message>
    <message>
        <source>the length the Contents stream records differs from its size</source>
        <translation>la longueur indiquée par le flux Contents diffère de sa taille</translation>
    </message>
    <message>
        <source>the text block&apos;s header is of no kind this program knows</source>
        <translation>l’en-tête du bloc de texte n’est d’aucun type que ce programme connaît</translation>
    </message>
    <message>
        <source>its text block is laid out in a way this program does not know</source>
        <translation>son bloc de texte est organisé d’une manière que ce programme ne connaît pas</translation>
    </message>
    <message>
        <source>a formatting page holds more entries than it has room for</source>
        <translation>une page de mise en forme contient plus d’entrées qu’elle n’a de place</translation>
    </message>
    <message>
        <source>a chunk lies outside the object area</source>
        <translation>un segment se trouve hors de la zone des objets</translation>
    </message>
    <message>
        <source>it holds two text chunks</source>
        <translation>il contient deux segments de texte</translation>
    </message>
    <message>
        <source>the text chunk names a table the file does not hold</source>
        <translation>le segment de texte désigne une table que le fichier ne contient pas</translation>
    </message>
    <message>
        <source>the text chunk names a table of a kind this program does not know</source>
        <translation>le segment de texte désigne une table d’un type que ce programme ne connaît pas</translation>
    </message>
    <message>
        <source>a table of text positions runs past its chunk</source>
        <translation>une table de positions de texte dépasse son segment</translation>
    </message>
    <message>
        <source>the text has an odd length</source>
        <translation>le texte a une longueur impaire</translation>
    </message>
    <message>
        <source>the story table is missing</source>
        <translation>la table des articles manque</translation>
    </message>
    <message>
        <source>the story table has a layout this engine does not know</source>
        <translation>la table des articles a une structure que ce moteur ne connaît pas</translation>
    </message>
    <message>
        <source>the story lengths do not add up to the length of the text</source>
        <translation>les longueurs des articles ne totalisent pas la longueur du texte</translation>
    </message>
    <message>
        <source>the story id table is missing</source>
        <translation>la table des identifiants d’articles manque</translation>
    </message>
    <message>
        <source>the story id table and the story table disagree on the number of stories</source>
        <translation>la table des identifiants d’articles et la table des articles ne s’accordent pas sur le nombre d’articles</translation>
    </message>
    <message>
        <source>the text stream holds two texts</source>
        <translation>le flux de texte contient deux textes</translation>
    </message>
    <message>
        <source>the text stream holds two story tables</source>
        <translation>le flux de texte contient deux tables d’articles</translation>
    </message>
    <message>
        <source>a table of links and fields belongs to no story or to a story twice</source>
        <translation>une table de liens et de champs n’appartient à aucun article, ou deux fois au même</translation>
    </message>
    <message>
        <source>a table of links and fields has a layout this engine does not know</source>
        <translation>une table de liens et de champs a une structure que ce moteur ne connaît pas</translation>
    </message>
    <message>
        <source>a link or field&apos;s length has an unexpected type</source>
        <translation>la longueur d’un lien ou d’un champ a un type inattendu</translation>
    </message>
    <message>
        <source>the first link or field of a story has no length</source>
        <translation>le premier lien ou champ d’un article n’a pas de longueur</translation>
    </message>
    <message>
        <source>a link or field&apos;s kind has an unexpected type</source>
        <translation>la nature d’un lien ou d’un champ a un type inattendu</translation>
    </message>
    <message>
        <source>the first link or field of a story has no kind</source>
        <translation>le premier lien ou champ d’un article n’a pas de nature</translation>
    </message>
    <message>
        <source>a link or field lies outside its story</source>
        <translation>un lien ou un champ se trouve hors de son article</translation>
    </message>
    <message>
        <source>a table belongs to no story or to a story twice</source>
        <translation>un tableau n’appartient à aucun article, ou deux fois au même</translation>
    </message>
    <message>
        <source>a table has a layout this engine does not know</source>
        <translation>un tableau a une structure que ce moteur ne connaît pas</translation>
    </message>
    <message>
        <source>a table&apos;s cells lie outside its story</source>
        <translation>les cellules d’un tableau se trouvent hors de son article</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>non cochée</translation>
    </message>
    <message>
        <source>it was found in the text of a change that was not ticked</source>
        <translation>il a été trouvé dans le texte d’une modification qui n’était pas cochée</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>the review names the occurrence %1 twice</source>
        <translation>la vérification nomme deux fois l’occurrence %1</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: il a changé depuis sa vérification.</translation>
    </message>
    <message>
        <source>the layout cache counts more stories than it holds</source>
        <translation>le cache de mise en page compte plus d’articles qu’il n’en contient</translation>
    </message>
    <message>
        <source>the layout cache counts more boxes than it holds</source>
        <translation>le cache de mise en page compte plus de cadres qu’il n’en contient</translation>
    </message>
    <message>
        <source>a box of the layout cache has no size</source>
        <translation>un cadre du cache de mise en page n’a pas de taille</translation>
    </message>
    <message>
        <source>the contents have an unknown layout</source>
        <translation>le contenu a une structure inconnue</translation>
    </message>
    <message>
        <source>the contents have no directory</source>
        <translation>le contenu n’a pas de répertoire</translation>
    </message>
    <message>
        <source>the style sheet counts more styles than it holds</source>
        <translation>la feuille de styles compte plus de styles qu’elle n’en contient</translation>
    </message>
    <message>
        <source>the font table counts more fonts than it holds</source>
        <translation>la table des polices compte plus de polices qu’elle n’en contient</translation>
    </message>
    <message>
        <source>a run names a font the font table does not hold</source>
        <translation>un passage de texte nomme une police absente de la table des polices</translation>
    </message>
    <message>
        <source>a run has a character scale of %1, which is not understood</source>
        <translation>un passage de texte a une échelle de caractères de %1, qui n’est pas comprise</translation>
    </message>
    <message>
        <source>a run has an impossible font size</source>
        <translation>un passage de texte a une taille de police impossible</translation>
    </message>
    <message>
        <source>the story&apos;s formatting does not cover its text</source>
        <translation>la mise en forme de l’article ne couvre pas son texte</translation>
    </message>
    <message>
        <source>the text boxes of Publisher 95 and 97 publications are not read</source>
        <translation>les cadres de texte des publications Publisher 95 et 97 ne sont pas lus</translation>
    </message>
    <message>
        <source>its formatting cannot be read (%1)</source>
        <translation>sa mise en forme ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>the layout cache does not match the stories</source>
        <translation>le cache de mise en page ne correspond pas aux articles</translation>
    </message>
    <message>
        <source>its text boxes cannot be read (%1)</source>
        <translation>ses cadres de texte ne peuvent pas être lus (%1)</translation>
    </message>
    <message>
        <source>the story is a table</source>
        <translation>l’article est un tableau</translation>
    </message>
    <message>
        <source>the box may shrink its text to fit</source>
        <translation>le cadre peut réduire son texte pour l’ajuster</translation>
    </message>
    <message>
        <source>the gap between its columns is not known</source>
        <translation>l’espace entre ses colonnes est inconnu</translation>
    </message>
    <message>
        <source>its boxes are stored differently in two places of the file</source>
        <translation>ses cadres sont enregistrés différemment à deux endroits du fichier</translation>
    </message>
    <message>
        <source>its boxes cannot be checked against its shapes (%1)</source>
        <translation>ses cadres ne peuvent pas être comparés à ses formes (%1)</translation>
    </message>
    <message>
        <source>no text box of it was found</source>
        <translation>aucun de ses cadres de texte n’a été trouvé</translation>
    </message>
    <message>
        <source>a text box of it has no room for text</source>
        <translation>un de ses cadres de texte n’a pas de place pour du texte</translation>
    </message>
</context>
</TS>
