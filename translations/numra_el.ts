<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>όνομα</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Άνοιγμα λεξικού</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Έγγραφα κειμένου (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Το Numra μπορεί να δημιουργήσει λεξικό (%1) από τη λίστα λέξεων του συστήματός σας. Να δημιουργηθεί τώρα ή να επιλέξετε αρχείο λεξικού;</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Δημιουργία λεξικού</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Επιλογή αρχείου...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του λεξικού: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Δημιουργία του λεξικού %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>ακυρώθηκε</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του %1 στο %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Σφάλμα ανάγνωσης του λεξικού %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Αντιστοιχίες: %1 (σύνολο λέξεων: %2), χρόνος: %3 δευτ.</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Κανένα ανοιχτό λεξικό</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Σφάλμα εφαρμογής</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Στοίβα κλήσεων</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Καταχωρητές</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Σύμπτυξη &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Λεπτομέρειες &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Οι καταχωρητές δεν είναι διαθέσιμοι.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Στοίβα κλήσεων:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Καταχωρητές:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Πρόσθετα</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>άγνωστη εξαίρεση</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Η στοίβα κλήσεων δεν είναι διαθέσιμη.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Εξαίρεση %1 στην υπομονάδα %2 στη διεύθυνση %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Εξαίρεση %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Πηγή: %1, γραμμή %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Κανένα αριθμητικό ισοδύναμο</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Βοήθεια του Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Κείμενο βοήθειας</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του αρχείου βοήθειας %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Δεν ήταν δυνατή η εγγραφή των ρυθμίσεων στο %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου καταγραφής σφαλμάτων πουθενά.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Αντιγράψτε αυτή την αναφορά και στείλτε τη με email στο %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Στείλτε το αρχείο NumraError.Log με email στο %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Το αρχείο καταγραφής βρίσκεται στον ίδιο φάκελο με το Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Το αρχείο καταγραφής βρίσκεται στον φάκελο %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Σας ευχαριστούμε</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Πώς να αναφέρετε το σφάλμα</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>Σχετικά με το Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Αποστολή email στον δημιουργό</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Άνοιγμα της αρχικής σελίδας του δημιουργού</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Εικόνα του Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Κινούμενη εικόνα του Numra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
</context>
<context>
    <name>TAffixForm</name>
    <message>
        <source>Numra - Correct Root Word Spelling</source>
        <translation>Numra - Διόρθωση ορθογραφίας της λέξης-ρίζας</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Συνδυασμένη λέξη και τα ψηφία που αναπαριστά</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Προσοχή</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Αν διορθώσετε την ορθογραφία, βεβαιωθείτε ότι</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>συμφωνεί ακόμη με την αριθμητική μετατροπή</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Υποψήφια λέξη</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Ψηφία</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Σφάλμα προγραμματισμού</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Σφάλμα προγραμματισμού</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Αποστολή αναφοράς σφάλματος;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Εύρεση μεμονωμένης λέξης</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Εισαγάγετε λέξη για μετατροπή σε αριθμούς</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Λέξη για μετατροπή</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Αριθμητικά ισοδύναμα</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Μετατροπή της λέξης σε αριθμητικά ισοδύναμα</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Εκτέλεση</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Απαλοιφή λέξης</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Απαλοιφή</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Αντιγράφει τον επιλεγμένο αριθμό και τη λέξη στο Πρόχειρο</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγρ.</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Ακύρωση &amp; κλείσιμο παραθύρου</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>Κατάσταση εύρεσης</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Αριθμητικό ισοδύναμο</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Εισαγάγετε τον αριθμό για μετατροπή</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Αριθμός για μετατροπή</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Υποψήφιες λέξεις</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Επιλεγμένη φράση</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Προσφύματα</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Επιλεγμένη λέξη</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Προθήματα και επιθήματα</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Αφετηρία</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Αριστερά</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Συμπερίληψη του αριστερότερου ψηφίου στη μετατροπή</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Δεξιά</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Συμπερίληψη του δεξιότερου ψηφίου στη μετατροπή</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Παντού </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Μετατροπή της μεγαλύτερης σειράς ψηφίων</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Εκτέλεση</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Μετατροπή σε αλφαβητικά ισοδύναμα</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Απαλοιφή</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Απαλοιφή φόρμας</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγρ.</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Αντιγραφή του αριθμού και της φράσης στο Πρόχειρο</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Εύρεση</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Εύρεση του αριθμητικού ισοδύναμου μιας λέξης</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>&amp;Φράσεις</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>Π&amp;ρόταση φράσεων...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Πρόταση πλήρων φράσεων για τα ελεύθερα ψηφία</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Περιεχόμενα</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Ειδοποίηση</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Πρόθημα/επίθημα</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Ψηφία</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Υποψήφια λέξη</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Επιλεγμένη λέξη</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>Ο αριθμός χαρακτήρων της καταχώρισης δεν μπορεί να υπερβαίνει το %1</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Αντιγράφηκε: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>&amp;Κατάταξη αριθμών...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Κατάταξη μιας λίστας αριθμών με βάση τις φράσεις που σχηματίζουν</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Ειδοποίηση για νέες εκδόσεις</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>Να ειδοποιούμαι για νέες εκδόσεις</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Υπενθύμιση αργότερα</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Να μην εμφανιστεί ξανά το μήνυμα</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Η διεύθυνσή σας θα μείνει ιδιωτική</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>TRankForm</name>
    <message>
        <source>Numra - Rank Numbers</source>
        <translation>Numra - Κατάταξη αριθμών</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>&amp;Περιέχει:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Να διατηρούνται μόνο οι αριθμοί που μπορούν να σχηματίσουν αυτή τη λέξη, με την καλύτερη φράση που την περιέχει· το Enter εφαρμόζει το φίλτρο</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Ζητούμενη λέξη</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>οποιαδήποτε λέξη</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Νέα κατάταξη της λίστας για τη ζητούμενη λέξη</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Φίλτρο</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Κατατεταγμένοι αριθμοί</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Οι αριθμοί της λίστας, πρώτα ο καλύτερος αριθμός-λέξη</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Πρόοδος κατάταξης</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Διακοπή της κατάταξης· οι αριθμοί που έχουν καταταχθεί ως τώρα παραμένουν στη λίστα</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>Κατάσταση κατάταξης</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Επιλογή άλλης λίστας αριθμών για κατάταξη</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ά&amp;νοιγμα...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Αντιγραφή της επιλεγμένης γραμμής στο Πρόχειρο</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Αντιγρ.</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Αποθήκευση της λίστας κατάταξης ως αρχείου CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Εξαγωγή...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Κλείσιμο του παραθύρου</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Αριθμός</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Αριθμός-λέξη</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Φράση</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Κόστος</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Κατάταξη του %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Αριθμοί που κατατάχθηκαν: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Ακυρώθηκε. Αριθμοί που κατατάχθηκαν: %1 (χρόνος: %2 δευτ.)</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Αριθμοί που κατατάχθηκαν: %1 (χρόνος: %2 δευτ.)</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(γραμμές που απορρίφθηκαν: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Άνοιγμα λίστας αριθμών</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Λίστες αριθμών (*.txt *.csv);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Αντιγράφηκε: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Εξαγωγή κατάταξης αριθμών</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Έγινε εξαγωγή στο %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Η κατάταξη διακόπηκε: %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(καμία φράση δεν μπορεί να περιέχει το %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Προτεινόμενες φράσεις</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Προτεινόμενες φράσεις</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Για να χρησιμοποιήσετε μια φράση, κάντε διπλό κλικ σε αυτή ή πατήστε Enter πάνω της</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Να αντιστοιχούν λέξεις και στα ψηφία του κωδικού χώρας και περιοχής</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Λέξεις στον &amp;κωδικό περιοχής</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Να προτείνονται και λέξεις που τα δεδομένα κατάταξης χαρακτηρίζουν προσβλητικές</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>Αποδοχή &amp;προσβλητικών λέξεων</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>Κατάσταση προτάσεων</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Αντιγραφή του επιλεγμένου αριθμού-λέξης στο Πρόχειρο</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Αντιγρ.</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Τοποθέτηση της επιλεγμένης φράσης στον αριθμό</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Χρήση</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Κλείσιμο χωρίς καμία αλλαγή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Φράση</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>Αριθμός-λέξη</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Καμία ευκολομνημόνευτη φράση για το %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 ευκολομνημόνευτη φράση (χρόνος: %1 δευτ.)</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>Ευκολομνημόνευτες φράσεις: %1 (χρόνος: %2 δευτ.)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Αντιγράφηκε: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Βρίσκει τις λέξεις που σχηματίζει ένας αριθμός τηλεφώνου στο πληκτρολόγιο του τηλεφώνου.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Χρήση του FILE ως λεξικού, όπως με το Αρχείο &gt; Άνοιγμα.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Εμφάνιση των παραθύρων στη γλώσσα CODE (de, fr ...) αντί για τη γλώσσα του συστήματος· en για αγγλικά.</translation>
    </message>
</context>
</TS>
