<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
