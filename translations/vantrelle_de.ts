<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QObject</name>
    <message>
        <source> It said: %1</source>
        <translation> Die Meldung: %1</translation>
    </message>
    <message>
        <source>PDFs are made by LibreOffice</source>
        <translation>PDFs werden von LibreOffice erstellt</translation>
    </message>
    <message>
        <source>%1, which is not installed. On Debian or Ubuntu, install the package %2 (sudo apt install %2), then try again.</source>
        <translation>%1, das nicht installiert ist. Installieren Sie unter Debian oder Ubuntu das Paket %2 (sudo apt install %2) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A count writes no results, so there is nothing to make PDFs of.</source>
        <translation>Beim Zählen werden keine Ergebnisse geschrieben, es gibt also nichts, wovon PDFs erstellt werden könnten.</translation>
    </message>
    <message>
        <source>The run wrote no result that is still there to make a PDF of.</source>
        <translation>Der Lauf hat kein Ergebnis geschrieben, das noch vorhanden ist und von dem ein PDF erstellt werden könnte.</translation>
    </message>
    <message>
        <source>Starting LibreOffice…</source>
        <translation>LibreOffice wird gestartet…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving PDFs</source>
        <translation>PDFs speichern</translation>
    </message>
    <message>
        <source>Converting “%1” (%2 of %3)</source>
        <translation>„%1“ wird umgewandelt (%2 von %3)</translation>
    </message>
    <message>
        <source>%1, which is not installed. Install LibreOffice from https://www.libreoffice.org/download/, then try again.</source>
        <translation>%1, das nicht installiert ist. Installieren Sie LibreOffice von https://www.libreoffice.org/download/ und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Adding</name>
    <message numerus="yes">
        <source>%n file(s) look like results of an earlier run. Leave them out?</source>
        <translation>
            <numerusform>%n Datei sieht wie das Ergebnis eines früheren Laufs aus. Weglassen?</numerusform>
            <numerusform>%n Dateien sehen wie Ergebnisse eines früheren Laufs aus. Weglassen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen - Strg gedrückt halten, um mehrere Dateien zu wählen</translation>
    </message>
    <message>
        <source>Publisher Files (*.pub)|*.pub</source>
        <translation>Publisher-Dateien (*.pub)|*.pub</translation>
    </message>
    <message>
        <source>Enter file extension to load:

(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Dateiendung der zu ladenden Dateien:

(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte einen Ordner wählen:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.

Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen gewählt.

Bitte fügen Sie sie mit der Schaltfläche „Dateien aus Ordner hinzufügen“ hinzu.</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangeList</name>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Copy Changes as &amp;Text</source>
        <translation>Änderungen als &amp;Text kopieren</translation>
    </message>
    <message>
        <source>T&amp;ick or Untick</source>
        <translation>&amp;Häkchen setzen oder entfernen</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Every pair</source>
        <translation>Alle Paare</translation>
    </message>
    <message>
        <source>would have become (not written)</source>
        <translation>wäre geworden (nicht geschrieben)</translation>
    </message>
    <message>
        <source>would become</source>
        <translation>würde zu</translation>
    </message>
    <message>
        <source>became</source>
        <translation>wurde zu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left unchanged: %1</source>
        <translation>unverändert gelassen: %1</translation>
    </message>
    <message>
        <source>Nothing was found.</source>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <source>%1 of %2 occurrences are listed; the others were counted but not listed, to keep long runs small.</source>
        <translation>%1 von %2 Vorkommen sind aufgeführt; die übrigen wurden gezählt, aber nicht aufgeführt, damit lange Läufe klein bleiben.</translation>
    </message>
    <message>
        <source>%1 of %2 changes ticked: “Write the Ticked Changes” replaces these and leaves the others.</source>
        <translation>%1 von %2 Änderungen angehakt: „Angehakte Änderungen schreiben“ ersetzt diese und lässt die übrigen stehen.</translation>
    </message>
    <message>
        <source>&amp;Tick Every Change in %1</source>
        <translation>Alle Änderungen in %1 &amp;anhaken</translation>
    </message>
    <message>
        <source>&amp;Untick Every Change in %1</source>
        <translation>Häkchen aller Änderungen in %1 &amp;entfernen</translation>
    </message>
    <message>
        <source>Tick %1 in E&amp;very Document</source>
        <translation>%1 in &amp;jedem Dokument anhaken</translation>
    </message>
    <message>
        <source>Untick %1 in Every &amp;Document</source>
        <translation>Häkchen von %1 in jedem &amp;Dokument entfernen</translation>
    </message>
    <message>
        <source>&amp;Pages before and after</source>
        <translation>Seiten vorher und &amp;nachher</translation>
    </message>
    <message>
        <source>Pages before and after: install %1 first</source>
        <translation>Seiten vorher und nachher: zuerst %1 installieren</translation>
    </message>
    <message>
        <source>Draw the pages of the source and the result with LibreOffice and show them side by side.</source>
        <translation>Die Seiten der Quelle und des Ergebnisses mit LibreOffice zeichnen und nebeneinander zeigen.</translation>
    </message>
    <message>
        <source>There is no result to look at: the run wrote none for this document.</source>
        <translation>Es gibt kein Ergebnis zum Ansehen: Der Lauf hat für dieses Dokument keines geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s)</source>
        <translation>
            <numerusform>%Ln Vorkommen</numerusform>
            <numerusform>%Ln Vorkommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s).</source>
        <translation>
            <numerusform>%Ln Vorkommen.</numerusform>
            <numerusform>%Ln Vorkommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠ the text no longer fits its box: %1</source>
        <translation>⚠ der Text passt nicht mehr in sein Textfeld: %1</translation>
    </message>
    <message>
        <source>⚠ the text may no longer fit its box: %1</source>
        <translation>⚠ der Text passt vielleicht nicht mehr in sein Textfeld: %1</translation>
    </message>
    <message>
        <source>it was found in the text of the change at story %1, character %2, which is not ticked</source>
        <translation>es wurde im Text der Änderung in Textabschnitt %1, Zeichen %2 gefunden, die nicht angehakt ist</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>bleibt</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangesDialog</name>
    <message>
        <source>Changes in %1</source>
        <translation>Änderungen in %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::DocListView</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen und ablegen. Doppelklick auf einen Eintrag entfernt ihn. Die Linie | nach rechts aus dem Fenster ziehen, um ganze Namen zu sehen.</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Publisher-Datei(en)</translation>
    </message>
</context>
<context>
    <name>vantrelle::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Please report this with a screenshot of this message: %1.</source>
        <translation>Bitte melden Sie dies mit einem Bildschirmfoto dieser Meldung: %1.</translation>
    </message>
</context>
<context>
    <name>vantrelle::FileText</name>
    <message>
        <source>Permission denied: %1 is a folder</source>
        <translation>Zugriff verweigert: %1 ist ein Ordner</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Zugriff verweigert: %1 (%2)</translation>
    </message>
    <message>
        <source>Windows reserves the name %1 for a device, so no file can have it</source>
        <translation>Windows reserviert den Namen %1 für ein Gerät, daher kann keine Datei ihn tragen</translation>
    </message>
    <message>
        <source>Windows drops the dots and spaces at the end of a name, so that file would be another one</source>
        <translation>Windows entfernt Punkte und Leerzeichen am Ende eines Namens, diese Datei wäre also eine andere</translation>
    </message>
    <message>
        <source>it is in use by another program; close it there and try again</source>
        <translation>sie wird von einem anderen Programm verwendet; schließen Sie sie dort und versuchen Sie es erneut</translation>
    </message>
</context>
<context>
    <name>vantrelle::Form1</name>
    <message>
        <source>Add Publisher File(s)</source>
        <translation>Publisher-Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In Folder</source>
        <translation>Dateien aus Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <source>Match Option</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Gr./Kl. exakt</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Find only whole words: “the” no longer finds “other” or “anthem”.</source>
        <translation>Nur ganze Wörter finden: „the“ findet dann weder „other“ noch „anthem“.</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Read each find text as a regular expression. In the replacement, $0 stands for what was found, $1 to $9 for its groups and $$ for a dollar sign.</source>
        <translation>Jeden Suchtext als regulären Ausdruck lesen. In der Ersetzung steht $0 für das Gefundene, $1 bis $9 für seine Gruppen und $$ für ein Dollarzeichen.</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Gr/Kl halten</translation>
    </message>
    <message>
        <source>Find any case and write each replacement in the case of what it replaces: acme → apex, Acme → Apex, ACME → APEX.</source>
        <translation>Jede Schreibung finden und jede Ersetzung so schreiben wie das Ersetzte: acme → apex, Acme → Apex, ACME → APEX.</translation>
    </message>
    <message>
        <source>Replace in:</source>
        <translation>Ersetzen in:</translation>
    </message>
    <message>
        <source>text only</source>
        <translation>nur Text</translation>
    </message>
    <message>
        <source>text and link addresses</source>
        <translation>Text und Linkadressen</translation>
    </message>
    <message>
        <source>text, links and properties</source>
        <translation>Text, Links, Eigenschaften</translation>
    </message>
    <message>
        <source>Where the pairs apply: the text only; also the addresses of web, e-mail and file links; or also the document properties (title, subject, author, keywords, comments, company, manager, category and your own).</source>
        <translation>Wo die Paare gelten: nur im Text; auch in den Adressen von Web-, E-Mail- und Dateilinks; oder auch in den Dokumenteigenschaften (Titel, Thema, Autor, Stichwörter, Kommentare, Firma, Manager, Kategorie und eigene).</translation>
    </message>
    <message>
        <source>Find and replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>Multiple find and replace (sets)</source>
        <translation>Mehrfach ersetzen (Paarliste)</translation>
    </message>
    <message>
        <source> Find what (exact case):</source>
        <translation> Suchen nach (exakte Schreibung):</translation>
    </message>
    <message>
        <source> Replace with:</source>
        <translation> Ersetzen durch:</translation>
    </message>
    <message>
        <source>Add Set</source>
        <translation>Paar hinzufügen</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Paare laden</translation>
    </message>
    <message>
        <source>Save Sets</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Remove Selected Set</source>
        <translation>Gewähltes Paar entfernen</translation>
    </message>
    <message>
        <source>Clear Sets</source>
        <translation>Paarliste leeren</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Speicheroption</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>In diesem Ordner speichern:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Im Ordner des Originals speichern</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>Zu jedem Ergebnis auch ein PDF</translation>
    </message>
    <message>
        <source>Start Replacing</source>
        <translation>Ersetzen starten</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Publisher-Datei(en)</translation>
    </message>
    <message>
        <source>After each run, save NAME.pdf beside every result NAME.pub, made by LibreOffice.</source>
        <translation>Nach jedem Lauf neben jedem Ergebnis NAME.pub eine NAME.pdf speichern, erstellt von LibreOffice.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte einen Ordner wählen:</translation>
    </message>
    <message>
        <source>There is nothing to find: type the text to find in &quot;Find what&quot; first.</source>
        <translation>Es gibt nichts zu suchen: Geben Sie zuerst den Suchtext in „Suchen nach“ ein.</translation>
    </message>
    <message>
        <source>There is nothing to find: the sets list is empty. Add a set or load sets first.</source>
        <translation>Es gibt nichts zu suchen: Die Paarliste ist leer. Fügen Sie zuerst ein Paar hinzu oder laden Sie eine Paarliste.</translation>
    </message>
    <message>
        <source>Stop after this document?</source>
        <translation>Nach diesem Dokument anhalten?</translation>
    </message>
    <message>
        <source>Files are still being added from the folder. Start again when they are all in the list.</source>
        <translation>Es werden noch Dateien aus dem Ordner hinzugefügt. Starten Sie erneut, wenn alle in der Liste sind.</translation>
    </message>
    <message>
        <source>Cou&amp;nt Only</source>
        <translation>Nur &amp;zählen</translation>
    </message>
    <message>
        <source>Count the occurrences in every listed document without writing anything (%1).</source>
        <translation>Die Vorkommen in jedem aufgeführten Dokument zählen, ohne etwas zu schreiben (%1).</translation>
    </message>
    <message>
        <source>&amp;Add Publisher File(s)</source>
        <translation>Publisher-Datei(en) &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In &amp;Folder</source>
        <translation>Dateien aus &amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Files</source>
        <translation>&amp;Beispieldateien laden</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>Gr./Kl. e&amp;xakt</translation>
    </message>
    <message>
        <source>Whole wor&amp;ds</source>
        <translation>Ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Regulärer A&amp;usdruck</translation>
    </message>
    <message>
        <source>&amp;Keep case</source>
        <translation>Gr/Kl h&amp;alten</translation>
    </message>
    <message>
        <source>&amp;Start Replacing</source>
        <translation>Ersetzen &amp;starten</translation>
    </message>
    <message>
        <source>Add S&amp;et</source>
        <translation>Paar hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>L&amp;oad Sets</source>
        <translation>Paare la&amp;den</translation>
    </message>
    <message>
        <source>Sa&amp;ve Sets</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Set</source>
        <translation>Gewähltes Paar entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Clear Se&amp;ts</source>
        <translation>Paarlis&amp;te leeren</translation>
    </message>
    <message>
        <source>Save results to t&amp;his folder:</source>
        <translation>In diesem Ordner s&amp;peichern:</translation>
    </message>
    <message>
        <source>Save results in folder of ori&amp;ginal file</source>
        <translation>I&amp;m Ordner des Originals speichern</translation>
    </message>
    <message>
        <source> Find &amp;what (exact case):</source>
        <translation> Suchen &amp;nach (exakte Schreibung):</translation>
    </message>
    <message>
        <source> Re&amp;place with:</source>
        <translation> &amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replace &amp;in:</source>
        <translation>Ersetzen &amp;in:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Was gesucht wird</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Sets: %1</source>
        <translation>Paarliste: %1</translation>
    </message>
    <message>
        <source>Right-click the list or press %1 to count the occurrences without writing anything.</source>
        <translation>Mit einem Rechtsklick auf die Liste oder mit %1 die Vorkommen zählen, ohne etwas zu schreiben.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist. Please select another folder.</source>
        <translation>Der Ordner „%1“ existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll das Programm den Ordner öffnen, in dem die Beispieldateien liegen (damit Sie sie ansehen können, bevor Sie damit arbeiten)?</translation>
    </message>
    <message>
        <source>in the sets list</source>
        <translation>in der Paarliste</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>The text in “%1”</source>
        <translation>Der Text in „%1“</translation>
    </message>
    <message>
        <source>The texts in “Find what” and “Replace with” cannot be used: %1.</source>
        <translation>Die Texte in „Suchen nach“ und „Ersetzen durch“ können nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Vantrelle</source>
        <translation>Vantrelle</translation>
    </message>
    <message>
        <source>the publishing program</source>
        <translation>Publishing-Programm</translation>
    </message>
    <message>
        <source>Who opens, edits and saves each publication: Vantrelle&apos;s own engine, or the publishing program installed on this computer. The program cannot use regular expressions, keep case, or replace in link addresses and properties, and does not say how many replacements it made.</source>
        <translation>Wer jede Publikation öffnet, bearbeitet und speichert: Vantrelles eigene Engine oder das auf diesem Computer installierte Publishing-Programm. Das Programm kann keine regulären Ausdrücke verwenden, die Schreibung nicht beibehalten, nicht in Linkadressen und Eigenschaften ersetzen und sagt nicht, wie viele Ersetzungen es vorgenommen hat.</translation>
    </message>
    <message>
        <source>The publishing program cannot do this; choose Vantrelle under “Edited by” for it.</source>
        <translation>Das Publishing-Programm kann das nicht; wählen Sie dafür Vantrelle unter „Editor“.</translation>
    </message>
    <message>
        <source>Edited &amp;by:</source>
        <translation>Editor:</translation>
    </message>
    <message>
        <source>Warn when text no longer fits its box</source>
        <translation>Warnen, wenn Text nicht mehr passt</translation>
    </message>
    <message>
        <source>Count and each run lay out the stories the replacements make longer, and the report says which no longer fit their boxes.</source>
        <translation>Beim Zählen und bei jedem Lauf werden die Textabschnitte, die durch die Ersetzungen länger werden, neu umbrochen, und der Bericht nennt die, die nicht mehr in ihre Textfelder passen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Vantrelle</source>
        <translation>&amp;Über Vantrelle</translation>
    </message>
    <message>
        <source>%1 %2

Finds and replaces text in many publications in one run.

Made with Qt %3.</source>
        <translation>%1 %2

Sucht und ersetzt Text in vielen Publikationen in einem Lauf.

Erstellt mit Qt %3.</translation>
    </message>
    <message>
        <source> Find &amp;what:</source>
        <translation> Suchen &amp;nach:</translation>
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
        <translation>Wenn die Textdatei, die Sie laden, so aussieht:

hi::hello
peter::pete

dann verwenden Sie :: als Trennzeichen

Wenn die Textdatei, die Sie laden, so aussieht:

hi,hello
peter,pete

dann verwenden Sie , als Trennzeichen

HINWEIS: „Paare speichern“ speichert in diesem Programm immer in diesem Format:

hi::hello
peter::pete</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Paare laden</translation>
    </message>
    <message>
        <source>File To Load:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File To Load</source>
        <translation>Zu ladende Datei</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Browse for the file to load</source>
        <translation>Zu ladende Datei auswählen</translation>
    </message>
    <message>
        <source>Separator examples</source>
        <translation>Beispiele für Trennzeichen</translation>
    </message>
    <message>
        <source>Select Text File</source>
        <translation>Textdatei auswählen</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*)|*|</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*)|*|</translation>
    </message>
    <message>
        <source>You must enter separating character(s).</source>
        <translation>Sie müssen ein oder mehrere Trennzeichen eingeben.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>%1 No pairs were loaded.</source>
        <translation>%1 Es wurden keine Paare geladen.</translation>
    </message>
</context>
<context>
    <name>vantrelle::IsInstalled</name>
    <message>
        <source>Publisher is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Publisher ist auf diesem Computer nicht installiert. Es muss installiert sein, damit dieses Programm fehlerfrei arbeitet.</translation>
    </message>
    <message>
        <source>Publisher may be open. It is recommended that you close Publisher first.

Would you like to proceed anyway?</source>
        <translation>Publisher ist möglicherweise geöffnet. Es wird empfohlen, Publisher zuerst zu schließen.

Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>This publishing program cannot replace in link addresses or document properties; turn those options off to use it.</source>
        <translation>Dieses Publishing-Programm kann nicht in Linkadressen oder Dokumenteigenschaften ersetzen; schalten Sie diese Optionen aus, um es zu verwenden.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Main</name>
    <message>
        <source>These files: 

%1
do not appear to be in the expected file format because of their file extension.

Would you like to remove them from list?</source>
        <translation>Diese Dateien: 

%1
scheinen ihrer Dateiendung nach nicht im erwarteten Dateiformat zu sein.

Möchten Sie sie aus der Liste entfernen?</translation>
    </message>
</context>
<context>
    <name>vantrelle::OutputText</name>
    <message>
        <source>Cannot save as “%1”: %2.</source>
        <translation>Kann nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner hat diesen Namen</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>another user&apos;s file has that name in a folder where only its owner may remove it</source>
        <translation>eine Datei eines anderen Benutzers hat diesen Namen, in einem Ordner, in dem nur ihr Besitzer sie entfernen darf</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is the same file as the document itself, reached by another path (a link, a mount or another letter case). %1 was not processed, so that it is not lost.</source>
        <translation>Das Ergebnis von %1 würde %2 ersetzen, und das ist dieselbe Datei wie das Dokument selbst, über einen anderen Pfad erreicht (eine Verknüpfung, ein Einhängepunkt oder eine andere Groß-/Kleinschreibung). %1 wurde nicht bearbeitet, damit es nicht verloren geht.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is a document in the list. %1 was not processed.</source>
        <translation>Das Ergebnis von %1 würde %2 ersetzen, ein Dokument der Liste. %1 wurde nicht bearbeitet.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, the result of %3 written in this run. %1 was not processed.</source>
        <translation>Das Ergebnis von %1 würde %2 ersetzen, das in diesem Lauf geschriebene Ergebnis von %3. %1 wurde nicht bearbeitet.</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesDialog</name>
    <message>
        <source>Pages of %1 before and after</source>
        <translation>Seiten von %1 vorher und nachher</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of “%1” as it was before…</source>
        <translation>LibreOffice zeichnet die Seiten von „%1“, wie es vorher war…</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of the result “%1”…</source>
        <translation>LibreOffice zeichnet die Seiten des Ergebnisses „%1“…</translation>
    </message>
    <message>
        <source>Before - %1.pdf</source>
        <translation>Vorher - %1.pdf</translation>
    </message>
    <message>
        <source>After - %1.pdf</source>
        <translation>Nachher - %1.pdf</translation>
    </message>
    <message>
        <source>The drawings could not be saved in the temporary folder %1: %2.</source>
        <translation>Die Zeichnungen konnten nicht im temporären Ordner %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens PDF files. The pages before and after are drawn in %1.</source>
        <translation>Kein Programm auf diesem Computer öffnet PDF-Dateien. Die Seiten vorher und nachher sind in %1 gezeichnet.</translation>
    </message>
    <message>
        <source>The pages before and after are open in your PDF viewer, as LibreOffice draws them: “%1” and “%2”.</source>
        <translation>Die Seiten vorher und nachher sind in Ihrem PDF-Betrachter geöffnet, wie LibreOffice sie zeichnet: „%1“ und „%2“.</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesView</name>
    <message>
        <source>Pages before and after, as LibreOffice draws it. Your publishing program may lay them out a little differently.</source>
        <translation>Seiten vorher und nachher, wie LibreOffice sie zeichnet. Ihr Publishing-Programm setzt sie möglicherweise etwas anders.</translation>
    </message>
    <message>
        <source>&amp;Previous page</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>&amp;Fit width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Before: </source>
        <translation>Vorher: </translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Nachher: </translation>
    </message>
    <message>
        <source>The drawings of the pages before and after do not differ.</source>
        <translation>Die Zeichnungen der Seiten vorher und nachher unterscheiden sich nicht.</translation>
    </message>
    <message>
        <source>These pages could not be shown.</source>
        <translation>Diese Seiten konnten nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>No page %1 here: this side ends at page %2.</source>
        <translation>Keine Seite %1: Diese Fassung endet mit Seite %2.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message numerus="yes">
        <source>Marked in red: where the pages differ (page(s) %1).</source>
        <translation>
            <numerusform>Rot markiert: wo sich die Seiten unterscheiden (Seite %1).</numerusform>
            <numerusform>Rot markiert: wo sich die Seiten unterscheiden (Seiten %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::PairText</name>
    <message>
        <source>%1 is empty: there is nothing to find</source>
        <translation>%1 ist leer: Es gibt nichts zu suchen</translation>
    </message>
    <message>
        <source>%1 holds a line or paragraph break (%2) at character %3; texts with breaks cannot be replaced</source>
        <translation>%1 enthält einen Zeilen- oder Absatzumbruch (%2) bei Zeichen %3; Texte mit Umbrüchen können nicht ersetzt werden</translation>
    </message>
    <message>
        <source>%1 holds the control character %2 at character %3, which the text of a publication cannot hold (tab is the only one allowed)</source>
        <translation>%1 enthält das Steuerzeichen %2 bei Zeichen %3, das der Text einer Publikation nicht enthalten kann (nur der Tabulator ist erlaubt)</translation>
    </message>
    <message>
        <source>%1 holds half of a character (the unpaired surrogate %2) at character %3, which the text of a publication cannot hold</source>
        <translation>%1 enthält ein halbes Zeichen (das ungepaarte Surrogat %2) bei Zeichen %3, das der Text einer Publikation nicht enthalten kann</translation>
    </message>
    <message>
        <source>%1 holds the noncharacter %2 at character %3, which the text of a publication cannot hold</source>
        <translation>%1 enthält das Nichtzeichen %2 bei Zeichen %3, das der Text einer Publikation nicht enthalten kann</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>an seinem Anfang</translation>
    </message>
    <message>
        <source>at position %1, after %2</source>
        <translation>an Position %1, nach %2</translation>
    </message>
    <message>
        <source>the regular expression %1 is not valid: %2, %3</source>
        <translation>der reguläre Ausdruck %1 ist ungültig: %2, %3</translation>
    </message>
    <message>
        <source>the regular expression %1 matches an empty text, which would insert the replacement between characters; make it match at least one character (+ instead of *, for example)</source>
        <translation>der reguläre Ausdruck %1 passt auf einen leeren Text, womit die Ersetzung zwischen die Zeichen eingefügt würde; er muss mindestens ein Zeichen erfassen (zum Beispiel + statt *)</translation>
    </message>
    <message>
        <source>the replacement %1 refers to group %2, but the regular expression %3 has %4</source>
        <translation>die Ersetzung %1 verweist auf Gruppe %2, aber der reguläre Ausdruck %3 hat %4</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message>
        <source>one group</source>
        <translation>eine Gruppe</translation>
    </message>
    <message>
        <source>the replacement %1 holds a “$” that is not followed by a group number 0 to 9 or a group&apos;s name in braces; write $$ for a dollar sign</source>
        <translation>die Ersetzung %1 enthält ein „$“, auf das weder eine Gruppennummer von 0 bis 9 noch ein Gruppenname in geschweiften Klammern folgt; schreiben Sie $$ für ein Dollarzeichen</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfExport</name>
    <message>
        <source>No temporary folder can be made in %1 to convert “%2”.</source>
        <translation>In %1 kann kein temporärer Ordner angelegt werden, um „%2“ umzuwandeln.</translation>
    </message>
    <message>
        <source>Another result&apos;s PDF has the same name, %1; this one was not written.</source>
        <translation>Das PDF eines anderen Ergebnisses hat denselben Namen, %1; dieses wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>“%1” cannot be read, or no temporary copy of it can be made.</source>
        <translation>„%1“ kann nicht gelesen werden, oder es kann keine temporäre Kopie davon angelegt werden.</translation>
    </message>
    <message>
        <source>LibreOffice did not finish within %1 seconds, so it was stopped; the publication may be very large, or LibreOffice stuck on it.</source>
        <translation>LibreOffice wurde nicht innerhalb von %1 Sekunden fertig und wurde deshalb beendet; die Publikation ist vielleicht sehr groß, oder LibreOffice hing daran fest.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>LibreOffice konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>LibreOffice crashed.</source>
        <translation>LibreOffice ist abgestürzt.</translation>
    </message>
    <message>
        <source>LibreOffice ended with exit code %1.</source>
        <translation>LibreOffice endete mit dem Exit-Code %1.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert it.</source>
        <translation>LibreOffice konnte es nicht umwandeln.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: %2</source>
        <translation>Das PDF konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfRendering</name>
    <message>
        <source>LibreOffice did not finish drawing “%1” within %2 seconds, so it was stopped. The publication may be very large, or LibreOffice may be stuck; try again, or open it in LibreOffice Draw yourself.</source>
        <translation>LibreOffice hat „%1“ nicht innerhalb von %2 Sekunden fertig gezeichnet und wurde deshalb beendet. Die Publikation ist vielleicht sehr groß, oder LibreOffice hängt fest; versuchen Sie es erneut, oder öffnen Sie sie selbst in LibreOffice Draw.</translation>
    </message>
    <message>
        <source>The pages are drawn by LibreOffice</source>
        <translation>Die Seiten werden von LibreOffice gezeichnet</translation>
    </message>
    <message>
        <source>Cannot draw the pages of “%1”: the file cannot be read, or no temporary copy of it can be made in %2.</source>
        <translation>Die Seiten von „%1“ können nicht gezeichnet werden: Die Datei kann nicht gelesen werden, oder in %2 kann keine temporäre Kopie davon angelegt werden.</translation>
    </message>
    <message>
        <source>Drawing the pages of “%1” was stopped.</source>
        <translation>Das Zeichnen der Seiten von „%1“ wurde angehalten.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started to draw “%1”: %2</source>
        <translation>LibreOffice konnte nicht gestartet werden, um „%1“ zu zeichnen: %2</translation>
    </message>
    <message>
        <source>LibreOffice could not draw “%1” (exit code %2).</source>
        <translation>LibreOffice konnte „%1“ nicht zeichnen (Exit-Code %2).</translation>
    </message>
    <message>
        <source> It said: %1</source>
        <translation> Die Meldung: %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::QtDialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>No file manager opened the folder %1. Open it yourself, or install a file manager.</source>
        <translation>Kein Dateimanager hat den Ordner %1 geöffnet. Öffnen Sie ihn selbst, oder installieren Sie einen Dateimanager.</translation>
    </message>
    <message>
        <source>Don&apos;t show further errors during this run</source>
        <translation>Während dieses Laufs keine weiteren Fehler zeigen</translation>
    </message>
    <message>
        <source>Don&apos;t show further notices during this run</source>
        <translation>Während dieses Laufs keine weiteren Hinweise zeigen</translation>
    </message>
    <message>
        <source>No program on this computer opened %1. Open it yourself, or install a program for this kind of file.</source>
        <translation>Kein Programm auf diesem Computer hat %1 geöffnet. Öffnen Sie die Datei selbst, oder installieren Sie ein Programm für diese Art von Datei.</translation>
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
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Would replace</source>
        <translation>Zu ersetzen</translation>
    </message>
    <message>
        <source>Replacements</source>
        <translation>Ersetzungen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Output (not written)</source>
        <translation>Ausgabe (nicht geschrieben)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 nicht geschrieben</translation>
    </message>
    <message>
        <source>Started %1, ended %2, took %3</source>
        <translation>Begonnen %1, beendet %2, Dauer %3</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <translation>Dokument: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Output (not written): %1</source>
        <translation>Ausgabe (nicht geschrieben): %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ausgabe: %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>PDF: %1 (%2)</source>
        <translation>PDF: %1 (%2)</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Pairs (%1 ms):</source>
        <translation>Paare (%1 ms):</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Details of the selected document</source>
        <translation>Einzelheiten zum gewählten Dokument</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Zielordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>Tabelle &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV &amp;speichern…</translation>
    </message>
    <message>
        <source>Save P&amp;DFs of the results…</source>
        <translation>&amp;PDFs der Ergebnisse speichern…</translation>
    </message>
    <message>
        <source>&amp;Beside Each Result</source>
        <translation>&amp;Neben jedem Ergebnis</translation>
    </message>
    <message>
        <source>Into a &amp;Folder…</source>
        <translation>In einen &amp;Ordner…</translation>
    </message>
    <message>
        <source>&amp;Write the Ticked Changes</source>
        <translation>Angehakte Änderungen schrei&amp;ben</translation>
    </message>
    <message>
        <source>Write the results with the ticked changes only. A document changed since it was counted is not written.</source>
        <translation>Die Ergebnisse nur mit den angehakten Änderungen schreiben. Ein Dokument, das sich seit dem Zählen geändert hat, wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Count (nothing written) — %1</source>
        <translation>Zählung (nichts geschrieben) — %1</translation>
    </message>
    <message>
        <source>Run report — %1</source>
        <translation>Laufbericht — %1</translation>
    </message>
    <message>
        <source>%1 of %2 ticked</source>
        <translation>%1 von %2 angehakt</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Save a PDF of every result with LibreOffice, beside it or into a folder you choose.</source>
        <translation>Mit LibreOffice von jedem Ergebnis ein PDF speichern, daneben oder in einem Ordner Ihrer Wahl.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n PDFs already exist, such as %1. Replace them?</source>
        <translation>
            <numerusform>%n PDF existiert bereits, etwa %1. Ersetzen?</numerusform>
            <numerusform>%n PDFs existieren bereits, etwa %1. Ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the PDFs into this folder</source>
        <translation>Die PDFs in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Save Report as CSV</source>
        <translation>Bericht als CSV speichern</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Fit: %1</source>
        <translation>Platz: %1</translation>
    </message>
    <message>
        <source>&amp;Open the Publication</source>
        <translation>Publika&amp;tion öffnen</translation>
    </message>
    <message>
        <source>&amp;Open the Result</source>
        <translation>Er&amp;gebnis öffnen</translation>
    </message>
    <message>
        <source>Open the Result&apos;s &amp;PDF</source>
        <translation>P&amp;DF des Ergebnisses öffnen</translation>
    </message>
    <message>
        <source>Open the &amp;Folder</source>
        <translation>O&amp;rdner öffnen</translation>
    </message>
</context>
<context>
    <name>vantrelle::RunText</name>
    <message numerus="yes">
        <source>%Ln written</source>
        <translation>
            <numerusform>%Ln geschrieben</numerusform>
            <numerusform>%Ln geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <translation>
            <numerusform>%Ln fehlgeschlagen</numerusform>
            <numerusform>%Ln fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not reached</source>
        <translation>
            <numerusform>%Ln nicht erreicht</numerusform>
            <numerusform>%Ln nicht erreicht</numerusform>
        </translation>
    </message>
    <message>
        <source>PDFs: %1</source>
        <translation>PDFs: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>not applied</source>
        <translation>nicht angewandt</translation>
    </message>
    <message>
        <source>found, counts not known</source>
        <translation>gefunden, Anzahl unbekannt</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>would replace %1, %2 would be left</source>
        <translation>würde %1 ersetzen, %2 blieben übrig</translation>
    </message>
    <message>
        <source>%1 replaced, %2 left</source>
        <translation>%1 ersetzt, %2 übrig</translation>
    </message>
    <message>
        <source>%1 in link addresses</source>
        <translation>%1 in Linkadressen</translation>
    </message>
    <message>
        <source>%1 in document properties</source>
        <translation>%1 in Dokumenteigenschaften</translation>
    </message>
    <message>
        <source> left unchanged: %1</source>
        <translation> unverändert gelassen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln would be written</source>
        <translation>
            <numerusform>%Ln würde geschrieben</numerusform>
            <numerusform>%Ln würden geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with nothing to replace</source>
        <translation>
            <numerusform>%Ln ohne etwas zu ersetzen</numerusform>
            <numerusform>%Ln ohne etwas zu ersetzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln would fail</source>
        <translation>
            <numerusform>%Ln würde fehlschlagen</numerusform>
            <numerusform>%Ln würden fehlschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <translation>
            <numerusform>%Ln übersprungen</numerusform>
            <numerusform>%Ln übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln document(s)</source>
        <translation>
            <numerusform>%Ln Dokument</numerusform>
            <numerusform>%Ln Dokumente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s) would be made</source>
        <translation>
            <numerusform>%Ln Ersetzung würde vorgenommen</numerusform>
            <numerusform>%Ln Ersetzungen würden vorgenommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s)</source>
        <translation>
            <numerusform>%Ln Ersetzung</numerusform>
            <numerusform>%Ln Ersetzungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1: %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and the counts of %Ln document(s) not known)</source>
        <translation>
            <numerusform>%1 (und die Anzahlen von %Ln Dokument unbekannt)</numerusform>
            <numerusform>%1 (und die Anzahlen von %Ln Dokumenten unbekannt)</numerusform>
        </translation>
    </message>
    <message>
        <source>would be written</source>
        <translation>würde geschrieben</translation>
    </message>
    <message>
        <source>nothing to replace</source>
        <translation>nichts zu ersetzen</translation>
    </message>
    <message>
        <source>would fail</source>
        <translation>würde fehlschlagen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>it is not in the review</source>
        <translation>es ist nicht in der Durchsicht</translation>
    </message>
    <message>
        <source>“%1” was not written: %2.</source>
        <translation>„%1“ wurde nicht geschrieben: %2.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>In Bearbeitung: %1</translation>
    </message>
    <message>
        <source>changed since it was reviewed</source>
        <translation>seit der Durchsicht geändert</translation>
    </message>
    <message>
        <source>%1 Yes (the default).
</source>
        <translation>%1 Ja (die Vorgabe).
</translation>
    </message>
    <message>
        <source>%1 No (the default).
</source>
        <translation>%1 Nein (die Vorgabe).
</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) left out: they look like results of an earlier run (--include-results edits them too).</source>
        <translation>
            <numerusform>%n Datei weggelassen: Sie sieht wie das Ergebnis eines früheren Laufs aus (--include-results bearbeitet sie auch).</numerusform>
            <numerusform>%n Dateien weggelassen: Sie sehen wie Ergebnisse eines früheren Laufs aus (--include-results bearbeitet sie auch).</numerusform>
        </translation>
    </message>
    <message>
        <source>documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>, %1/s, %2:%3 left</source>
        <translation>, %1/s, noch %2:%3</translation>
    </message>
    <message>
        <source>  … and %1 more, counted but not listed
</source>
        <translation>  … und %1 weitere, gezählt, aber nicht aufgeführt
</translation>
    </message>
    <message>
        <source>
Try &apos;vantrelle-replace --help&apos;.
</source>
        <translation>
Siehe &apos;vantrelle-replace --help&apos;.
</translation>
    </message>
    <message>
        <source>Stopping: the documents being edited are finished first.
</source>
        <translation>Anhalten: Die Dokumente in Bearbeitung werden zuerst fertiggestellt.
</translation>
    </message>
    <message>
        <source>PDFs</source>
        <translation>PDFs</translation>
    </message>
    <message>
        <source>%1: PDF %2
</source>
        <translation>%1: PDF %2
</translation>
    </message>
    <message>
        <source>No publications were found in the sources given.
</source>
        <translation>In den angegebenen Quellen wurden keine Publikationen gefunden.
</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2. Nothing was edited.
</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: %2. Es wurde nichts bearbeitet.
</translation>
    </message>
    <message>
        <source>The report %1 could not be written: %2.
</source>
        <translation>Der Bericht %1 konnte nicht geschrieben werden: %2.
</translation>
    </message>
    <message>
        <source>Interrupted: %1.
</source>
        <translation>Unterbrochen: %1.
</translation>
    </message>
    <message>
        <source>%1
“%2” was not written.
</source>
        <translation>%1
„%2“ wurde nicht geschrieben.
</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 (the document %2)</source>
        <translation>%1 (das Dokument %2)</translation>
    </message>
    <message>
        <source>%1, change %2</source>
        <translation>%1, Änderung %2</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used: %2: %3. Nothing was written.</source>
        <translation>Der Plan %1 kann nicht verwendet werden: %2: %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the plan ends inside a value</source>
        <translation>der Plan endet mitten in einem Wert</translation>
    </message>
    <message>
        <source>it lists no documents</source>
        <translation>er führt keine Dokumente auf</translation>
    </message>
    <message>
        <source>a document is not a JSON object</source>
        <translation>ein Dokument ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>a bracket closes what was never opened</source>
        <translation>eine Klammer schließt, was nie geöffnet wurde</translation>
    </message>
    <message>
        <source>there is text outside any JSON object</source>
        <translation>es steht Text außerhalb jedes JSON-Objekts</translation>
    </message>
    <message>
        <source>the line cannot be read (%1)</source>
        <translation>die Zeile kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>“%1” is missing or has a value of the wrong type</source>
        <translation>„%1“ fehlt oder hat einen Wert des falschen Typs</translation>
    </message>
    <message>
        <source>it does not list every change of the document; make the plan with --dry-run --report FILE.json</source>
        <translation>er führt nicht jede Änderung des Dokuments auf; erstellen Sie den Plan mit --dry-run --report FILE.json</translation>
    </message>
    <message>
        <source>the id %1 is there twice</source>
        <translation>die Kennung %1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>there is no pair %1</source>
        <translation>es gibt kein Paar %1</translation>
    </message>
    <message>
        <source>the change is not one of this document&apos;s</source>
        <translation>die Änderung gehört nicht zu diesem Dokument</translation>
    </message>
    <message>
        <source>The plan %1 cannot be read: %2.</source>
        <translation>Der Plan %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the document is there twice</source>
        <translation>das Dokument kommt doppelt vor</translation>
    </message>
    <message>
        <source>the document was counted with other pairs or options than the first</source>
        <translation>das Dokument wurde mit anderen Paaren oder Optionen gezählt als das erste</translation>
    </message>
    <message>
        <source>the plan %1 changed while it was used</source>
        <translation>der Plan %1 hat sich während der Verwendung geändert</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei hat sich seit der Durchsicht geändert.</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>nicht prüfbar: %1</translation>
    </message>
    <message>
        <source>Story %1 on page %2 no longer fits its box (%3); nothing was written.</source>
        <translation>Textabschnitt %1 auf Seite %2 passt nicht mehr in sein Textfeld (%3); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>story %1, character %2</source>
        <translation>Textabschnitt %1, Zeichen %2</translation>
    </message>
    <message>
        <source>overflows</source>
        <translation>läuft über</translation>
    </message>
    <message>
        <source>may overflow</source>
        <translation>läuft vielleicht über</translation>
    </message>
    <message>
        <source>could not check</source>
        <translation>nicht prüfbar</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) overflow</source>
        <translation>
            <numerusform>%n Textfeld läuft über</numerusform>
            <numerusform>%n Textfelder laufen über</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) may overflow</source>
        <translation>
            <numerusform>%n Textfeld läuft vielleicht über</numerusform>
            <numerusform>%n Textfelder laufen vielleicht über</numerusform>
        </translation>
    </message>
    <message>
        <source>fits</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>story %1, page %2: %3</source>
        <translation>Textabschnitt %1, Seite %2: %3</translation>
    </message>
</context>
<context>
    <name>vantrelle::SetsText</name>
    <message numerus="yes">
        <source>The sets list holds at most 32,767 pairs. %n line(s) of the file were not loaded.</source>
        <translation>
            <numerusform>Die Paarliste fasst höchstens 32.767 Paare. %n Zeile der Datei wurde nicht geladen.</numerusform>
            <numerusform>Die Paarliste fasst höchstens 32.767 Paare. %n Zeilen der Datei wurden nicht geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source> of pair %1</source>
        <translation> von Paar %1</translation>
    </message>
    <message>
        <source>The find text%1</source>
        <translation>Der Suchtext%1</translation>
    </message>
    <message>
        <source>The replace text%1 (“%2”)</source>
        <translation>Der Ersetzungstext%1 („%2“)</translation>
    </message>
    <message>
        <source>The texts%1 cannot be used: %2.</source>
        <translation>Die Texte%1 können nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Enter find and replace set (use :: to separate find text and replace text):</source>
        <translation>Such- und Ersetzungspaar eingeben (:: trennt Suchtext und Ersetzungstext):</translation>
    </message>
    <message>
        <source>findwhat::replacewith</source>
        <translation>suchen::ersetzen</translation>
    </message>
    <message>
        <source>You must use :: to separate the find text from the replace text</source>
        <translation>Sie müssen :: verwenden, um den Suchtext vom Ersetzungstext zu trennen</translation>
    </message>
    <message>
        <source>The sets list is full: it holds at most 32,767 pairs. Remove a set to add another.</source>
        <translation>Die Paarliste ist voll: Sie fasst höchstens 32.767 Paare. Entfernen Sie ein Paar, um ein weiteres hinzuzufügen.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Settings</name>
    <message>
        <source>its contents cannot be read</source>
        <translation>ihr Inhalt kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its folder %1 does not exist and cannot be made</source>
        <translation>ihr Ordner %1 existiert nicht und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you have no permission to write in its folder %1</source>
        <translation>Sie dürfen in ihren Ordner %1 nicht schreiben</translation>
    </message>
    <message>
        <source>Your choices cannot be kept for the next start: the settings file %1 cannot be written (%2). They stay in force until you close the program.</source>
        <translation>Ihre Einstellungen können nicht für den nächsten Start aufbewahrt werden: Die Einstellungsdatei %1 kann nicht geschrieben werden (%2). Sie gelten, bis Sie das Programm schließen.</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>These stored settings could not be read and are back at their defaults: %1. Choose them again if they were set otherwise.</source>
        <translation>Diese gespeicherten Einstellungen konnten nicht gelesen werden und stehen wieder auf ihren Vorgaben: %1. Wählen Sie sie erneut, falls sie anders eingestellt waren.</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Schreibung beibehalten</translation>
    </message>
    <message>
        <source>the tab shown at start</source>
        <translation>die beim Start gezeigte Registerkarte</translation>
    </message>
    <message>
        <source>the separator of Load Sets</source>
        <translation>das Trennzeichen von „Paare laden“</translation>
    </message>
    <message>
        <source>the folder to save results to</source>
        <translation>der Ordner, in dem Ergebnisse gespeichert werden</translation>
    </message>
    <message>
        <source>Save results to this folder</source>
        <translation>In diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Im Ordner des Originals speichern</translation>
    </message>
    <message>
        <source>the folder last chosen for results</source>
        <translation>der zuletzt für Ergebnisse gewählte Ordner</translation>
    </message>
    <message>
        <source>the file type added from a folder</source>
        <translation>der aus einem Ordner hinzugefügte Dateityp</translation>
    </message>
    <message>
        <source>the folder last added</source>
        <translation>der zuletzt hinzugefügte Ordner</translation>
    </message>
    <message>
        <source>the sample files</source>
        <translation>die Beispieldateien</translation>
    </message>
    <message>
        <source>the folder of the last publications added</source>
        <translation>der Ordner der zuletzt hinzugefügten Publikationen</translation>
    </message>
    <message>
        <source>the folder of the last sets file</source>
        <translation>der Ordner der letzten Paarlistendatei</translation>
    </message>
    <message>
        <source>the place of the report window</source>
        <translation>die Position des Berichtsfensters</translation>
    </message>
    <message>
        <source>the place of the pages window</source>
        <translation>die Position des Seitenfensters</translation>
    </message>
    <message>
        <source>Replace in</source>
        <translation>Ersetzen in</translation>
    </message>
    <message>
        <source>Edited by</source>
        <translation>Bearbeitet von</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>Zu jedem Ergebnis auch ein PDF</translation>
    </message>
</context>
<context>
    <name>vantrelle::Startup</name>
    <message>
        <source>Finds and replaces text in many publications in one run.</source>
        <translation>Sucht und ersetzt Text in vielen Publikationen in einem Lauf.</translation>
    </message>
    <message>
        <source>Publications to add to the list, and folders whose .pub files (subfolders included) to add.</source>
        <translation>Publikationen, die in die Liste aufgenommen werden, und Ordner, deren .pub-Dateien (mit Unterordnern) aufgenommen werden.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER...]</source>
        <translation>[DATEI|ORDNER...]</translation>
    </message>
    <message>
        <source>%1
See --help.
</source>
        <translation>%1
Siehe --help.
</translation>
    </message>
    <message>
        <source>No such file or folder, not added: %1
</source>
        <translation>Keine solche Datei und kein solcher Ordner, nicht hinzugefügt: %1
</translation>
    </message>
</context>
<context>
    <name>vantrelle::cli::CliText</name>
    <message>
        <source>The separator given with --separator is empty.</source>
        <translation>Das mit --separator angegebene Trennzeichen ist leer.</translation>
    </message>
    <message>
        <source>The sets file %1 was not found.</source>
        <translation>Die Paarlistendatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The sets file %1 cannot be read: %2</source>
        <translation>Die Paarlistendatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 Split the file.</source>
        <translation>%1 Teilen Sie die Datei auf.</translation>
    </message>
    <message>
        <source>The sets file %1 holds no line with the separator “%2”.</source>
        <translation>Die Paarlistendatei %1 enthält keine Zeile mit dem Trennzeichen „%2“.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not “%2”.</source>
        <translation>--jobs braucht eine ganze Zahl von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--report needs a file name, or - for standard output.</source>
        <translation>--report braucht einen Dateinamen oder - für die Standardausgabe.</translation>
    </message>
    <message>
        <source>The report %1 must end in .json or .csv (or be - for JSON lines on standard output).</source>
        <translation>Der Bericht %1 muss auf .json oder .csv enden (oder - sein für JSON-Zeilen auf der Standardausgabe).</translation>
    </message>
    <message>
        <source>The folder of the report %1 does not exist.</source>
        <translation>Der Ordner des Berichts %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The report %1 is a folder.</source>
        <translation>Der Bericht %1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>--pdf puts each PDF beside its result, --pdf-dir DIR puts them all in DIR: give one of the two.</source>
        <translation>--pdf legt jedes PDF neben sein Ergebnis, --pdf-dir DIR legt alle in DIR: Geben Sie eines von beiden an.</translation>
    </message>
    <message>
        <source>--pdf-timeout goes with --pdf or --pdf-dir.</source>
        <translation>--pdf-timeout gehört zu --pdf oder --pdf-dir.</translation>
    </message>
    <message>
        <source>--dry-run writes no results, so there is nothing to make PDFs of; leave out --pdf or --pdf-dir.</source>
        <translation>--dry-run schreibt keine Ergebnisse, es gibt also nichts, wovon PDFs erstellt werden könnten; lassen Sie --pdf oder --pdf-dir weg.</translation>
    </message>
    <message>
        <source>The folder %1 given with --pdf-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>Der mit --pdf-dir angegebene Ordner %1 existiert nicht; das Werkzeug legt ihn nicht an (zuerst mit mkdir -p anlegen).</translation>
    </message>
    <message>
        <source>--pdf-timeout needs a whole number of seconds, not “%1”.</source>
        <translation>--pdf-timeout braucht eine ganze Zahl von Sekunden, nicht „%1“.</translation>
    </message>
    <message>
        <source>A pair; repeat for more, applied in the order given.</source>
        <translation>Ein Paar; für weitere wiederholen, angewandt in der angegebenen Reihenfolge.</translation>
    </message>
    <message>
        <source>Pairs from a sets file, read as Load Sets reads it: one pair per line, FIND SEP REPLACE, in UTF-8, UTF-16 or Windows-1252; at most 32,767 pairs.</source>
        <translation>Paare aus einer Paarlistendatei, gelesen wie „Paare laden“ sie liest: ein Paar pro Zeile, FIND SEP REPLACE, in UTF-8, UTF-16 oder Windows-1252; höchstens 32.767 Paare.</translation>
    </message>
    <message>
        <source>The separator of the sets file (default ::).</source>
        <translation>Das Trennzeichen der Paarlistendatei (Vorgabe ::).</translation>
    </message>
    <message>
        <source>Every result into DIR under its source&apos;s name. DIR must exist: a mistyped name is not made into a new folder.</source>
        <translation>Jedes Ergebnis unter dem Namen seiner Quelle nach DIR. DIR muss existieren: Aus einem vertippten Namen wird kein neuer Ordner.</translation>
    </message>
    <message>
        <source>Each result beside its source, named NAME_replaced.pub.</source>
        <translation>Jedes Ergebnis neben seine Quelle, mit dem Namen NAME_replaced.pub.</translation>
    </message>
    <message>
        <source>Match letter case.</source>
        <translation>Groß-/Kleinschreibung beachten.</translation>
    </message>
    <message>
        <source>Match whole words only, by Unicode&apos;s word boundaries: &quot;the&quot; no longer finds &quot;other&quot; or &quot;anthem&quot;.</source>
        <translation>Nur ganze Wörter finden, nach den Wortgrenzen von Unicode: „the“ findet dann weder „other“ noch „anthem“.</translation>
    </message>
    <message>
        <source>Read each FIND as a regular expression (Perl-like, PCRE2) and each REPLACE with $0 (the match), $1 to $9 (its groups) and $$ (a dollar sign). A match stays inside a line; ^ and $ are a line&apos;s start and end. An invalid expression, one that matches an empty text and a $ not followed by a digit or $ are wrong usage.</source>
        <translation>Jedes FIND als regulären Ausdruck lesen (wie Perl, PCRE2) und jedes REPLACE mit $0 (der Treffer), $1 bis $9 (seine Gruppen) und $$ (ein Dollarzeichen). Ein Treffer bleibt innerhalb einer Zeile; ^ und $ sind Anfang und Ende einer Zeile. Ein ungültiger Ausdruck, einer, der auf einen leeren Text passt, und ein $ ohne folgende Ziffer oder $ sind falsche Verwendung.</translation>
    </message>
    <message>
        <source>Find any case and write each REPLACE in the case of what it replaces: all lower, ALL UPPER, Capitalised or Each Word Capitalised (acme, Acme, ACME -&gt; apex, Apex, APEX); any other mix as typed. With --regex, the whole replacement once its groups are in.</source>
        <translation>Jede Schreibung finden und jedes REPLACE so schreiben wie das Ersetzte: alles klein, ALLES GROSS, Großer Anfang oder Jedes Wort Groß (acme, Acme, ACME -&gt; apex, Apex, APEX); jede andere Mischung wie eingegeben. Mit --regex die ganze Ersetzung, wenn ihre Gruppen eingesetzt sind.</translation>
    </message>
    <message>
        <source>Also replace in the addresses of web, e-mail and file links (links to a page are left alone), counted apart.</source>
        <translation>Auch in den Adressen von Web-, E-Mail- und Dateilinks ersetzen (Links auf eine Seite bleiben, wie sie sind), getrennt gezählt.</translation>
    </message>
    <message>
        <source>Also replace in the document properties (title, subject, author, keywords, comments, company, manager, category, your own text properties), counted apart. A replacement a property&apos;s code page cannot hold is refused and the document is not written.</source>
        <translation>Auch in den Dokumenteigenschaften ersetzen (Titel, Thema, Autor, Stichwörter, Kommentare, Firma, Manager, Kategorie, eigene Texteigenschaften), getrennt gezählt. Eine Ersetzung, die die Codepage einer Eigenschaft nicht fassen kann, wird abgelehnt, und das Dokument wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>The extension searched for in folders (default pub).</source>
        <translation>Die in Ordnern gesuchte Dateiendung (Vorgabe pub).</translation>
    </message>
    <message>
        <source>Also edit files that look like results of an earlier run (NAME_replaced.pub beside NAME.pub); without it they are left out with a note on standard error.</source>
        <translation>Auch Dateien bearbeiten, die wie Ergebnisse eines früheren Laufs aussehen (NAME_replaced.pub neben NAME.pub); ohne diese Option werden sie mit einem Hinweis auf der Standardfehlerausgabe weggelassen.</translation>
    </message>
    <message>
        <source>Count only: write and delete nothing. The counts and refusals are those a real run would have; a result that could not be written &quot;would fail&quot;.</source>
        <translation>Nur zählen: nichts schreiben und nichts löschen. Die Anzahlen und Ablehnungen sind die eines echten Laufs; ein Ergebnis, das nicht geschrieben werden könnte, „würde fehlschlagen“.</translation>
    </message>
    <message>
        <source>Edit N publications at a time, 1 to 256 (default: the number of processors). Results and reports keep the list order.</source>
        <translation>N Publikationen gleichzeitig bearbeiten, 1 bis 256 (Vorgabe: die Zahl der Prozessoren). Ergebnisse und Berichte behalten die Reihenfolge der Liste.</translation>
    </message>
    <message>
        <source>Write a report of every document as each one is done: FILE.json (the run as one JSON object) or FILE.csv (one line per document); - prints it as JSON lines on standard output.</source>
        <translation>Einen Bericht über jedes Dokument schreiben, sobald es fertig ist: FILE.json (der Lauf als ein JSON-Objekt) oder FILE.csv (eine Zeile pro Dokument); - gibt ihn als JSON-Zeilen auf der Standardausgabe aus.</translation>
    </message>
    <message>
        <source>Print each replacement in its context on standard output, the changed part in [brackets] (and in colour on a terminal): the first 1,000 of each document.</source>
        <translation>Jede Ersetzung in ihrem Zusammenhang auf der Standardausgabe zeigen, den geänderten Teil in [Klammern] (und im Terminal farbig): die ersten 1.000 jedes Dokuments.</translation>
    </message>
    <message>
        <source>After the run, save a PDF of every result written, NAME.pdf beside NAME.pub, with LibreOffice (package libreoffice-draw), in as many processes as --jobs. An existing NAME.pdf is replaced.</source>
        <translation>Nach dem Lauf von jedem geschriebenen Ergebnis ein PDF speichern, NAME.pdf neben NAME.pub, mit LibreOffice (Paket libreoffice-draw), in so vielen Prozessen wie --jobs. Eine vorhandene NAME.pdf wird ersetzt.</translation>
    </message>
    <message>
        <source>The same, every PDF into DIR, which must exist.</source>
        <translation>Ebenso, jedes PDF nach DIR, das existieren muss.</translation>
    </message>
    <message>
        <source>End LibreOffice when one document takes longer than S seconds (default 120); that PDF is reported as failed and the others go on.</source>
        <translation>LibreOffice beenden, wenn ein Dokument länger als S Sekunden dauert (Vorgabe 120); dieses PDF wird als fehlgeschlagen gemeldet, die übrigen gehen weiter.</translation>
    </message>
    <message>
        <source>No progress line and no summary.</source>
        <translation>Keine Fortschrittszeile und keine Zusammenfassung.</translation>
    </message>
    <message>
        <source>This text.</source>
        <translation>Dieser Text.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>Die Version.</translation>
    </message>
    <message>
        <source>With one SOURCE and nothing else: print the text of every story.</source>
        <translation>Mit einer SOURCE und sonst nichts: den Text jedes Textabschnitts ausgeben.</translation>
    </message>
    <message>
        <source>--pair needs two texts: FIND and REPLACE.</source>
        <translation>--pair braucht zwei Texte: FIND und REPLACE.</translation>
    </message>
    <message>
        <source>--apply takes the pairs from the plan; give no --pair or --sets.</source>
        <translation>--apply nimmt die Paare aus dem Plan; geben Sie kein --pair und kein --sets an.</translation>
    </message>
    <message>
        <source>Say what to replace: --pair FIND REPLACE (once or more) or --sets FILE.</source>
        <translation>Geben Sie an, was ersetzt werden soll: --pair FIND REPLACE (ein- oder mehrmals) oder --sets FILE.</translation>
    </message>
    <message>
        <source>Give the texts to replace either with --pair FIND REPLACE (once or more) or with --sets FILE, not both.</source>
        <translation>Geben Sie die zu ersetzenden Texte entweder mit --pair FIND REPLACE (ein- oder mehrmals) oder mit --sets FILE an, nicht mit beidem.</translation>
    </message>
    <message>
        <source>--separator goes with --sets.</source>
        <translation>--separator gehört zu --sets.</translation>
    </message>
    <message>
        <source>Say where the results go: --out-dir DIR or --beside.</source>
        <translation>Geben Sie an, wohin die Ergebnisse kommen: --out-dir DIR oder --beside.</translation>
    </message>
    <message>
        <source>--out-dir and --beside cannot both be given: results go into one folder or beside their sources.</source>
        <translation>--out-dir und --beside können nicht beide angegeben werden: Ergebnisse kommen in einen Ordner oder neben ihre Quellen.</translation>
    </message>
    <message>
        <source>The folder %1 given with --out-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>Der mit --out-dir angegebene Ordner %1 existiert nicht; das Werkzeug legt ihn nicht an (zuerst mit mkdir -p anlegen).</translation>
    </message>
    <message>
        <source>--apply matches as the plan says; give no --%1.</source>
        <translation>--apply sucht, wie der Plan es sagt; geben Sie kein --%1 an.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>--apply writes what the plan chose; it goes without --dry-run.</source>
        <translation>--apply schreibt, was der Plan gewählt hat; es geht nicht mit --dry-run.</translation>
    </message>
    <message>
        <source>--ext needs an extension, such as pub.</source>
        <translation>--ext braucht eine Dateiendung, etwa pub.</translation>
    </message>
    <message>
        <source>--show-changes and --report - both print on standard output; give the report a file name.</source>
        <translation>--show-changes und --report - schreiben beide auf die Standardausgabe; geben Sie dem Bericht einen Dateinamen.</translation>
    </message>
    <message>
        <source>Name at least one publication or folder.</source>
        <translation>Nennen Sie mindestens eine Publikation oder einen Ordner.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
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
        <translation>Aufruf: vantrelle-replace [OPTIONEN] (--pair FIND REPLACE ... | --sets FILE)
                          (--out-dir DIR | --beside) SOURCE...
        vantrelle-replace [OPTIONEN] --apply PLAN (--out-dir DIR | --beside)
                          [SOURCE...]
        vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]
                          [--in-links] [--in-properties]
                          SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
        vantrelle-replace --text SOURCE

Sucht und ersetzt Text in Publikationen (.pub). Die erste Form bearbeitet jede
genannte Publikation und jede in den genannten Ordnern gefundene, nach den
Regeln des Vantrelle-Fensters; die zweite bearbeitet eine Publikation nach
OUTPUT und gibt ihre Anzahlen aus; die dritte gibt den Text jedes
Textabschnitts aus.

Quellen (erste Form):
  SOURCE...            Publikationen und Ordner. Ein Ordner wird mit allen
                       Unterordnern durchsucht wie bei „Dateien aus Ordner
                       hinzufügen“: Dateien mit der Endung .EXT,
                       nicht die mit „~“ am Anfang und keine versteckten (mit
                       „.“ am Anfang), jeder echte Ordner einmal. Direkt
                       genannte Dateien werden genommen, wie sie sind, außer
                       dass Namen, deren Endung nicht nach einer Publikation
                       aussieht, mit einem Hinweis auf der
                       Standardfehlerausgabe weggelassen werden.

Was ersetzt wird (eines davon):
</translation>
    </message>
    <message>
        <source>FIND may not be empty. FIND and REPLACE may hold only what the text of a
publication can: no line or paragraph break, no control character but tab,
no unpaired surrogate and no noncharacter (wrong usage, exit status 2).

Where the results go (one of):
</source>
        <translation>FIND darf nicht leer sein. FIND und REPLACE dürfen nur enthalten, was der Text
einer Publikation enthalten kann: keinen Zeilen- oder Absatzumbruch, kein
Steuerzeichen außer dem Tabulator, kein ungepaartes Surrogat und kein
Nichtzeichen (falsche Verwendung, Exit-Status 2).

Wohin die Ergebnisse kommen (eines davon):
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
        <translation>Quellen werden nie überschrieben oder gelöscht, unter welchem Namen auch immer
sie erreicht werden. Ein Ordner, der den eigenen Ordner der Quelle bezeichnet
(über eine symbolische Verknüpfung, mit ./ oder ..), gibt dem Ergebnis den
Namen mit _replaced. Ein Ergebnisname, der eine Quelle auf anderem Weg erreicht
(ein Bind-Mount, eine andere Groß-/Kleinschreibung auf einem Dateisystem, das
sie nicht unterscheidet, ein harter Link), ein anderes Dokument der Liste oder
ein früher im selben Lauf geschriebenes Ergebnis wird nicht geschrieben; das
Dokument wird mit dem Grund als übersprungen gemeldet. Ein älteres Ergebnis
wird nie vorher gelöscht: Das neue ersetzt es erst, wenn es vollständig ist,
ein fehlgeschlagenes Bearbeiten lässt es also, wie es war.

Optionen:
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
Text in WordArt wird nie bearbeitet: Vorkommen dort werden als übrig gezählt,
und das Ergebnis wird trotzdem geschrieben.

Jede Zeile des Berichts enthält die Quelle, die Ausgabe, den Status (in den
Berichtsdateien immer englisch: written, nothing to replace, failed, skipped,
not reached; „would be written“ bei --dry-run), die vorgenommenen Ersetzungen
und die übrigen Vorkommen, die Anzahlen jedes Paares mit dem Grund für das
Übrige, den Fehlertext, die benötigten Millisekunden und die Suchweise
(match case oder any case, whole words, regular expression); mit --pdf oder
--pdf-dir auch Pfad und Status des PDFs (written, failed mit dem Grund von
LibreOffice, not reached), und die Zeilen kommen, sobald die PDFs erstellt sind.

Fortschritt: eine laufende Zeile auf der Standardfehlerausgabe (fertig/gesamt,
Tempo, verbleibende Zeit), wenn sie ein Terminal ist. Fehlgeschlagene und
übersprungene Dokumente werden auf der Standardfehlerausgabe genannt, und der
Lauf endet dort mit einer Zeile der Summen, Terminal oder nicht (--quiet: nur,
was schiefging).

Ein Ergebnis wird ganz oder gar nicht geschrieben. Strg+C (oder SIGTERM) gibt
keine weiteren Dokumente aus, lässt die in Bearbeitung fertig werden, schreibt
den Bericht über das Erledigte (der Rest „not reached“) und endet mit Status 130.

Exit-Status:
  0    jedes Dokument geschrieben, oder nichts darin zu ersetzen
  1    mindestens ein Dokument fehlgeschlagen oder übersprungen, oder ein PDF
       fehlgeschlagen (die übrigen wurden trotzdem bearbeitet); bei der zweiten
       Form: die Publikation konnte nicht gelesen, wie verlangt bearbeitet oder
       geschrieben werden
  2    falsche Verwendung, oder --pdf ohne LibreOffice (nichts geschrieben)
  130  unterbrochen

Beispiele:
  vantrelle-replace --pair „555-0100“ „555-0199“ --out-dir /srv/neu /srv/flyer
  vantrelle-replace --sets telefon.txt --beside /srv/flyer
  vantrelle-replace --regex --pair &apos;(\d{3})-(\d{4})&apos; &apos;$1 $2&apos; --beside /srv/flyer
  vantrelle-replace --dry-run --report anzahl.csv --pair Acme Apex --out-dir /tmp /srv/flyer
</translation>
    </message>
    <message>
        <source>--engine is native or program, not “%1”.</source>
        <translation>--engine ist native oder program, nicht „%1“.</translation>
    </message>
    <message>
        <source>--engine program needs the publishing program, which is not installed here (%1 is not registered); without --engine, Vantrelle&apos;s own engine edits.</source>
        <translation>--engine program braucht das Publishing-Programm, das hier nicht installiert ist (%1 ist nicht registriert); ohne --engine bearbeitet Vantrelles eigene Engine.</translation>
    </message>
    <message>
        <source>--engine program drives the publishing program, which runs on Windows only.</source>
        <translation>--engine program steuert das Publishing-Programm, das nur unter Windows läuft.</translation>
    </message>
    <message>
        <source>read find texts as regular expressions (--regex)</source>
        <translation>Suchtexte als reguläre Ausdrücke lesen (--regex)</translation>
    </message>
    <message>
        <source>keep the case of what it finds (--keep-case)</source>
        <translation>die Schreibung des Gefundenen beibehalten (--keep-case)</translation>
    </message>
    <message>
        <source>replace in link addresses (--in-links)</source>
        <translation>in Linkadressen ersetzen (--in-links)</translation>
    </message>
    <message>
        <source>replace in document properties (--in-properties)</source>
        <translation>in Dokumenteigenschaften ersetzen (--in-properties)</translation>
    </message>
    <message>
        <source>replace the changes of a plan one by one (--apply)</source>
        <translation>die Änderungen eines Plans einzeln ersetzen (--apply)</translation>
    </message>
    <message>
        <source>list every change for a plan (--dry-run --report FILE.json)</source>
        <translation>jede Änderung für einen Plan aufführen (--dry-run --report FILE.json)</translation>
    </message>
    <message>
        <source>The publishing program cannot %1; only Vantrelle&apos;s own engine can.</source>
        <translation>Das Publishing-Programm kann nicht: %1; das kann nur Vantrelles eigene Engine.</translation>
    </message>
    <message>
        <source>Who edits: native (the default), Vantrelle&apos;s own engine; or program, the publishing program itself over COM, where it is installed (Windows only). The program replaces in the text only, one publication at a time, and does not say how many it replaced.</source>
        <translation>Wer bearbeitet: native (die Vorgabe), Vantrelles eigene Engine; oder program, das Publishing-Programm selbst über COM, wo es installiert ist (nur Windows). Das Programm ersetzt nur im Text, eine Publikation nach der anderen, und sagt nicht, wie viele es ersetzt hat.</translation>
    </message>
    <message>
        <source>Replace exactly the changes whose entries in PLAN (the JSON report of a --dry-run, which then lists every change with an id and each source&apos;s size, time and SHA-256) still hold &quot;apply&quot;: true, with the plan&apos;s pairs and matching, in the plan&apos;s documents unless SOURCEs are named. A source changed since the dry run, or whose entries no longer match it, is not written and the reason is given (exit 1). A plan with a fault is refused whole, with the line and the reason (exit 2).</source>
        <translation>Genau die Änderungen ersetzen, deren Einträge in PLAN (dem JSON-Bericht eines --dry-run, der dann jede Änderung mit einer Kennung sowie Größe, Zeit und SHA-256 jeder Quelle aufführt) noch &quot;apply&quot;: true enthalten, mit den Paaren und der Suchweise des Plans, in den Dokumenten des Plans, sofern keine SOURCEs genannt sind. Eine Quelle, die sich seit dem Probelauf geändert hat oder zu der ihre Einträge nicht mehr passen, wird nicht geschrieben, und der Grund wird genannt (Exit-Status 1). Ein fehlerhafter Plan wird ganz abgelehnt, mit Zeile und Grund (Exit-Status 2).</translation>
    </message>
    <message>
        <source>Do not check whether the stories the run makes longer still fit their boxes. By default each document&apos;s report says which no longer fit (&quot;overflows&quot;), which may not, and which could not be checked.</source>
        <translation>Nicht prüfen, ob die Textabschnitte, die der Lauf verlängert, noch in ihre Textfelder passen. Standardmäßig nennt der Bericht jedes Dokuments, welche nicht mehr passen („overflows“), welche vielleicht nicht passen und welche nicht geprüft werden konnten.</translation>
    </message>
    <message>
        <source>Write no result for a document in which a story no longer fits its box; its report says which, and the tool ends with status 1.</source>
        <translation>Kein Ergebnis für ein Dokument schreiben, in dem ein Textabschnitt nicht mehr in sein Textfeld passt; sein Bericht nennt, welcher, und das Werkzeug endet mit Status 1.</translation>
    </message>
    <message>
        <source>--fit-strict needs the fit check; give no --no-fit-check.</source>
        <translation>--fit-strict braucht die Platzprüfung; geben Sie kein --no-fit-check an.</translation>
    </message>
    <message>
        <source>--text takes one publication and no other option.</source>
        <translation>--text nimmt genau eine Publikation und keine weitere Option.</translation>
    </message>
    <message>
        <source>Name what to edit: SOURCE OUTPUT FIND REPLACE, with more FIND REPLACE pairs as needed; or the batch form&apos;s --pair and --out-dir.</source>
        <translation>Geben Sie an, was bearbeitet wird: QUELLE AUSGABE SUCHEN ERSETZEN, bei Bedarf mit weiteren Paaren SUCHEN ERSETZEN; oder die Optionen --pair und --out-dir der Stapelform.</translation>
    </message>
    <message>
        <source>%1 “%2” was not written.</source>
        <translation>%1 „%2“ wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>vantrelle::fit::FitText</name>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 hat kein „%2“</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>nicht prüfbar: %1</translation>
    </message>
    <message>
        <source>could not check: its box was not found</source>
        <translation>nicht prüfbar: sein Textfeld wurde nicht gefunden</translation>
    </message>
    <message>
        <source>could not check: font %1 is not available</source>
        <translation>nicht prüfbar: Schriftart %1 ist nicht verfügbar</translation>
    </message>
    <message numerus="yes">
        <source>already overflowed; now %n line(s) more</source>
        <translation>
            <numerusform>lief schon über; jetzt %n Zeile mehr</numerusform>
            <numerusform>lief schon über; jetzt %n Zeilen mehr</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>overflows by about %n line(s)</source>
        <translation>
            <numerusform>läuft um etwa %n Zeile über</numerusform>
            <numerusform>läuft um etwa %n Zeilen über</numerusform>
        </translation>
    </message>
    <message>
        <source>may overflow: the text ends within about a line of the box&apos;s edge</source>
        <translation>läuft vielleicht über: Der Text endet etwa eine Zeile vor dem Rand des Textfelds</translation>
    </message>
    <message>
        <source>may overflow (%1): %2</source>
        <translation>läuft vielleicht über (%1): %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::pubengine::EngineText</name>
    <message>
        <source>it would change a field such as a page number</source>
        <translation>es würde ein Feld wie eine Seitenzahl ändern</translation>
    </message>
    <message>
        <source>it would remove all the text of a hyperlink or placeholder</source>
        <translation>es würde den ganzen Text eines Hyperlinks oder Platzhalters entfernen</translation>
    </message>
    <message>
        <source>it would remove the whole formatted text of a stretch this program cannot remove yet (replace it by at least one character instead)</source>
        <translation>es würde den ganzen formatierten Text eines Abschnitts entfernen, den dieses Programm noch nicht entfernen kann (ersetzen Sie ihn stattdessen durch mindestens ein Zeichen)</translation>
    </message>
    <message>
        <source>in WordArt, which is not edited</source>
        <translation>in WordArt, das nicht bearbeitet wird</translation>
    </message>
    <message>
        <source>in text whose font has no code page this program writes (a symbol font, or one without a known character set), which is not edited</source>
        <translation>in Text, dessen Schriftart keine Codepage hat, die dieses Programm schreibt (eine Symbolschrift oder eine ohne bekannten Zeichensatz), der nicht bearbeitet wird</translation>
    </message>
    <message>
        <source>because %1</source>
        <translation>weil %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 occurrence of “%1” was left unchanged %2.</source>
        <translation>1 Vorkommen von „%1“ blieb unverändert, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n occurrences of “%1” were left unchanged %2.</source>
        <translation>
            <numerusform>%n Vorkommen von „%1“ blieb unverändert, %2.</numerusform>
            <numerusform>%n Vorkommen von „%1“ blieben unverändert, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>it is not a publication (it lacks the container every publication is stored in)</source>
        <translation>sie ist keine Publikation (ihr fehlt der Container, in dem jede Publikation gespeichert ist)</translation>
    </message>
    <message>
        <source>the part name &quot;%1&quot; is too long for a compound file</source>
        <translation>der Teilname „%1“ ist zu lang für eine Verbunddatei</translation>
    </message>
    <message>
        <source>two parts of one folder have the same name</source>
        <translation>zwei Teile eines Ordners haben denselben Namen</translation>
    </message>
    <message>
        <source>the compound file would hold too many parts</source>
        <translation>die Verbunddatei enthielte zu viele Teile</translation>
    </message>
    <message>
        <source>a part is too large for a compound file</source>
        <translation>ein Teil ist zu groß für eine Verbunddatei</translation>
    </message>
    <message>
        <source>the compound file would be too large</source>
        <translation>die Verbunddatei wäre zu groß</translation>
    </message>
    <message>
        <source>the text stream is larger than any publication&apos;s</source>
        <translation>der Textstrom ist größer als der jeder Publikation</translation>
    </message>
    <message>
        <source>the compound file lost a stream being replaced</source>
        <translation>die Verbunddatei hat einen Strom verloren, der gerade ersetzt wurde</translation>
    </message>
    <message>
        <source>the link addresses of story %1 are stored in a way this program does not edit</source>
        <translation>die Linkadressen von Textabschnitt %1 sind auf eine Weise gespeichert, die dieses Programm nicht bearbeitet</translation>
    </message>
    <message>
        <source>the replacement would leave a link without an address</source>
        <translation>die Ersetzung ließe einen Link ohne Adresse zurück</translation>
    </message>
    <message>
        <source>the replacement would make a link address longer than 65,535 characters</source>
        <translation>die Ersetzung machte eine Linkadresse länger als 65.535 Zeichen</translation>
    </message>
    <message>
        <source>the regular expression %1 was stopped on a line of %2 characters: %3; nothing was changed. Simplify it, for example with fewer nested repeats</source>
        <translation>der reguläre Ausdruck %1 wurde in einer Zeile mit %2 Zeichen angehalten: %3; nichts wurde geändert. Vereinfachen Sie ihn, etwa mit weniger verschachtelten Wiederholungen</translation>
    </message>
    <message>
        <source>it needed more than %L1 steps (the match limit)</source>
        <translation>er brauchte mehr als %L1 Schritte (die Suchgrenze)</translation>
    </message>
    <message>
        <source>it needed more than %1 MiB of memory (the heap limit)</source>
        <translation>er brauchte mehr als %1 MiB Speicher (die Speichergrenze)</translation>
    </message>
    <message>
        <source>it failed (%1)</source>
        <translation>er schlug fehl (%1)</translation>
    </message>
    <message>
        <source>the regular expression %1 matched an empty text, which would insert the replacement between characters; make it match at least one character</source>
        <translation>der reguläre Ausdruck %1 hat einen leeren Text gefunden, wodurch die Ersetzung zwischen Zeichen eingefügt würde; lassen Sie ihn mindestens ein Zeichen finden</translation>
    </message>
    <message>
        <source>the document property %1 is stored in code page %2, which cannot hold the replacement text; nothing was changed</source>
        <translation>die Dokumenteigenschaft %1 ist in Codepage %2 gespeichert, die den Ersetzungstext nicht darstellen kann; nichts wurde geändert</translation>
    </message>
    <message>
        <source>a paragraph end</source>
        <translation>ein Absatzende</translation>
    </message>
    <message>
        <source>the end of a story</source>
        <translation>das Ende eines Textabschnitts</translation>
    </message>
    <message>
        <source>a table cell&apos;s mark</source>
        <translation>die Marke einer Tabellenzelle</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a control character of the text&apos;s layout</source>
        <translation>ein Steuerzeichen des Textlayouts</translation>
    </message>
    <message>
        <source>the occurrence “%1” holds %2, which is never edited; nothing was changed</source>
        <translation>das Vorkommen „%1“ enthält %2, was nie bearbeitet wird; nichts wurde geändert</translation>
    </message>
    <message>
        <source>the replacement “%1” holds %2, which the code page of the text it replaces, %3, cannot hold; nothing was changed</source>
        <translation>die Ersetzung „%1“ enthält %2, was die Codepage des ersetzten Textes, %3, nicht darstellen kann; nichts wurde geändert</translation>
    </message>
    <message>
        <source>the edited text block failed its checks (%1); nothing was changed</source>
        <translation>der bearbeitete Textblock hat seine Prüfungen nicht bestanden (%1); nichts wurde geändert</translation>
    </message>
    <message>
        <source>the text would grow beyond what the file can hold</source>
        <translation>der Text würde größer, als die Datei aufnehmen kann</translation>
    </message>
    <message>
        <source>the edit would empty a paragraph or a table cell</source>
        <translation>die Bearbeitung würde einen Absatz oder eine Tabellenzelle leeren</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file but %1; only publication files can be opened</source>
        <translation>es ist keine gewöhnliche Datei, sondern %1; nur Publikationsdateien können geöffnet werden</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>some other kind of entry</source>
        <translation>ein Eintrag anderer Art</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it is not a regular file but %2; only publication files can be opened.</source>
        <translation>„%1“ kann nicht geöffnet werden: es ist keine gewöhnliche Datei, sondern %2; nur Publikationsdateien können geöffnet werden.</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>Use an undamaged copy of it, such as a backup.</source>
        <translation>Verwenden Sie eine unbeschädigte Kopie, etwa eine Sicherung.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is larger than %2 MiB, more than any publication this engine edits.</source>
        <translation>„%1“ kann nicht geöffnet werden: die Datei ist größer als %2 MiB, größer als jede Publikation, die diese Engine bearbeitet.</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is too large.</source>
        <translation>„%1“ kann nicht geöffnet werden: die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>it is not a publication (its container holds no publication)</source>
        <translation>sie ist keine Publikation (ihr Container enthält keine Publikation)</translation>
    </message>
    <message>
        <source>the file is damaged, or stores its text in a way this program does not know (%1)</source>
        <translation>die Datei ist beschädigt oder speichert ihren Text auf eine Weise, die dieses Programm nicht kennt (%1)</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>its document properties cannot be read (%1)</source>
        <translation>ihre Dokumenteigenschaften können nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>choosing single changes is not offered for publications of Publisher 95 and 97 yet; replace all of them, or none</source>
        <translation>das Auswählen einzelner Änderungen wird für Publikationen von Publisher 95 und 97 noch nicht angeboten; ersetzen Sie alle oder keine</translation>
    </message>
    <message>
        <source>Cannot replace “%1” in “%2”: %3</source>
        <translation>„%1“ kann in „%2“ nicht ersetzt werden: %3</translation>
    </message>
    <message>
        <source>the rebuilt text stream failed its checks (%1); nothing was written</source>
        <translation>der neu erstellte Textstrom hat seine Prüfungen nicht bestanden (%1); nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the written compound file does not hold the edited streams</source>
        <translation>die geschriebene Verbunddatei enthält die bearbeiteten Ströme nicht</translation>
    </message>
    <message>
        <source>the written file would not keep its part &quot;%1&quot; unchanged; nothing was written</source>
        <translation>die geschriebene Datei ließe ihren Teil „%1“ nicht unverändert; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: %3.</source>
        <translation>„%1“ kann nicht als „%2“ gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that is the file it was opened from, which is never overwritten.</source>
        <translation>„%1“ kann nicht als „%2“ gespeichert werden: das ist die Datei, aus der sie geöffnet wurde, und diese wird nie überschrieben.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that name is a symbolic link, and a result is never written through a link to another file.</source>
        <translation>„%1“ kann nicht als „%2“ gespeichert werden: dieser Name ist ein symbolischer Link, und ein Ergebnis wird nie über einen Link in eine andere Datei geschrieben.</translation>
    </message>
    <message>
        <source>the disk took no more data</source>
        <translation>der Datenträger nahm keine Daten mehr auf</translation>
    </message>
    <message>
        <source>“%1” at story %2, position %3</source>
        <translation>„%1“ in Textabschnitt %2, Position %3</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>der Text ist zu lang</translation>
    </message>
    <message>
        <source>the replacement text is too long</source>
        <translation>der Ersetzungstext ist zu lang</translation>
    </message>
    <message>
        <source>the reviewed occurrence %1 is no longer there; nothing was changed</source>
        <translation>das geprüfte Vorkommen %1 ist nicht mehr da; nichts wurde geändert</translation>
    </message>
    <message>
        <source>the text would grow too long</source>
        <translation>der Text würde zu lang</translation>
    </message>
    <message>
        <source>the edit would make a story longer than 32,767 characters, more than any publication known to this program holds, and other programs may then show only part of it; nothing was changed</source>
        <translation>die Bearbeitung machte einen Textabschnitt länger als 32.767 Zeichen, mehr als jede diesem Programm bekannte Publikation enthält, und andere Programme zeigten dann vielleicht nur einen Teil davon; nichts wurde geändert</translation>
    </message>
    <message>
        <source>The publication engine has quit; create a new instance.</source>
        <translation>Die Publikations-Engine wurde beendet; erstellen Sie eine neue Instanz.</translation>
    </message>
    <message>
        <source>No publication is open.</source>
        <translation>Keine Publikation ist geöffnet.</translation>
    </message>
    <message>
        <source>Cannot search “%1”: only replacing every occurrence is supported (scope %2).</source>
        <translation>„%1“ kann nicht durchsucht werden: nur das Ersetzen aller Vorkommen wird unterstützt (Bereich %2).</translation>
    </message>
    <message>
        <source>In “%1”, %2</source>
        <translation>In „%1“: %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: format %3 is not supported, only publications (format %4).</source>
        <translation>„%1“ kann nicht als „%2“ gespeichert werden: Format %3 wird nicht unterstützt, nur Publikationen (Format %4).</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: not every replacement asked for could be made, so nothing was written (%3)</source>
        <translation>„%1“ kann nicht als „%2“ gespeichert werden: nicht jede verlangte Ersetzung war möglich, daher wurde nichts geschrieben (%3)</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>die Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the file is damaged: its folders nest too deeply</source>
        <translation>die Datei ist beschädigt: ihre Ordner sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the find text</source>
        <translation>der Suchtext</translation>
    </message>
    <message>
        <source>the replace text</source>
        <translation>der Ersetzungstext</translation>
    </message>
    <message>
        <source>this publication was made by Publisher 97 or earlier in a layout this program does not know; it cannot be edited. Open it in a later version of Publisher and save it again</source>
        <translation>diese Publikation wurde mit Publisher 97 oder früher in einem Aufbau erstellt, den dieses Programm nicht kennt; sie kann nicht bearbeitet werden. Öffnen Sie sie in einer neueren Version von Publisher und speichern Sie sie erneut</translation>
    </message>
    <message>
        <source>this system cannot convert the code page %1 of its text</source>
        <translation>dieses System kann die Codepage %1 ihres Textes nicht umwandeln</translation>
    </message>
    <message>
        <source>this publication was made by %1; that version is not supported. Open it in a later version of Publisher and save it again</source>
        <translation>diese Publikation wurde mit %1 erstellt; diese Version wird nicht unterstützt. Öffnen Sie sie in einer neueren Version von Publisher und speichern Sie sie erneut</translation>
    </message>
    <message>
        <source>%1 runs past the end of the file; it was probably cut short while being copied or saved</source>
        <translation>%1 reicht über das Ende der Datei hinaus; sie wurde wahrscheinlich beim Kopieren oder Speichern abgeschnitten</translation>
    </message>
    <message>
        <source>%1 is shorter than declared; the file was probably cut short</source>
        <translation>%1 ist kürzer als angegeben; die Datei wurde wahrscheinlich abgeschnitten</translation>
    </message>
    <message>
        <source>%1 loops back on itself</source>
        <translation>%1 führt in sich selbst zurück</translation>
    </message>
    <message>
        <source>%1 shares its place in the file with %2</source>
        <translation>%1 teilt sich den Platz in der Datei mit %2</translation>
    </message>
    <message>
        <source>%1 breaks off without its end mark</source>
        <translation>%1 bricht ohne Endmarke ab</translation>
    </message>
    <message>
        <source>its header names an impossible sector size</source>
        <translation>ihr Kopf nennt eine unmögliche Sektorgröße</translation>
    </message>
    <message>
        <source>its header names an impossible mini-sector size</source>
        <translation>ihr Kopf nennt eine unmögliche Minisektorgröße</translation>
    </message>
    <message>
        <source>its header claims more allocation sectors than the file holds</source>
        <translation>ihr Kopf gibt mehr Zuordnungssektoren an, als die Datei enthält</translation>
    </message>
    <message>
        <source>its allocation table</source>
        <translation>ihre Zuordnungstabelle</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>ihr Verzeichnis</translation>
    </message>
    <message>
        <source>its directory points at an entry it does not hold</source>
        <translation>ihr Verzeichnis verweist auf einen Eintrag, den es nicht enthält</translation>
    </message>
    <message>
        <source>its directory does not start with the root entry</source>
        <translation>ihr Verzeichnis beginnt nicht mit dem Stammeintrag</translation>
    </message>
    <message>
        <source>its directory points at an entry twice or at one it does not hold</source>
        <translation>ihr Verzeichnis verweist zweimal auf einen Eintrag oder auf einen, den es nicht enthält</translation>
    </message>
    <message>
        <source>its directory holds an entry of an unknown kind</source>
        <translation>ihr Verzeichnis enthält einen Eintrag unbekannter Art</translation>
    </message>
    <message>
        <source>its store of small parts</source>
        <translation>ihr Speicher kleiner Teile</translation>
    </message>
    <message>
        <source>its store of small parts is shorter than declared</source>
        <translation>ihr Speicher kleiner Teile ist kürzer als angegeben</translation>
    </message>
    <message>
        <source>its table of small parts</source>
        <translation>ihre Tabelle kleiner Teile</translation>
    </message>
    <message>
        <source>its parts claim more data than the file holds</source>
        <translation>ihre Teile beanspruchen mehr Daten, als die Datei enthält</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot;</source>
        <translation>ihr Teil „%1“</translation>
    </message>
    <message>
        <source>the text stream does not start with a text header</source>
        <translation>der Textstrom beginnt nicht mit einem Textkopf</translation>
    </message>
    <message>
        <source>the text stream&apos;s declared length does not match its size</source>
        <translation>die angegebene Länge des Textstroms passt nicht zu seiner Größe</translation>
    </message>
    <message>
        <source>a block table holds more entries than fit in its block</source>
        <translation>eine Blocktabelle enthält mehr Einträge, als in ihren Block passen</translation>
    </message>
    <message>
        <source>a block table entry has an unexpected size</source>
        <translation>ein Eintrag einer Blocktabelle hat eine unerwartete Größe</translation>
    </message>
    <message>
        <source>the text stream holds a block of type &quot;%1&quot; that this engine does not know, so it cannot edit it safely</source>
        <translation>der Textstrom enthält einen Block vom Typ „%1“, den diese Engine nicht kennt, daher kann sie ihn nicht sicher bearbeiten</translation>
    </message>
    <message>
        <source>the block tables form a cycle</source>
        <translation>die Blocktabellen bilden einen Kreis</translation>
    </message>
    <message>
        <source>a block table lies outside the text stream</source>
        <translation>eine Blocktabelle liegt außerhalb des Textstroms</translation>
    </message>
    <message>
        <source>the header&apos;s size of the block table disagrees with the block tables</source>
        <translation>die im Kopf angegebene Größe der Blocktabelle stimmt nicht mit den Blocktabellen überein</translation>
    </message>
    <message>
        <source>the header&apos;s block count disagrees with the block tables</source>
        <translation>die im Kopf angegebene Blockanzahl stimmt nicht mit den Blocktabellen überein</translation>
    </message>
    <message>
        <source>the text block is not where it belongs</source>
        <translation>der Textblock ist nicht dort, wo er hingehört</translation>
    </message>
    <message>
        <source>a block of the text lies inside the header</source>
        <translation>ein Block des Textes liegt im Kopf</translation>
    </message>
    <message>
        <source>two blocks of the text overlap</source>
        <translation>zwei Blöcke des Textes überlappen sich</translation>
    </message>
    <message>
        <source>a block of the text overlaps the table of blocks</source>
        <translation>ein Block des Textes überlappt die Blocktabelle</translation>
    </message>
    <message>
        <source>a page of formatting is not a whole aligned block</source>
        <translation>eine Formatierungsseite ist kein ganzer, ausgerichteter Block</translation>
    </message>
    <message>
        <source>the text stream would grow beyond 4 GiB</source>
        <translation>der Textstrom würde größer als 4 GiB</translation>
    </message>
    <message>
        <source>a property record has an impossible length</source>
        <translation>ein Eigenschaftsdatensatz hat eine unmögliche Länge</translation>
    </message>
    <message>
        <source>a property record ends inside an entry</source>
        <translation>ein Eigenschaftsdatensatz endet mitten in einem Eintrag</translation>
    </message>
    <message>
        <source>a variable-size property has an impossible length</source>
        <translation>eine Eigenschaft variabler Größe hat eine unmögliche Länge</translation>
    </message>
    <message>
        <source>a property record holds a property type the engine does not know</source>
        <translation>ein Eigenschaftsdatensatz enthält einen Eigenschaftstyp, den die Engine nicht kennt</translation>
    </message>
    <message>
        <source>the document properties are damaged</source>
        <translation>die Dokumenteigenschaften sind beschädigt</translation>
    </message>
    <message>
        <source>a section of document properties holds more entries than it can</source>
        <translation>ein Abschnitt der Dokumenteigenschaften enthält mehr Einträge, als er fassen kann</translation>
    </message>
    <message>
        <source>a document property lies outside its section</source>
        <translation>eine Dokumenteigenschaft liegt außerhalb ihres Abschnitts</translation>
    </message>
    <message>
        <source>the length the Contents stream records differs from its size</source>
        <translation>die im Contents-Strom vermerkte Länge weicht von seiner Größe ab</translation>
    </message>
    <message>
        <source>the text block&apos;s header is of no kind this program knows</source>
        <translation>der Kopf des Textblocks ist von keiner Art, die dieses Programm kennt</translation>
    </message>
    <message>
        <source>its text block is laid out in a way this program does not know</source>
        <translation>ihr Textblock ist auf eine Weise aufgebaut, die dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>a formatting page holds more entries than it has room for</source>
        <translation>eine Formatierungsseite enthält mehr Einträge, als sie Platz hat</translation>
    </message>
    <message>
        <source>a chunk lies outside the object area</source>
        <translation>ein Datenblock liegt außerhalb des Objektbereichs</translation>
    </message>
    <message>
        <source>it holds two text chunks</source>
        <translation>sie enthält zwei Text-Datenblöcke</translation>
    </message>
    <message>
        <source>the text chunk names a table the file does not hold</source>
        <translation>der Text-Datenblock nennt eine Tabelle, die die Datei nicht enthält</translation>
    </message>
    <message>
        <source>the text chunk names a table of a kind this program does not know</source>
        <translation>der Text-Datenblock nennt eine Tabelle einer Art, die dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>a table of text positions runs past its chunk</source>
        <translation>eine Tabelle von Textpositionen reicht über ihren Datenblock hinaus</translation>
    </message>
    <message>
        <source>the text has an odd length</source>
        <translation>der Text hat eine ungerade Länge</translation>
    </message>
    <message>
        <source>the story table is missing</source>
        <translation>die Tabelle der Textabschnitte fehlt</translation>
    </message>
    <message>
        <source>the story table has a layout this engine does not know</source>
        <translation>die Tabelle der Textabschnitte hat einen Aufbau, den diese Engine nicht kennt</translation>
    </message>
    <message>
        <source>the story lengths do not add up to the length of the text</source>
        <translation>die Längen der Textabschnitte ergeben zusammen nicht die Länge des Textes</translation>
    </message>
    <message>
        <source>the story id table is missing</source>
        <translation>die Kennungstabelle der Textabschnitte fehlt</translation>
    </message>
    <message>
        <source>the story id table and the story table disagree on the number of stories</source>
        <translation>die Kennungstabelle und die Tabelle der Textabschnitte nennen eine unterschiedliche Anzahl von Textabschnitten</translation>
    </message>
    <message>
        <source>the text stream holds two texts</source>
        <translation>der Textstrom enthält zwei Texte</translation>
    </message>
    <message>
        <source>the text stream holds two story tables</source>
        <translation>der Textstrom enthält zwei Tabellen der Textabschnitte</translation>
    </message>
    <message>
        <source>a table of links and fields belongs to no story or to a story twice</source>
        <translation>eine Tabelle von Links und Feldern gehört zu keinem Textabschnitt oder doppelt zu einem</translation>
    </message>
    <message>
        <source>a table of links and fields has a layout this engine does not know</source>
        <translation>eine Tabelle von Links und Feldern hat einen Aufbau, den diese Engine nicht kennt</translation>
    </message>
    <message>
        <source>a link or field&apos;s length has an unexpected type</source>
        <translation>die Länge eines Links oder Feldes hat einen unerwarteten Typ</translation>
    </message>
    <message>
        <source>the first link or field of a story has no length</source>
        <translation>der erste Link oder das erste Feld eines Textabschnitts hat keine Länge</translation>
    </message>
    <message>
        <source>a link or field&apos;s kind has an unexpected type</source>
        <translation>die Art eines Links oder Feldes hat einen unerwarteten Typ</translation>
    </message>
    <message>
        <source>the first link or field of a story has no kind</source>
        <translation>der erste Link oder das erste Feld eines Textabschnitts hat keine Art</translation>
    </message>
    <message>
        <source>a link or field lies outside its story</source>
        <translation>ein Link oder Feld liegt außerhalb seines Textabschnitts</translation>
    </message>
    <message>
        <source>a table belongs to no story or to a story twice</source>
        <translation>eine Tabelle gehört zu keinem Textabschnitt oder doppelt zu einem</translation>
    </message>
    <message>
        <source>a table has a layout this engine does not know</source>
        <translation>eine Tabelle hat einen Aufbau, den diese Engine nicht kennt</translation>
    </message>
    <message>
        <source>a table&apos;s cells lie outside its story</source>
        <translation>die Zellen einer Tabelle liegen außerhalb ihres Textabschnitts</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>nicht angehakt</translation>
    </message>
    <message>
        <source>it was found in the text of a change that was not ticked</source>
        <translation>es wurde im Text einer Änderung gefunden, die nicht angehakt war</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>the review names the occurrence %1 twice</source>
        <translation>die Durchsicht nennt das Vorkommen %1 doppelt</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei hat sich seit der Durchsicht geändert.</translation>
    </message>
    <message>
        <source>the layout cache counts more stories than it holds</source>
        <translation>der Layout-Zwischenspeicher zählt mehr Textabschnitte, als er enthält</translation>
    </message>
    <message>
        <source>the layout cache counts more boxes than it holds</source>
        <translation>der Layout-Zwischenspeicher zählt mehr Textfelder, als er enthält</translation>
    </message>
    <message>
        <source>a box of the layout cache has no size</source>
        <translation>ein Textfeld im Layout-Zwischenspeicher hat keine Größe</translation>
    </message>
    <message>
        <source>the contents have an unknown layout</source>
        <translation>der Inhalt hat einen unbekannten Aufbau</translation>
    </message>
    <message>
        <source>the contents have no directory</source>
        <translation>der Inhalt hat kein Verzeichnis</translation>
    </message>
    <message>
        <source>the style sheet counts more styles than it holds</source>
        <translation>die Formatvorlagentabelle zählt mehr Formatvorlagen, als sie enthält</translation>
    </message>
    <message>
        <source>the font table counts more fonts than it holds</source>
        <translation>die Schriftartentabelle zählt mehr Schriftarten, als sie enthält</translation>
    </message>
    <message>
        <source>a run names a font the font table does not hold</source>
        <translation>ein Textlauf nennt eine Schriftart, die die Schriftartentabelle nicht enthält</translation>
    </message>
    <message>
        <source>a run has a character scale of %1, which is not understood</source>
        <translation>ein Textlauf hat eine Zeichenskalierung von %1, die nicht verstanden wird</translation>
    </message>
    <message>
        <source>a run has an impossible font size</source>
        <translation>ein Textlauf hat eine unmögliche Schriftgröße</translation>
    </message>
    <message>
        <source>the story&apos;s formatting does not cover its text</source>
        <translation>die Formatierung des Textabschnitts deckt seinen Text nicht ab</translation>
    </message>
    <message>
        <source>the text boxes of Publisher 95 and 97 publications are not read</source>
        <translation>die Textfelder von Publikationen aus Publisher 95 und 97 werden nicht gelesen</translation>
    </message>
    <message>
        <source>its formatting cannot be read (%1)</source>
        <translation>ihre Formatierung kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the layout cache does not match the stories</source>
        <translation>der Layout-Zwischenspeicher passt nicht zu den Textabschnitten</translation>
    </message>
    <message>
        <source>its text boxes cannot be read (%1)</source>
        <translation>ihre Textfelder können nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the story is a table</source>
        <translation>der Textabschnitt ist eine Tabelle</translation>
    </message>
    <message>
        <source>the box may shrink its text to fit</source>
        <translation>das Textfeld verkleinert seinen Text womöglich, damit er hineinpasst</translation>
    </message>
    <message>
        <source>the gap between its columns is not known</source>
        <translation>der Abstand zwischen seinen Spalten ist unbekannt</translation>
    </message>
    <message>
        <source>its boxes are stored differently in two places of the file</source>
        <translation>ihre Textfelder sind an zwei Stellen der Datei unterschiedlich gespeichert</translation>
    </message>
    <message>
        <source>its boxes cannot be checked against its shapes (%1)</source>
        <translation>ihre Textfelder können nicht mit ihren Formen abgeglichen werden (%1)</translation>
    </message>
    <message>
        <source>no text box of it was found</source>
        <translation>es wurde kein Textfeld dazu gefunden</translation>
    </message>
    <message>
        <source>a text box of it has no room for text</source>
        <translation>ein Textfeld dazu hat keinen Platz für Text</translation>
    </message>
</context>
</TS>
