<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>KeywrightApplication</name>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Unzulässige Verwendung von Null</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>The system&apos;s random generator is unavailable</source>
        <translation>Der Zufallsgenerator des Systems ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No web browser could be started for this address:

%1

Copy the address into a web browser, or choose a default web browser in the system settings.</source>
        <translation>Für diese Adresse konnte kein Webbrowser gestartet werden:

%1

Kopieren Sie die Adresse in einen Webbrowser oder wählen Sie in den Systemeinstellungen einen Standard-Webbrowser.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Norvik Password Generator is a simple software that assist you to generate a strong password. For help on the usage, please click on the following link:</source>
        <translation>Norvik Password Generator ist ein einfaches Programm, das Ihnen hilft, ein starkes Passwort zu erzeugen. Hilfe zur Bedienung finden Sie unter folgendem Link:</translation>
    </message>
    <message>
        <source>Specific help on each item on the main window is available by hovering on them. For more help on the Password Mask, see link above</source>
        <translation>Hilfe zu jedem Element erscheint, wenn die Maus darauf zeigt. Mehr zur Passwortmaske unter dem Link oben</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close the dialog</source>
        <translation>Dialog schließen</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Information about your system</source>
        <translation>Informationen über Ihr System</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Das mit Erzeugen gemachte Passwort; schreibgeschützt, zum Kopieren markieren</translation>
    </message>
    <message>
        <source>Characters of the password</source>
        <translation>Zeichen des Passworts</translation>
    </message>
    <message>
        <source>Letter case of the password</source>
        <translation>Groß- und Kleinschreibung des Passworts</translation>
    </message>
    <message>
        <source>Please wait while loading ...</source>
        <translation>Bitte warten, wird geladen ...</translation>
    </message>
    <message>
        <source>Please wait while generating your random password...</source>
        <translation>Bitte warten, Ihr Zufallspasswort wird erzeugt...</translation>
    </message>
    <message>
        <source>Please specify only a number between 4 to 255.</source>
        <translation>Bitte geben Sie nur eine Zahl von 4 bis 255 ein.</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Copyright © 2026 Norvik. Passwords are made on this computer and never stored.</source>
        <translation>Copyright © 2026 Norvik. Passwörter entstehen auf diesem Computer und werden nie gespeichert.</translation>
    </message>
    <message>
        <source>An internal error has occurred during the generating of your password. Please make sure the inputs you have entered is valid. For more help, visit: </source>
        <translation>Beim Erzeugen Ihres Passworts ist ein interner Fehler aufgetreten. Bitte prüfen Sie, ob Ihre Eingaben gültig sind. Weitere Hilfe finden Sie unter: </translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Norvik Password Generator</source>
        <translation>Norvik Password Generator beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About Norvik Password Generator</source>
        <translation>Über Norvik Password Generator</translation>
    </message>
    <message>
        <source>Generated Password</source>
        <translation>Erzeugtes Passwort</translation>
    </message>
    <message>
        <source>Password case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Lower cases</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Upper cases</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Mixed cases</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Prefix of the password (Optional)</source>
        <translation>Präfix des Passworts (optional)</translation>
    </message>
    <message>
        <source>Suffix of the password (Optional)</source>
        <translation>Suffix des Passworts (optional)</translation>
    </message>
    <message>
        <source>Alphabets only</source>
        <translation>Nur Buchstaben</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>Mixes of Alphabets and numbers</source>
        <translation>Buchstaben und Ziffern gemischt</translation>
    </message>
    <message>
        <source>Password length (Required)</source>
        <translation>Länge des Passworts (erforderlich)</translation>
    </message>
    <message>
        <source>Format of the password. More help, see </source>
        <translation>Format des Passworts. Mehr Hilfe unter </translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>Generate a password</source>
        <translation>Ein Passwort erzeugen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear generated password in the textbox</source>
        <translation>Erzeugtes Passwort im Textfeld löschen</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Password Length</source>
        <translation>Passwortlänge</translation>
    </message>
    <message>
        <source>Password Mask</source>
        <translation>Passwortmaske</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Please wait while processing ...</source>
        <translation>Bitte warten, wird verarbeitet ...</translation>
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
        <translation>Aufruf: keywright [Optionen]
%1: erzeugt in einem Fenster ein Zufallspasswort nach dem anderen.

Optionen:
  -h, --help     Diese Hilfe anzeigen und beenden.
  -v, --version  Die Version anzeigen und beenden.

Qts eigene Optionen wie -platform werden ebenfalls angenommen.
Passwörter für Skripte: siehe keywright-cli --help.
</translation>
    </message>
    <message>
        <source>keywright: cannot write the output
</source>
        <translation>keywright: die Ausgabe kann nicht geschrieben werden
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
        <translation>Norvik Password Generator für Skripte: gibt Zufallspasswörter aus, eines pro Zeile, nach denselben Regeln wie das Fenster.

  keywright-cli [Optionen]            Passwörter ausgeben
  keywright-cli --entropy [Optionen]  ihre Stärke in Bit ausgeben
  keywright-cli format TEXT MASK      TEXT durch MASK formatiert ausgeben</translation>
    </message>
    <message>
        <source>Password length, 1 to 65535 (default 6).</source>
        <translation>Länge des Passworts, 1 bis 65535 (Vorgabe 6).</translation>
    </message>
    <message>
        <source>Characters: letters, digits or mixed (default).</source>
        <translation>Zeichen: letters (Buchstaben), digits (Ziffern) oder mixed (gemischt, Vorgabe).</translation>
    </message>
    <message>
        <source>Letter case: lower, upper or mixed (default).</source>
        <translation>Schreibung: lower (klein), upper (groß) oder mixed (gemischt, Vorgabe).</translation>
    </message>
    <message>
        <source>Text placed before each password.</source>
        <translation>Text vor jedem Passwort.</translation>
    </message>
    <message>
        <source>Text placed after each password.</source>
        <translation>Text nach jedem Passwort.</translation>
    </message>
    <message>
        <source>Format mask applied to each password body.</source>
        <translation>Formatmaske für den Kern jedes Passworts.</translation>
    </message>
    <message>
        <source>How many passwords to print (default 1).</source>
        <translation>Anzahl der ausgegebenen Passwörter (Vorgabe 1).</translation>
    </message>
    <message>
        <source>format: first day of the week, 0 (system) or 1 (Sunday, default) to 7.</source>
        <translation>format: erster Tag der Woche, 0 (System) oder 1 (Sonntag, Vorgabe) bis 7.</translation>
    </message>
    <message>
        <source>format: first week of the year, 0 (system) or 1 (default) to 3.</source>
        <translation>format: erste Woche des Jahres, 0 (System) oder 1 (Vorgabe) bis 3.</translation>
    </message>
    <message>
        <source>Try a mask: format TEXT MASK.</source>
        <translation>Eine Maske ausprobieren: format TEXT MASK.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>format takes exactly two arguments: TEXT MASK</source>
        <translation>format erwartet genau zwei Argumente: TEXT MASK</translation>
    </message>
    <message>
        <source>invalid type &quot;%1&quot;: use letters, digits or mixed</source>
        <translation>ungültige Zeichenart „%1“: letters, digits oder mixed angeben</translation>
    </message>
    <message>
        <source>invalid case &quot;%1&quot;: use lower, upper or mixed</source>
        <translation>ungültige Schreibung „%1“: lower, upper oder mixed angeben</translation>
    </message>
    <message>
        <source>invalid count &quot;%1&quot;: use a positive whole number</source>
        <translation>ungültige Anzahl „%1“: eine positive ganze Zahl angeben</translation>
    </message>
    <message>
        <source>%1 (run-time error %2)</source>
        <translation>%1 (Laufzeitfehler %2)</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: %2</source>
        <translation>ungültige Länge „%1“: %2</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: reads as %2, and a password needs at least 1 character</source>
        <translation>ungültige Länge „%1“: ergibt %2, und ein Passwort braucht mindestens 1 Zeichen</translation>
    </message>
    <message>
        <source>cannot make a password: %1</source>
        <translation>kann kein Passwort erzeugen: %1</translation>
    </message>
    <message>
        <source>cannot work out the strength: %1</source>
        <translation>kann die Stärke nicht ermitteln: %1</translation>
    </message>
    <message>
        <source>about </source>
        <translation>etwa </translation>
    </message>
    <message>
        <source>at most </source>
        <translation>höchstens </translation>
    </message>
    <message>
        <source>%1%2 bits</source>
        <translation>%1%2 Bit</translation>
    </message>
    <message>
        <source>cannot format &quot;%1&quot; with &quot;%2&quot;: %3</source>
        <translation>kann „%1“ nicht mit „%2“ formatieren: %3</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Print the entropy in bits of the passwords these options make, instead of passwords. A number or date mask may make passwords alike: the figure is then counted from what the mask can show, marked &quot;about&quot;, or an upper bound, marked &quot;at most&quot;.</source>
        <translation>Statt Passwörtern die Entropie der mit diesen Optionen erzeugten Passwörter in Bit ausgeben. Eine Zahlen- oder Datumsmaske kann Passwörter gleich machen: Die Zahl wird dann aus dem gezählt, was die Maske zeigen kann, markiert mit „etwa“, oder ist eine obere Grenze, markiert mit „höchstens“.</translation>
    </message>
    <message>
        <source>the mask shows at most %1 different texts</source>
        <translation>die Maske zeigt höchstens %1 verschiedene Texte</translation>
    </message>
    <message>
        <source>the mask rounds the number to multiples of %1</source>
        <translation>die Maske rundet die Zahl auf Vielfache von %1</translation>
    </message>
    <message>
        <source>the mask shows at most %1 significant digits</source>
        <translation>die Maske zeigt höchstens %1 signifikante Ziffern</translation>
    </message>
    <message>
        <source>a body read as a number keeps at most 17 significant digits</source>
        <translation>ein als Zahl gelesener Rumpf behält höchstens 17 signifikante Ziffern</translation>
    </message>
    <message>
        <source>the mask shows only part of the date</source>
        <translation>die Maske zeigt nur einen Teil des Datums</translation>
    </message>
    <message>
        <source>the mask runs date fields together, so different dates can show alike</source>
        <translation>die Maske schreibt Datumsfelder ohne Trennzeichen aneinander, so können verschiedene Daten gleich aussehen</translation>
    </message>
    <message>
        <source>some bodies read as numbers or dates, and the mask can show them alike</source>
        <translation>manche Rümpfe werden als Zahl oder Datum gelesen, und die Maske kann sie gleich zeigen</translation>
    </message>
    <message>
        <source>the mask shows every letter in one case</source>
        <translation>die Maske zeigt jeden Buchstaben in einer Schreibweise</translation>
    </message>
    <message>
        <source>a body the mask leaves unchanged can match another body&apos;s formatted text</source>
        <translation>ein Rumpf, den die Maske unverändert lässt, kann dem formatierten Text eines anderen gleichen</translation>
    </message>
    <message>
        <source>warning: this mask can make different passwords come out alike: %1; they are weaker than their length suggests (%2; see --entropy)</source>
        <translation>Warnung: Mit dieser Maske können verschiedene Passwörter gleich werden: %1; sie sind schwächer, als ihre Länge vermuten lässt (%2; siehe --entropy)</translation>
    </message>
    <message>
        <source>the mask can turn a password into an empty text; choose a mask that always shows something</source>
        <translation>die Maske kann ein Passwort zu einem leeren Text machen; wählen Sie eine Maske, die immer etwas zeigt</translation>
    </message>
    <message>
        <source>argument %1 is not UTF-8 text: &quot;%2&quot;</source>
        <translation>Argument %1 ist kein UTF-8-Text: „%2“</translation>
    </message>
    <message>
        <source>%1 does not apply to format</source>
        <translation>%1 gilt nicht für format</translation>
    </message>
    <message>
        <source>%1 applies only to format</source>
        <translation>%1 gilt nur für format</translation>
    </message>
    <message>
        <source>invalid first day of week &quot;%1&quot;: use a whole number from 0 to 7</source>
        <translation>ungültiger erster Wochentag „%1“: eine ganze Zahl von 0 bis 7 angeben</translation>
    </message>
    <message>
        <source>invalid first week of year &quot;%1&quot;: use a whole number from 0 to 3</source>
        <translation>ungültige erste Jahreswoche „%1“: eine ganze Zahl von 0 bis 3 angeben</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>--chars holds a character that cannot be shown in a password</source>
        <translation>--chars enthält ein Zeichen, das in einem Passwort nicht angezeigt werden kann</translation>
    </message>
    <message>
        <source>--every-class: a chosen class has no characters of its own left</source>
        <translation>--every-class: einer gewählten Klasse bleibt kein eigenes Zeichen</translation>
    </message>
    <message>
        <source>no characters are left to make a password from</source>
        <translation>es bleiben keine Zeichen, aus denen ein Passwort entstehen kann</translation>
    </message>
    <message>
        <source>Add the printable ASCII punctuation: !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</source>
        <translation>Die druckbaren ASCII-Satzzeichen hinzunehmen: !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</translation>
    </message>
    <message>
        <source>Draw from these characters (any, each counted once); with -t, add them to its letters or digits.</source>
        <translation>Aus diesen Zeichen ziehen (beliebige, jedes einmal gezählt); mit -t zu dessen Buchstaben oder Ziffern hinzunehmen.</translation>
    </message>
    <message>
        <source>Leave these characters out.</source>
        <translation>Diese Zeichen auslassen.</translation>
    </message>
    <message>
        <source>Leave out look-alikes: 0 O o 1 l I | 5 S 2 Z 8 B.</source>
        <translation>Verwechselbare Zeichen auslassen: 0 O o 1 l I | 5 S 2 Z 8 B.</translation>
    </message>
    <message>
        <source>At least one character of each class chosen (small letters, capitals, digits, symbols, your own).</source>
        <translation>Mindestens ein Zeichen jeder gewählten Klasse (Kleinbuchstaben, Großbuchstaben, Ziffern, Symbole, eigene).</translation>
    </message>
    <message>
        <source>--every-class needs a length of at least %1, one character for each class</source>
        <translation>--every-class braucht eine Länge von mindestens %1, ein Zeichen für jede Klasse</translation>
    </message>
    <message>
        <source>--every-class cannot be used with a mask that turns the letters to one case (&lt; or &gt;)</source>
        <translation>--every-class geht nicht mit einer Maske, die alle Buchstaben in eine Schreibweise setzt (&lt; oder &gt;)</translation>
    </message>
</context>
</TS>
