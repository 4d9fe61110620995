<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CandidateModel</name>
    <message>
        <source>name</source>
        <translation>nom propre</translation>
    </message>
</context>
<context>
    <name>DictionaryInUse</name>
    <message>
        <source>Open Dictionary</source>
        <translation>Ouvrir un dictionnaire</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Documents texte (*.txt)</translation>
    </message>
    <message>
        <source>Numra can make a dictionary in %1 from your system&apos;s word list. Make it now, or choose a dictionary file?</source>
        <translation>Numra peut créer un dictionnaire en %1 à partir de la liste de mots de votre système. Le créer maintenant, ou choisir un fichier de dictionnaire ?</translation>
    </message>
    <message>
        <source>&amp;Make Dictionary</source>
        <translation>&amp;Créer le dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Choose File...</source>
        <translation>Choisir un &amp;fichier...</translation>
    </message>
    <message>
        <source>The dictionary could not be made: %1</source>
        <translation>Le dictionnaire n&apos;a pas pu être créé : %1</translation>
    </message>
</context>
<context>
    <name>DictionaryMaker</name>
    <message>
        <source>Could not create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Making the dictionary %1 ...</source>
        <translation>Création du dictionnaire %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>DictionaryWarning</name>
    <message>
        <source>Can Not Open %1 in %2</source>
        <translation>Impossible d&apos;ouvrir %1 dans %2</translation>
    </message>
    <message>
        <source>Error Reading Dictionary %1</source>
        <translation>Erreur de lecture du dictionnaire %1</translation>
    </message>
    <message>
        <source> %1 Matches out of %2 words in %3 secs</source>
        <translation> Résultats&#xa0;: %1 sur %2 mots en %3 s</translation>
    </message>
    <message>
        <source>No Dictionary Open</source>
        <translation>Aucun dictionnaire ouvert</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Call Stack</source>
        <translation>Pile d&apos;appels</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Compact &lt;&lt;</source>
        <translation>Réduire &lt;&lt;</translation>
    </message>
    <message>
        <source>Details &gt;&gt;</source>
        <translation>Détails &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>ErrorLogger</name>
    <message>
        <source>Registers not available.</source>
        <translation>Registres non disponibles.</translation>
    </message>
    <message>
        <source>Call Stack:</source>
        <translation>Pile d&apos;appels&#xa0;:</translation>
    </message>
    <message>
        <source>Registers:</source>
        <translation>Registres&#xa0;:</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Compléments</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>exception inconnue</translation>
    </message>
    <message>
        <source>Call stack not available.</source>
        <translation>Pile d&apos;appels non disponible.</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.</source>
        <translation>Exception %1 dans le module %2 à l&apos;adresse %3.</translation>
    </message>
    <message>
        <source>Exception %1.</source>
        <translation>Exception %1.</translation>
    </message>
    <message>
        <source>Source: %1, line %2</source>
        <translation>Source&#xa0;: %1, ligne %2</translation>
    </message>
</context>
<context>
    <name>LookupResultModel</name>
    <message>
        <source>No Numeric Equivalent</source>
        <translation>Aucun équivalent numérique</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Numra Help</source>
        <translation>Aide de Numra</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened.</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1.</translation>
    </message>
    <message>
        <source>Could not write the settings to %1</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1</translation>
    </message>
</context>
<context>
    <name>ReportClosing</name>
    <message>
        <source>The error log could not be written anywhere.</source>
        <translation>Le journal d&apos;erreurs n&apos;a pu être écrit nulle part.</translation>
    </message>
    <message>
        <source>Please copy this report and email it to %1</source>
        <translation>Veuillez copier ce rapport et l&apos;envoyer par courriel à %1</translation>
    </message>
    <message>
        <source>Please email the NumraError.Log to %1</source>
        <translation>Veuillez envoyer le fichier NumraError.Log par courriel à %1</translation>
    </message>
    <message>
        <source>The log can be found in the same directory as Numra.exe</source>
        <translation>Le journal se trouve dans le même dossier que Numra.exe</translation>
    </message>
    <message>
        <source>The log can be found in %1</source>
        <translation>Le journal se trouve dans %1</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>How To Report Error</source>
        <translation>Comment signaler l&apos;erreur</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Numra</source>
        <translation>À propos de Numra</translation>
    </message>
    <message>
        <source>Numra</source>
        <translation>Numra</translation>
    </message>
    <message>
        <source>Send e-mail to the maker</source>
        <translation>Envoyer un courriel à l&apos;éditeur</translation>
    </message>
    <message>
        <source>Open the maker&apos;s home page</source>
        <translation>Ouvrir la page d&apos;accueil de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Numra picture</source>
        <translation>Image de Numra</translation>
    </message>
    <message>
        <source>Numra animation</source>
        <translation>Animation de Numra</translation>
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
        <translation>Numra - Corriger l&apos;orthographe du mot racine</translation>
    </message>
    <message>
        <source>Combined word and the digits it represents</source>
        <translation>Mot combiné et les chiffres qu&apos;il représente</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>If you correct spelling,  make sure it remains</source>
        <translation>Si vous corrigez l&apos;orthographe, veillez à ce qu&apos;elle</translation>
    </message>
    <message>
        <source>consistant with the numeric translation</source>
        <translation>reste cohérente avec la traduction numérique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Mot candidat</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Représente</translation>
    </message>
</context>
<context>
    <name>TExceptionForm</name>
    <message>
        <source>Numra - Programming Error</source>
        <translation>Numra - Erreur de programmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Programming Error</source>
        <translation>Erreur de programmation</translation>
    </message>
    <message>
        <source>Email an Error Report?</source>
        <translation>Envoyer un rapport d&apos;erreur&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TLookupForm</name>
    <message>
        <source>Numra - Lookup Individual Word</source>
        <translation>Numra - Chercher un mot</translation>
    </message>
    <message>
        <source>Enter word to convert to numbers</source>
        <translation>Saisir le mot à traduire en chiffres</translation>
    </message>
    <message>
        <source>Word to convert</source>
        <translation>Mot à traduire</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Numeric equivalents</source>
        <translation>Équivalents numériques</translation>
    </message>
    <message>
        <source>Convert word to numeric equivalents</source>
        <translation>Traduire le mot en équivalents numériques</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Traduire</translation>
    </message>
    <message>
        <source>Clear word</source>
        <translation>Effacer le mot</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Copies selected number and word to clipboard</source>
        <translation>Copie le numéro sélectionné et le mot dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cancel &amp; Close Window</source>
        <translation>Annuler &amp; fermer la fenêtre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lookup status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Numeric Equivalent</source>
        <translation>Équivalent numérique</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Enter Number to Convert</source>
        <translation>Saisir le numéro à traduire</translation>
    </message>
    <message>
        <source>Number to convert</source>
        <translation>Numéro à traduire</translation>
    </message>
    <message>
        <source>Candidate words</source>
        <translation>Mots candidats</translation>
    </message>
    <message>
        <source>Selected phrase</source>
        <translation>Expression sélectionnée</translation>
    </message>
    <message>
        <source>Prefixes  &amp; Suffixes</source>
        <translation>Préfixes  &amp; suffixes</translation>
    </message>
    <message>
        <source>Selected word</source>
        <translation>Mot sélectionné</translation>
    </message>
    <message>
        <source>Prefixes and suffixes</source>
        <translation>Préfixes et suffixes</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Include leftmost digit in conversion</source>
        <translation>Inclure le chiffre le plus à gauche dans la traduction</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Include rightmost digit in conversion</source>
        <translation>Inclure le chiffre le plus à droite dans la traduction</translation>
    </message>
    <message>
        <source>Any Point </source>
        <translation>Partout </translation>
    </message>
    <message>
        <source>Convert longest string of digits</source>
        <translation>Traduire la plus longue suite de chiffres</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Traduire</translation>
    </message>
    <message>
        <source>Convert to alpha equivalents</source>
        <translation>Traduire en lettres</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear form</source>
        <translation>Effacer le formulaire</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy number and phrase to clipboard</source>
        <translation>Copier le numéro et l&apos;expression dans le presse-papiers</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Lookup numeric equivalent of a word</source>
        <translation>Chercher l&apos;équivalent numérique d&apos;un mot</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Phrases</source>
        <translation>&amp;Expressions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Suggest Phrases...</source>
        <translation>&amp;Suggérer des expressions...</translation>
    </message>
    <message>
        <source>Suggest complete phrases for the free digits</source>
        <translation>Suggérer des expressions complètes pour les chiffres libres</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Notify</source>
        <translation>&amp;Notification</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Prefix or Suffix</source>
        <translation>Préfixe/suffixe</translation>
    </message>
    <message>
        <source>Represents</source>
        <translation>Représente</translation>
    </message>
    <message>
        <source>Candidate Word</source>
        <translation>Mot candidat</translation>
    </message>
    <message>
        <source>Selected Word</source>
        <translation>Mot sélectionné</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Numra %1</source>
        <translation>Numra %1</translation>
    </message>
    <message>
        <source>Entry Can Not Exceed %1 Characters</source>
        <translation>La saisie ne peut pas dépasser %1 caractères</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Rank Numbers...</source>
        <translation>C&amp;lasser des numéros...</translation>
    </message>
    <message>
        <source>Rank a list of numbers by the phrases they spell</source>
        <translation>Classer une liste de numéros selon les expressions qu&apos;ils forment</translation>
    </message>
</context>
<context>
    <name>TNotifyForm</name>
    <message>
        <source>New Release Notification</source>
        <translation>Notification de nouvelle version</translation>
    </message>
    <message>
        <source>Please notify me of new releases</source>
        <translation>M&apos;avertir des nouvelles versions</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Rappeler plus tard</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Your address will be kept private</source>
        <translation>Votre adresse restera confidentielle</translation>
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
        <translation>Numra - Classer des numéros</translation>
    </message>
    <message>
        <source>Con&amp;taining:</source>
        <translation>Con&amp;tenant&#xa0;:</translation>
    </message>
    <message>
        <source>Keep only the numbers that can spell this word, with the best phrase that holds it; Enter applies it</source>
        <translation>Ne garder que les numéros qui peuvent former ce mot, chacun avec la meilleure expression qui le contient&#xa0;; Entrée applique le filtre</translation>
    </message>
    <message>
        <source>Wanted word</source>
        <translation>Mot recherché</translation>
    </message>
    <message>
        <source>any word</source>
        <translation>n&apos;importe quel mot</translation>
    </message>
    <message>
        <source>Rank the list again for the wanted word</source>
        <translation>Reclasser la liste pour le mot recherché</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrer</translation>
    </message>
    <message>
        <source>Ranked numbers</source>
        <translation>Numéros classés</translation>
    </message>
    <message>
        <source>The numbers of the list, the best vanity number first</source>
        <translation>Les numéros de la liste, le meilleur numéro mnémonique en premier</translation>
    </message>
    <message>
        <source>Ranking progress</source>
        <translation>Progression du classement</translation>
    </message>
    <message>
        <source>Stop ranking; the numbers ranked so far stay listed</source>
        <translation>Arrêter le classement&#xa0;; les numéros déjà classés restent affichés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ranking status</source>
        <translation>État du classement</translation>
    </message>
    <message>
        <source>Choose another list of numbers to rank</source>
        <translation>Choisir une autre liste de numéros à classer</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Copy the chosen row to the clipboard</source>
        <translation>Copier la ligne choisie dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save the ranked list as a CSV file</source>
        <translation>Enregistrer la liste classée dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>N° mnémonique</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Ranking %1 ...</source>
        <translation>Classement de %1 ...</translation>
    </message>
    <message>
        <source>%1 numbers ranked ...</source>
        <translation>Numéros classés&#xa0;: %1 ...</translation>
    </message>
    <message>
        <source>Can Not Open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Cancelled: %1 numbers ranked in %2 secs</source>
        <translation>Annulé. Numéros classés&#xa0;: %1 en %2 s</translation>
    </message>
    <message>
        <source>%1 numbers ranked in %2 secs</source>
        <translation>Numéros classés&#xa0;: %1 en %2 s</translation>
    </message>
    <message>
        <source>(%1 lines refused)</source>
        <translation>(lignes refusées&#xa0;: %1)</translation>
    </message>
    <message>
        <source>Open List of Numbers</source>
        <translation>Ouvrir une liste de numéros</translation>
    </message>
    <message>
        <source>Lists of numbers (*.txt *.csv);;All files (*)</source>
        <translation>Listes de numéros (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export Ranked Numbers</source>
        <translation>Exporter les numéros classés</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The ranking stopped: %1</source>
        <translation>Le classement s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>(no phrase can hold %1)</source>
        <translation>(aucune expression ne peut contenir %1)</translation>
    </message>
</context>
<context>
    <name>TSuggestForm</name>
    <message>
        <source>Numra - Suggested Phrases</source>
        <translation>Numra - Expressions suggérées</translation>
    </message>
    <message>
        <source>Suggested phrases</source>
        <translation>Expressions suggérées</translation>
    </message>
    <message>
        <source>Double-click a phrase, or press Enter on it, to use it</source>
        <translation>Double-cliquez sur une expression, ou appuyez sur Entrée, pour l&apos;utiliser</translation>
    </message>
    <message>
        <source>Let words stand for the country and area code digits too</source>
        <translation>Remplacer aussi par des mots les chiffres de l&apos;indicatif du pays et de la région</translation>
    </message>
    <message>
        <source>Words in the &amp;area code</source>
        <translation>Mots dans l&apos;&amp;indicatif</translation>
    </message>
    <message>
        <source>Offer words that the ranking data marks as offensive</source>
        <translation>Proposer aussi les mots que les données de classement marquent comme grossiers</translation>
    </message>
    <message>
        <source>Allow &amp;offensive words</source>
        <translation>&amp;Autoriser les grossièretés</translation>
    </message>
    <message>
        <source>Suggestion status</source>
        <translation>État des suggestions</translation>
    </message>
    <message>
        <source>Copy the chosen vanity number to the clipboard</source>
        <translation>Copier le numéro mnémonique choisi dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Put the chosen phrase into the number</source>
        <translation>Insérer l&apos;expression choisie dans le numéro</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>Close without changing anything</source>
        <translation>Fermer sans rien modifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Vanity Number</source>
        <translation>N° mnémonique</translation>
    </message>
    <message>
        <source>No memorable phrase for %1</source>
        <translation>Aucune expression mémorable pour %1</translation>
    </message>
    <message>
        <source>1 memorable phrase in %1 secs</source>
        <translation>1 expression mémorable en %1 s</translation>
    </message>
    <message>
        <source>%1 memorable phrases in %2 secs</source>
        <translation>%1 expressions mémorables en %2 s</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Finds the words that spell a telephone number on a keypad.</source>
        <translation>Trouve les mots qui forment un numéro de téléphone sur un clavier téléphonique.</translation>
    </message>
    <message>
        <source>Use FILE as the dictionary, as File &gt; Open would.</source>
        <translation>Utiliser FILE comme dictionnaire, comme le ferait Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>Show the windows in the language CODE (de, fr ...) instead of the system&apos;s; en for English.</source>
        <translation>Afficher les fenêtres dans la langue CODE (de, fr ...) au lieu de celle du système&#xa0;; en pour l&apos;anglais.</translation>
    </message>
</context>
</TS>
