<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>ім&apos;я</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Відкрити словник</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Текстові документи (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra може створити словник (%1) зі списку слів вашої системи. Створити його зараз чи вибрати файл словника?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Створити словник</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Вибрати файл...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Не вдалося створити словник: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Не вдалося створити %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Створення словника %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>скасовано</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Не вдалося відкрити %1 у %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Помилка читання словника %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Збігів: %1 (усього слів: %2), час: %3 с</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Словник не відкрито</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Помилка програми</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Стек викликів</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Регістри</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Стисло &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Подробиці &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Регістри недоступні.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Стек викликів:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Регістри:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Додатково</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>невідомий виняток</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Стек викликів недоступний.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Виняток %1 у модулі %2 за адресою %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Виняток %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Джерело: %1, рядок %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Немає числового відповідника</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Довідка Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст довідки</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Не вдалося відкрити файл довідки %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Не вдалося записати параметри до %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Журнал помилок не вдалося записати в жодне місце.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Скопіюйте цей звіт і надішліть його електронною поштою на адресу %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Надішліть файл NumraError.Log електронною поштою на адресу %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Журнал розташовано в тому самому каталозі, що й Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Журнал розташовано в каталозі %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Дякуємо</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Як повідомити про помилку</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>Про Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Надіслати лист розробникові</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Відкрити домашню сторінку розробника</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Зображення Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Анімація Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Виправлення написання основного слова</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Складене слово та цифри, яким воно відповідає</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Якщо виправляєте написання, переконайтеся,</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>що воно відповідає числовому перетворенню</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Можливе слово</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Цифри</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Програмна помилка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Програмна помилка</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Надіслати звіт про помилку?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Пошук окремого слова</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Введіть слово для перетворення на цифри</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Слово для перетворення</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Числові відповідники</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Перетворити слово на числові відповідники</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Виконати</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Очистити слово</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Копіює вибраний номер і слово в буфер обміну</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>У буфер</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Скасувати &amp; закрити вікно</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Стан пошуку</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Числовий відповідник</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Введіть номер для перетворення</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Номер для перетворення</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Можливі слова</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Вибрана фраза</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Афікси</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Вибране слово</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Префікси й суфікси</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Зліва</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Враховувати крайню ліву цифру під час перетворення</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Враховувати крайню праву цифру під час перетворення</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Будь-де </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Перетворити найдовшу послідовність цифр</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Підбір</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Перетворити на літерні відповідники</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Очистити форму</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>У буфер</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Копіювати номер і фразу в буфер обміну</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Знайти числовий відповідник слова</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>Ф&amp;рази</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>Запропо&amp;нувати фрази...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Запропонувати повні фрази для вільних цифр</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Сповіщення</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Префікс/суфікс</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Цифри</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Можливе слово</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Вибране слово</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Не вдалося відкрити %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Кількість символів у записі не може перевищувати %1</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопійовано: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>Р&amp;анжувати номери...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Ранжувати список номерів за фразами, якими їх можна записати</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Сповіщення про нові версії</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Повідомляти мене про нові версії</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Нагадати пізніше</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Більше не показувати це повідомлення</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Вашу адресу не буде розголошено</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>TRankForm</name>
    <message>
        <source>Numra - Rank Numbers</source>
        <translation>Numra - Ранжування номерів</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>&amp;Містить:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Залишити лише номери, якими можна записати це слово, з найкращою фразою, що його містить; Enter застосовує фільтр</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Шукане слово</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>будь-яке слово</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Заново ранжувати список для шуканого слова</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Фільтр</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Ранжовані номери</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Номери зі списку, найкращий буквений номер першим</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Хід ранжування</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Зупинити ранжування; уже ранжовані номери залишаються в списку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Стан ранжування</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Вибрати інший список номерів для ранжування</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Відкрити...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Копіювати вибраний рядок у буфер обміну</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;У буфер</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Зберегти ранжований список у файлі CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Експорт...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Буквений номер</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Фраза</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Штраф</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Ранжування %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Ранжовано номерів: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Не вдалося відкрити %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Скасовано. Ранжовано номерів: %1 (час: %2 с)</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Ранжовано номерів: %1 (час: %2 с)</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(відхилено рядків: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Відкрити список номерів</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Списки номерів (*.txt *.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопійовано: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Експорт ранжованих номерів</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Експортовано у файл %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Ранжування перервано: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(жодна фраза не може містити %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Запропоновані фрази</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Запропоновані фрази</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Щоб використати фразу, двічі клацніть її або натисніть на ній Enter</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Дозволити словам заміняти також цифри коду країни та коду міста</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Слова в &amp;коді міста</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Пропонувати також слова, які дані рейтингу позначають як образливі</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Дозволити &amp;образливі слова</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Стан пропозицій</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Копіювати вибраний буквений номер у буфер обміну</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;У буфер</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Підставити вибрану фразу в номер</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Використати</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Закрити без жодних змін</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Фраза</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Буквений номер</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Для %1 немає фрази, яку легко запам&apos;ятати</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>Одна фраза, яку легко запам&apos;ятати (час: %1 с)</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>Фраз, які легко запам&apos;ятати: %1 (час: %2 с)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопійовано: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Знаходить слова, якими можна записати телефонний номер на клавіатурі телефону.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Використати FILE як словник, так само як Файл &gt; Відкрити.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Показувати вікна мовою CODE (de, fr ...) замість мови системи; en — англійська.</translation>
    </message>
</context>
</TS>
