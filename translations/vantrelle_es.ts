<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QObject</name>
    <message>
        <source> It said: %1</source>
        <translation> Mensaje: %1</translation>
    </message>
    <message>
        <source>PDFs are made by LibreOffice</source>
        <translation>Los PDF los crea LibreOffice</translation>
    </message>
    <message>
        <source>%1, which is not installed. On Debian or Ubuntu, install the package %2 (sudo apt install %2), then try again.</source>
        <translation>%1, que no está instalado. En Debian o Ubuntu, instale el paquete %2 (sudo apt install %2) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>A count writes no results, so there is nothing to make PDFs of.</source>
        <translation>Un recuento no escribe resultados, así que no hay nada de lo que crear PDF.</translation>
    </message>
    <message>
        <source>The run wrote no result that is still there to make a PDF of.</source>
        <translation>La ejecución no escribió ningún resultado que siga existiendo del que crear un PDF.</translation>
    </message>
    <message>
        <source>Starting LibreOffice…</source>
        <translation>Iniciando LibreOffice…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving PDFs</source>
        <translation>Guardando PDF</translation>
    </message>
    <message>
        <source>Converting “%1” (%2 of %3)</source>
        <translation>Convirtiendo «%1» (%2 de %3)</translation>
    </message>
    <message>
        <source>%1, which is not installed. Install LibreOffice from https://www.libreoffice.org/download/, then try again.</source>
        <translation>%1, que no está instalado. Instale LibreOffice desde https://www.libreoffice.org/download/ y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Adding</name>
    <message numerus="yes">
        <source>%n file(s) look like results of an earlier run. Leave them out?</source>
        <translation>
            <numerusform>%n archivo parece el resultado de una ejecución anterior. ¿Dejarlo fuera?</numerusform>
            <numerusform>%n archivos parecen resultados de una ejecución anterior. ¿Dejarlos fuera?</numerusform>
        </translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Añadir archivos - Mantenga Ctrl para elegir varios</translation>
    </message>
    <message>
        <source>Publisher Files (*.pub)|*.pub</source>
        <translation>Archivos de Publisher (*.pub)|*.pub</translation>
    </message>
    <message>
        <source>Enter file extension to load:

(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extensión de los archivos que cargar:

(* para todos los archivos, txt para todos los archivos txt, doc para todos los archivos doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.

Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Ha elegido demasiados archivos para añadir.

Pruebe con el botón «Añadir una carpeta entera».</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangeList</name>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Copy Changes as &amp;Text</source>
        <translation>Copiar cambios como &amp;texto</translation>
    </message>
    <message>
        <source>T&amp;ick or Untick</source>
        <translation>&amp;Marcar o desmarcar</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Mo&amp;strar:</translation>
    </message>
    <message>
        <source>Every pair</source>
        <translation>Todos los pares</translation>
    </message>
    <message>
        <source>would have become (not written)</source>
        <translation>habría quedado (no escrito)</translation>
    </message>
    <message>
        <source>would become</source>
        <translation>quedaría</translation>
    </message>
    <message>
        <source>became</source>
        <translation>quedó</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left unchanged: %1</source>
        <translation>sin cambiar: %1</translation>
    </message>
    <message>
        <source>Nothing was found.</source>
        <translation>No se encontró nada.</translation>
    </message>
    <message>
        <source>%1 of %2 occurrences are listed; the others were counted but not listed, to keep long runs small.</source>
        <translation>Se listan %1 de %2 coincidencias; las demás se contaron pero no se listan, para que las ejecuciones largas sigan siendo ligeras.</translation>
    </message>
    <message>
        <source>%1 of %2 changes ticked: “Write the Ticked Changes” replaces these and leaves the others.</source>
        <translation>%1 de %2 cambios marcados: «Escribir los cambios marcados» reemplaza estos y deja los demás.</translation>
    </message>
    <message>
        <source>&amp;Tick Every Change in %1</source>
        <translation>&amp;Marcar todos los cambios de %1</translation>
    </message>
    <message>
        <source>&amp;Untick Every Change in %1</source>
        <translation>&amp;Desmarcar todos los cambios de %1</translation>
    </message>
    <message>
        <source>Tick %1 in E&amp;very Document</source>
        <translation>Marcar %1 en &amp;cada documento</translation>
    </message>
    <message>
        <source>Untick %1 in Every &amp;Document</source>
        <translation>Desmarcar %1 en cada doc&amp;umento</translation>
    </message>
    <message>
        <source>&amp;Pages before and after</source>
        <translation>&amp;Páginas antes y después</translation>
    </message>
    <message>
        <source>Pages before and after: install %1 first</source>
        <translation>Páginas antes y después: instale primero %1</translation>
    </message>
    <message>
        <source>Draw the pages of the source and the result with LibreOffice and show them side by side.</source>
        <translation>Dibujar las páginas del original y del resultado con LibreOffice y mostrarlas una junto a otra.</translation>
    </message>
    <message>
        <source>There is no result to look at: the run wrote none for this document.</source>
        <translation>No hay resultado que ver: la ejecución no escribió ninguno para este documento.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s)</source>
        <translation>
            <numerusform>%Ln coincidencia</numerusform>
            <numerusform>%Ln coincidencias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln occurrence(s).</source>
        <translation>
            <numerusform>%Ln coincidencia.</numerusform>
            <numerusform>%Ln coincidencias.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠ the text no longer fits its box: %1</source>
        <translation>⚠ el texto ya no cabe en su cuadro: %1</translation>
    </message>
    <message>
        <source>⚠ the text may no longer fit its box: %1</source>
        <translation>⚠ puede que el texto ya no quepa en su cuadro: %1</translation>
    </message>
    <message>
        <source>it was found in the text of the change at story %1, character %2, which is not ticked</source>
        <translation>se encontró en el texto del cambio del artículo %1, carácter %2, que no está marcado</translation>
    </message>
    <message>
        <source>stays</source>
        <translation>se mantiene</translation>
    </message>
</context>
<context>
    <name>vantrelle::ChangesDialog</name>
    <message>
        <source>Changes in %1</source>
        <translation>Cambios en %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::DocListView</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre y suelte archivos aquí. Doble clic en un elemento para quitarlo. Lleve la línea | a la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Archivo(s) de Publisher</translation>
    </message>
</context>
<context>
    <name>vantrelle::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe por correo una captura de pantalla de este mensaje a %1</translation>
    </message>
    <message>
        <source>Please report this with a screenshot of this message: %1.</source>
        <translation>Informe de esto con una captura de pantalla de este mensaje: %1.</translation>
    </message>
</context>
<context>
    <name>vantrelle::FileText</name>
    <message>
        <source>Permission denied: %1 is a folder</source>
        <translation>Permiso denegado: %1 es una carpeta</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Permiso denegado: %1 (%2)</translation>
    </message>
    <message>
        <source>Windows reserves the name %1 for a device, so no file can have it</source>
        <translation>Windows reserva el nombre %1 para un dispositivo, así que ningún archivo puede llevarlo</translation>
    </message>
    <message>
        <source>Windows drops the dots and spaces at the end of a name, so that file would be another one</source>
        <translation>Windows quita los puntos y espacios al final de un nombre, así que ese archivo sería otro</translation>
    </message>
    <message>
        <source>it is in use by another program; close it there and try again</source>
        <translation>otro programa lo está usando; ciérrelo allí y vuelva a intentarlo</translation>
    </message>
</context>
<context>
    <name>vantrelle::Form1</name>
    <message>
        <source>Add Publisher File(s)</source>
        <translation>Añadir archivos de Publisher</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In Folder</source>
        <translation>Añadir una carpeta entera</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Cargar los ejemplos</translation>
    </message>
    <message>
        <source>Match Option</source>
        <translation>Opciones de búsqueda</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabra entera</translation>
    </message>
    <message>
        <source>Find only whole words: “the” no longer finds “other” or “anthem”.</source>
        <translation>Buscar solo palabras enteras: «the» ya no encuentra «other» ni «anthem».</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Read each find text as a regular expression. In the replacement, $0 stands for what was found, $1 to $9 for its groups and $$ for a dollar sign.</source>
        <translation>Leer cada texto buscado como una expresión regular. En el reemplazo, $0 es lo encontrado, $1 a $9 sus grupos y $$ un signo de dólar.</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Copiar may.</translation>
    </message>
    <message>
        <source>Find any case and write each replacement in the case of what it replaces: acme → apex, Acme → Apex, ACME → APEX.</source>
        <translation>Buscar sin distinguir mayúsculas y escribir cada reemplazo con las mayúsculas de lo que reemplaza: acme → apex, Acme → Apex, ACME → APEX.</translation>
    </message>
    <message>
        <source>Replace in:</source>
        <translation>En:</translation>
    </message>
    <message>
        <source>text only</source>
        <translation>solo el texto</translation>
    </message>
    <message>
        <source>text and link addresses</source>
        <translation>texto y vínculos</translation>
    </message>
    <message>
        <source>text, links and properties</source>
        <translation>texto, vínculos, propiedades</translation>
    </message>
    <message>
        <source>Where the pairs apply: the text only; also the addresses of web, e-mail and file links; or also the document properties (title, subject, author, keywords, comments, company, manager, category and your own).</source>
        <translation>Dónde se aplican los pares: solo el texto; también las direcciones de los vínculos web, de correo y de archivo; o también las propiedades del documento (título, asunto, autor, palabras clave, comentarios, organización, administrador, categoría y las suyas).</translation>
    </message>
    <message>
        <source>Find and replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Multiple find and replace (sets)</source>
        <translation>Reemplazo múltiple (pares)</translation>
    </message>
    <message>
        <source> Find what (exact case):</source>
        <translation> Buscar (mayúsculas exactas):</translation>
    </message>
    <message>
        <source> Replace with:</source>
        <translation> Reemplazar por:</translation>
    </message>
    <message>
        <source>Add Set</source>
        <translation>Añadir par</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Abrir pares</translation>
    </message>
    <message>
        <source>Save Sets</source>
        <translation>Guardar pares</translation>
    </message>
    <message>
        <source>Remove Selected Set</source>
        <translation>Quitar el par elegido</translation>
    </message>
    <message>
        <source>Clear Sets</source>
        <translation>Vaciar pares</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>Guardar en esta carpeta:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Guardar junto al original</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>También un PDF de cada resultado</translation>
    </message>
    <message>
        <source>Start Replacing</source>
        <translation>Empezar a reemplazar</translation>
    </message>
    <message>
        <source>Publisher File(s)</source>
        <translation>Archivo(s) de Publisher</translation>
    </message>
    <message>
        <source>After each run, save NAME.pdf beside every result NAME.pub, made by LibreOffice.</source>
        <translation>Tras cada ejecución, guardar NOMBRE.pdf junto a cada resultado NOMBRE.pub, creado por LibreOffice.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
    <message>
        <source>There is nothing to find: type the text to find in &quot;Find what&quot; first.</source>
        <translation>No hay nada que buscar: escriba primero el texto que buscar en «Buscar».</translation>
    </message>
    <message>
        <source>There is nothing to find: the sets list is empty. Add a set or load sets first.</source>
        <translation>No hay nada que buscar: la lista de pares está vacía. Añada primero un par o abra una lista de pares.</translation>
    </message>
    <message>
        <source>Stop after this document?</source>
        <translation>¿Detenerse tras este documento?</translation>
    </message>
    <message>
        <source>Files are still being added from the folder. Start again when they are all in the list.</source>
        <translation>Todavía se están añadiendo archivos de la carpeta. Vuelva a empezar cuando estén todos en la lista.</translation>
    </message>
    <message>
        <source>Cou&amp;nt Only</source>
        <translation>Solo c&amp;ontar</translation>
    </message>
    <message>
        <source>Count the occurrences in every listed document without writing anything (%1).</source>
        <translation>Contar las coincidencias en cada documento de la lista sin escribir nada (%1).</translation>
    </message>
    <message>
        <source>&amp;Add Publisher File(s)</source>
        <translation>Añadir arc&amp;hivos de Publisher</translation>
    </message>
    <message>
        <source>Add All Publisher File(s) In &amp;Folder</source>
        <translation>Añadir &amp;una carpeta entera</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <source>Load Sa&amp;mple/Example Files</source>
        <translation>Cargar los e&amp;jemplos</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>&amp;Mayúsculas</translation>
    </message>
    <message>
        <source>Whole wor&amp;ds</source>
        <translation>&amp;Palabra entera</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpresión regular</translation>
    </message>
    <message>
        <source>&amp;Keep case</source>
        <translation>Copiar ma&amp;y.</translation>
    </message>
    <message>
        <source>&amp;Start Replacing</source>
        <translation>Empezar &amp;a reemplazar</translation>
    </message>
    <message>
        <source>Add S&amp;et</source>
        <translation>Añad&amp;ir par</translation>
    </message>
    <message>
        <source>L&amp;oad Sets</source>
        <translation>Abrir pare&amp;s</translation>
    </message>
    <message>
        <source>Sa&amp;ve Sets</source>
        <translation>&amp;Guardar pares</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Set</source>
        <translation>&amp;Quitar el par elegido</translation>
    </message>
    <message>
        <source>Clear Se&amp;ts</source>
        <translation>Vaciar pa&amp;res</translation>
    </message>
    <message>
        <source>Save results to t&amp;his folder:</source>
        <translation>Guar&amp;dar en esta carpeta:</translation>
    </message>
    <message>
        <source>Save results in folder of ori&amp;ginal file</source>
        <translation>Guardar ju&amp;nto al original</translation>
    </message>
    <message>
        <source> Find &amp;what (exact case):</source>
        <translation> &amp;Buscar (mayúsculas exactas):</translation>
    </message>
    <message>
        <source> Re&amp;place with:</source>
        <translation> Reempla&amp;zar por:</translation>
    </message>
    <message>
        <source>Replace &amp;in:</source>
        <translation>&amp;En:</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>What to find</source>
        <translation>Qué buscar</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n par</numerusform>
            <numerusform>%n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>Sets: %1</source>
        <translation>Lista de pares: %1</translation>
    </message>
    <message>
        <source>Right-click the list or press %1 to count the occurrences without writing anything.</source>
        <translation>Haga clic derecho en la lista o pulse %1 para contar las coincidencias sin escribir nada.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist. Please select another folder.</source>
        <translation>La carpeta «%1» no existe. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>No se ha añadido ningún archivo.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>in the sets list</source>
        <translation>de la lista de pares</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <source>The text in “%1”</source>
        <translation>El texto de «%1»</translation>
    </message>
    <message>
        <source>The texts in “Find what” and “Replace with” cannot be used: %1.</source>
        <translation>Los textos de «Buscar» y «Reemplazar por» no se pueden usar: %1.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere que el programa abra la carpeta donde están estos archivos de ejemplo (para verlos antes de trabajar con ellos)?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Vantrelle</source>
        <translation>Vantrelle</translation>
    </message>
    <message>
        <source>the publishing program</source>
        <translation>el de autoedición</translation>
    </message>
    <message>
        <source>Who opens, edits and saves each publication: Vantrelle&apos;s own engine, or the publishing program installed on this computer. The program cannot use regular expressions, keep case, or replace in link addresses and properties, and does not say how many replacements it made.</source>
        <translation>Quién abre, edita y guarda cada publicación: el motor propio de Vantrelle o el programa de autoedición instalado en este equipo. El programa no puede usar expresiones regulares, conservar mayúsculas ni reemplazar en direcciones de vínculos y propiedades, y no dice cuántos reemplazos hizo.</translation>
    </message>
    <message>
        <source>The publishing program cannot do this; choose Vantrelle under “Edited by” for it.</source>
        <translation>El programa de autoedición no puede hacerlo; elija Vantrelle en «Motor».</translation>
    </message>
    <message>
        <source>Edited &amp;by:</source>
        <translation>Mo&amp;tor:</translation>
    </message>
    <message>
        <source>Warn when text no longer fits its box</source>
        <translation>Avisar si el texto desborda su cuadro</translation>
    </message>
    <message>
        <source>Count and each run lay out the stories the replacements make longer, and the report says which no longer fit their boxes.</source>
        <translation>El recuento y cada ejecución maquetan los artículos que los reemplazos alargan, y el informe dice cuáles ya no caben en sus cuadros.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Vantrelle</source>
        <translation>&amp;Acerca de Vantrelle</translation>
    </message>
    <message>
        <source>%1 %2

Finds and replaces text in many publications in one run.

Made with Qt %3.</source>
        <translation>%1 %2

Busca y reemplaza texto en muchas publicaciones de una vez.

Hecho con Qt %3.</translation>
    </message>
    <message>
        <source> Find &amp;what:</source>
        <translation> &amp;Buscar:</translation>
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
        <translation>Si el archivo de texto que abre tiene este aspecto:

hi::hello
peter::pete

use :: como separador

Si el archivo de texto que abre tiene este aspecto:

hi,hello
peter,pete

use , como separador

NOTA: «Guardar pares» siempre guarda en este formato:

hi::hello
peter::pete</translation>
    </message>
    <message>
        <source>Load Sets</source>
        <translation>Abrir pares</translation>
    </message>
    <message>
        <source>File To Load:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separador:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File To Load</source>
        <translation>Archivo que abrir</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Browse for the file to load</source>
        <translation>Elegir el archivo que abrir</translation>
    </message>
    <message>
        <source>Separator examples</source>
        <translation>Ejemplos de separadores</translation>
    </message>
    <message>
        <source>Select Text File</source>
        <translation>Elegir archivo de texto</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*)|*|</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*)|*|</translation>
    </message>
    <message>
        <source>You must enter separating character(s).</source>
        <translation>Debe escribir uno o más caracteres de separación.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1 No pairs were loaded.</source>
        <translation>%1 No se cargó ningún par.</translation>
    </message>
</context>
<context>
    <name>vantrelle::IsInstalled</name>
    <message>
        <source>Publisher is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Publisher no está instalado en este equipo. Debe estar instalado para usar este programa sin errores.</translation>
    </message>
    <message>
        <source>Publisher may be open. It is recommended that you close Publisher first.

Would you like to proceed anyway?</source>
        <translation>Puede que Publisher esté abierto. Se recomienda cerrar Publisher primero.

¿Quiere continuar de todos modos?</translation>
    </message>
    <message>
        <source>This publishing program cannot replace in link addresses or document properties; turn those options off to use it.</source>
        <translation>Este programa de autoedición no puede reemplazar en direcciones de vínculos ni en propiedades del documento; desactive esas opciones para usarlo.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Main</name>
    <message>
        <source>These files: 

%1
do not appear to be in the expected file format because of their file extension.

Would you like to remove them from list?</source>
        <translation>Estos archivos: 

%1
no parecen estar en el formato esperado, a juzgar por su extensión.

¿Quiere quitarlos de la lista?</translation>
    </message>
</context>
<context>
    <name>vantrelle::OutputText</name>
    <message>
        <source>Cannot save as “%1”: %2.</source>
        <translation>No se puede guardar como «%1»: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>una carpeta tiene ese nombre</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>no se puede escribir en la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>another user&apos;s file has that name in a folder where only its owner may remove it</source>
        <translation>un archivo de otro usuario tiene ese nombre, en una carpeta donde solo su propietario puede eliminarlo</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is the same file as the document itself, reached by another path (a link, a mount or another letter case). %1 was not processed, so that it is not lost.</source>
        <translation>El resultado de %1 reemplazaría %2, que es el mismo archivo que el propio documento, alcanzado por otra ruta (un vínculo, un montaje u otras mayúsculas). %1 no se procesó, para que no se pierda.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, which is a document in the list. %1 was not processed.</source>
        <translation>El resultado de %1 reemplazaría %2, que es un documento de la lista. %1 no se procesó.</translation>
    </message>
    <message>
        <source>The result of %1 would replace %2, the result of %3 written in this run. %1 was not processed.</source>
        <translation>El resultado de %1 reemplazaría %2, el resultado de %3 escrito en esta ejecución. %1 no se procesó.</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesDialog</name>
    <message>
        <source>Pages of %1 before and after</source>
        <translation>Páginas de %1 antes y después</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of “%1” as it was before…</source>
        <translation>LibreOffice está dibujando las páginas de «%1» tal como era antes…</translation>
    </message>
    <message>
        <source>LibreOffice is drawing the pages of the result “%1”…</source>
        <translation>LibreOffice está dibujando las páginas del resultado «%1»…</translation>
    </message>
    <message>
        <source>Before - %1.pdf</source>
        <translation>Antes - %1.pdf</translation>
    </message>
    <message>
        <source>After - %1.pdf</source>
        <translation>Después - %1.pdf</translation>
    </message>
    <message>
        <source>The drawings could not be saved in the temporary folder %1: %2.</source>
        <translation>Los dibujos no se pudieron guardar en la carpeta temporal %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens PDF files. The pages before and after are drawn in %1.</source>
        <translation>Ningún programa de este equipo abre archivos PDF. Las páginas de antes y después están dibujadas en %1.</translation>
    </message>
    <message>
        <source>The pages before and after are open in your PDF viewer, as LibreOffice draws them: “%1” and “%2”.</source>
        <translation>Las páginas de antes y después están abiertas en su visor de PDF, tal como las dibuja LibreOffice: «%1» y «%2».</translation>
    </message>
</context>
<context>
    <name>vantrelle::PagesView</name>
    <message>
        <source>Pages before and after, as LibreOffice draws it. Your publishing program may lay them out a little differently.</source>
        <translation>Páginas antes y después, tal como las dibuja LibreOffice. Su programa de autoedición puede maquetarlas de forma algo distinta.</translation>
    </message>
    <message>
        <source>&amp;Previous page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>&amp;Fit width</source>
        <translation>Ajustar al anc&amp;ho</translation>
    </message>
    <message>
        <source>Before: </source>
        <translation>Antes: </translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Después: </translation>
    </message>
    <message>
        <source>The drawings of the pages before and after do not differ.</source>
        <translation>Los dibujos de las páginas antes y después no difieren.</translation>
    </message>
    <message>
        <source>These pages could not be shown.</source>
        <translation>No se pudieron mostrar estas páginas.</translation>
    </message>
    <message>
        <source>No page %1 here: this side ends at page %2.</source>
        <translation>Aquí no hay página %1: este lado termina en la página %2.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Ancho de página</translation>
    </message>
    <message numerus="yes">
        <source>Marked in red: where the pages differ (page(s) %1).</source>
        <translation>
            <numerusform>En rojo: donde las páginas difieren (página %1).</numerusform>
            <numerusform>En rojo: donde las páginas difieren (páginas %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrelle::PairText</name>
    <message>
        <source>%1 is empty: there is nothing to find</source>
        <translation>%1 está vacío: no hay nada que buscar</translation>
    </message>
    <message>
        <source>%1 holds a line or paragraph break (%2) at character %3; texts with breaks cannot be replaced</source>
        <translation>%1 contiene un salto de línea o de párrafo (%2) en el carácter %3; los textos con saltos no se pueden reemplazar</translation>
    </message>
    <message>
        <source>%1 holds the control character %2 at character %3, which the text of a publication cannot hold (tab is the only one allowed)</source>
        <translation>%1 contiene el carácter de control %2 en el carácter %3, que el texto de una publicación no puede contener (solo se admite el tabulador)</translation>
    </message>
    <message>
        <source>%1 holds half of a character (the unpaired surrogate %2) at character %3, which the text of a publication cannot hold</source>
        <translation>%1 contiene medio carácter (el sustituto suelto %2) en el carácter %3, que el texto de una publicación no puede contener</translation>
    </message>
    <message>
        <source>%1 holds the noncharacter %2 at character %3, which the text of a publication cannot hold</source>
        <translation>%1 contiene el no carácter %2 en el carácter %3, que el texto de una publicación no puede contener</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>al principio</translation>
    </message>
    <message>
        <source>at position %1, after %2</source>
        <translation>en la posición %1, tras %2</translation>
    </message>
    <message>
        <source>the regular expression %1 is not valid: %2, %3</source>
        <translation>la expresión regular %1 no es válida: %2, %3</translation>
    </message>
    <message>
        <source>the regular expression %1 matches an empty text, which would insert the replacement between characters; make it match at least one character (+ instead of *, for example)</source>
        <translation>la expresión regular %1 coincide con un texto vacío, lo que insertaría el reemplazo entre los caracteres; haga que coincida con al menos un carácter (+ en lugar de *, por ejemplo)</translation>
    </message>
    <message>
        <source>the replacement %1 refers to group %2, but the regular expression %3 has %4</source>
        <translation>el reemplazo %1 se refiere al grupo %2, pero la expresión regular %3 tiene %4</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n grupo</numerusform>
            <numerusform>%n grupos</numerusform>
        </translation>
    </message>
    <message>
        <source>one group</source>
        <translation>un grupo</translation>
    </message>
    <message>
        <source>the replacement %1 holds a “$” that is not followed by a group number 0 to 9 or a group&apos;s name in braces; write $$ for a dollar sign</source>
        <translation>el reemplazo %1 contiene un «$» que no va seguido de un número de grupo del 0 al 9 ni del nombre de un grupo entre llaves; escriba $$ para un signo de dólar</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfExport</name>
    <message>
        <source>No temporary folder can be made in %1 to convert “%2”.</source>
        <translation>No se puede crear una carpeta temporal en %1 para convertir «%2».</translation>
    </message>
    <message>
        <source>Another result&apos;s PDF has the same name, %1; this one was not written.</source>
        <translation>El PDF de otro resultado tiene el mismo nombre, %1; este no se escribió.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>“%1” cannot be read, or no temporary copy of it can be made.</source>
        <translation>«%1» no se puede leer, o no se puede hacer una copia temporal.</translation>
    </message>
    <message>
        <source>LibreOffice did not finish within %1 seconds, so it was stopped; the publication may be very large, or LibreOffice stuck on it.</source>
        <translation>LibreOffice no terminó en %1 segundos, así que se detuvo; puede que la publicación sea muy grande o que LibreOffice se haya atascado.</translation>
    </message>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>No se pudo iniciar LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice crashed.</source>
        <translation>LibreOffice falló.</translation>
    </message>
    <message>
        <source>LibreOffice ended with exit code %1.</source>
        <translation>LibreOffice terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert it.</source>
        <translation>LibreOffice no pudo convertirlo.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: %2</source>
        <translation>No se pudo escribir el PDF en %1: %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::PdfRendering</name>
    <message>
        <source>LibreOffice did not finish drawing “%1” within %2 seconds, so it was stopped. The publication may be very large, or LibreOffice may be stuck; try again, or open it in LibreOffice Draw yourself.</source>
        <translation>LibreOffice no terminó de dibujar «%1» en %2 segundos, así que se detuvo. Puede que la publicación sea muy grande o que LibreOffice esté atascado; vuelva a intentarlo o ábrala usted mismo en LibreOffice Draw.</translation>
    </message>
    <message>
        <source>The pages are drawn by LibreOffice</source>
        <translation>Las páginas las dibuja LibreOffice</translation>
    </message>
    <message>
        <source>Cannot draw the pages of “%1”: the file cannot be read, or no temporary copy of it can be made in %2.</source>
        <translation>No se pueden dibujar las páginas de «%1»: el archivo no se puede leer, o no se puede hacer una copia temporal en %2.</translation>
    </message>
    <message>
        <source>Drawing the pages of “%1” was stopped.</source>
        <translation>Se detuvo el dibujo de las páginas de «%1».</translation>
    </message>
    <message>
        <source>LibreOffice could not be started to draw “%1”: %2</source>
        <translation>No se pudo iniciar LibreOffice para dibujar «%1»: %2</translation>
    </message>
    <message>
        <source>LibreOffice could not draw “%1” (exit code %2).</source>
        <translation>LibreOffice no pudo dibujar «%1» (código de salida %2).</translation>
    </message>
    <message>
        <source> It said: %1</source>
        <translation> Mensaje: %1</translation>
    </message>
</context>
<context>
    <name>vantrelle::QtDialogs</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>No file manager opened the folder %1. Open it yourself, or install a file manager.</source>
        <translation>Ningún gestor de archivos abrió la carpeta %1. Ábrala usted mismo o instale un gestor de archivos.</translation>
    </message>
    <message>
        <source>Don&apos;t show further errors during this run</source>
        <translation>No mostrar más errores durante esta ejecución</translation>
    </message>
    <message>
        <source>Don&apos;t show further notices during this run</source>
        <translation>No mostrar más avisos durante esta ejecución</translation>
    </message>
    <message>
        <source>No program on this computer opened %1. Open it yourself, or install a program for this kind of file.</source>
        <translation>Ningún programa de este equipo abrió %1. Ábralo usted mismo o instale un programa para este tipo de archivo.</translation>
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
        <translation>Documento</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Would replace</source>
        <translation>Reemplazaría</translation>
    </message>
    <message>
        <source>Replacements</source>
        <translation>Reemplazos</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Quedan</translation>
    </message>
    <message>
        <source>Output (not written)</source>
        <translation>Salida (no escrita)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>no escritos: %1</translation>
    </message>
    <message>
        <source>Started %1, ended %2, took %3</source>
        <translation>Inicio %1, fin %2, duración %3</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <translation>Documento: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Output (not written): %1</source>
        <translation>Salida (no escrita): %1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Salida: %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>PDF: %1 (%2)</source>
        <translation>PDF: %1 (%2)</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>Pairs (%1 ms):</source>
        <translation>Pares (%1 ms):</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Details of the selected document</source>
        <translation>Detalles del documento elegido</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copiar tabla</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Guardar como CSV…</translation>
    </message>
    <message>
        <source>Save P&amp;DFs of the results…</source>
        <translation>Guardar P&amp;DF de los resultados…</translation>
    </message>
    <message>
        <source>&amp;Beside Each Result</source>
        <translation>&amp;Junto a cada resultado</translation>
    </message>
    <message>
        <source>Into a &amp;Folder…</source>
        <translation>En una &amp;carpeta…</translation>
    </message>
    <message>
        <source>&amp;Write the Ticked Changes</source>
        <translation>&amp;Escribir los cambios marcados</translation>
    </message>
    <message>
        <source>Write the results with the ticked changes only. A document changed since it was counted is not written.</source>
        <translation>Escribir los resultados solo con los cambios marcados. Un documento modificado desde el recuento no se escribe.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Count (nothing written) — %1</source>
        <translation>Recuento (no se escribe nada) — %1</translation>
    </message>
    <message>
        <source>Run report — %1</source>
        <translation>Informe de ejecución — %1</translation>
    </message>
    <message>
        <source>%1 of %2 ticked</source>
        <translation>%1 de %2 marcados</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Save a PDF of every result with LibreOffice, beside it or into a folder you choose.</source>
        <translation>Guardar un PDF de cada resultado con LibreOffice, a su lado o en una carpeta que elija.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message numerus="yes">
        <source>%n PDFs already exist, such as %1. Replace them?</source>
        <translation>
            <numerusform>%n PDF ya existe, %1. ¿Reemplazarlo?</numerusform>
            <numerusform>%n PDF ya existen, como %1. ¿Reemplazarlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the PDFs into this folder</source>
        <translation>Guardar los PDF en esta carpeta</translation>
    </message>
    <message>
        <source>Save Report as CSV</source>
        <translation>Guardar informe como CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que quiere sobrescribir %1?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>No se pudo guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Encaje</translation>
    </message>
    <message>
        <source>Fit: %1</source>
        <translation>Encaje: %1</translation>
    </message>
    <message>
        <source>&amp;Open the Publication</source>
        <translation>Abrir la &amp;publicación</translation>
    </message>
    <message>
        <source>&amp;Open the Result</source>
        <translation>Abrir el &amp;resultado</translation>
    </message>
    <message>
        <source>Open the Result&apos;s &amp;PDF</source>
        <translation>Abrir el P&amp;DF del resultado</translation>
    </message>
    <message>
        <source>Open the &amp;Folder</source>
        <translation>Abrir la &amp;carpeta</translation>
    </message>
</context>
<context>
    <name>vantrelle::RunText</name>
    <message numerus="yes">
        <source>%Ln written</source>
        <translation>
            <numerusform>%Ln escrito</numerusform>
            <numerusform>%Ln escritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <translation>
            <numerusform>%Ln fallido</numerusform>
            <numerusform>%Ln fallidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not reached</source>
        <translation>
            <numerusform>%Ln no alcanzado</numerusform>
            <numerusform>%Ln no alcanzados</numerusform>
        </translation>
    </message>
    <message>
        <source>PDFs: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>written</source>
        <translation>escrito</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>not applied</source>
        <translation>no aplicado</translation>
    </message>
    <message>
        <source>found, counts not known</source>
        <translation>encontrado, recuentos desconocidos</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>would replace %1, %2 would be left</source>
        <translation>reemplazaría %1, quedarían %2</translation>
    </message>
    <message>
        <source>%1 replaced, %2 left</source>
        <translation>%1 reemplazados, %2 restantes</translation>
    </message>
    <message>
        <source>%1 in link addresses</source>
        <translation>%1 en direcciones de vínculos</translation>
    </message>
    <message>
        <source>%1 in document properties</source>
        <translation>%1 en propiedades del documento</translation>
    </message>
    <message>
        <source> left unchanged: %1</source>
        <translation> sin cambiar: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln would be written</source>
        <translation>
            <numerusform>%Ln se escribiría</numerusform>
            <numerusform>%Ln se escribirían</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with nothing to replace</source>
        <translation>
            <numerusform>%Ln sin nada que reemplazar</numerusform>
            <numerusform>%Ln sin nada que reemplazar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln would fail</source>
        <translation>
            <numerusform>%Ln fallaría</numerusform>
            <numerusform>%Ln fallarían</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <translation>
            <numerusform>%Ln omitido</numerusform>
            <numerusform>%Ln omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln document(s)</source>
        <translation>
            <numerusform>%Ln documento</numerusform>
            <numerusform>%Ln documentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s) would be made</source>
        <translation>
            <numerusform>se haría %Ln reemplazo</numerusform>
            <numerusform>se harían %Ln reemplazos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln replacement(s)</source>
        <translation>
            <numerusform>%Ln reemplazo</numerusform>
            <numerusform>%Ln reemplazos</numerusform>
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
            <numerusform>%1 (y los recuentos de %Ln documento desconocidos)</numerusform>
            <numerusform>%1 (y los recuentos de %Ln documentos desconocidos)</numerusform>
        </translation>
    </message>
    <message>
        <source>would be written</source>
        <translation>se escribiría</translation>
    </message>
    <message>
        <source>nothing to replace</source>
        <translation>nada que reemplazar</translation>
    </message>
    <message>
        <source>would fail</source>
        <translation>fallaría</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>it is not in the review</source>
        <translation>no está en la revisión</translation>
    </message>
    <message>
        <source>“%1” was not written: %2.</source>
        <translation>«%1» no se escribió: %2.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Procesando: %1</translation>
    </message>
    <message>
        <source>changed since it was reviewed</source>
        <translation>modificado desde la revisión</translation>
    </message>
    <message>
        <source>%1 Yes (the default).
</source>
        <translation>%1 Sí (la opción por defecto).
</translation>
    </message>
    <message>
        <source>%1 No (the default).
</source>
        <translation>%1 No (la opción por defecto).
</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) left out: they look like results of an earlier run (--include-results edits them too).</source>
        <translation>
            <numerusform>%n archivo omitido: parece el resultado de una ejecución anterior (--include-results también lo edita).</numerusform>
            <numerusform>%n archivos omitidos: parecen resultados de una ejecución anterior (--include-results también los edita).</numerusform>
        </translation>
    </message>
    <message>
        <source>documents</source>
        <translation>documentos</translation>
    </message>
    <message>
        <source>, %1/s, %2:%3 left</source>
        <translation>, %1/s, quedan %2:%3</translation>
    </message>
    <message>
        <source>  … and %1 more, counted but not listed
</source>
        <translation>  … y %1 más, contados pero no listados
</translation>
    </message>
    <message>
        <source>
Try &apos;vantrelle-replace --help&apos;.
</source>
        <translation>
Pruebe &apos;vantrelle-replace --help&apos;.
</translation>
    </message>
    <message>
        <source>Stopping: the documents being edited are finished first.
</source>
        <translation>Deteniendo: primero se terminan los documentos en edición.
</translation>
    </message>
    <message>
        <source>PDFs</source>
        <translation>PDF</translation>
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
        <translation>No se encontraron publicaciones en los orígenes indicados.
</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2. Nothing was edited.
</source>
        <translation>No se puede escribir el informe %1: %2. No se editó nada.
</translation>
    </message>
    <message>
        <source>The report %1 could not be written: %2.
</source>
        <translation>No se pudo escribir el informe %1: %2.
</translation>
    </message>
    <message>
        <source>Interrupted: %1.
</source>
        <translation>Interrumpido: %1.
</translation>
    </message>
    <message>
        <source>%1
“%2” was not written.
</source>
        <translation>%1
«%2» no se escribió.
</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>%1 (the document %2)</source>
        <translation>%1 (el documento %2)</translation>
    </message>
    <message>
        <source>%1, change %2</source>
        <translation>%1, cambio %2</translation>
    </message>
    <message>
        <source>The plan %1 cannot be used: %2: %3. Nothing was written.</source>
        <translation>No se puede usar el plan %1: %2: %3. No se escribió nada.</translation>
    </message>
    <message>
        <source>the plan ends inside a value</source>
        <translation>el plan termina en medio de un valor</translation>
    </message>
    <message>
        <source>it lists no documents</source>
        <translation>no lista ningún documento</translation>
    </message>
    <message>
        <source>a document is not a JSON object</source>
        <translation>un documento no es un objeto JSON</translation>
    </message>
    <message>
        <source>a bracket closes what was never opened</source>
        <translation>un corchete cierra algo que nunca se abrió</translation>
    </message>
    <message>
        <source>there is text outside any JSON object</source>
        <translation>hay texto fuera de cualquier objeto JSON</translation>
    </message>
    <message>
        <source>the line cannot be read (%1)</source>
        <translation>la línea no se puede leer (%1)</translation>
    </message>
    <message>
        <source>“%1” is missing or has a value of the wrong type</source>
        <translation>falta «%1» o tiene un valor de un tipo incorrecto</translation>
    </message>
    <message>
        <source>it does not list every change of the document; make the plan with --dry-run --report FILE.json</source>
        <translation>no lista todos los cambios del documento; cree el plan con --dry-run --report FILE.json</translation>
    </message>
    <message>
        <source>the id %1 is there twice</source>
        <translation>el identificador %1 está dos veces</translation>
    </message>
    <message>
        <source>there is no pair %1</source>
        <translation>no hay ningún par %1</translation>
    </message>
    <message>
        <source>the change is not one of this document&apos;s</source>
        <translation>el cambio no es de este documento</translation>
    </message>
    <message>
        <source>The plan %1 cannot be read: %2.</source>
        <translation>No se puede leer el plan %1: %2.</translation>
    </message>
    <message>
        <source>the document is there twice</source>
        <translation>el documento está dos veces</translation>
    </message>
    <message>
        <source>the document was counted with other pairs or options than the first</source>
        <translation>el documento se contó con otros pares u opciones que el primero</translation>
    </message>
    <message>
        <source>the plan %1 changed while it was used</source>
        <translation>el plan %1 cambió mientras se usaba</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>No se puede abrir «%1»: ha cambiado desde la revisión.</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>no se pudo comprobar: %1</translation>
    </message>
    <message>
        <source>Story %1 on page %2 no longer fits its box (%3); nothing was written.</source>
        <translation>El artículo %1 de la página %2 ya no cabe en su cuadro (%3); no se escribió nada.</translation>
    </message>
    <message>
        <source>story %1, character %2</source>
        <translation>artículo %1, carácter %2</translation>
    </message>
    <message>
        <source>overflows</source>
        <translation>desborda</translation>
    </message>
    <message>
        <source>may overflow</source>
        <translation>puede desbordar</translation>
    </message>
    <message>
        <source>could not check</source>
        <translation>sin comprobar</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) overflow</source>
        <translation>
            <numerusform>%n cuadro desborda</numerusform>
            <numerusform>%n cuadros desbordan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) may overflow</source>
        <translation>
            <numerusform>%n cuadro puede desbordar</numerusform>
            <numerusform>%n cuadros pueden desbordar</numerusform>
        </translation>
    </message>
    <message>
        <source>fits</source>
        <translation>cabe</translation>
    </message>
    <message>
        <source>story %1, page %2: %3</source>
        <translation>artículo %1, página %2: %3</translation>
    </message>
</context>
<context>
    <name>vantrelle::SetsText</name>
    <message numerus="yes">
        <source>The sets list holds at most 32,767 pairs. %n line(s) of the file were not loaded.</source>
        <translation>
            <numerusform>La lista de pares admite como mucho 32.767 pares. No se cargó %n línea del archivo.</numerusform>
            <numerusform>La lista de pares admite como mucho 32.767 pares. No se cargaron %n líneas del archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source> of pair %1</source>
        <translation> del par %1</translation>
    </message>
    <message>
        <source>The find text%1</source>
        <translation>El texto buscado%1</translation>
    </message>
    <message>
        <source>The replace text%1 (“%2”)</source>
        <translation>El texto de reemplazo%1 («%2»)</translation>
    </message>
    <message>
        <source>The texts%1 cannot be used: %2.</source>
        <translation>Los textos%1 no se pueden usar: %2.</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que quiere sobrescribir %1?</translation>
    </message>
    <message>
        <source>Enter find and replace set (use :: to separate find text and replace text):</source>
        <translation>Escriba un par de búsqueda y reemplazo (:: separa el texto buscado del de reemplazo):</translation>
    </message>
    <message>
        <source>findwhat::replacewith</source>
        <translation>buscar::reemplazar</translation>
    </message>
    <message>
        <source>You must use :: to separate the find text from the replace text</source>
        <translation>Debe usar :: para separar el texto buscado del texto de reemplazo</translation>
    </message>
    <message>
        <source>The sets list is full: it holds at most 32,767 pairs. Remove a set to add another.</source>
        <translation>La lista de pares está llena: admite como mucho 32.767 pares. Quite un par para añadir otro.</translation>
    </message>
</context>
<context>
    <name>vantrelle::Settings</name>
    <message>
        <source>its contents cannot be read</source>
        <translation>su contenido no se puede leer</translation>
    </message>
    <message>
        <source>its folder %1 does not exist and cannot be made</source>
        <translation>su carpeta %1 no existe y no se puede crear</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>you have no permission to write in its folder %1</source>
        <translation>no tiene permiso para escribir en su carpeta %1</translation>
    </message>
    <message>
        <source>Your choices cannot be kept for the next start: the settings file %1 cannot be written (%2). They stay in force until you close the program.</source>
        <translation>Sus opciones no se pueden conservar para el próximo inicio: no se puede escribir el archivo de configuración %1 (%2). Siguen vigentes hasta que cierre el programa.</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>These stored settings could not be read and are back at their defaults: %1. Choose them again if they were set otherwise.</source>
        <translation>Estos ajustes guardados no se pudieron leer y han vuelto a sus valores por defecto: %1. Vuelva a elegirlos si tenían otro valor.</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Coincidir mayúsculas</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Palabras enteras</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Keep case</source>
        <translation>Conservar mayúsculas</translation>
    </message>
    <message>
        <source>the tab shown at start</source>
        <translation>la pestaña mostrada al inicio</translation>
    </message>
    <message>
        <source>the separator of Load Sets</source>
        <translation>el separador de «Abrir pares»</translation>
    </message>
    <message>
        <source>the folder to save results to</source>
        <translation>la carpeta donde guardar los resultados</translation>
    </message>
    <message>
        <source>Save results to this folder</source>
        <translation>Guardar en esta carpeta</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Guardar junto al original</translation>
    </message>
    <message>
        <source>the folder last chosen for results</source>
        <translation>la última carpeta elegida para los resultados</translation>
    </message>
    <message>
        <source>the file type added from a folder</source>
        <translation>el tipo de archivo añadido desde una carpeta</translation>
    </message>
    <message>
        <source>the folder last added</source>
        <translation>la última carpeta añadida</translation>
    </message>
    <message>
        <source>the sample files</source>
        <translation>los archivos de ejemplo</translation>
    </message>
    <message>
        <source>the folder of the last publications added</source>
        <translation>la carpeta de las últimas publicaciones añadidas</translation>
    </message>
    <message>
        <source>the folder of the last sets file</source>
        <translation>la carpeta del último archivo de pares</translation>
    </message>
    <message>
        <source>the place of the report window</source>
        <translation>el lugar de la ventana del informe</translation>
    </message>
    <message>
        <source>the place of the pages window</source>
        <translation>el lugar de la ventana de páginas</translation>
    </message>
    <message>
        <source>Replace in</source>
        <translation>Reemplazar en</translation>
    </message>
    <message>
        <source>Edited by</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Also save a PDF of each result</source>
        <translation>También un PDF de cada resultado</translation>
    </message>
</context>
<context>
    <name>vantrelle::Startup</name>
    <message>
        <source>Finds and replaces text in many publications in one run.</source>
        <translation>Busca y reemplaza texto en muchas publicaciones de una vez.</translation>
    </message>
    <message>
        <source>Publications to add to the list, and folders whose .pub files (subfolders included) to add.</source>
        <translation>Publicaciones que añadir a la lista, y carpetas cuyos archivos .pub (subcarpetas incluidas) añadir.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER...]</source>
        <translation>[ARCHIVO|CARPETA...]</translation>
    </message>
    <message>
        <source>%1
See --help.
</source>
        <translation>%1
Véase --help.
</translation>
    </message>
    <message>
        <source>No such file or folder, not added: %1
</source>
        <translation>No existe el archivo o la carpeta, no se añade: %1
</translation>
    </message>
</context>
<context>
    <name>vantrelle::cli::CliText</name>
    <message>
        <source>The separator given with --separator is empty.</source>
        <translation>El separador indicado con --separator está vacío.</translation>
    </message>
    <message>
        <source>The sets file %1 was not found.</source>
        <translation>No se encontró el archivo de pares %1.</translation>
    </message>
    <message>
        <source>The sets file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de pares %1: %2</translation>
    </message>
    <message>
        <source>%1 Split the file.</source>
        <translation>%1 Divida el archivo.</translation>
    </message>
    <message>
        <source>The sets file %1 holds no line with the separator “%2”.</source>
        <translation>El archivo de pares %1 no tiene ninguna línea con el separador «%2».</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se indica más de una vez.</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not “%2”.</source>
        <translation>--jobs necesita un número entero del 1 al %1, no «%2».</translation>
    </message>
    <message>
        <source>--report needs a file name, or - for standard output.</source>
        <translation>--report necesita un nombre de archivo, o - para la salida estándar.</translation>
    </message>
    <message>
        <source>The report %1 must end in .json or .csv (or be - for JSON lines on standard output).</source>
        <translation>El informe %1 debe terminar en .json o .csv (o ser - para líneas JSON en la salida estándar).</translation>
    </message>
    <message>
        <source>The folder of the report %1 does not exist.</source>
        <translation>La carpeta del informe %1 no existe.</translation>
    </message>
    <message>
        <source>The report %1 is a folder.</source>
        <translation>El informe %1 es una carpeta.</translation>
    </message>
    <message>
        <source>--pdf puts each PDF beside its result, --pdf-dir DIR puts them all in DIR: give one of the two.</source>
        <translation>--pdf pone cada PDF junto a su resultado, --pdf-dir DIR los pone todos en DIR: indique uno de los dos.</translation>
    </message>
    <message>
        <source>--pdf-timeout goes with --pdf or --pdf-dir.</source>
        <translation>--pdf-timeout va con --pdf o --pdf-dir.</translation>
    </message>
    <message>
        <source>--dry-run writes no results, so there is nothing to make PDFs of; leave out --pdf or --pdf-dir.</source>
        <translation>--dry-run no escribe resultados, así que no hay nada de lo que crear PDF; quite --pdf o --pdf-dir.</translation>
    </message>
    <message>
        <source>The folder %1 given with --pdf-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>La carpeta %1 indicada con --pdf-dir no existe; la herramienta no la crea (créela antes con mkdir -p).</translation>
    </message>
    <message>
        <source>--pdf-timeout needs a whole number of seconds, not “%1”.</source>
        <translation>--pdf-timeout necesita un número entero de segundos, no «%1».</translation>
    </message>
    <message>
        <source>A pair; repeat for more, applied in the order given.</source>
        <translation>Un par; repítalo para más, aplicados en el orden dado.</translation>
    </message>
    <message>
        <source>Pairs from a sets file, read as Load Sets reads it: one pair per line, FIND SEP REPLACE, in UTF-8, UTF-16 or Windows-1252; at most 32,767 pairs.</source>
        <translation>Pares de un archivo de pares, leído como lo lee «Abrir pares»: un par por línea, FIND SEP REPLACE, en UTF-8, UTF-16 o Windows-1252; como mucho 32.767 pares.</translation>
    </message>
    <message>
        <source>The separator of the sets file (default ::).</source>
        <translation>El separador del archivo de pares (por defecto ::).</translation>
    </message>
    <message>
        <source>Every result into DIR under its source&apos;s name. DIR must exist: a mistyped name is not made into a new folder.</source>
        <translation>Cada resultado en DIR con el nombre de su origen. DIR debe existir: un nombre mal escrito no se convierte en una carpeta nueva.</translation>
    </message>
    <message>
        <source>Each result beside its source, named NAME_replaced.pub.</source>
        <translation>Cada resultado junto a su origen, con el nombre NAME_replaced.pub.</translation>
    </message>
    <message>
        <source>Match letter case.</source>
        <translation>Distinguir mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>Match whole words only, by Unicode&apos;s word boundaries: &quot;the&quot; no longer finds &quot;other&quot; or &quot;anthem&quot;.</source>
        <translation>Buscar solo palabras enteras, según los límites de palabra de Unicode: «the» ya no encuentra «other» ni «anthem».</translation>
    </message>
    <message>
        <source>Read each FIND as a regular expression (Perl-like, PCRE2) and each REPLACE with $0 (the match), $1 to $9 (its groups) and $$ (a dollar sign). A match stays inside a line; ^ and $ are a line&apos;s start and end. An invalid expression, one that matches an empty text and a $ not followed by a digit or $ are wrong usage.</source>
        <translation>Leer cada FIND como una expresión regular (al estilo de Perl, PCRE2) y cada REPLACE con $0 (la coincidencia), $1 a $9 (sus grupos) y $$ (un signo de dólar). Una coincidencia no sale de una línea; ^ y $ son el principio y el final de una línea. Una expresión no válida, una que coincide con un texto vacío y un $ no seguido de una cifra o de $ son un uso incorrecto.</translation>
    </message>
    <message>
        <source>Find any case and write each REPLACE in the case of what it replaces: all lower, ALL UPPER, Capitalised or Each Word Capitalised (acme, Acme, ACME -&gt; apex, Apex, APEX); any other mix as typed. With --regex, the whole replacement once its groups are in.</source>
        <translation>Buscar sin distinguir mayúsculas y escribir cada REPLACE con las mayúsculas de lo que reemplaza: todo minúsculas, TODO MAYÚSCULAS, Inicial Mayúscula o Cada Palabra Con Mayúscula (acme, Acme, ACME -&gt; apex, Apex, APEX); cualquier otra mezcla tal como se escribió. Con --regex, el reemplazo entero una vez puestos sus grupos.</translation>
    </message>
    <message>
        <source>Also replace in the addresses of web, e-mail and file links (links to a page are left alone), counted apart.</source>
        <translation>Reemplazar también en las direcciones de los vínculos web, de correo y de archivo (los vínculos a una página no se tocan), contados aparte.</translation>
    </message>
    <message>
        <source>Also replace in the document properties (title, subject, author, keywords, comments, company, manager, category, your own text properties), counted apart. A replacement a property&apos;s code page cannot hold is refused and the document is not written.</source>
        <translation>Reemplazar también en las propiedades del documento (título, asunto, autor, palabras clave, comentarios, organización, administrador, categoría, sus propiedades de texto), contados aparte. Un reemplazo que la página de códigos de una propiedad no admite se rechaza y el documento no se escribe.</translation>
    </message>
    <message>
        <source>The extension searched for in folders (default pub).</source>
        <translation>La extensión que se busca en las carpetas (por defecto pub).</translation>
    </message>
    <message>
        <source>Also edit files that look like results of an earlier run (NAME_replaced.pub beside NAME.pub); without it they are left out with a note on standard error.</source>
        <translation>Editar también los archivos que parecen resultados de una ejecución anterior (NAME_replaced.pub junto a NAME.pub); sin esta opción se omiten con una nota en la salida de error.</translation>
    </message>
    <message>
        <source>Count only: write and delete nothing. The counts and refusals are those a real run would have; a result that could not be written &quot;would fail&quot;.</source>
        <translation>Solo contar: no escribir ni borrar nada. Los recuentos y rechazos son los de una ejecución real; un resultado que no se pudiera escribir «fallaría».</translation>
    </message>
    <message>
        <source>Edit N publications at a time, 1 to 256 (default: the number of processors). Results and reports keep the list order.</source>
        <translation>Editar N publicaciones a la vez, de 1 a 256 (por defecto: el número de procesadores). Resultados e informes mantienen el orden de la lista.</translation>
    </message>
    <message>
        <source>Write a report of every document as each one is done: FILE.json (the run as one JSON object) or FILE.csv (one line per document); - prints it as JSON lines on standard output.</source>
        <translation>Escribir un informe de cada documento en cuanto termina: FILE.json (la ejecución como un objeto JSON) o FILE.csv (una línea por documento); - lo muestra como líneas JSON en la salida estándar.</translation>
    </message>
    <message>
        <source>Print each replacement in its context on standard output, the changed part in [brackets] (and in colour on a terminal): the first 1,000 of each document.</source>
        <translation>Mostrar cada reemplazo en su contexto en la salida estándar, la parte cambiada entre [corchetes] (y en color en una terminal): los 1.000 primeros de cada documento.</translation>
    </message>
    <message>
        <source>After the run, save a PDF of every result written, NAME.pdf beside NAME.pub, with LibreOffice (package libreoffice-draw), in as many processes as --jobs. An existing NAME.pdf is replaced.</source>
        <translation>Tras la ejecución, guardar un PDF de cada resultado escrito, NAME.pdf junto a NAME.pub, con LibreOffice (paquete libreoffice-draw), en tantos procesos como --jobs. Un NAME.pdf existente se reemplaza.</translation>
    </message>
    <message>
        <source>The same, every PDF into DIR, which must exist.</source>
        <translation>Lo mismo, cada PDF en DIR, que debe existir.</translation>
    </message>
    <message>
        <source>End LibreOffice when one document takes longer than S seconds (default 120); that PDF is reported as failed and the others go on.</source>
        <translation>Terminar LibreOffice cuando un documento tarde más de S segundos (por defecto 120); ese PDF se notifica como fallido y los demás siguen.</translation>
    </message>
    <message>
        <source>No progress line and no summary.</source>
        <translation>Sin línea de progreso ni resumen.</translation>
    </message>
    <message>
        <source>This text.</source>
        <translation>Este texto.</translation>
    </message>
    <message>
        <source>The version.</source>
        <translation>La versión.</translation>
    </message>
    <message>
        <source>With one SOURCE and nothing else: print the text of every story.</source>
        <translation>Con un solo SOURCE y nada más: mostrar el texto de cada artículo.</translation>
    </message>
    <message>
        <source>--pair needs two texts: FIND and REPLACE.</source>
        <translation>--pair necesita dos textos: FIND y REPLACE.</translation>
    </message>
    <message>
        <source>--apply takes the pairs from the plan; give no --pair or --sets.</source>
        <translation>--apply toma los pares del plan; no indique --pair ni --sets.</translation>
    </message>
    <message>
        <source>Say what to replace: --pair FIND REPLACE (once or more) or --sets FILE.</source>
        <translation>Indique qué reemplazar: --pair FIND REPLACE (una o más veces) o --sets FILE.</translation>
    </message>
    <message>
        <source>Give the texts to replace either with --pair FIND REPLACE (once or more) or with --sets FILE, not both.</source>
        <translation>Indique los textos que reemplazar con --pair FIND REPLACE (una o más veces) o con --sets FILE, no con ambos.</translation>
    </message>
    <message>
        <source>--separator goes with --sets.</source>
        <translation>--separator va con --sets.</translation>
    </message>
    <message>
        <source>Say where the results go: --out-dir DIR or --beside.</source>
        <translation>Indique adónde van los resultados: --out-dir DIR o --beside.</translation>
    </message>
    <message>
        <source>--out-dir and --beside cannot both be given: results go into one folder or beside their sources.</source>
        <translation>--out-dir y --beside no pueden indicarse a la vez: los resultados van a una carpeta o junto a sus orígenes.</translation>
    </message>
    <message>
        <source>The folder %1 given with --out-dir does not exist; the tool does not make it (mkdir -p it first).</source>
        <translation>La carpeta %1 indicada con --out-dir no existe; la herramienta no la crea (créela antes con mkdir -p).</translation>
    </message>
    <message>
        <source>--apply matches as the plan says; give no --%1.</source>
        <translation>--apply busca como dice el plan; no indique --%1.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>--apply writes what the plan chose; it goes without --dry-run.</source>
        <translation>--apply escribe lo que eligió el plan; va sin --dry-run.</translation>
    </message>
    <message>
        <source>--ext needs an extension, such as pub.</source>
        <translation>--ext necesita una extensión, como pub.</translation>
    </message>
    <message>
        <source>--show-changes and --report - both print on standard output; give the report a file name.</source>
        <translation>--show-changes y --report - escriben ambos en la salida estándar; dé un nombre de archivo al informe.</translation>
    </message>
    <message>
        <source>Name at least one publication or folder.</source>
        <translation>Nombre al menos una publicación o carpeta.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
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
        <translation>uso: vantrelle-replace [OPCIONES] (--pair FIND REPLACE ... | --sets FILE)
                       (--out-dir DIR | --beside) SOURCE...
     vantrelle-replace [OPCIONES] --apply PLAN (--out-dir DIR | --beside)
                       [SOURCE...]
     vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]
                       [--in-links] [--in-properties]
                       SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
     vantrelle-replace --text SOURCE

Busca y reemplaza texto en publicaciones (.pub). La primera forma edita cada
publicación nombrada y cada una de las que encuentra en las carpetas nombradas,
con las reglas de la ventana de Vantrelle; la segunda edita una publicación en
OUTPUT y muestra sus recuentos; la tercera muestra el texto de cada artículo.

Orígenes (primera forma):
  SOURCE...            Publicaciones y carpetas. Una carpeta se recorre con
                       todas sus subcarpetas como con «Añadir una carpeta
                       entera»: archivos que terminan en .EXT, salvo los que
                       empiezan por «~» y los ocultos (que empiezan por «.»),
                       cada carpeta real una vez. Los archivos nombrados
                       directamente se toman tal cual, salvo los que tienen
                       una extensión que no parece de publicación, que se
                       omiten con una nota en la salida de error.

Qué reemplazar (una de las dos):
</translation>
    </message>
    <message>
        <source>FIND may not be empty. FIND and REPLACE may hold only what the text of a
publication can: no line or paragraph break, no control character but tab,
no unpaired surrogate and no noncharacter (wrong usage, exit status 2).

Where the results go (one of):
</source>
        <translation>FIND no puede estar vacío. FIND y REPLACE solo pueden contener lo que puede
contener el texto de una publicación: ni saltos de línea o de párrafo, ni
caracteres de control salvo el tabulador, ni sustitutos sueltos, ni no
caracteres (uso incorrecto, salida 2).

Adónde van los resultados (una de las dos):
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
        <translation>Los orígenes nunca se sobrescriben ni se borran, sea cual sea el nombre que
lleve a ellos. Una carpeta que designa la del propio origen (por un vínculo
simbólico, con ./ o ..) da al resultado el nombre con _replaced. Un nombre de
resultado que llega a un origen por otro camino (un montaje enlazado, otras
mayúsculas en un sistema de archivos que no las distingue, un vínculo duro),
otro documento de la lista o un resultado escrito antes en la misma ejecución
no se escribe; ese documento se notifica como omitido, con el motivo. Un
resultado anterior nunca se borra antes: el nuevo lo reemplaza solo cuando está
completo, así que una edición fallida lo deja como estaba.

Opciones:
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
El texto de WordArt nunca se edita: las coincidencias que hay en él se cuentan
como restantes, y el resultado se escribe igualmente.

Cada fila del informe contiene el origen, la salida, el estado (siempre en
inglés en los archivos de informe: written, nothing to replace, failed,
skipped, not reached; «would be written» con --dry-run), los reemplazos hechos
y las coincidencias restantes, los recuentos de cada par con el motivo de lo que
queda, el texto del error, los milisegundos y la búsqueda usada (match case o
any case, whole words, regular expression); con --pdf o --pdf-dir también la
ruta y el estado del PDF (written, failed con el motivo de LibreOffice, not
reached), y las filas llegan cuando los PDF están hechos.

Progreso: una línea viva en la salida de error (hechos/total, ritmo, tiempo
restante) cuando es una terminal. Los documentos fallidos y omitidos se nombran
en la salida de error, y la ejecución termina ahí con una línea de totales,
sea terminal o no (--quiet: solo lo que salió mal).

Un resultado se escribe entero o no se escribe. Ctrl-C (o SIGTERM) deja de
repartir documentos, deja terminar los que están en edición, escribe el
informe de lo hecho (el resto «not reached») y sale con el código 130.

Código de salida:
  0    cada documento escrito, o nada que reemplazar en él
  1    al menos un documento fallido u omitido, o un PDF fallido (los demás
       se procesaron igualmente); en la segunda forma: la publicación no se
       pudo leer, editar como se pidió o escribir
  2    uso incorrecto, o --pdf sin LibreOffice (no se escribió nada)
  130  interrumpido

Ejemplos:
  vantrelle-replace --pair &quot;555-0100&quot; &quot;555-0199&quot; --out-dir /srv/nuevos /srv/folletos
  vantrelle-replace --sets telefonos.txt --beside /srv/folletos
  vantrelle-replace --regex --pair &apos;(\d{3})-(\d{4})&apos; &apos;$1 $2&apos; --beside /srv/folletos
  vantrelle-replace --dry-run --report recuentos.csv --pair Acme Apex --out-dir /tmp /srv/folletos
</translation>
    </message>
    <message>
        <source>--engine is native or program, not “%1”.</source>
        <translation>--engine es native o program, no «%1».</translation>
    </message>
    <message>
        <source>--engine program needs the publishing program, which is not installed here (%1 is not registered); without --engine, Vantrelle&apos;s own engine edits.</source>
        <translation>--engine program necesita el programa de autoedición, que no está instalado aquí (%1 no está registrado); sin --engine, edita el motor propio de Vantrelle.</translation>
    </message>
    <message>
        <source>--engine program drives the publishing program, which runs on Windows only.</source>
        <translation>--engine program maneja el programa de autoedición, que solo funciona en Windows.</translation>
    </message>
    <message>
        <source>read find texts as regular expressions (--regex)</source>
        <translation>leer los textos buscados como expresiones regulares (--regex)</translation>
    </message>
    <message>
        <source>keep the case of what it finds (--keep-case)</source>
        <translation>conservar las mayúsculas de lo que encuentra (--keep-case)</translation>
    </message>
    <message>
        <source>replace in link addresses (--in-links)</source>
        <translation>reemplazar en direcciones de vínculos (--in-links)</translation>
    </message>
    <message>
        <source>replace in document properties (--in-properties)</source>
        <translation>reemplazar en propiedades del documento (--in-properties)</translation>
    </message>
    <message>
        <source>replace the changes of a plan one by one (--apply)</source>
        <translation>reemplazar uno a uno los cambios de un plan (--apply)</translation>
    </message>
    <message>
        <source>list every change for a plan (--dry-run --report FILE.json)</source>
        <translation>listar cada cambio para un plan (--dry-run --report FILE.json)</translation>
    </message>
    <message>
        <source>The publishing program cannot %1; only Vantrelle&apos;s own engine can.</source>
        <translation>El programa de autoedición no puede %1; solo el motor propio de Vantrelle puede.</translation>
    </message>
    <message>
        <source>Who edits: native (the default), Vantrelle&apos;s own engine; or program, the publishing program itself over COM, where it is installed (Windows only). The program replaces in the text only, one publication at a time, and does not say how many it replaced.</source>
        <translation>Quién edita: native (por defecto), el motor propio de Vantrelle; o program, el propio programa de autoedición por COM, donde esté instalado (solo Windows). El programa reemplaza solo en el texto, una publicación cada vez, y no dice cuántos reemplazó.</translation>
    </message>
    <message>
        <source>Replace exactly the changes whose entries in PLAN (the JSON report of a --dry-run, which then lists every change with an id and each source&apos;s size, time and SHA-256) still hold &quot;apply&quot;: true, with the plan&apos;s pairs and matching, in the plan&apos;s documents unless SOURCEs are named. A source changed since the dry run, or whose entries no longer match it, is not written and the reason is given (exit 1). A plan with a fault is refused whole, with the line and the reason (exit 2).</source>
        <translation>Reemplazar exactamente los cambios cuyas entradas en PLAN (el informe JSON de un --dry-run, que entonces lista cada cambio con un identificador y el tamaño, la hora y el SHA-256 de cada origen) aún tienen &quot;apply&quot;: true, con los pares y la búsqueda del plan, en los documentos del plan salvo que se nombre algún SOURCE. Un origen modificado desde el --dry-run, o cuyas entradas ya no le corresponden, no se escribe y se indica el motivo (salida 1). Un plan con un fallo se rechaza entero, con la línea y el motivo (salida 2).</translation>
    </message>
    <message>
        <source>Do not check whether the stories the run makes longer still fit their boxes. By default each document&apos;s report says which no longer fit (&quot;overflows&quot;), which may not, and which could not be checked.</source>
        <translation>No comprobar si los artículos que la ejecución alarga siguen cabiendo en sus cuadros. Por defecto el informe de cada documento dice cuáles ya no caben («overflows»), cuáles puede que no y cuáles no se pudieron comprobar.</translation>
    </message>
    <message>
        <source>Write no result for a document in which a story no longer fits its box; its report says which, and the tool ends with status 1.</source>
        <translation>No escribir ningún resultado para un documento en el que un artículo ya no cabe en su cuadro; su informe dice cuál, y la herramienta termina con el código 1.</translation>
    </message>
    <message>
        <source>--fit-strict needs the fit check; give no --no-fit-check.</source>
        <translation>--fit-strict necesita la comprobación de encaje; no indique --no-fit-check.</translation>
    </message>
    <message>
        <source>--text takes one publication and no other option.</source>
        <translation>--text admite una sola publicación y ninguna otra opción.</translation>
    </message>
    <message>
        <source>Name what to edit: SOURCE OUTPUT FIND REPLACE, with more FIND REPLACE pairs as needed; or the batch form&apos;s --pair and --out-dir.</source>
        <translation>Indique qué editar: ORIGEN SALIDA BUSCAR REEMPLAZAR, con más pares BUSCAR REEMPLAZAR si hace falta; o las opciones --pair y --out-dir de la forma por lotes.</translation>
    </message>
    <message>
        <source>%1 “%2” was not written.</source>
        <translation>%1 «%2» no se escribió.</translation>
    </message>
</context>
<context>
    <name>vantrelle::fit::FitText</name>
    <message>
        <source>%1 has no “%2”</source>
        <translation>%1 no tiene «%2»</translation>
    </message>
    <message>
        <source>could not check: %1</source>
        <translation>no se pudo comprobar: %1</translation>
    </message>
    <message>
        <source>could not check: its box was not found</source>
        <translation>no se pudo comprobar: no se encontró su cuadro</translation>
    </message>
    <message>
        <source>could not check: font %1 is not available</source>
        <translation>no se pudo comprobar: la fuente %1 no está disponible</translation>
    </message>
    <message numerus="yes">
        <source>already overflowed; now %n line(s) more</source>
        <translation>
            <numerusform>ya desbordaba; ahora %n línea más</numerusform>
            <numerusform>ya desbordaba; ahora %n líneas más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>overflows by about %n line(s)</source>
        <translation>
            <numerusform>desborda en aproximadamente %n línea</numerusform>
            <numerusform>desborda en aproximadamente %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>may overflow: the text ends within about a line of the box&apos;s edge</source>
        <translation>puede desbordar: el texto termina a menos de una línea del borde del cuadro</translation>
    </message>
    <message>
        <source>may overflow (%1): %2</source>
        <translation>puede desbordar (%1): %2</translation>
    </message>
</context>
<context>
    <name>vantrelle::pubengine::EngineText</name>
    <message>
        <source>it would change a field such as a page number</source>
        <translation>cambiaría un campo como un número de página</translation>
    </message>
    <message>
        <source>it would remove all the text of a hyperlink or placeholder</source>
        <translation>quitaría todo el texto de un hipervínculo o de un marcador de posición</translation>
    </message>
    <message>
        <source>it would remove the whole formatted text of a stretch this program cannot remove yet (replace it by at least one character instead)</source>
        <translation>quitaría todo el texto con formato de un tramo que este programa aún no puede quitar (reemplácelo en su lugar por al menos un carácter)</translation>
    </message>
    <message>
        <source>in WordArt, which is not edited</source>
        <translation>en WordArt, que no se edita</translation>
    </message>
    <message>
        <source>in text whose font has no code page this program writes (a symbol font, or one without a known character set), which is not edited</source>
        <translation>en texto cuya fuente no tiene una página de códigos que este programa escriba (una fuente de símbolos, o sin conjunto de caracteres conocido), que no se edita</translation>
    </message>
    <message>
        <source>because %1</source>
        <translation>porque %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 occurrence of “%1” was left unchanged %2.</source>
        <translation>1 coincidencia de «%1» se dejó sin cambiar %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n occurrences of “%1” were left unchanged %2.</source>
        <translation>
            <numerusform>%n coincidencia de «%1» se dejó sin cambiar %2.</numerusform>
            <numerusform>%n coincidencias de «%1» se dejaron sin cambiar %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>it is not a publication (it lacks the container every publication is stored in)</source>
        <translation>no es una publicación (le falta el contenedor en el que se guarda toda publicación)</translation>
    </message>
    <message>
        <source>the part name &quot;%1&quot; is too long for a compound file</source>
        <translation>el nombre de parte «%1» es demasiado largo para un archivo compuesto</translation>
    </message>
    <message>
        <source>two parts of one folder have the same name</source>
        <translation>dos partes de una misma carpeta tienen el mismo nombre</translation>
    </message>
    <message>
        <source>the compound file would hold too many parts</source>
        <translation>el archivo compuesto contendría demasiadas partes</translation>
    </message>
    <message>
        <source>a part is too large for a compound file</source>
        <translation>una parte es demasiado grande para un archivo compuesto</translation>
    </message>
    <message>
        <source>the compound file would be too large</source>
        <translation>el archivo compuesto sería demasiado grande</translation>
    </message>
    <message>
        <source>the text stream is larger than any publication&apos;s</source>
        <translation>el flujo de texto es mayor que el de cualquier publicación</translation>
    </message>
    <message>
        <source>the compound file lost a stream being replaced</source>
        <translation>el archivo compuesto perdió un flujo que se estaba reemplazando</translation>
    </message>
    <message>
        <source>the link addresses of story %1 are stored in a way this program does not edit</source>
        <translation>las direcciones de vínculos del artículo %1 están guardadas de una forma que este programa no edita</translation>
    </message>
    <message>
        <source>the replacement would leave a link without an address</source>
        <translation>el reemplazo dejaría un vínculo sin dirección</translation>
    </message>
    <message>
        <source>the replacement would make a link address longer than 65,535 characters</source>
        <translation>el reemplazo haría una dirección de vínculo de más de 65.535 caracteres</translation>
    </message>
    <message>
        <source>the regular expression %1 was stopped on a line of %2 characters: %3; nothing was changed. Simplify it, for example with fewer nested repeats</source>
        <translation>la expresión regular %1 se detuvo en una línea de %2 caracteres: %3; no se cambió nada. Simplifíquela, por ejemplo con menos repeticiones anidadas</translation>
    </message>
    <message>
        <source>it needed more than %L1 steps (the match limit)</source>
        <translation>necesitó más de %L1 pasos (el límite de coincidencia)</translation>
    </message>
    <message>
        <source>it needed more than %1 MiB of memory (the heap limit)</source>
        <translation>necesitó más de %1 MiB de memoria (el límite de memoria)</translation>
    </message>
    <message>
        <source>it failed (%1)</source>
        <translation>falló (%1)</translation>
    </message>
    <message>
        <source>the regular expression %1 matched an empty text, which would insert the replacement between characters; make it match at least one character</source>
        <translation>la expresión regular %1 encontró un texto vacío, lo que insertaría el reemplazo entre caracteres; haga que encuentre al menos un carácter</translation>
    </message>
    <message>
        <source>the document property %1 is stored in code page %2, which cannot hold the replacement text; nothing was changed</source>
        <translation>la propiedad del documento %1 está guardada en la página de códigos %2, que no puede contener el texto de reemplazo; no se cambió nada</translation>
    </message>
    <message>
        <source>a paragraph end</source>
        <translation>un final de párrafo</translation>
    </message>
    <message>
        <source>the end of a story</source>
        <translation>el final de un artículo</translation>
    </message>
    <message>
        <source>a table cell&apos;s mark</source>
        <translation>la marca de una celda de tabla</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a control character of the text&apos;s layout</source>
        <translation>un carácter de control del diseño del texto</translation>
    </message>
    <message>
        <source>the occurrence “%1” holds %2, which is never edited; nothing was changed</source>
        <translation>la coincidencia «%1» contiene %2, que nunca se edita; no se cambió nada</translation>
    </message>
    <message>
        <source>the replacement “%1” holds %2, which the code page of the text it replaces, %3, cannot hold; nothing was changed</source>
        <translation>el reemplazo «%1» contiene %2, que la página de códigos del texto que reemplaza, %3, no puede contener; no se cambió nada</translation>
    </message>
    <message>
        <source>the edited text block failed its checks (%1); nothing was changed</source>
        <translation>el bloque de texto editado no superó sus comprobaciones (%1); no se cambió nada</translation>
    </message>
    <message>
        <source>the text would grow beyond what the file can hold</source>
        <translation>el texto crecería más de lo que el archivo puede contener</translation>
    </message>
    <message>
        <source>the edit would empty a paragraph or a table cell</source>
        <translation>la edición vaciaría un párrafo o una celda de tabla</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file but %1; only publication files can be opened</source>
        <translation>no es un archivo normal sino %1; solo se pueden abrir archivos de publicación</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>some other kind of entry</source>
        <translation>una entrada de otro tipo</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it is not a regular file but %2; only publication files can be opened.</source>
        <translation>No se puede abrir «%1»: no es un archivo normal sino %2; solo se pueden abrir archivos de publicación.</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>Use an undamaged copy of it, such as a backup.</source>
        <translation>Use una copia sin daños, como una copia de seguridad.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is larger than %2 MiB, more than any publication this engine edits.</source>
        <translation>No se puede abrir «%1»: el archivo supera los %2 MiB, más que cualquier publicación que edita este motor.</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot open “%1”: the file is too large.</source>
        <translation>No se puede abrir «%1»: el archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>it is not a publication (its container holds no publication)</source>
        <translation>no es una publicación (su contenedor no contiene ninguna publicación)</translation>
    </message>
    <message>
        <source>the file is damaged, or stores its text in a way this program does not know (%1)</source>
        <translation>el archivo está dañado, o guarda su texto de una forma que este programa no conoce (%1)</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>its document properties cannot be read (%1)</source>
        <translation>sus propiedades de documento no se pueden leer (%1)</translation>
    </message>
    <message>
        <source>choosing single changes is not offered for publications of Publisher 95 and 97 yet; replace all of them, or none</source>
        <translation>elegir cambios sueltos aún no se ofrece para publicaciones de Publisher 95 y 97; reemplácelos todos, o ninguno</translation>
    </message>
    <message>
        <source>Cannot replace “%1” in “%2”: %3</source>
        <translation>No se puede reemplazar «%1» en «%2»: %3</translation>
    </message>
    <message>
        <source>the rebuilt text stream failed its checks (%1); nothing was written</source>
        <translation>el flujo de texto reconstruido no superó sus comprobaciones (%1); no se escribió nada</translation>
    </message>
    <message>
        <source>the written compound file does not hold the edited streams</source>
        <translation>el archivo compuesto escrito no contiene los flujos editados</translation>
    </message>
    <message>
        <source>the written file would not keep its part &quot;%1&quot; unchanged; nothing was written</source>
        <translation>el archivo escrito no conservaría sin cambios su parte «%1»; no se escribió nada</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2</source>
        <translation>No se puede guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: %3.</source>
        <translation>No se puede guardar «%1» como «%2»: %3.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that is the file it was opened from, which is never overwritten.</source>
        <translation>No se puede guardar «%1» como «%2»: es el archivo desde el que se abrió, que nunca se sobrescribe.</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: that name is a symbolic link, and a result is never written through a link to another file.</source>
        <translation>No se puede guardar «%1» como «%2»: ese nombre es un enlace simbólico, y un resultado nunca se escribe a través de un enlace a otro archivo.</translation>
    </message>
    <message>
        <source>the disk took no more data</source>
        <translation>el disco no admitió más datos</translation>
    </message>
    <message>
        <source>“%1” at story %2, position %3</source>
        <translation>«%1» en el artículo %2, posición %3</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>el texto es demasiado largo</translation>
    </message>
    <message>
        <source>the replacement text is too long</source>
        <translation>el texto de reemplazo es demasiado largo</translation>
    </message>
    <message>
        <source>the reviewed occurrence %1 is no longer there; nothing was changed</source>
        <translation>la coincidencia revisada %1 ya no está; no se cambió nada</translation>
    </message>
    <message>
        <source>the text would grow too long</source>
        <translation>el texto crecería demasiado</translation>
    </message>
    <message>
        <source>the edit would make a story longer than 32,767 characters, more than any publication known to this program holds, and other programs may then show only part of it; nothing was changed</source>
        <translation>la edición haría un artículo de más de 32.767 caracteres, más de lo que contiene cualquier publicación que conoce este programa, y otros programas podrían mostrar solo una parte; no se cambió nada</translation>
    </message>
    <message>
        <source>The publication engine has quit; create a new instance.</source>
        <translation>El motor de publicaciones se ha cerrado; cree una nueva instancia.</translation>
    </message>
    <message>
        <source>No publication is open.</source>
        <translation>No hay ninguna publicación abierta.</translation>
    </message>
    <message>
        <source>Cannot search “%1”: only replacing every occurrence is supported (scope %2).</source>
        <translation>No se puede buscar en «%1»: solo se admite reemplazar todas las coincidencias (ámbito %2).</translation>
    </message>
    <message>
        <source>In “%1”, %2</source>
        <translation>En «%1», %2</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: format %3 is not supported, only publications (format %4).</source>
        <translation>No se puede guardar «%1» como «%2»: el formato %3 no se admite, solo publicaciones (formato %4).</translation>
    </message>
    <message>
        <source>Cannot save “%1” as “%2”: not every replacement asked for could be made, so nothing was written (%3)</source>
        <translation>No se puede guardar «%1» como «%2»: no se pudieron hacer todos los reemplazos pedidos, así que no se escribió nada (%3)</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>el archivo está dañado: %1</translation>
    </message>
    <message>
        <source>the file is damaged: its folders nest too deeply</source>
        <translation>el archivo está dañado: sus carpetas están anidadas a demasiada profundidad</translation>
    </message>
    <message>
        <source>the find text</source>
        <translation>el texto a buscar</translation>
    </message>
    <message>
        <source>the replace text</source>
        <translation>el texto de reemplazo</translation>
    </message>
    <message>
        <source>this publication was made by Publisher 97 or earlier in a layout this program does not know; it cannot be edited. Open it in a later version of Publisher and save it again</source>
        <translation>esta publicación se creó con Publisher 97 o anterior con una estructura que este programa no conoce; no se puede editar. Ábrala en una versión posterior de Publisher y vuelva a guardarla</translation>
    </message>
    <message>
        <source>this system cannot convert the code page %1 of its text</source>
        <translation>este sistema no puede convertir la página de códigos %1 de su texto</translation>
    </message>
    <message>
        <source>this publication was made by %1; that version is not supported. Open it in a later version of Publisher and save it again</source>
        <translation>esta publicación se creó con %1; esa versión no es compatible. Ábrala en una versión posterior de Publisher y vuelva a guardarla</translation>
    </message>
    <message>
        <source>%1 runs past the end of the file; it was probably cut short while being copied or saved</source>
        <translation>%1 va más allá del final del archivo; probablemente se cortó al copiarlo o guardarlo</translation>
    </message>
    <message>
        <source>%1 is shorter than declared; the file was probably cut short</source>
        <translation>%1 ocupa menos de lo declarado; probablemente el archivo se cortó</translation>
    </message>
    <message>
        <source>%1 loops back on itself</source>
        <translation>%1 forma un bucle</translation>
    </message>
    <message>
        <source>%1 shares its place in the file with %2</source>
        <translation>%1 comparte su lugar en el archivo con %2</translation>
    </message>
    <message>
        <source>%1 breaks off without its end mark</source>
        <translation>%1 se interrumpe sin su marca de fin</translation>
    </message>
    <message>
        <source>its header names an impossible sector size</source>
        <translation>su encabezado indica un tamaño de sector imposible</translation>
    </message>
    <message>
        <source>its header names an impossible mini-sector size</source>
        <translation>su encabezado indica un tamaño de minisector imposible</translation>
    </message>
    <message>
        <source>its header claims more allocation sectors than the file holds</source>
        <translation>su encabezado declara más sectores de asignación de los que contiene el archivo</translation>
    </message>
    <message>
        <source>its allocation table</source>
        <translation>su tabla de asignación</translation>
    </message>
    <message>
        <source>its directory</source>
        <translation>su directorio</translation>
    </message>
    <message>
        <source>its directory points at an entry it does not hold</source>
        <translation>su directorio apunta a una entrada que no contiene</translation>
    </message>
    <message>
        <source>its directory does not start with the root entry</source>
        <translation>su directorio no empieza por la entrada raíz</translation>
    </message>
    <message>
        <source>its directory points at an entry twice or at one it does not hold</source>
        <translation>su directorio apunta dos veces a una entrada o a una que no contiene</translation>
    </message>
    <message>
        <source>its directory holds an entry of an unknown kind</source>
        <translation>su directorio contiene una entrada de un tipo desconocido</translation>
    </message>
    <message>
        <source>its store of small parts</source>
        <translation>su almacén de partes pequeñas</translation>
    </message>
    <message>
        <source>its store of small parts is shorter than declared</source>
        <translation>su almacén de partes pequeñas es más corto de lo declarado</translation>
    </message>
    <message>
        <source>its table of small parts</source>
        <translation>su tabla de partes pequeñas</translation>
    </message>
    <message>
        <source>its parts claim more data than the file holds</source>
        <translation>sus partes declaran más datos de los que contiene el archivo</translation>
    </message>
    <message>
        <source>its part &quot;%1&quot;</source>
        <translation>su parte «%1»</translation>
    </message>
    <message>
        <source>the text stream does not start with a text header</source>
        <translation>el flujo de texto no empieza con un encabezado de texto</translation>
    </message>
    <message>
        <source>the text stream&apos;s declared length does not match its size</source>
        <translation>la longitud declarada del flujo de texto no coincide con su tamaño</translation>
    </message>
    <message>
        <source>a block table holds more entries than fit in its block</source>
        <translation>una tabla de bloques contiene más entradas de las que caben en su bloque</translation>
    </message>
    <message>
        <source>a block table entry has an unexpected size</source>
        <translation>una entrada de una tabla de bloques tiene un tamaño inesperado</translation>
    </message>
    <message>
        <source>the text stream holds a block of type &quot;%1&quot; that this engine does not know, so it cannot edit it safely</source>
        <translation>el flujo de texto contiene un bloque de tipo «%1» que este motor no conoce, así que no puede editarlo con seguridad</translation>
    </message>
    <message>
        <source>the block tables form a cycle</source>
        <translation>las tablas de bloques forman un ciclo</translation>
    </message>
    <message>
        <source>a block table lies outside the text stream</source>
        <translation>una tabla de bloques está fuera del flujo de texto</translation>
    </message>
    <message>
        <source>the header&apos;s size of the block table disagrees with the block tables</source>
        <translation>el tamaño de la tabla de bloques del encabezado no concuerda con las tablas de bloques</translation>
    </message>
    <message>
        <source>the header&apos;s block count disagrees with the block tables</source>
        <translation>el número de bloques del encabezado no concuerda con las tablas de bloques</translation>
    </message>
    <message>
        <source>the text block is not where it belongs</source>
        <translation>el bloque de texto no está donde corresponde</translation>
    </message>
    <message>
        <source>a block of the text lies inside the header</source>
        <translation>un bloque del texto está dentro del encabezado</translation>
    </message>
    <message>
        <source>two blocks of the text overlap</source>
        <translation>dos bloques del texto se solapan</translation>
    </message>
    <message>
        <source>a block of the text overlaps the table of blocks</source>
        <translation>un bloque del texto se solapa con la tabla de bloques</translation>
    </message>
    <message>
        <source>a page of formatting is not a whole aligned block</source>
        <translation>una página de formato no es un bloque entero alineado</translation>
    </message>
    <message>
        <source>the text stream would grow beyond 4 GiB</source>
        <translation>el flujo de texto superaría los 4 GiB</translation>
    </message>
    <message>
        <source>a property record has an impossible length</source>
        <translation>un registro de propiedades tiene una longitud imposible</translation>
    </message>
    <message>
        <source>a property record ends inside an entry</source>
        <translation>un registro de propiedades termina en medio de una entrada</translation>
    </message>
    <message>
        <source>a variable-size property has an impossible length</source>
        <translation>una propiedad de tamaño variable tiene una longitud imposible</translation>
    </message>
    <message>
        <source>a property record holds a property type the engine does not know</source>
        <translation>un registro de propiedades contiene un tipo de propiedad que el motor no conoce</translation>
    </message>
    <message>
        <source>the document properties are damaged</source>
        <translation>las propiedades del documento están dañadas</translation>
    </message>
    <message>
        <source>a section of document properties holds more entries than it can</source>
        <translation>una sección de propiedades del documento contiene más entradas de las que puede</translation>
    </message>
    <message>
        <source>a document property lies outside its section</source>
        <translation>una propiedad del documento está fuera de su sección</translation>
    </message>
    <message>
        <source>the length the Contents stream records differs from its size</source>
        <translation>la longitud que registra el flujo Contents difiere de su tamaño</translation>
    </message>
    <message>
        <source>the text block&apos;s header is of no kind this program knows</source>
        <translation>el encabezado del bloque de texto no es de ningún tipo que este programa conozca</translation>
    </message>
    <message>
        <source>its text block is laid out in a way this program does not know</source>
        <translation>su bloque de texto está organizado de una forma que este programa no conoce</translation>
    </message>
    <message>
        <source>a formatting page holds more entries than it has room for</source>
        <translation>una página de formato contiene más entradas de las que le caben</translation>
    </message>
    <message>
        <source>a chunk lies outside the object area</source>
        <translation>un fragmento está fuera del área de objetos</translation>
    </message>
    <message>
        <source>it holds two text chunks</source>
        <translation>contiene dos fragmentos de texto</translation>
    </message>
    <message>
        <source>the text chunk names a table the file does not hold</source>
        <translation>el fragmento de texto indica una tabla que el archivo no contiene</translation>
    </message>
    <message>
        <source>the text chunk names a table of a kind this program does not know</source>
        <translation>el fragmento de texto indica una tabla de un tipo que este programa no conoce</translation>
    </message>
    <message>
        <source>a table of text positions runs past its chunk</source>
        <translation>una tabla de posiciones de texto va más allá de su fragmento</translation>
    </message>
    <message>
        <source>the text has an odd length</source>
        <translation>el texto tiene una longitud impar</translation>
    </message>
    <message>
        <source>the story table is missing</source>
        <translation>falta la tabla de artículos</translation>
    </message>
    <message>
        <source>the story table has a layout this engine does not know</source>
        <translation>la tabla de artículos tiene una estructura que este motor no conoce</translation>
    </message>
    <message>
        <source>the story lengths do not add up to the length of the text</source>
        <translation>las longitudes de los artículos no suman la longitud del texto</translation>
    </message>
    <message>
        <source>the story id table is missing</source>
        <translation>falta la tabla de identificadores de artículos</translation>
    </message>
    <message>
        <source>the story id table and the story table disagree on the number of stories</source>
        <translation>la tabla de identificadores de artículos y la tabla de artículos no coinciden en el número de artículos</translation>
    </message>
    <message>
        <source>the text stream holds two texts</source>
        <translation>el flujo de texto contiene dos textos</translation>
    </message>
    <message>
        <source>the text stream holds two story tables</source>
        <translation>el flujo de texto contiene dos tablas de artículos</translation>
    </message>
    <message>
        <source>a table of links and fields belongs to no story or to a story twice</source>
        <translation>una tabla de vínculos y campos no pertenece a ningún artículo o pertenece dos veces a uno</translation>
    </message>
    <message>
        <source>a table of links and fields has a layout this engine does not know</source>
        <translation>una tabla de vínculos y campos tiene una estructura que este motor no conoce</translation>
    </message>
    <message>
        <source>a link or field&apos;s length has an unexpected type</source>
        <translation>la longitud de un vínculo o campo tiene un tipo inesperado</translation>
    </message>
    <message>
        <source>the first link or field of a story has no length</source>
        <translation>el primer vínculo o campo de un artículo no tiene longitud</translation>
    </message>
    <message>
        <source>a link or field&apos;s kind has an unexpected type</source>
        <translation>la clase de un vínculo o campo tiene un tipo inesperado</translation>
    </message>
    <message>
        <source>the first link or field of a story has no kind</source>
        <translation>el primer vínculo o campo de un artículo no tiene clase</translation>
    </message>
    <message>
        <source>a link or field lies outside its story</source>
        <translation>un vínculo o campo está fuera de su artículo</translation>
    </message>
    <message>
        <source>a table belongs to no story or to a story twice</source>
        <translation>una tabla no pertenece a ningún artículo o pertenece dos veces a uno</translation>
    </message>
    <message>
        <source>a table has a layout this engine does not know</source>
        <translation>una tabla tiene una estructura que este motor no conoce</translation>
    </message>
    <message>
        <source>a table&apos;s cells lie outside its story</source>
        <translation>las celdas de una tabla están fuera de su artículo</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>no marcado</translation>
    </message>
    <message>
        <source>it was found in the text of a change that was not ticked</source>
        <translation>se encontró en el texto de un cambio que no estaba marcado</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>the review names the occurrence %1 twice</source>
        <translation>la revisión nombra dos veces la coincidencia %1</translation>
    </message>
    <message>
        <source>Cannot open “%1”: it changed since it was reviewed.</source>
        <translation>No se puede abrir «%1»: ha cambiado desde la revisión.</translation>
    </message>
    <message>
        <source>the layout cache counts more stories than it holds</source>
        <translation>la caché de maquetación cuenta más artículos de los que contiene</translation>
    </message>
    <message>
        <source>the layout cache counts more boxes than it holds</source>
        <translation>la caché de maquetación cuenta más cuadros de los que contiene</translation>
    </message>
    <message>
        <source>a box of the layout cache has no size</source>
        <translation>un cuadro de la caché de maquetación no tiene tamaño</translation>
    </message>
    <message>
        <source>the contents have an unknown layout</source>
        <translation>el contenido tiene una estructura desconocida</translation>
    </message>
    <message>
        <source>the contents have no directory</source>
        <translation>el contenido no tiene directorio</translation>
    </message>
    <message>
        <source>the style sheet counts more styles than it holds</source>
        <translation>la hoja de estilos cuenta más estilos de los que contiene</translation>
    </message>
    <message>
        <source>the font table counts more fonts than it holds</source>
        <translation>la tabla de fuentes cuenta más fuentes de las que contiene</translation>
    </message>
    <message>
        <source>a run names a font the font table does not hold</source>
        <translation>un tramo nombra una fuente que la tabla de fuentes no contiene</translation>
    </message>
    <message>
        <source>a run has a character scale of %1, which is not understood</source>
        <translation>un tramo tiene una escala de caracteres de %1, que no se entiende</translation>
    </message>
    <message>
        <source>a run has an impossible font size</source>
        <translation>un tramo tiene un tamaño de fuente imposible</translation>
    </message>
    <message>
        <source>the story&apos;s formatting does not cover its text</source>
        <translation>el formato del artículo no cubre su texto</translation>
    </message>
    <message>
        <source>the text boxes of Publisher 95 and 97 publications are not read</source>
        <translation>los cuadros de texto de las publicaciones de Publisher 95 y 97 no se leen</translation>
    </message>
    <message>
        <source>its formatting cannot be read (%1)</source>
        <translation>su formato no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the layout cache does not match the stories</source>
        <translation>la caché de maquetación no coincide con los artículos</translation>
    </message>
    <message>
        <source>its text boxes cannot be read (%1)</source>
        <translation>sus cuadros de texto no se pueden leer (%1)</translation>
    </message>
    <message>
        <source>the story is a table</source>
        <translation>el artículo es una tabla</translation>
    </message>
    <message>
        <source>the box may shrink its text to fit</source>
        <translation>el cuadro puede reducir su texto para ajustarlo</translation>
    </message>
    <message>
        <source>the gap between its columns is not known</source>
        <translation>no se conoce el espacio entre sus columnas</translation>
    </message>
    <message>
        <source>its boxes are stored differently in two places of the file</source>
        <translation>sus cuadros están guardados de forma distinta en dos lugares del archivo</translation>
    </message>
    <message>
        <source>its boxes cannot be checked against its shapes (%1)</source>
        <translation>sus cuadros no se pueden comprobar con sus formas (%1)</translation>
    </message>
    <message>
        <source>no text box of it was found</source>
        <translation>no se encontró ningún cuadro de texto suyo</translation>
    </message>
    <message>
        <source>a text box of it has no room for text</source>
        <translation>un cuadro de texto suyo no tiene espacio para texto</translation>
    </message>
</context>
</TS>
