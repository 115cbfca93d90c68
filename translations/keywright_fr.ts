<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>KeywrightApplication</name>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilisation incorrecte de Null</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>The system&apos;s random generator is unavailable</source>
        <translation>Le générateur aléatoire du système n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No web browser could be started for this address:

%1

Copy the address into a web browser, or choose a default web browser in the system settings.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour cette adresse&#xa0;:

%1

Copiez l&apos;adresse dans un navigateur web ou choisissez un navigateur par défaut dans les paramètres du système.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Norvik Password Generator is a simple software that assist you to generate a strong password. For help on the usage, please click on the following link:</source>
        <translation>Norvik Password Generator est un logiciel simple qui vous aide à créer un mot de passe robuste. Pour de l&apos;aide sur son utilisation, cliquez sur le lien suivant&#xa0;:</translation>
    </message>
    <message>
        <source>Specific help on each item on the main window is available by hovering on them. For more help on the Password Mask, see link above</source>
        <translation>Survolez un élément de la fenêtre pour afficher son aide. Pour le masque du mot de passe, voir le lien ci-dessus</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close the dialog</source>
        <translation>Fermer la boîte de dialogue</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Système...</translation>
    </message>
    <message>
        <source>Information about your system</source>
        <translation>Informations sur votre système</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The password made by Generate; read only, select it and copy it</source>
        <translation>Le mot de passe créé par Générer&#xa0;; en lecture seule, sélectionnez-le pour le copier</translation>
    </message>
    <message>
        <source>Characters of the password</source>
        <translation>Caractères du mot de passe</translation>
    </message>
    <message>
        <source>Letter case of the password</source>
        <translation>Casse du mot de passe</translation>
    </message>
    <message>
        <source>Please wait while loading ...</source>
        <translation>Veuillez patienter pendant le chargement...</translation>
    </message>
    <message>
        <source>Please wait while generating your random password...</source>
        <translation>Veuillez patienter pendant la création de votre mot de passe...</translation>
    </message>
    <message>
        <source>Please specify only a number between 4 to 255.</source>
        <translation>Veuillez indiquer uniquement un nombre de 4 à 255.</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Copyright © 2026 Norvik. Passwords are made on this computer and never stored.</source>
        <translation>Copyright © 2026 Norvik. Les mots de passe sont créés sur cet ordinateur et jamais enregistrés.</translation>
    </message>
    <message>
        <source>An internal error has occurred during the generating of your password. Please make sure the inputs you have entered is valid. For more help, visit: </source>
        <translation>Une erreur interne s&apos;est produite lors de la création de votre mot de passe. Vérifiez que vos saisies sont valides. Pour plus d&apos;aide, consultez&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Norvik Password Generator</source>
        <translation>Quitter Norvik Password Generator</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About Norvik Password Generator</source>
        <translation>À propos de Norvik Password Generator</translation>
    </message>
    <message>
        <source>Generated Password</source>
        <translation>Mot de passe créé</translation>
    </message>
    <message>
        <source>Password case</source>
        <translation>Casse du mot de passe</translation>
    </message>
    <message>
        <source>Lower cases</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Upper cases</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Mixed cases</source>
        <translation>Mélangées</translation>
    </message>
    <message>
        <source>Prefix of the password (Optional)</source>
        <translation>Préfixe du mot de passe (facultatif)</translation>
    </message>
    <message>
        <source>Suffix of the password (Optional)</source>
        <translation>Suffixe du mot de passe (facultatif)</translation>
    </message>
    <message>
        <source>Alphabets only</source>
        <translation>Lettres seules</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Chiffres seuls</translation>
    </message>
    <message>
        <source>Mixes of Alphabets and numbers</source>
        <translation>Lettres et chiffres mélangés</translation>
    </message>
    <message>
        <source>Password length (Required)</source>
        <translation>Longueur du mot de passe (obligatoire)</translation>
    </message>
    <message>
        <source>Format of the password. More help, see </source>
        <translation>Format du mot de passe. Plus d&apos;aide&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Generate a password</source>
        <translation>Générer un mot de passe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear generated password in the textbox</source>
        <translation>Effacer le mot de passe créé dans la zone de texte</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Password Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Password Mask</source>
        <translation>Masque du mot de passe</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Please wait while processing ...</source>
        <translation>Veuillez patienter pendant le traitement...</translation>
    </message>
</context>
<context>
    <name>keywright</name>
    <message>
        <source>Usage: keywright [options]
%1: makes one random password at a time in a window.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt&apos;s own options, such as -platform, are accepted too.
For passwords in scripts, see keywright-cli --help.
</source>
        <translation>Utilisation&#xa0;: keywright [options]
%1&#xa0;: crée un mot de passe aléatoire à la fois, dans une fenêtre.

Options&#xa0;:
  -h, --help     Afficher cette aide et quitter.
  -v, --version  Afficher la version et quitter.

Les options propres à Qt, comme -platform, sont aussi acceptées.
Pour des mots de passe dans des scripts, voir keywright-cli --help.
</translation>
    </message>
    <message>
        <source>keywright: cannot write the output
</source>
        <translation>keywright&#xa0;: impossible d&apos;écrire la sortie
</translation>
    </message>
</context>
<context>
    <name>keywright-cli</name>
    <message>
        <source>Norvik Password Generator for scripts: prints random passwords, one per line, made with the same rules as the window.

  keywright-cli [options]            print passwords
  keywright-cli --entropy [options]  print their strength in bits
  keywright-cli format TEXT MASK     print TEXT formatted through MASK</source>
        <translation>Norvik Password Generator pour les scripts : affiche des mots de passe aléatoires, un par ligne, créés selon les mêmes règles que la fenêtre.

  keywright-cli [options]            afficher des mots de passe
  keywright-cli --entropy [options]  afficher leur robustesse en bits
  keywright-cli format TEXT MASK     afficher TEXT mis en forme par MASK</translation>
    </message>
    <message>
        <source>Password length, 1 to 65535 (default 6).</source>
        <translation>Longueur du mot de passe, de 1 à 65535 (6 par défaut).</translation>
    </message>
    <message>
        <source>Characters: letters, digits or mixed (default).</source>
        <translation>Caractères : letters (lettres), digits (chiffres) ou mixed (mélangés, par défaut).</translation>
    </message>
    <message>
        <source>Letter case: lower, upper or mixed (default).</source>
        <translation>Casse : lower (minuscules), upper (majuscules) ou mixed (mélangée, par défaut).</translation>
    </message>
    <message>
        <source>Text placed before each password.</source>
        <translation>Texte placé avant chaque mot de passe.</translation>
    </message>
    <message>
        <source>Text placed after each password.</source>
        <translation>Texte placé après chaque mot de passe.</translation>
    </message>
    <message>
        <source>Format mask applied to each password body.</source>
        <translation>Masque de format appliqué au corps de chaque mot de passe.</translation>
    </message>
    <message>
        <source>How many passwords to print (default 1).</source>
        <translation>Nombre de mots de passe à afficher (1 par défaut).</translation>
    </message>
    <message>
        <source>format: first day of the week, 0 (system) or 1 (Sunday, default) to 7.</source>
        <translation>format : premier jour de la semaine, 0 (système) ou 1 (dimanche, par défaut) à 7.</translation>
    </message>
    <message>
        <source>format: first week of the year, 0 (system) or 1 (default) to 3.</source>
        <translation>format : première semaine de l&apos;année, 0 (système) ou 1 (par défaut) à 3.</translation>
    </message>
    <message>
        <source>Try a mask: format TEXT MASK.</source>
        <translation>Essayer un masque : format TEXT MASK.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>format takes exactly two arguments: TEXT MASK</source>
        <translation>format attend exactement deux arguments : TEXT MASK</translation>
    </message>
    <message>
        <source>invalid type &quot;%1&quot;: use letters, digits or mixed</source>
        <translation>type non valide « %1 » : indiquez letters, digits ou mixed</translation>
    </message>
    <message>
        <source>invalid case &quot;%1&quot;: use lower, upper or mixed</source>
        <translation>casse non valide « %1 » : indiquez lower, upper ou mixed</translation>
    </message>
    <message>
        <source>invalid count &quot;%1&quot;: use a positive whole number</source>
        <translation>nombre non valide « %1 » : indiquez un nombre entier positif</translation>
    </message>
    <message>
        <source>%1 (run-time error %2)</source>
        <translation>%1 (erreur d&apos;exécution %2)</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: %2</source>
        <translation>longueur non valide « %1 » : %2</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: reads as %2, and a password needs at least 1 character</source>
        <translation>longueur non valide « %1 » : vaut %2, et un mot de passe compte au moins 1 caractère</translation>
    </message>
    <message>
        <source>cannot make a password: %1</source>
        <translation>impossible de créer un mot de passe : %1</translation>
    </message>
    <message>
        <source>cannot work out the strength: %1</source>
        <translation>impossible de calculer la robustesse : %1</translation>
    </message>
    <message>
        <source>about </source>
        <translation>environ </translation>
    </message>
    <message>
        <source>at most </source>
        <translation>au plus </translation>
    </message>
    <message>
        <source>%1%2 bits</source>
        <translation>%1%2 bits</translation>
    </message>
    <message>
        <source>cannot format &quot;%1&quot; with &quot;%2&quot;: %3</source>
        <translation>impossible de formater « %1 » avec « %2 » : %3</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d&apos;écrire la sortie : %1</translation>
    </message>
    <message>
        <source>Print the entropy in bits of the passwords these options make, instead of passwords. A number or date mask may make passwords alike: the figure is then counted from what the mask can show, marked &quot;about&quot;, or an upper bound, marked &quot;at most&quot;.</source>
        <translation>Afficher l’entropie en bits des mots de passe que donnent ces options, au lieu de mots de passe. Un masque de nombre ou de date peut rendre des mots de passe identiques : le chiffre est alors compté d’après ce que le masque peut afficher, marqué « environ », ou une borne supérieure, marquée « au plus ».</translation>
    </message>
    <message>
        <source>the mask shows at most %1 different texts</source>
        <translation>le masque affiche au plus %1 textes différents</translation>
    </message>
    <message>
        <source>the mask rounds the number to multiples of %1</source>
        <translation>le masque arrondit le nombre à des multiples de %1</translation>
    </message>
    <message>
        <source>the mask shows at most %1 significant digits</source>
        <translation>le masque affiche au plus %1 chiffres significatifs</translation>
    </message>
    <message>
        <source>a body read as a number keeps at most 17 significant digits</source>
        <translation>un corps lu comme un nombre garde au plus 17 chiffres significatifs</translation>
    </message>
    <message>
        <source>the mask shows only part of the date</source>
        <translation>le masque n’affiche qu’une partie de la date</translation>
    </message>
    <message>
        <source>the mask runs date fields together, so different dates can show alike</source>
        <translation>le masque accole des champs de date sans séparateur, si bien que des dates différentes peuvent s’afficher pareil</translation>
    </message>
    <message>
        <source>some bodies read as numbers or dates, and the mask can show them alike</source>
        <translation>certains corps se lisent comme des nombres ou des dates, et le masque peut les afficher pareil</translation>
    </message>
    <message>
        <source>the mask shows every letter in one case</source>
        <translation>le masque affiche toutes les lettres dans une seule casse</translation>
    </message>
    <message>
        <source>a body the mask leaves unchanged can match another body&apos;s formatted text</source>
        <translation>un corps que le masque laisse tel quel peut égaler le texte mis en forme d’un autre</translation>
    </message>
    <message>
        <source>warning: this mask can make different passwords come out alike: %1; they are weaker than their length suggests (%2; see --entropy)</source>
        <translation>avertissement : ce masque peut rendre identiques des mots de passe différents : %1 ; ils sont plus faibles que leur longueur ne le laisse croire (%2 ; voir --entropy)</translation>
    </message>
    <message>
        <source>the mask can turn a password into an empty text; choose a mask that always shows something</source>
        <translation>le masque peut réduire un mot de passe à un texte vide ; choisissez un masque qui affiche toujours quelque chose</translation>
    </message>
    <message>
        <source>argument %1 is not UTF-8 text: &quot;%2&quot;</source>
        <translation>l&apos;argument %1 n&apos;est pas du texte UTF-8 : « %2 »</translation>
    </message>
    <message>
        <source>%1 does not apply to format</source>
        <translation>%1 ne s&apos;applique pas à format</translation>
    </message>
    <message>
        <source>%1 applies only to format</source>
        <translation>%1 ne s&apos;applique qu&apos;à format</translation>
    </message>
    <message>
        <source>invalid first day of week &quot;%1&quot;: use a whole number from 0 to 7</source>
        <translation>premier jour de la semaine non valide « %1 » : indiquez un nombre entier de 0 à 7</translation>
    </message>
    <message>
        <source>invalid first week of year &quot;%1&quot;: use a whole number from 0 to 3</source>
        <translation>première semaine de l&apos;année non valide « %1 » : indiquez un nombre entier de 0 à 3</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>--chars holds a character that cannot be shown in a password</source>
        <translation>--chars contient un caractère qui ne peut pas s’afficher dans un mot de passe</translation>
    </message>
    <message>
        <source>--every-class: a chosen class has no characters of its own left</source>
        <translation>--every-class : il ne reste à une classe choisie aucun caractère qui lui soit propre</translation>
    </message>
    <message>
        <source>no characters are left to make a password from</source>
        <translation>il ne reste aucun caractère pour faire un mot de passe</translation>
    </message>
    <message>
        <source>Add the printable ASCII punctuation: !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</source>
        <translation>Ajouter la ponctuation ASCII imprimable : !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</translation>
    </message>
    <message>
        <source>Draw from these characters (any, each counted once); with -t, add them to its letters or digits.</source>
        <translation>Tirer parmi ces caractères (quelconques, chacun compté une fois) ; avec -t, les ajouter à ses lettres ou chiffres.</translation>
    </message>
    <message>
        <source>Leave these characters out.</source>
        <translation>Laisser ces caractères de côté.</translation>
    </message>
    <message>
        <source>Leave out look-alikes: 0 O o 1 l I | 5 S 2 Z 8 B.</source>
        <translation>Laisser de côté les caractères qui se ressemblent : 0 O o 1 l I | 5 S 2 Z 8 B.</translation>
    </message>
    <message>
        <source>At least one character of each class chosen (small letters, capitals, digits, symbols, your own).</source>
        <translation>Au moins un caractère de chaque classe choisie (minuscules, majuscules, chiffres, symboles, les vôtres).</translation>
    </message>
    <message>
        <source>--every-class needs a length of at least %1, one character for each class</source>
        <translation>--every-class demande une longueur d’au moins %1, un caractère par classe</translation>
    </message>
    <message>
        <source>--every-class cannot be used with a mask that turns the letters to one case (&lt; or &gt;)</source>
        <translation>--every-class ne peut pas servir avec un masque qui met toutes les lettres dans une seule casse (&lt; ou &gt;)</translation>
    </message>
</context>
</TS>
