<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>nombre propio</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Abrir diccionario</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Documentos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra puede crear un diccionario en %1 a partir de la lista de palabras del sistema. ¿Crearlo ahora o elegir un archivo de diccionario?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Crear diccionario</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Elegir archivo...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>No se pudo crear el diccionario: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>No se pudo crear %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Creando el diccionario %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>No se puede abrir %1 en %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Error al leer el diccionario %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Coincidencias: %1 de %2 palabras en %3 s</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Ningún diccionario abierto</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Pila de llamadas</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Compacto &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Detalles &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Registros no disponibles.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Pila de llamadas:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Registros:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Adicional</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>excepción desconocida</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Pila de llamadas no disponible.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Excepción %1 en el módulo %2 en la posición %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Excepción %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Código fuente: %1, línea %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Sin equivalente numérico</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Ayuda de Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>No se pudo abrir el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>No se pudo guardar la configuración en %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>No se pudo escribir el registro de errores en ningún sitio.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Copie este informe y envíelo por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Envíe el archivo NumraError.Log por correo electrónico a %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>El registro se encuentra en la misma carpeta que Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>El registro se encuentra en %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Cómo informar del error</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>Acerca de Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Enviar un correo electrónico al autor</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Abrir la página web del autor</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Imagen de Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Animación de Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Corregir la ortografía de la palabra raíz</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Palabra combinada y los dígitos que representa</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Precaución</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Si corrige la ortografía, asegúrese de que siga</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>siendo coherente con la traducción numérica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Palabra posible</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Representa</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Error de programación</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Error de programación</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>¿Enviar un informe de error?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Buscar una palabra</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Introduzca la palabra que desea traducir a números</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Palabra que traducir</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Equivalentes numéricos</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Traducir la palabra a sus equivalentes numéricos</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Traducir</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Borrar la palabra</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Copia el número y la palabra elegidos al portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Cancelar &amp; cerrar la ventana</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Estado de la búsqueda</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Equivalente numérico</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Introduzca el número que desea traducir</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Número que traducir</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Palabras posibles</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Frase elegida</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Prefijos  &amp; sufijos</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Palabra elegida</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Prefijos y sufijos</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Incluir en la traducción el dígito de más a la izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Incluir en la traducción el dígito de más a la derecha</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Donde sea </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Traducir la secuencia de dígitos más larga</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Traducir</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Traducir a equivalentes alfabéticos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Borrar el formulario</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Copiar el número y la frase al portapapeles</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Buscar el equivalente numérico de una palabra</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>&amp;Frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>&amp;Sugerir frases...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Sugerir frases completas para los dígitos libres</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Notificar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Prefijo o sufijo</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Representa</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Palabra posible</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Palabra elegida</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>No se pueden escribir más de %1 caracteres</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>C&amp;lasificar números...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Clasificar una lista de números según las frases que forman</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Aviso de nuevas versiones</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Avisarme de las nuevas versiones</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Recordar más tarde</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Su dirección se mantendrá privada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TRankForm</name>
    <message>
        <source>Numra - Rank Numbers</source>
        <translation>Numra - Clasificar números</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>Que con&amp;tenga:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Conservar solo los números que pueden formar esta palabra, con la mejor frase que la contiene; Intro aplica el filtro</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Palabra buscada</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>cualquier palabra</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Volver a clasificar la lista para la palabra buscada</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrar</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Números clasificados</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Los números de la lista, con el mejor número mnemónico en primer lugar</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Progreso de la clasificación</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Detener la clasificación; los números ya clasificados siguen en la lista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Estado de la clasificación</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Elegir otra lista de números que clasificar</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Copiar la fila elegida al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Guardar la lista clasificada como archivo CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Número mnemónico</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Clasificando %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Números clasificados: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Cancelado. Números clasificados: %1 en %2 s</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Números clasificados: %1 en %2 s</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(líneas rechazadas: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Abrir lista de números</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Listas de números (*.txt *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Exportar números clasificados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>La clasificación se detuvo: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(ninguna frase puede contener %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Frases sugeridas</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Frases sugeridas</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Haga doble clic en una frase, o pulse Intro sobre ella, para usarla</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Permitir que las palabras representen también los dígitos del código de país y de área</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>&amp;Palabras en el código de área</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Ofrecer palabras que los datos de clasificación marcan como ofensivas</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Permitir palabras &amp;ofensivas</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Estado de las sugerencias</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Copiar el número mnemónico elegido al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Poner la frase elegida en el número</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Cerrar sin cambiar nada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Número mnemónico</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Ninguna frase fácil de recordar para %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 frase fácil de recordar en %1 s</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>%1 frases fáciles de recordar en %2 s</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Busca las palabras que forman un número de teléfono en un teclado telefónico.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Usar FILE como diccionario, igual que Archivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Mostrar las ventanas en el idioma CODE (de, fr ...) en lugar del idioma del sistema; «en» para inglés.</translation>
    </message>
</context>
</TS>
