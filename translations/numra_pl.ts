<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>nazwa własna</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Otwórz słownik</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Dokumenty tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra może utworzyć słownik (%1) z listy słów systemu. Utworzyć go teraz czy wybrać plik słownika?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Utwórz słownik</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Wybierz plik...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Nie można utworzyć słownika: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Nie można utworzyć %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Tworzenie słownika %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Nie można otworzyć %1 w %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Błąd odczytu słownika %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Dopasowania: %1, liczba słów: %2, czas: %3 s</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Brak otwartego słownika</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Stos wywołań</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Rejestry</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Mniej &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Szczegóły &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Rejestry niedostępne.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Stos wywołań:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Rejestry:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Dodatkowe</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>nieznany wyjątek</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Stos wywołań niedostępny.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Wyjątek %1 w module %2 pod adresem %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Wyjątek %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Źródło: %1, wiersz %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Brak odpowiednika liczbowego</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Pomoc programu Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Nie można otworzyć pliku pomocy %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Nie można zapisać ustawień w %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Nie udało się nigdzie zapisać dziennika błędów.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Skopiuj ten raport i wyślij go e-mailem na adres %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Wyślij plik NumraError.Log e-mailem na adres %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Dziennik znajduje się w tym samym katalogu co Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Dziennik znajduje się w %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Dziękujemy</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Jak zgłosić błąd</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>O programie Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Wyślij e-mail do twórcy</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Otwórz stronę domową twórcy</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Obrazek programu Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Animacja programu Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Poprawianie pisowni słowa podstawowego</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Połączone słowo i cyfry, które oznacza</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Poprawiając pisownię, upewnij się, że pozostaje</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>zgodna z odpowiednikiem liczbowym</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Możliwe słowo</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Oznacza</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Błąd programistyczny</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Błąd programistyczny</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Wysłać raport o błędzie?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Sprawdzanie pojedynczego słowa</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Wpisz słowo do zamiany na cyfry</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Słowo do zamiany</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Odpowiedniki liczbowe</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Zamień słowo na odpowiedniki liczbowe</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Wyczyść słowo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Kopiuje wybrany numer i słowo do schowka</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Anuluj &amp; zamknij okno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Stan sprawdzania</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Odpowiednik liczbowy</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Wpisz numer do zamiany</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Numer do zamiany</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Możliwe słowa</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Wybrana fraza</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Prefiksy  &amp; sufiksy</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Wybrane słowo</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Prefiksy i sufiksy</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Zamiana</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Od lewej</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Uwzględnij w zamianie skrajną lewą cyfrę</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Od prawej</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Uwzględnij w zamianie skrajną prawą cyfrę</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Dowolnie </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Zamień najdłuższy ciąg cyfr</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Zamień na odpowiedniki literowe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Wyczyść formularz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Kopiuj numer i frazę do schowka</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Sprawdź odpowiednik liczbowy słowa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>&amp;Frazy</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>&amp;Zaproponuj frazy...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Zaproponuj pełne frazy dla wolnych cyfr</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O p&amp;rogramie</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>Po&amp;wiadomienia</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Prefiks/sufiks</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Oznacza</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Możliwe słowo</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Wybrane słowo</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Nie można otworzyć %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Liczba znaków nie może przekraczać %1</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Skopiowano: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>&amp;Uszereguj numery...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Uszereguj listę numerów według fraz, które tworzą</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Powiadomienie o nowej wersji</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Powiadamiaj mnie o nowych wersjach</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Przypomnij później</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Nie pokazuj więcej tego komunikatu</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Twój adres pozostanie poufny</translation>
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
        <translation>Numra - Szeregowanie numerów</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>&amp;Zawiera:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Zachowaj tylko numery, które mogą utworzyć to słowo, z najlepszą frazą, która je zawiera; Enter stosuje filtr</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Szukane słowo</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>dowolne słowo</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Uszereguj listę ponownie dla szukanego słowa</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtruj</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Uszeregowane numery</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Numery z listy, od najlepszego numeru literowego</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Postęp szeregowania</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Przerwij szeregowanie; dotąd uszeregowane numery pozostaną na liście</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Stan szeregowania</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Wybierz inną listę numerów do uszeregowania</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Kopiuj wybrany wiersz do schowka</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Zapisz uszeregowaną listę jako plik CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Numer literowy</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Fraza</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Koszt</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Szeregowanie: %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Uszeregowane numery: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Nie można otworzyć %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Anulowano. Uszeregowane numery: %1, czas: %2 s</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Uszeregowane numery: %1, czas: %2 s</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(odrzucone wiersze: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Otwórz listę numerów</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Listy numerów (*.txt *.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Skopiowano: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Eksportuj uszeregowane numery</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Wyeksportowano do %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Szeregowanie przerwane: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(żadna fraza nie może zawierać %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Proponowane frazy</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Proponowane frazy</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Kliknij dwukrotnie frazę lub naciśnij na niej Enter, aby jej użyć</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Pozwól, aby słowa zastępowały także cyfry numerów kierunkowych kraju i strefy</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Słowa w &amp;numerze kierunkowym</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Proponuj słowa, które dane rankingowe oznaczają jako obraźliwe</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Dopuszczaj &amp;obraźliwe słowa</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Stan propozycji</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Kopiuj wybrany numer literowy do schowka</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Wstaw wybraną frazę do numeru</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Użyj</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Zamknij bez wprowadzania zmian</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Fraza</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Numer literowy</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Brak frazy łatwej do zapamiętania dla %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 fraza łatwa do zapamiętania, czas: %1 s</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>Frazy łatwe do zapamiętania: %1, czas: %2 s</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Skopiowano: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Znajduje słowa, które na klawiaturze telefonu odpowiadają numerowi telefonu.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Użyj pliku FILE jako słownika, tak jak Plik &gt; Otwórz.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Wyświetlaj okna w języku CODE (de, fr ...) zamiast języka systemu; en – angielski.</translation>
    </message>
</context>
</TS>
