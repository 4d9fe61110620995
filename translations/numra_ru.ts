<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>имя собственное</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Открыть словарь</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Текстовые документы (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra может создать словарь (%1) из списка слов вашей системы. Создать его сейчас или выбрать файл словаря?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Создать словарь</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Выбрать файл...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Не удалось создать словарь: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Не удаётся создать %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Создание словаря %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Не удаётся открыть %1 в %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Ошибка чтения словаря %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Совпадений: %1, всего слов: %2, время: %3 с</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Словарь не открыт</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Стек вызовов</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Регистры</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Кратко &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Подробно &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Регистры недоступны.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Стек вызовов:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Регистры:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>неизвестное исключение</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Стек вызовов недоступен.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Исключение %1 в модуле %2 по адресу %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Исключение %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Источник: %1, строка %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Нет числового эквивалента</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Справка Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Не удалось открыть файл справки %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Не удалось записать настройки в %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Журнал ошибок не удалось нигде записать.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Скопируйте этот отчёт и отправьте его по адресу %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Отправьте файл NumraError.Log по адресу %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Журнал находится в той же папке, что и Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Журнал находится в %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Спасибо</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Как сообщить об ошибке</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>О программе Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Отправить письмо автору</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Открыть домашнюю страницу автора</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Рисунок Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Анимация Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Исправление написания основы слова</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Составное слово и цифры, которые оно означает</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Исправляя написание, убедитесь, что оно</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>соответствует числовому эквиваленту</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Возможное слово</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Означает</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Программная ошибка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Программная ошибка</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Отправить отчёт об ошибке?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Поиск отдельного слова</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Введите слово для перевода в цифры</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Слово для перевода</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Числовые эквиваленты</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Перевести слово в числовые эквиваленты</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Очистить слово</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Копирует выбранный номер и слово в буфер обмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>В буфер</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Отменить &amp; закрыть окно</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Состояние поиска</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Числовой эквивалент</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Введите номер для перевода</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Номер для перевода</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Возможные слова</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Выбранная фраза</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Аффиксы</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Выбранное слово</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Префиксы и суффиксы</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Включать в перевод крайнюю левую цифру</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Включать в перевод крайнюю правую цифру</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Где-либо </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Перевести самую длинную последовательность цифр</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Подбор</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Перевести в буквенные эквиваленты</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Очистить форму</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>В буфер</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Копировать номер и фразу в буфер обмена</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Найти числовой эквивалент слова</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>Ф&amp;разы</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>&amp;Предложить фразы...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Предложить целые фразы для свободных цифр</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Со&amp;держание</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Уведомления</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Префикс/суффикс</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Означает</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Возможное слово</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Выбранное слово</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Число символов не может превышать %1</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопировано: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>Ранжировать &amp;номера...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Ранжировать список номеров по фразам, которые из них получаются</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Уведомление о новой версии</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Сообщать мне о новых версиях</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Больше не показывать это сообщение</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Ваш адрес останется конфиденциальным</translation>
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
        <translation>Numra - Ранжирование номеров</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>&amp;Содержит:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Оставить только номера, из которых может получиться это слово, с лучшей фразой, содержащей его; Enter применяет фильтр</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Искомое слово</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>любое слово</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Заново ранжировать список для искомого слова</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Фильтр</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Ранжированные номера</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Номера из списка, начиная с лучшего буквенного номера</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Ход ранжирования</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Остановить ранжирование; уже ранжированные номера останутся в списке</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Состояние ранжирования</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Выбрать другой список номеров для ранжирования</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Копировать выбранную строку в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>В &amp;буфер</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Сохранить ранжированный список в файл CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Буквенный номер</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Фраза</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Ранжирование: %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Ранжировано номеров: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Отменено. Ранжировано номеров: %1, время: %2 с</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Ранжировано номеров: %1, время: %2 с</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(отклонено строк: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Открыть список номеров</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Списки номеров (*.txt *.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопировано: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Экспорт ранжированных номеров</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Экспортировано в %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Ранжирование прервано: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(ни одна фраза не может содержать %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Предлагаемые фразы</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Предлагаемые фразы</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Дважды щёлкните фразу или нажмите на ней Enter, чтобы выбрать её</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Разрешить словам заменять и цифры кода страны и города</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Слова в &amp;коде города</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Предлагать слова, которые данные рейтинга помечают как грубые</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Разрешить &amp;грубые слова</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Состояние предложений</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Копировать выбранный буквенный номер в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>В &amp;буфер</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Подставить выбранную фразу в номер</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Закрыть, ничего не меняя</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Фраза</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Буквенный номер</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Нет запоминающейся фразы для %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 запоминающаяся фраза за %1 с</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>Запоминающихся фраз: %1, время: %2 с</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопировано: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Находит слова, которые на телефонной клавиатуре набирают номер телефона.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Использовать FILE в качестве словаря, как Файл &gt; Открыть.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Показывать окна на языке CODE (de, fr ...) вместо языка системы; en — английский.</translation>
    </message>
</context>
</TS>
