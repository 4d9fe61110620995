<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>Eigenname</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Wörterbuch öffnen</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Textdokumente (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra kann aus der Wortliste Ihres Systems ein Wörterbuch auf %1 erstellen. Jetzt erstellen oder eine Wörterbuchdatei wählen?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>Wörterbuch &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>Datei &amp;wählen...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Das Wörterbuch konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>%1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Das Wörterbuch %1 wird erstellt ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>%1 kann in %2 nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Fehler beim Lesen des Wörterbuchs %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Treffer: %1 von %2 Wörtern in %3 s</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Kein Wörterbuch geöffnet</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Aufrufliste</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Kompakt &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Details &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Register nicht verfügbar.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Aufrufliste:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Register:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Aufrufliste nicht verfügbar.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Ausnahme %1 in Modul %2 bei %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Ausnahme %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Quelle: %1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Kein Zahlenwert</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Numra-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Die Hilfedatei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Das Fehlerprotokoll konnte nirgends gespeichert werden.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Bitte kopieren Sie diesen Bericht und senden Sie ihn per E-Mail an %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Bitte senden Sie die Datei NumraError.Log per E-Mail an %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Das Protokoll befindet sich im selben Verzeichnis wie Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Das Protokoll befindet sich in %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Vielen Dank</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>So melden Sie den Fehler</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>Über Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>E-Mail an den Hersteller senden</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Homepage des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Numra-Bild</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Numra-Animation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Schreibweise des Stammworts korrigieren</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Zusammengesetztes Wort und die Ziffern, für die es steht</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Wenn Sie die Schreibweise korrigieren, muss sie</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>weiterhin zur numerischen Umsetzung passen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Wortkandidat</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Steht für</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Programmierfehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Programmierfehler</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Fehler per E-Mail melden?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Einzelnes Wort abfragen</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Wort eingeben, das in Ziffern umgesetzt werden soll</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Umzusetzendes Wort</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Zahlenwerte</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Wort in Zahlenwerte umsetzen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Eingegebenes Wort löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Kopiert die gewählte Nummer und das Wort in die Zwischenablage</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Abbrechen &amp; Fenster schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Abfragestatus</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Zahlenwert</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Umzusetzende Nummer eingeben</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Umzusetzende Nummer</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Wortkandidaten</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Gewählte Phrase</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Präfixe  &amp; Suffixe</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Gewähltes Wort</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Präfixe und Suffixe</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Ziffer ganz links in die Umsetzung einbeziehen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Ziffer ganz rechts in die Umsetzung einbeziehen</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Beliebig </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Längste Ziffernfolge umsetzen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>In Buchstaben umsetzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Formular leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Nummer und Phrase in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Zahlenwert eines Wortes abfragen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>&amp;Phrasen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>Phrasen &amp;vorschlagen...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Vollständige Phrasen für die freien Ziffern vorschlagen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>Be&amp;nachrichtigung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Präfix/Suffix</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Steht für</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Wortkandidat</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Gewähltes Wort</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Die Eingabe darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>Nummern be&amp;werten...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Eine Liste von Nummern nach den Phrasen bewerten, die sie ergeben</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Benachrichtigung über neue Versionen</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Über neue Versionen benachrichtigen</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Ihre Adresse bleibt vertraulich</translation>
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
        <translation>Numra - Nummern bewerten</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>E&amp;nthält:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Nur die Nummern behalten, die dieses Wort ergeben können, jeweils mit der besten Phrase, die es enthält; die Eingabetaste wendet den Filter an</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Gesuchtes Wort</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>beliebiges Wort</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Die Liste für das gesuchte Wort neu bewerten</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtern</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Bewertete Nummern</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Die Nummern der Liste, die beste Vanity-Nummer zuerst</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Fortschritt der Bewertung</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Bewertung abbrechen; die bisher bewerteten Nummern bleiben in der Liste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Bewertungsstatus</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Eine andere Nummernliste zum Bewerten wählen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Die gewählte Zeile in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Die bewertete Liste als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Vanity-Nummer</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>%1 wird bewertet ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Bewertete Nummern: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Abgebrochen. Bewertete Nummern: %1 in %2 s</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Bewertete Nummern: %1 in %2 s</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(abgewiesene Zeilen: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Nummernliste öffnen</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Nummernlisten (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Bewertete Nummern exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Die Bewertung wurde abgebrochen: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(kein Ausdruck kann %1 enthalten)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Vorgeschlagene Phrasen</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Vorgeschlagene Phrasen</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Doppelklicken Sie auf eine Phrase oder drücken Sie darauf die Eingabetaste, um sie zu übernehmen</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Wörter auch für die Ziffern der Landes- und Ortsvorwahl zulassen</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Wörter in der &amp;Vorwahl</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Auch Wörter anbieten, die in den Bewertungsdaten als anstößig markiert sind</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>&amp;Anstößige Wörter zulassen</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Vorschlagsstatus</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Die gewählte Vanity-Nummer in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Die gewählte Phrase in die Nummer übernehmen</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Schließen, ohne etwas zu ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Vanity-Nummer</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Keine einprägsame Phrase für %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 einprägsame Phrase in %1 s</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>%1 einprägsame Phrasen in %2 s</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Findet die Wörter, die eine Telefonnummer auf einer Telefontastatur ergeben.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>FILE als Wörterbuch verwenden, wie Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Die Fenster in der Sprache CODE (de, fr ...) statt in der Systemsprache anzeigen; en für Englisch.</translation>
    </message>
</context>
</TS>
