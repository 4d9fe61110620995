<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>nome proprio</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Apri dizionario</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Documenti di testo (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra può creare un dizionario in %1 dall&apos;elenco di parole del sistema. Crearlo ora o scegliere un file di dizionario?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Crea dizionario</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Scegli file...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Impossibile creare il dizionario: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Impossibile creare %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Creazione del dizionario %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Impossibile aprire %1 in %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Errore durante la lettura del dizionario %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Corrispondenze: %1 su %2 parole in %3 s</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Nessun dizionario aperto</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Stack di chiamate</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registri</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Compatto &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Dettagli &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Registri non disponibili.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Stack di chiamate:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Registri:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>eccezione sconosciuta</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Stack di chiamate non disponibile.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Eccezione %1 nel modulo %2 in posizione %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Eccezione %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Sorgente: %1, riga %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Nessun equivalente numerico</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Guida di Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Impossibile aprire il file della guida %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Impossibile salvare le impostazioni in %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Non è stato possibile scrivere il log degli errori in nessuna posizione.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Copia questo rapporto e invialo per e-mail a %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Invia il file NumraError.Log per e-mail a %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Il log si trova nella stessa cartella di Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Il log si trova in %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Grazie</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Come segnalare l&apos;errore</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>Informazioni su Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Invia un&apos;e-mail all&apos;autore</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Apri il sito web dell&apos;autore</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Immagine di Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Animazione di Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Correggi l&apos;ortografia della parola radice</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Parola composta e le cifre che rappresenta</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Se correggi l&apos;ortografia, assicurati che resti</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>coerente con la traduzione numerica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Parola candidata</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Rappresenta</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Errore del programma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Errore del programma</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Inviare un rapporto d&apos;errore?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
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
        <translation>Numra - Cerca una singola parola</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Inserisci la parola da convertire in numeri</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Parola da convertire</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Equivalenti numerici</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Converti la parola nei suoi equivalenti numerici</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Cancella la parola</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Copia negli appunti il numero e la parola scelti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Annulla &amp; chiudi la finestra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Stato della ricerca</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Equivalente numerico</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Inserisci il numero da convertire</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Numero da convertire</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Parole candidate</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Frase scelta</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Prefissi  &amp; suffissi</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Parola scelta</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Prefissi e suffissi</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Inizia da</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Includi nella conversione la cifra più a sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Includi nella conversione la cifra più a destra</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Ovunque </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Converti la sequenza di cifre più lunga</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Converti negli equivalenti alfabetici</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Cancella il modulo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Copia negli appunti il numero e la frase</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Cerca l&apos;equivalente numerico di una parola</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>F&amp;rasi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>&amp;Suggerisci frasi...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Suggerisci frasi complete per le cifre libere</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>So&amp;mmario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Notifica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Affisso</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Rappresenta</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Parola candidata</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Parola scelta</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Non è possibile inserire più di %1 caratteri</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiato: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>&amp;Classifica numeri...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Classifica un elenco di numeri in base alle frasi che compongono</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Notifica di nuove versioni</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Avvisami delle nuove versioni</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Ricordami più tardi</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Il tuo indirizzo resterà riservato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TRankForm</name>
    <message>
        <source>Numra - Rank Numbers</source>
        <translation>Numra - Classifica numeri</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>Con&amp;tenente:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Mantieni solo i numeri che possono comporre questa parola, con la frase migliore che la contiene; Invio applica il filtro</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Parola cercata</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>qualsiasi parola</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Classifica di nuovo l&apos;elenco per la parola cercata</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtra</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Numeri classificati</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>I numeri dell&apos;elenco, a partire dal numero mnemonico migliore</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Avanzamento della classificazione</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Interrompi la classificazione; i numeri già classificati restano nell&apos;elenco</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Stato della classificazione</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Scegli un altro elenco di numeri da classificare</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Copia negli appunti la riga scelta</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Salva l&apos;elenco classificato come file CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Chiudi la finestra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Numero mnemonico</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Classificazione di %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Numeri classificati: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Annullato. Numeri classificati: %1 in %2 s</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Numeri classificati: %1 in %2 s</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(righe rifiutate: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Apri elenco di numeri</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Elenchi di numeri (*.txt *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiato: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Esporta numeri classificati</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>La classificazione si è interrotta: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(nessuna frase può contenere %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Frasi suggerite</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Frasi suggerite</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Fai doppio clic su una frase, o premi Invio su di essa, per usarla</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Consenti alle parole di rappresentare anche le cifre del prefisso internazionale e locale</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Parole nel &amp;prefisso</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Proponi anche le parole che i dati di classificazione indicano come offensive</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Consenti parole &amp;offensive</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Stato dei suggerimenti</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Copia negli appunti il numero mnemonico scelto</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Inserisci la frase scelta nel numero</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usa</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Chiudi senza modificare nulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Numero mnemonico</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Nessuna frase facile da ricordare per %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 frase facile da ricordare in %1 s</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>%1 frasi facili da ricordare in %2 s</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiato: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Trova le parole che compongono un numero di telefono sulla tastiera del telefono.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Usa FILE come dizionario, come farebbe File &gt; Apri.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Mostra le finestre nella lingua CODE (de, fr ...) invece di quella del sistema; en per l&apos;inglese.</translation>
    </message>
</context>
</TS>
