<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>KeywrightApplication</name>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso no válido de Null</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>The system&apos;s random generator is unavailable</source>
        <translation>El generador aleatorio del sistema no está disponible</translation>
    </message>
</context>
<context>
    <name>SystemInformation</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No web browser could be started for this address:

%1

Copy the address into a web browser, or choose a default web browser in the system settings.</source>
        <translation>No se pudo abrir ningún navegador web para esta dirección:

%1

Copie la dirección en un navegador web o elija un navegador predeterminado en la configuración del sistema.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Norvik Password Generator is a simple software that assist you to generate a strong password. For help on the usage, please click on the following link:</source>
        <translation>Norvik Password Generator es un programa sencillo que le ayuda a crear una contraseña segura. Para obtener ayuda sobre su uso, haga clic en el siguiente enlace:</translation>
    </message>
    <message>
        <source>Specific help on each item on the main window is available by hovering on them. For more help on the Password Mask, see link above</source>
        <translation>Pase el ratón sobre cada elemento para ver su ayuda. Para más ayuda sobre la máscara, vea el enlace de arriba</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Close the dialog</source>
        <translation>Cerrar el cuadro de diálogo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <source>Information about your system</source>
        <translation>Información sobre su sistema</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Título de la aplicación</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The password made by Generate; read only, select it and copy it</source>
        <translation>La contraseña creada con Generar; de solo lectura, selecciónela para copiarla</translation>
    </message>
    <message>
        <source>Characters of the password</source>
        <translation>Caracteres de la contraseña</translation>
    </message>
    <message>
        <source>Letter case of the password</source>
        <translation>Mayúsculas y minúsculas de la contraseña</translation>
    </message>
    <message>
        <source>Please wait while loading ...</source>
        <translation>Espere mientras se carga...</translation>
    </message>
    <message>
        <source>Please wait while generating your random password...</source>
        <translation>Espere mientras se genera su contraseña aleatoria...</translation>
    </message>
    <message>
        <source>Please specify only a number between 4 to 255.</source>
        <translation>Indique solo un número entre 4 y 255.</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Copyright © 2026 Norvik. Passwords are made on this computer and never stored.</source>
        <translation>Copyright © 2026 Norvik. Las contraseñas se crean en este equipo y nunca se guardan.</translation>
    </message>
    <message>
        <source>An internal error has occurred during the generating of your password. Please make sure the inputs you have entered is valid. For more help, visit: </source>
        <translation>Se ha producido un error interno al generar su contraseña. Compruebe que los datos introducidos son válidos. Para más ayuda, visite: </translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Norvik Password Generator</source>
        <translation>Salir de Norvik Password Generator</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>About Norvik Password Generator</source>
        <translation>Acerca de Norvik Password Generator</translation>
    </message>
    <message>
        <source>Generated Password</source>
        <translation>Contraseña generada</translation>
    </message>
    <message>
        <source>Password case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Lower cases</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Upper cases</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Mixed cases</source>
        <translation>Mezcladas</translation>
    </message>
    <message>
        <source>Prefix of the password (Optional)</source>
        <translation>Prefijo de la contraseña (opcional)</translation>
    </message>
    <message>
        <source>Suffix of the password (Optional)</source>
        <translation>Sufijo de la contraseña (opcional)</translation>
    </message>
    <message>
        <source>Alphabets only</source>
        <translation>Solo letras</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Solo números</translation>
    </message>
    <message>
        <source>Mixes of Alphabets and numbers</source>
        <translation>Letras y números mezclados</translation>
    </message>
    <message>
        <source>Password length (Required)</source>
        <translation>Longitud de la contraseña (obligatoria)</translation>
    </message>
    <message>
        <source>Format of the password. More help, see </source>
        <translation>Formato de la contraseña. Más ayuda en </translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Generate a password</source>
        <translation>Generar una contraseña</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear generated password in the textbox</source>
        <translation>Borrar la contraseña generada del cuadro de texto</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Password Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Password Mask</source>
        <translation>Máscara de contraseña</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Please wait while processing ...</source>
        <translation>Espere mientras se procesa...</translation>
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
        <translation>Uso: keywright [opciones]
%1: crea una contraseña aleatoria cada vez, en una ventana.

Opciones:
  -h, --help     Mostrar esta ayuda y salir.
  -v, --version  Mostrar la versión y salir.

También se aceptan las opciones propias de Qt, como -platform.
Para contraseñas en scripts, véase keywright-cli --help.
</translation>
    </message>
    <message>
        <source>keywright: cannot write the output
</source>
        <translation>keywright: no se puede escribir la salida
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
        <translation>Norvik Password Generator para scripts: muestra contraseñas aleatorias, una por línea, creadas con las mismas reglas que la ventana.

  keywright-cli [opciones]            mostrar contraseñas
  keywright-cli --entropy [opciones]  mostrar su fortaleza en bits
  keywright-cli format TEXT MASK      mostrar TEXT formateado con MASK</translation>
    </message>
    <message>
        <source>Password length, 1 to 65535 (default 6).</source>
        <translation>Longitud de la contraseña, de 1 a 65535 (6 por defecto).</translation>
    </message>
    <message>
        <source>Characters: letters, digits or mixed (default).</source>
        <translation>Caracteres: letters (letras), digits (cifras) o mixed (mezclados, por defecto).</translation>
    </message>
    <message>
        <source>Letter case: lower, upper or mixed (default).</source>
        <translation>Mayúsculas: lower (minúsculas), upper (mayúsculas) o mixed (mezcladas, por defecto).</translation>
    </message>
    <message>
        <source>Text placed before each password.</source>
        <translation>Texto que va antes de cada contraseña.</translation>
    </message>
    <message>
        <source>Text placed after each password.</source>
        <translation>Texto que va después de cada contraseña.</translation>
    </message>
    <message>
        <source>Format mask applied to each password body.</source>
        <translation>Máscara de formato aplicada al cuerpo de cada contraseña.</translation>
    </message>
    <message>
        <source>How many passwords to print (default 1).</source>
        <translation>Cuántas contraseñas mostrar (1 por defecto).</translation>
    </message>
    <message>
        <source>format: first day of the week, 0 (system) or 1 (Sunday, default) to 7.</source>
        <translation>format: primer día de la semana, 0 (sistema) o 1 (domingo, por defecto) a 7.</translation>
    </message>
    <message>
        <source>format: first week of the year, 0 (system) or 1 (default) to 3.</source>
        <translation>format: primera semana del año, 0 (sistema) o 1 (por defecto) a 3.</translation>
    </message>
    <message>
        <source>Try a mask: format TEXT MASK.</source>
        <translation>Probar una máscara: format TEXT MASK.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>format takes exactly two arguments: TEXT MASK</source>
        <translation>format requiere exactamente dos argumentos: TEXT MASK</translation>
    </message>
    <message>
        <source>invalid type &quot;%1&quot;: use letters, digits or mixed</source>
        <translation>tipo no válido «%1»: use letters, digits o mixed</translation>
    </message>
    <message>
        <source>invalid case &quot;%1&quot;: use lower, upper or mixed</source>
        <translation>mayúsculas no válidas «%1»: use lower, upper o mixed</translation>
    </message>
    <message>
        <source>invalid count &quot;%1&quot;: use a positive whole number</source>
        <translation>cantidad no válida «%1»: use un número entero positivo</translation>
    </message>
    <message>
        <source>%1 (run-time error %2)</source>
        <translation>%1 (error en tiempo de ejecución %2)</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: %2</source>
        <translation>longitud no válida «%1»: %2</translation>
    </message>
    <message>
        <source>invalid length &quot;%1&quot;: reads as %2, and a password needs at least 1 character</source>
        <translation>longitud no válida «%1»: vale %2, y una contraseña necesita al menos 1 carácter</translation>
    </message>
    <message>
        <source>cannot make a password: %1</source>
        <translation>no se puede crear una contraseña: %1</translation>
    </message>
    <message>
        <source>cannot work out the strength: %1</source>
        <translation>no se puede calcular la fortaleza: %1</translation>
    </message>
    <message>
        <source>about </source>
        <translation>unos </translation>
    </message>
    <message>
        <source>at most </source>
        <translation>como mucho </translation>
    </message>
    <message>
        <source>%1%2 bits</source>
        <translation>%1%2 bits</translation>
    </message>
    <message>
        <source>cannot format &quot;%1&quot; with &quot;%2&quot;: %3</source>
        <translation>no se puede dar formato a «%1» con «%2»: %3</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>Print the entropy in bits of the passwords these options make, instead of passwords. A number or date mask may make passwords alike: the figure is then counted from what the mask can show, marked &quot;about&quot;, or an upper bound, marked &quot;at most&quot;.</source>
        <translation>Mostrar la entropía en bits de las contraseñas que dan estas opciones, en lugar de contraseñas. Una máscara de número o de fecha puede hacer iguales las contraseñas: la cifra se cuenta entonces a partir de lo que la máscara puede mostrar, marcada «unos», o es una cota superior, marcada «como mucho».</translation>
    </message>
    <message>
        <source>the mask shows at most %1 different texts</source>
        <translation>la máscara muestra como mucho %1 textos distintos</translation>
    </message>
    <message>
        <source>the mask rounds the number to multiples of %1</source>
        <translation>la máscara redondea el número a múltiplos de %1</translation>
    </message>
    <message>
        <source>the mask shows at most %1 significant digits</source>
        <translation>la máscara muestra como mucho %1 cifras significativas</translation>
    </message>
    <message>
        <source>a body read as a number keeps at most 17 significant digits</source>
        <translation>un cuerpo leído como número conserva como mucho 17 cifras significativas</translation>
    </message>
    <message>
        <source>the mask shows only part of the date</source>
        <translation>la máscara solo muestra una parte de la fecha</translation>
    </message>
    <message>
        <source>the mask runs date fields together, so different dates can show alike</source>
        <translation>la máscara junta campos de fecha sin separador, así que fechas distintas pueden verse iguales</translation>
    </message>
    <message>
        <source>some bodies read as numbers or dates, and the mask can show them alike</source>
        <translation>algunos cuerpos se leen como números o fechas, y la máscara puede mostrarlos iguales</translation>
    </message>
    <message>
        <source>the mask shows every letter in one case</source>
        <translation>la máscara muestra todas las letras en una sola caja</translation>
    </message>
    <message>
        <source>a body the mask leaves unchanged can match another body&apos;s formatted text</source>
        <translation>un cuerpo que la máscara deja igual puede coincidir con el texto formateado de otro</translation>
    </message>
    <message>
        <source>warning: this mask can make different passwords come out alike: %1; they are weaker than their length suggests (%2; see --entropy)</source>
        <translation>aviso: esta máscara puede hacer que contraseñas distintas salgan iguales: %1; son más débiles de lo que sugiere su longitud (%2; véase --entropy)</translation>
    </message>
    <message>
        <source>the mask can turn a password into an empty text; choose a mask that always shows something</source>
        <translation>la máscara puede convertir una contraseña en un texto vacío; elija una máscara que siempre muestre algo</translation>
    </message>
    <message>
        <source>argument %1 is not UTF-8 text: &quot;%2&quot;</source>
        <translation>el argumento %1 no es texto UTF-8: «%2»</translation>
    </message>
    <message>
        <source>%1 does not apply to format</source>
        <translation>%1 no se aplica a format</translation>
    </message>
    <message>
        <source>%1 applies only to format</source>
        <translation>%1 solo se aplica a format</translation>
    </message>
    <message>
        <source>invalid first day of week &quot;%1&quot;: use a whole number from 0 to 7</source>
        <translation>primer día de la semana no válido «%1»: use un número entero de 0 a 7</translation>
    </message>
    <message>
        <source>invalid first week of year &quot;%1&quot;: use a whole number from 0 to 3</source>
        <translation>primera semana del año no válida «%1»: use un número entero de 0 a 3</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>--chars holds a character that cannot be shown in a password</source>
        <translation>--chars contiene un carácter que no se puede mostrar en una contraseña</translation>
    </message>
    <message>
        <source>--every-class: a chosen class has no characters of its own left</source>
        <translation>--every-class: a una clase elegida no le queda ningún carácter propio</translation>
    </message>
    <message>
        <source>no characters are left to make a password from</source>
        <translation>no quedan caracteres con los que crear una contraseña</translation>
    </message>
    <message>
        <source>Add the printable ASCII punctuation: !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</source>
        <translation>Añadir la puntuación ASCII imprimible: !&quot;#$%&amp;&apos;()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</translation>
    </message>
    <message>
        <source>Draw from these characters (any, each counted once); with -t, add them to its letters or digits.</source>
        <translation>Sacar de estos caracteres (cualesquiera, cada uno contado una vez); con -t, añadirlos a sus letras o cifras.</translation>
    </message>
    <message>
        <source>Leave these characters out.</source>
        <translation>Dejar fuera estos caracteres.</translation>
    </message>
    <message>
        <source>Leave out look-alikes: 0 O o 1 l I | 5 S 2 Z 8 B.</source>
        <translation>Dejar fuera los caracteres que se parecen: 0 O o 1 l I | 5 S 2 Z 8 B.</translation>
    </message>
    <message>
        <source>At least one character of each class chosen (small letters, capitals, digits, symbols, your own).</source>
        <translation>Al menos un carácter de cada clase elegida (minúsculas, mayúsculas, cifras, símbolos, los suyos).</translation>
    </message>
    <message>
        <source>--every-class needs a length of at least %1, one character for each class</source>
        <translation>--every-class necesita una longitud de al menos %1, un carácter por clase</translation>
    </message>
    <message>
        <source>--every-class cannot be used with a mask that turns the letters to one case (&lt; or &gt;)</source>
        <translation>--every-class no puede usarse con una máscara que pone todas las letras en una sola caja (&lt; o &gt;)</translation>
    </message>
</context>
</TS>
