<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>Orbel icon</source>
        <translation>Icono de Orbel</translation>
    </message>
</context>
<context>
    <name>AdjustTime</name>
    <message>
        <source>OK
behind
ahead</source>
        <translation>en hora
de retraso
de adelanto</translation>
    </message>
    <message>
        <source> &amp; %1 day(s)</source>
        <translation> y %1 día(s)</translation>
    </message>
    <message>
        <source>, delay %1</source>
        <translation>, retardo %1</translation>
    </message>
    <message>
        <source>Down&amp;load
Cance&amp;l</source>
        <translation>Descar&amp;gar
Cance&amp;lar</translation>
    </message>
    <message>
        <source>Adjust Time</source>
        <translation>Ajustar hora</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Ser&amp;vidor:</translation>
    </message>
    <message>
        <source>UTC:</source>
        <translation>UTC:</translation>
    </message>
    <message>
        <source>Local:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>This PC:</source>
        <translation>Este equipo:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>Diferencia:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Desfase:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Retardo:</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>Descar&amp;gar</translation>
    </message>
    <message>
        <source>Set to Local &amp;Time</source>
        <translation>Ajustar a la &amp;hora local</translation>
    </message>
    <message>
        <source>Adjust Min. &amp;&amp; &amp;Sec. Only</source>
        <translation>Ajustar solo min. &amp;&amp; &amp;seg.</translation>
    </message>
    <message>
        <source>Automatic time adjustment</source>
        <translation>Ajuste automático de la hora</translation>
    </message>
    <message>
        <source>Ad&amp;just</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>Ca&amp;da</translation>
    </message>
    <message>
        <source>day(s)</source>
        <translation>día(s)</translation>
    </message>
    <message>
        <source>Last:</source>
        <translation>Último:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>Próximo:</translation>
    </message>
</context>
<context>
    <name>ClockAdjustment</name>
    <message>
        <source>The clock is already being set; this adjustment was not made.</source>
        <translation>Ya se está ajustando el reloj; este ajuste no se ha hecho.</translation>
    </message>
    <message>
        <source>The clock is kept by network time synchronisation, which is switched on, so the system does not let it be set by hand. Switch network time synchronisation off (timedatectl set-ntp false) to set the clock here.</source>
        <translation>El reloj lo mantiene la sincronización horaria por red, que está activada, así que el sistema no deja ajustarlo a mano. Desactive la sincronización horaria por red (timedatectl set-ntp false) para ajustar el reloj desde aquí.</translation>
    </message>
    <message>
        <source>Setting the clock needs an administrator&apos;s authorisation, and an automatic adjustment does not ask for it.</source>
        <translation>Ajustar el reloj requiere la autorización de un administrador, y un ajuste automático no la pide.</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>  --clocks           list the clocks of the settings (Orbel.dat in the data
                     folder): name and current time, tab-separated
</source>
        <translation>  --clocks           lista los relojes de la configuración (Orbel.dat en la
                     carpeta de datos): nombre y hora actual, separados por
                     tabuladores
</translation>
    </message>
    <message>
        <source>Orbel v3.1: a world clock with time-server synchronisation.

Usage: orbel [options]

Options:
  --help             show this help
  --version          show the version
  --data-dir FOLDER  use FOLDER instead of the program folder for every file
                     the program reads or writes
</source>
        <translation>Orbel v3.1: un reloj mundial sincronizado con servidores de hora.

Uso: orbel [opciones]

Opciones:
  --help             muestra esta ayuda
  --version          muestra la versión
  --data-dir CARPETA usa CARPETA en lugar de la carpeta del programa para todos
                     los archivos que el programa lee o escribe
</translation>
    </message>
    <message>
        <source>  --query [SERVER] [--timeout S]
                     ask a time server (RFC 868) for the time and show it beside
                     this computer&apos;s; SERVER is host, host:port, a.b.c.d[:port],
                     an IPv6 address (::1, or [::1]:port) (default: the server
                     of the settings), or ntp://host[:port] for a network time
                     server (SNTP), whose offset and delay are shown to the
                     millisecond; a server that has not answered after S
                     seconds (default 10) ends it with error 10060
  --adjust full|minsec [SERVER] [--timeout S]
                     ask, then set this computer&apos;s clock fully or only its
                     minutes and seconds
</source>
        <translation>  --query [SERVIDOR] [--timeout S]
                     pide la hora a un servidor de hora (RFC 868) y la muestra
                     junto a la de este equipo; SERVIDOR es host, host:puerto,
                     a.b.c.d[:puerto], una dirección IPv6 (::1, o [::1]:puerto)
                     (por omisión, el servidor de la configuración) o
                     ntp://host[:puerto] para un servidor de hora de red (SNTP),
                     cuyo desfase y retardo se muestran al milisegundo; si el
                     servidor no ha respondido tras S segundos (10 por omisión),
                     termina con el error 10060
  --adjust full|minsec [SERVIDOR] [--timeout S]
                     pide la hora y pone en hora el reloj de este equipo, del
                     todo o solo sus minutos y segundos
</translation>
    </message>
    <message>
        <source>  --zones [--mode M] list the zones of usage mode M (ignore, merge or replace;
                     default ignore): key, name, daylight start, standard start
  --time ZONE [--at YYYY-MM-DDTHH:MM:SS] [--no-dst] [--mode M]
                     the local time of ZONE (a key name from --zones) at that
                     UTC instant (default now); --no-dst ignores daylight saving
</source>
        <translation>  --zones [--mode M] lista las zonas del modo de uso M (ignore, merge o replace;
                     ignore por omisión): clave, nombre, inicio del horario de
                     verano, inicio del horario estándar
  --time ZONA [--at AAAA-MM-DDTHH:MM:SS] [--no-dst] [--mode M]
                     la hora local de ZONA (una clave de --zones) en ese
                     instante UTC (ahora por omisión); --no-dst no tiene en
                     cuenta el horario de verano
</translation>
    </message>
    <message>
        <source>--clocks takes no other argument</source>
        <translation>--clocks no admite ningún otro argumento</translation>
    </message>
    <message>
        <source>--data-dir needs a folder</source>
        <translation>--data-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>The data folder does not exist: %1</source>
        <translation>La carpeta de datos no existe: %1</translation>
    </message>
    <message>
        <source>--adjust needs full or minsec</source>
        <translation>--adjust necesita full o minsec</translation>
    </message>
    <message>
        <source>--adjust takes full or minsec, not &quot;%1&quot;</source>
        <translation>--adjust admite full o minsec, no «%1»</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds</source>
        <translation>--timeout necesita un número de segundos</translation>
    </message>
    <message>
        <source>--timeout takes seconds from more than 0 to 86400, not &quot;%1&quot;</source>
        <translation>--timeout admite segundos, de más de 0 a 86400, no «%1»</translation>
    </message>
    <message>
        <source>Unknown option for %1: %2</source>
        <translation>Opción desconocida para %1: %2</translation>
    </message>
    <message>
        <source>--zones and --time cannot be combined</source>
        <translation>--zones y --time no se pueden combinar</translation>
    </message>
    <message>
        <source>--mode takes ignore, merge or replace</source>
        <translation>--mode admite ignore, merge o replace</translation>
    </message>
    <message>
        <source>--at takes a UTC date and time as YYYY-MM-DDTHH:MM:SS</source>
        <translation>--at admite una fecha y hora UTC como AAAA-MM-DDTHH:MM:SS</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--time needs a zone (a key name as --zones lists it)</source>
        <translation>--time necesita una zona (una clave como las que enumera --zones)</translation>
    </message>
    <message>
        <source>No zone named %1 (see --zones)</source>
        <translation>No hay ninguna zona llamada %1 (véase --zones)</translation>
    </message>
    <message>
        <source>The time lies outside the years 100 to 9999</source>
        <translation>La hora queda fuera de los años 100 a 9999</translation>
    </message>
    <message>
        <source>  --plan ZONE1,ZONE2[,...] [--date YYYY-MM-DD]
                     one line per hour of ZONE1&apos;s day (default today there,
                     1900 to 2100): the local HH:MM of every zone
</source>
        <translation>  --plan ZONA1,ZONA2[,...] [--date AAAA-MM-DD]
                     una línea por hora del día de ZONA1 (hoy allí por omisión,
                     de 1900 a 2100): la hora local HH:MM de cada zona; las
                     líneas son iguales en todos los idiomas, para los scripts
</translation>
    </message>
    <message>
        <source>--date takes a day from 1900-01-01 to 2100-12-31 as YYYY-MM-DD</source>
        <translation>--date admite un día del 1900-01-01 al 2100-12-31 como AAAA-MM-DD</translation>
    </message>
    <message>
        <source>--plan needs zones separated by commas (key names from --zones)</source>
        <translation>--plan necesita zonas separadas por comas (claves de --zones)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>  --sun ZONE [--date YYYY-MM-DD]
                     sunrise and sunset at the city of ZONE on that local day
                     (default today), in the zone&apos;s local time
  --next-change ZONE [--at YYYY-MM-DDTHH:MM:SS]
                     the next clock change of ZONE after that UTC instant
                     (default now) and the offsets before and after, or none
</source>
        <translation>  --sun ZONA [--date AAAA-MM-DD]
                     la salida y la puesta del sol en la ciudad de ZONA ese día
                     local (hoy por omisión), en la hora local de la zona
  --next-change ZONA [--at AAAA-MM-DDTHH:MM:SS]
                     el próximo cambio de hora de ZONA tras ese instante UTC
                     (ahora por omisión) y los desfases de antes y después, o
                     none; estas dos acciones escriben en inglés, para los
                     scripts (Sunrise: HH:MM, Sunset: HH:MM, Polar day, Polar
                     night, none)
</translation>
    </message>
    <message>
        <source>--sun and --next-change cannot be combined</source>
        <translation>--sun y --next-change no se pueden combinar</translation>
    </message>
    <message>
        <source>--date takes a date from 1900 to 2100 as YYYY-MM-DD</source>
        <translation>--date admite una fecha de 1900 a 2100 como AAAA-MM-DD</translation>
    </message>
    <message>
        <source>--at takes a UTC date and time from 1900 to 2100 as YYYY-MM-DDTHH:MM:SS</source>
        <translation>--at admite una fecha y hora UTC de 1900 a 2100 como AAAA-MM-DDTHH:MM:SS</translation>
    </message>
    <message>
        <source>--sun needs a zone</source>
        <translation>--sun necesita una zona</translation>
    </message>
    <message>
        <source>--next-change needs a zone</source>
        <translation>--next-change necesita una zona</translation>
    </message>
    <message>
        <source>No zone named %1 (%2)</source>
        <translation>No hay ninguna zona llamada %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no city, so it has no sunrise or sunset</source>
        <translation>%1 no indica ninguna ciudad, así que no tiene salida ni puesta del sol</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Undefined</source>
        <translation>Indefinida</translation>
    </message>
    <message>
        <source>It takes 2 clocks to tango.</source>
        <translation>Hacen falta 2 relojes para bailar un tango.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>ningún compositor Wayland responde en %1</translation>
    </message>
    <message>
        <source>No display was found (%1), so the clock window cannot open; &quot;orbel --help&quot; lists the command-line actions.</source>
        <translation>No se ha encontrado ninguna pantalla (%1), así que la ventana de los relojes no puede abrirse; «orbel --help» enumera las acciones de la línea de órdenes.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 has a bad format.</source>
        <translation>%1 tiene un formato incorrecto.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>An error occurred while reading %1.</source>
        <translation>Se produjo un error al leer %1.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>INTRODUCTION

The View page chooses how the clock window behaves and what each clock shows. Each
option takes effect when you press Apply or OK.

OPTIONS

Window
Stay on top of other windows
                      the clocks stay above every other window.
Hide border           the window without its sizing border; the clocks stay where they
                      are on the screen.
Exclude from task bar and list
                      no task bar button for the clock window.

Time format
Analog style          round dials with hands instead of digits.
Use 24 hour convention
                      00:00 to 23:59; otherwise 12-hour time with AM and PM.
Show seconds          seconds in digital clocks, a seconds hand on the dials.
Show name             the clock&apos;s name under its time.
Show date             the weekday and day of the month (or the day of the year).
Show date as day of year
                      001 to 366 instead of the weekday and day.

Update clocks every   how often the clocks are redrawn, 1 to 3600 seconds.
Flash Clocks          flashes an outline around the clock window five times, to find
                      it on a crowded screen. The window must be shown.
</source>
        <translation>INTRODUCCIÓN

La página Vista elige cómo se comporta la ventana de los relojes y qué muestra cada
reloj. Cada opción surte efecto al pulsar Aplicar o Aceptar.

OPCIONES

Ventana
Siempre encima de las demás ventanas
                      los relojes quedan por encima de cualquier otra ventana.
Ocultar el borde      la ventana sin su borde de cambio de tamaño; los relojes se quedan
                      donde están en la pantalla.
Excluir de la barra de tareas y de la lista
                      la ventana de los relojes no tiene botón en la barra de tareas.

Formato de la hora
Estilo analógico      esferas redondas con manecillas en lugar de cifras.
Usar el formato de 24 horas
                      de 00:00 a 23:59; si no, la hora de 12 horas con AM y PM.
Mostrar los segundos  los segundos en los relojes digitales y un segundero en las esferas.
Mostrar el nombre     el nombre del reloj bajo su hora.
Mostrar la fecha      el día de la semana y el del mes (o el día del año).
Mostrar la fecha como día del año
                      de 001 a 366 en lugar del día de la semana y del mes.

Actualizar los relojes cada
                      cada cuánto se vuelven a dibujar los relojes, de 1 a 3600 segundos.
Hacer parpadear los relojes
                      hace parpadear cinco veces un contorno alrededor de la ventana de
                      los relojes, para encontrarla en una pantalla llena. La ventana debe
                      estar visible.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Style page chooses the colours and the font of the clocks.

OPTIONS

Background, Title, Date, Time 1, Time 2
            the colours of the background, the clock&apos;s name, the date, the time (with the
            hands and hour marks), and the minute marks, seconds hand and AM/PM of the
            dials. &quot;Default&quot; takes the desktop&apos;s own colour.
Font        the typeface and style, shown by its name and in the preview. Browse...
            chooses among the installed fonts. Its size follows the window: the text
            always fills the clock.
</source>
        <translation>INTRODUCCIÓN

La página Estilo elige los colores y la fuente de los relojes.

OPCIONES

Fondo, Título, Fecha, Hora 1, Hora 2
            los colores del fondo, del nombre del reloj, de la fecha, de la hora (con las
            manecillas y las marcas de las horas) y de las marcas de los minutos, el
            segundero y el AM/PM de las esferas. «Predeterminado» toma el color del propio
            escritorio.
Fuente      el tipo de letra y su estilo, que se ven por su nombre y en la vista previa.
            Examinar... elige entre las fuentes instaladas. Su tamaño sigue a la ventana:
            el texto siempre llena el reloj.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Adjust Time page fetches the exact time from a time server and sets this computer&apos;s
clock with it.

OPTIONS

Server      a time server from the list, or any host that answers the Time Protocol
            (port 37). Text after a blank is a comment.
UTC, Local  the server&apos;s time, universal and local.
This PC     this computer&apos;s time at the moment of the reading.
Difference  how far this computer&apos;s clock is behind or ahead of the server.
Download    asks the server; Cancel stops the request.
Set to Local Time
            sets this computer&apos;s clock to the server&apos;s local time.
Adjust Min. &amp; Sec. Only
            sets only the minutes and seconds, keeping the hour and the date.
Adjust, Every
            adjusts the minutes and seconds automatically every 1 to 365 days.
Last, Next  the last adjustment and the day of the next.

HOW DOES IT WORK?

The server sends the number of seconds since 1900 in four bytes. Orbel compares them with
this computer&apos;s clock and shows the difference. Setting the clock needs the right to do
so: Orbel uses it when it has it, and otherwise asks the system&apos;s date and time service.
When automatic adjustment is on, Orbel checks at every change of the hour whether the
interval has run out; a failed attempt is tried again at the next hour, without a message.

TIPS

Adjusting only the minutes and seconds never changes the hour, so a wrong time zone on
this computer cannot move the clock by hours.
</source>
        <translation>INTRODUCCIÓN

La página Ajustar hora pide la hora exacta a un servidor de hora y pone en hora con ella
el reloj de este equipo.

OPCIONES

Servidor    un servidor de hora de la lista, o cualquier host que responda al Time
            Protocol (puerto 37). El texto que sigue a un espacio es un comentario.
UTC, Local  la hora del servidor, universal y local.
Este equipo la hora de este equipo en el momento de la lectura.
Diferencia  cuánto va retrasado o adelantado el reloj de este equipo respecto al servidor.
Descargar   pregunta al servidor; Cancelar detiene la petición.
Ajustar a la hora local
            pone el reloj de este equipo a la hora local del servidor.
Ajustar solo min. y seg.
            ajusta solo los minutos y los segundos, sin cambiar la hora ni la fecha.
Ajustar, Cada
            ajusta los minutos y los segundos automáticamente cada 1 a 365 días.
Último, Próximo
            el último ajuste y el día del siguiente.

¿CÓMO FUNCIONA?

El servidor envía en cuatro bytes el número de segundos transcurridos desde 1900. Orbel
los compara con el reloj de este equipo y muestra la diferencia. Poner en hora el reloj
requiere permiso para hacerlo: Orbel lo usa si lo tiene y, si no, se lo pide al servicio
de fecha y hora del sistema. Con el ajuste automático activado, Orbel comprueba en cada
cambio de hora si ha vencido el intervalo; un intento fallido se repite a la hora
siguiente, sin ningún mensaje.

CONSEJOS

Ajustar solo los minutos y los segundos nunca cambia la hora, así que una zona horaria
equivocada en este equipo no puede mover el reloj horas enteras.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The TZI page shows the daylight-saving rules of a zone and chooses how Orbel&apos;s own zone
database file, OrbelTZI.dat, is used.

OPTIONS

Ignore      only the system&apos;s time zones are used.
Merge       the system&apos;s zones, corrected by the file&apos;s records.
Replace     only the file&apos;s records are used.
Zone        the zone whose rules are shown: its offset from UTC and the day and hour when
            summer time begins and ends.
</source>
        <translation>INTRODUCCIÓN

La página TZI muestra las reglas del horario de verano de una zona y elige cómo se usa el
archivo de base de datos de zonas propio de Orbel, OrbelTZI.dat.

OPCIONES

Ignorar     solo se usan las zonas horarias del sistema.
Combinar    las zonas del sistema, corregidas por los registros del archivo.
Sustituir   solo se usan los registros del archivo.
Zona        la zona cuyas reglas se muestran: su diferencia con UTC y el día y la hora
            en que empieza y termina el horario de verano.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

Orbel shows any number of clocks side by side in one small window. Each clock shows the
time of a time zone, with or without daylight saving, plus a number of minutes of its own.
The clocks are digital or analog and may show their name, the date or the day of the year.
Orbel can also fetch the exact time from a time server and set this computer&apos;s clock, by
hand or automatically every so many days.

The window has no caption. Its title, shown in the task bar, carries today&apos;s date.

MENU

The menu opens with the right mouse button on the clocks or on the icon in the
notification area, or with the Menu key or Shift+F10.

Hide / Show (V)       hides the clock window, or shows it again. Hide is offered only
                      while an icon in the notification area can show the window again.
Convert... (N)        converts a time from the zone of one clock to another&apos;s.
Time in Zone... (T)   shows the time in any zone of the time zone database.
Plan... (P)           the hours of a day side by side for every clock, to find an hour
                      that suits everyone.
Options... (O)        the clocks, their look, their colours and fonts, time zone
                      corrections and the time server.
Day and Night (D)     shades each clock by whether the sun is up at its zone&apos;s
                      city, with dawn and dusk in between. A clock whose zone names
                      no city (Etc/ zones, zones of your own) keeps its background.
Help (F1)             this text, or the help of the window in front: the Options
                      page shown, Convert, Time in Zone or Plan.
About Orbel...        the program&apos;s version.
Close (Alt+F4)        ends Orbel. The settings are saved when they changed.

POINTING DEVICE (MOUSE) INTERFACE

Drag the clocks with the left button to move the window. Drag its border to resize it:
the clocks and their text grow and shrink with it. Double-click the clocks to convert a
time. Click the right button for the menu. Rest the pointer on a clock to see today&apos;s
sunrise and sunset at its city and its zone&apos;s next clock change.

In the notification area a double-click on Orbel&apos;s icon hides or shows the clocks (the
item drawn in bold in the menu), and the right button opens the menu.

KEYBOARD INTERFACE

Arrow keys            move the window by one pixel.
Shift+Right, Down     make the window one pixel wider or taller.
Shift+Left, Up        make it one pixel narrower or lower.
V, N, T, P, O, D      the menu&apos;s commands, as listed above.
F1                    help.
Menu, Shift+F10       the menu, at the window&apos;s top left corner.
Alt+F4                close.

TIPS

- Many clocks in a wide, low window read best with the name shown and the date hidden.
- Analog clocks show their minute marks once the dial is about 64 pixels wide.
- The clocks follow a change of this computer&apos;s clock at once, and a new day changes the
  window&apos;s title.
- Orbel keeps running while its window is hidden; use the icon in the notification area
  to bring it back.
</source>
        <translation>INTRODUCCIÓN

Orbel muestra tantos relojes como quiera, uno junto a otro, en una pequeña ventana. Cada
reloj da la hora de una zona horaria, con o sin horario de verano, más unos minutos
propios. Los relojes son digitales o analógicos y pueden mostrar su nombre, la fecha o el
día del año. Orbel también puede pedir la hora exacta a un servidor de hora y poner en
hora el reloj de este equipo, a mano o automáticamente cada cierto número de días.

La ventana no tiene barra de título. Su título, que se ve en la barra de tareas, lleva la
fecha de hoy.

MENÚ

El menú se abre con el botón derecho del ratón sobre los relojes o sobre el icono del
área de notificación, o con la tecla Menú o Mayús+F10.

Ocultar/Mostrar (V)   oculta la ventana de los relojes o vuelve a mostrarla. Ocultar solo
                      se ofrece mientras un icono del área de notificación pueda volver a
                      mostrar la ventana.
Convertir... (N)      convierte una hora de la zona de un reloj a la de otro.
Hora en zona... (T)   muestra la hora de cualquier zona de la base de datos de zonas
                      horarias.
Planificar... (P)     las horas de un día de todos los relojes, una junto a otra, para
                      encontrar una hora que convenga a todos.
Opciones... (O)       los relojes, su aspecto, sus colores y fuentes, las correcciones de
                      las zonas horarias y el servidor de hora.
Día y noche (D)       sombrea cada reloj según el sol esté o no sobre el horizonte en la
                      ciudad de su zona, con tonos intermedios al amanecer y al
                      anochecer. Un reloj cuya zona no indica ninguna ciudad (las zonas
                      Etc/, las zonas propias) conserva su fondo.
Ayuda (F1)            este texto, o la ayuda de la ventana que esté delante: la página de
                      Opciones que se ve, Convertir, Hora en zona o Planificar.
Acerca de Orbel...    la versión del programa.
Cerrar (Alt+F4)       termina Orbel. La configuración se guarda si ha cambiado.

USO CON EL RATÓN

Arrastre los relojes con el botón izquierdo para mover la ventana. Arrastre su borde para
cambiar su tamaño: los relojes y su texto crecen y menguan con ella. Haga doble clic en
los relojes para convertir una hora. Pulse el botón derecho para ver el menú. Deje el
puntero sobre un reloj para ver la salida y la puesta del sol de hoy en su ciudad y el
próximo cambio de hora de su zona.

En el área de notificación, un doble clic en el icono de Orbel oculta o muestra los
relojes (la opción en negrita del menú), y el botón derecho abre el menú.

USO CON EL TECLADO

Flechas               mueven la ventana un píxel.
Mayús+Derecha, Abajo  hacen la ventana un píxel más ancha o más alta.
Mayús+Izquierda, Arriba
                      la hacen un píxel más estrecha o más baja.
V, N, T, P, O, D      las órdenes del menú, como se indica arriba.
F1                    ayuda.
Menú, Mayús+F10       el menú, en la esquina superior izquierda de la ventana.
Alt+F4                cerrar.

CONSEJOS

- Muchos relojes en una ventana ancha y baja se leen mejor con el nombre visible y la
  fecha oculta.
- Los relojes analógicos muestran las marcas de los minutos cuando la esfera mide unos
  64 píxeles de ancho.
- Los relojes siguen al momento cualquier cambio del reloj de este equipo, y un día nuevo
  cambia el título de la ventana.
- Orbel sigue funcionando mientras su ventana está oculta; use el icono del área de
  notificación para recuperarla.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Clocks page lists the clocks in the order the window shows them, from left to right.
Pressing Apply or OK stores what you typed into the selected clock.

OPTIONS

Clocks      one line per clock. A checked clock is shown in the window; an unchecked one
            is kept but hidden. Choosing another line first stores what you typed for the
            clock chosen before.
Title       the clock&apos;s name, at most 16 characters.
Supplement  minutes added to the zone&apos;s time, from -1440 to 1440 (the arrows, or Up and
            Down, step it).
Find zone   narrows the time zones to those whose city, country or name holds what you
            type (&quot;osl&quot; finds Europe/Oslo, &quot;Japan&quot; finds Asia/Tokyo). Down or Enter
            opens the list on the first of them.
Time zone   the time zone the clock shows.
Automatically adjust clock daylight saving changes
            the clock follows the zone&apos;s summer time; without it, the clock keeps the
            zone&apos;s standard time all year. Only a zone with summer time offers it.
Add...      adds a clock at the end and takes you to its time zone.
Remove      removes the selected clock.
Move Up, Move Down
            move the selected clock one place to the left or to the right.

TIPS

A clock for a place whose zone is missing can use a near zone and a supplement.
</source>
        <translation>INTRODUCCIÓN

La página Relojes enumera los relojes en el orden en que la ventana los muestra, de
izquierda a derecha. Al pulsar Aplicar o Aceptar, lo que haya escrito se guarda en el
reloj seleccionado.

OPCIONES

Relojes     una línea por reloj. Un reloj marcado se muestra en la ventana; uno sin
            marcar se conserva, pero oculto. Al elegir otra línea se guarda primero lo que
            haya escrito para el reloj elegido antes.
Título      el nombre del reloj, de 16 caracteres como máximo.
Suplemento  minutos que se suman a la hora de la zona, de -1440 a 1440 (las flechas, o
            Arriba y Abajo, lo cambian de uno en uno).
Buscar zona
            reduce las zonas horarias a aquellas cuya ciudad, país o nombre contiene lo
            que escriba («osl» encuentra Europe/Oslo; «Japan», el nombre del país en
            inglés, encuentra Asia/Tokyo). Abajo o Intro abre la lista en la primera.
Zona horaria
            la zona horaria que muestra el reloj.
Ajustar automáticamente los cambios de horario de verano
            el reloj sigue el horario de verano de la zona; sin esta opción, el reloj
            mantiene todo el año la hora estándar de la zona. Solo la ofrece una zona con
            horario de verano.
Añadir...   añade un reloj al final y le lleva a su zona horaria.
Quitar      quita el reloj seleccionado.
Subir, Bajar
            mueven el reloj seleccionado un puesto a la izquierda o a la derecha.

CONSEJOS

Un reloj para un lugar cuya zona falte puede usar una zona cercana y un suplemento.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Convert window converts a time between the zones of two clocks.

OPTIONS

Type a time in one row; the other row shows the time its clock shows at that moment, with
its date. A time that cannot be read shows &quot;Undefined&quot;.

Clock       the first row starts on the clock of this computer&apos;s own zone, the second on
            the clock you double-clicked (or the next clock when opened from the menu).
            Choosing another clock in a row recomputes that row from the other one.
Find clock  narrows both lists to the clocks whose name, city, country or zone holds
            what you type. Down or Enter opens the first list.
Reset       puts the current time of the first row&apos;s clock back into it.
Help (F1)   this text.
</source>
        <translation>INTRODUCCIÓN

La ventana Convertir convierte una hora entre las zonas de dos relojes.

OPCIONES

Escriba una hora en una fila; la otra fila muestra la hora que marca su reloj en ese
momento, con su fecha. Una hora que no se puede leer muestra «Indefinida».

Reloj       la primera fila empieza en el reloj de la zona de este equipo; la segunda, en
            el reloj en que hizo doble clic (o en el reloj siguiente si la abrió desde el
            menú). Al elegir otro reloj en una fila, esa fila se recalcula a partir de la
            otra.
Buscar reloj
            reduce las dos listas a los relojes cuyo nombre, ciudad, país o zona contiene
            lo que escriba. Abajo o Intro abre la primera lista.
Restablecer vuelve a poner en la primera fila la hora actual de su reloj.
Ayuda (F1)  este texto.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Time in Zone window shows the current time in any zone of the time zone database.

OPTIONS

Choose a zone; the window shows its time and date, with or without daylight saving,
today&apos;s sunrise and sunset at the zone&apos;s city (or polar day or night), and the zone&apos;s
next clock change: its date, the local time at which it happens and the new offset.
A zone that names no city has no sunrise or sunset.
Find zone narrows the list to the zones whose city, country or name holds what you type;
Down or Enter opens the list on the first of them. Help (F1) shows this text.
</source>
        <translation>INTRODUCCIÓN

La ventana Hora en zona muestra la hora actual de cualquier zona de la base de datos de
zonas horarias.

OPCIONES

Elija una zona; la ventana muestra su hora y su fecha, con o sin horario de verano, la
salida y la puesta del sol de hoy en la ciudad de la zona (o el día o la noche polar) y
el próximo cambio de hora de la zona: su fecha, la hora local a la que ocurre y el nuevo
desfase. Una zona que no indica ninguna ciudad no tiene salida ni puesta del sol.
Buscar zona reduce la lista a las zonas cuya ciudad, país o nombre contiene lo que
escriba; Abajo o Intro abre la lista en la primera de ellas. Ayuda (F1) muestra este
texto.
</translation>
    </message>
    <message>
        <source>INTRODUCTION

The Plan window lays the hours of one day side by side for every clock the window shows,
so that an hour that suits everyone can be found at a glance. Each column is one moment:
reading down a column gives the time of every clock at that moment.

OPTIONS

Date        the day of the first clock to plan; the columns run from its midnight to the
            next. A day when that clock changes to or from summer time has 23 or 25 hours.
Hours       green cells are working hours (9:00 to 18:00), pale ones the rest of the day,
            blue ones dawn and dusk, dark ones the night at the zone&apos;s city. A clock a half
            or a quarter of an hour off shows its cells at :30 or :45; a line and the date
            mark the start of a new day.
            Left and Right (Home, End) or a click choose a column; the time of each clock
            at that moment shows below the hours.
Copy        puts the chosen moment, in every clock, on the clipboard.
Close       closes the window (Escape).

TIPS

orbel --plan Europe/Madrid,Asia/Kolkata prints the same hours from the command line.
</source>
        <translation>INTRODUCCIÓN

La ventana Planificar pone una junto a otra las horas de un día de cada reloj que muestra
la ventana de los relojes, para encontrar de un vistazo una hora que convenga a todos.
Cada columna es un momento: al leerla de arriba abajo se ve la hora de cada reloj en ese
momento.

OPCIONES

Fecha       el día del primer reloj que se planifica; las columnas van de su medianoche a
            la siguiente. Un día en que ese reloj pasa al horario de verano o lo deja
            tiene 23 o 25 horas.
Horas       las celdas verdes son el horario laboral (de 9:00 a 18:00); las claras, el
            resto del día; las azules, el amanecer y el anochecer, y las oscuras, la noche
            en la ciudad de la zona. Un reloj desfasado media hora o un cuarto de hora
            muestra sus celdas a las :30 o a las :45; una línea y la fecha marcan el
            comienzo de un día nuevo.
            Izquierda y Derecha (Inicio, Fin) o un clic eligen una columna; la hora de
            cada reloj en ese momento se muestra debajo de las horas.
Copiar      copia en el portapapeles el momento elegido, en todos los relojes.
Cerrar      cierra la ventana (Esc).

CONSEJOS

orbel --plan Europe/Madrid,Asia/Kolkata escribe las mismas horas desde la línea de
órdenes.
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escriba como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The clocks window must be visible in order to perform this operation.

Please show the window from the Orbel menu then try again.</source>
        <translation>La ventana de los relojes debe estar visible para realizar esta operación.

Muestre la ventana desde el menú de Orbel y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>ServerSetting</name>
    <message>
        <source>The server&apos;s port &quot;%1&quot; is not a whole number from 1 to 65535.</source>
        <translation>El puerto del servidor, «%1», no es un número entero de 1 a 65535.</translation>
    </message>
    <message>
        <source>The server&apos;s IPv6 address &quot;%1&quot; lacks its closing bracket.</source>
        <translation>A la dirección IPv6 del servidor, «%1», le falta el corchete de cierre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in brackets is not an IPv6 address.</source>
        <translation>«%1», entre corchetes, no es una dirección IPv6.</translation>
    </message>
    <message>
        <source>Only a port (&quot;:37&quot;) may follow the IPv6 address in brackets, not &quot;%1&quot;.</source>
        <translation>Tras la dirección IPv6 entre corchetes solo puede ir un puerto («:37»), no «%1».</translation>
    </message>
    <message>
        <source>No server is set.</source>
        <translation>No hay ningún servidor configurado.</translation>
    </message>
    <message>
        <source>The server&apos;s name is longer than %1 characters.</source>
        <translation>El nombre del servidor tiene más de %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 will now close.

Please run the program again and it will start fresh with default settings.</source>
        <translation>%1 se cerrará ahora.

Vuelva a ejecutar el programa y empezará de nuevo con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>%1 will now close.

%2 could not be moved aside, so %1 cannot start fresh. Move or delete that file and run the program again.</source>
        <translation>%1 se cerrará ahora.

No se ha podido apartar %2, así que %1 no puede empezar de nuevo. Mueva o elimine ese archivo y vuelva a ejecutar el programa.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Se produjo un error inesperado al leer %1.</translation>
    </message>
    <message>
        <source>the home folder (HOME) is not known</source>
        <translation>no se conoce la carpeta personal (HOME)</translation>
    </message>
    <message>
        <source>in the home folder</source>
        <translation>de la carpeta personal</translation>
    </message>
    <message>
        <source>Cannot use the data folder %1 (%2); the settings are read from %3 and will not be saved.</source>
        <translation>No se puede usar la carpeta de datos %1 (%2); la configuración se lee de %3 y no se guardará.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>&amp;Acerca de %1...</translation>
    </message>
    <message>
        <source>Sho&amp;w	V</source>
        <translation>Mo&amp;strar	V</translation>
    </message>
    <message>
        <source>Hid&amp;e	V</source>
        <translation>Ocul&amp;tar	V</translation>
    </message>
    <message>
        <source>Co&amp;nvert...	N</source>
        <translation>Co&amp;nvertir...	N</translation>
    </message>
    <message>
        <source>&amp;Time in Zone...	T</source>
        <translation>Hora en &amp;zona...	T</translation>
    </message>
    <message>
        <source>&amp;Options...	O</source>
        <translation>&amp;Opciones...	O</translation>
    </message>
    <message>
        <source>&amp;Help	F1</source>
        <translation>Ay&amp;uda	F1</translation>
    </message>
    <message>
        <source>&amp;About Orbel...</source>
        <translation>&amp;Acerca de Orbel...</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
    <message>
        <source>World clock</source>
        <translation>Reloj mundial</translation>
    </message>
    <message>
        <source>&amp;Plan...	P</source>
        <translation>&amp;Planificar...	P</translation>
    </message>
    <message>
        <source>&amp;Day and Night	D</source>
        <translation>&amp;Día y noche	D</translation>
    </message>
</context>
<context>
    <name>SocketErrors</name>
    <message>
        <source>The connection with the server was terminated abnormally</source>
        <translation>La conexión con el servidor terminó de forma anómala</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Número de archivo incorrecto</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso no disponible temporalmente</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>La operación ya está en curso</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Operación de socket sobre algo que no es un socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Se necesita una dirección de destino</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Mensaje demasiado largo</translation>
    </message>
    <message>
        <source>Protocol wrong type for socket</source>
        <translation>Tipo de protocolo incorrecto para el socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Opción de protocolo incorrecta</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocolo no admitido</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Tipo de socket no admitido</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>Operación no admitida</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Familia de protocolos no admitida</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>La familia de protocolos no admite esta familia de direcciones</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Cannot assign requested address</source>
        <translation>No se puede asignar la dirección solicitada</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La red no funciona</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>No se puede llegar a la red</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>La red cortó la conexión al restablecerse</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>El software provocó la interrupción de la conexión</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>El otro extremo restableció la conexión</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>No queda espacio de búfer</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>El socket ya está conectado</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>El socket no está conectado</translation>
    </message>
    <message>
        <source>Cannot send after socket shutdown</source>
        <translation>No se puede enviar después de cerrar el socket</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de espera de la conexión</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>The name is too long</source>
        <translation>El nombre es demasiado largo</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El host no funciona</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No hay ruta hasta el host</translation>
    </message>
    <message>
        <source>Network subsystem is unavailable</source>
        <translation>El subsistema de red no está disponible</translation>
    </message>
    <message>
        <source>WINSOCK.DLL version out of range</source>
        <translation>Versión de WINSOCK.DLL fuera de intervalo</translation>
    </message>
    <message>
        <source>Windows sockets initialization failed</source>
        <translation>No se pudo iniciar Windows Sockets</translation>
    </message>
    <message>
        <source>Graceful shutdown in progress</source>
        <translation>Cierre ordenado en curso</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>No se encontró el host</translation>
    </message>
    <message>
        <source>Non-authoritative host not found.  Please try again</source>
        <translation>No se encontró el host (respuesta no autoritativa).  Vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Non-recoverable Database/DNS error</source>
        <translation>Error irrecuperable de la base de datos o del DNS</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type (missing A record?)</source>
        <translation>Nombre válido, pero sin registro del tipo solicitado (¿falta el registro A?)</translation>
    </message>
    <message>
        <source>The server&apos;s answer did not echo this request (wrong origin timestamp); it was not used</source>
        <translation>La respuesta del servidor no correspondía a esta petición (marca de tiempo de origen errónea); no se ha usado</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not a time packet of 48 bytes; it was not used</source>
        <translation>La respuesta del servidor no era un paquete de hora de 48 bytes; no se ha usado</translation>
    </message>
    <message>
        <source>An answer came from another address or port than the server asked; it was not used</source>
        <translation>Llegó una respuesta de una dirección o un puerto distintos de los del servidor consultado; no se ha usado</translation>
    </message>
    <message>
        <source>The answer was not sent in server mode; it was not used</source>
        <translation>La respuesta no se envió en modo servidor; no se ha usado</translation>
    </message>
    <message>
        <source>The server is not synchronised (its stratum is above 15); its answer was not used</source>
        <translation>El servidor no está sincronizado (su estrato es mayor que 15); no se ha usado su respuesta</translation>
    </message>
    <message>
        <source>The server says its clock is not synchronised; its answer was not used</source>
        <translation>El servidor indica que su reloj no está sincronizado; no se ha usado su respuesta</translation>
    </message>
    <message>
        <source>The server&apos;s answer carries no transmit time; it was not used</source>
        <translation>La respuesta del servidor no trae la hora de envío; no se ha usado</translation>
    </message>
    <message>
        <source>The server&apos;s answer carries no receive time; it was not used</source>
        <translation>La respuesta del servidor no trae la hora de recepción; no se ha usado</translation>
    </message>
    <message>
        <source>The server&apos;s answer gives a round-trip delay below zero or longer than any network&apos;s; it was not used</source>
        <translation>La respuesta del servidor da un retardo de ida y vuelta negativo o mayor que el de cualquier red; no se ha usado</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not of NTP version 3 or 4; it was not used</source>
        <translation>La respuesta del servidor no es de la versión 3 o 4 de NTP; no se ha usado</translation>
    </message>
    <message>
        <source>The server is too far from its reference clock (root delay and dispersion); its answer was not used</source>
        <translation>El servidor está demasiado lejos de su reloj de referencia (retardo y dispersión raíz); no se ha usado su respuesta</translation>
    </message>
    <message>
        <source>The server asks to be asked less often (kiss code RATE); its answer was not used and it is asked again only after a wait</source>
        <translation>El servidor pide que se le consulte con menos frecuencia (código kiss RATE); no se ha usado su respuesta y no se le volverá a consultar hasta pasado un tiempo</translation>
    </message>
    <message>
        <source>The server denies this computer access (kiss code DENY); its answer was not used: choose another server</source>
        <translation>El servidor niega el acceso a este equipo (código kiss DENY); no se ha usado su respuesta: elija otro servidor</translation>
    </message>
    <message>
        <source>The server&apos;s access rules exclude this computer (kiss code RSTR); its answer was not used: choose another server</source>
        <translation>Las reglas de acceso del servidor excluyen a este equipo (código kiss RSTR); no se ha usado su respuesta: elija otro servidor</translation>
    </message>
    <message>
        <source>The server refused to give the time (kiss of death); its answer was not used</source>
        <translation>El servidor se negó a dar la hora («kiss of death»); no se ha usado su respuesta</translation>
    </message>
    <message>
        <source>The time server did not answer</source>
        <translation>El servidor de hora no respondió</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Error #%1: %2.</source>
        <translation>Error n.º %1: %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Local
City</source>
        <translation>Local
Ciudad</translation>
    </message>
    <message>
        <source>1st
2nd
3rd
4th
Last</source>
        <translation>Primer
Segundo
Tercer
Cuarto
Último</translation>
    </message>
    <message>
        <source>Ignore (use system records)
Merge (correct system records)
Replace (use Orbel records)</source>
        <translation>Ignorar (usar los registros del sistema)
Combinar (corregir los registros del sistema)
Sustituir (usar los registros de Orbel)</translation>
    </message>
    <message>
        <source>%1 record(s) found in %2</source>
        <translation>%1 registro(s) encontrado(s) en %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Same as Windows</source>
        <translation>Igual que Windows</translation>
    </message>
    <message>
        <source>%s %s of %s at %s</source>
        <translation>%s %s de %s a las %s</translation>
    </message>
</context>
<context>
    <name>SunTexts</name>
    <message>
        <source>No sunrise or sunset: the zone names no city</source>
        <translation>Sin salida ni puesta del sol: la zona no indica ninguna ciudad</translation>
    </message>
    <message>
        <source>Polar day: the sun does not set</source>
        <translation>Día polar: el sol no se pone</translation>
    </message>
    <message>
        <source>Polar night: the sun does not rise</source>
        <translation>Noche polar: el sol no sale</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Salida del sol: %1; puesta: %2</translation>
    </message>
    <message>
        <source>Next clock change unknown: the zone is not in this computer&apos;s tz database</source>
        <translation>Próximo cambio de hora desconocido: la zona no está en la base de datos tz de este equipo</translation>
    </message>
    <message>
        <source>No clock change ahead</source>
        <translation>No hay ningún cambio de hora previsto</translation>
    </message>
    <message>
        <source>Changes on %1 at %2 to UTC%3</source>
        <translation>Cambio de hora el %1 a las %2: pasa a UTC%3</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>The clock was not set: %1</source>
        <translation>No se ha puesto en hora el reloj: %1</translation>
    </message>
    <message>
        <source>The clock was set.</source>
        <translation>Se ha puesto en hora el reloj.</translation>
    </message>
    <message>
        <source>Nothing to change: the clock already shows the server&apos;s time.</source>
        <translation>Nada que cambiar: el reloj ya marca la hora del servidor.</translation>
    </message>
</context>
<context>
    <name>orbel::CPPClocks</name>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>Cloc&amp;ks:</source>
        <translation>&amp;Relojes:</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Supplement</source>
        <translation>Suplemento</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Aut&amp;omatically adjust clock daylight saving changes</source>
        <translation>Ajustar aut&amp;omáticamente los cambios de horario de verano</translation>
    </message>
    <message>
        <source>Automatically adjust clock daylight saving changes</source>
        <translation>Ajustar automáticamente los cambios de horario de verano</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tít&amp;ulo:</translation>
    </message>
    <message>
        <source>&amp;Supplement:</source>
        <translation>Su&amp;plemento:</translation>
    </message>
    <message>
        <source>minute(s)</source>
        <translation>minuto(s)</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>Find zone</source>
        <translation>Buscar zona</translation>
    </message>
    <message>
        <source>Fi&amp;nd zone:</source>
        <translation>&amp;Buscar zona:</translation>
    </message>
</context>
<context>
    <name>orbel::CPPDST</name>
    <message>
        <source>TZI</source>
        <translation>TZI</translation>
    </message>
    <message>
        <source>Database usage</source>
        <translation>Uso de la base de datos</translation>
    </message>
    <message>
        <source>Database status</source>
        <translation>Estado de la base de datos</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Windows daylight saving start</source>
        <translation>Inicio del horario de verano de Windows</translation>
    </message>
    <message>
        <source>Windows daylight saving end</source>
        <translation>Fin del horario de verano de Windows</translation>
    </message>
    <message>
        <source>Orbel daylight saving start</source>
        <translation>Inicio del horario de verano de Orbel</translation>
    </message>
    <message>
        <source>Orbel daylight saving end</source>
        <translation>Fin del horario de verano de Orbel</translation>
    </message>
    <message>
        <source>Database &amp;usage:</source>
        <translation>&amp;Uso de la base de datos:</translation>
    </message>
    <message>
        <source>Database status:</source>
        <translation>Estado de la base de datos:</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>Windows daylight saving time</source>
        <translation>Horario de verano de Windows</translation>
    </message>
    <message>
        <source>Orbel daylight saving time</source>
        <translation>Horario de verano de Orbel</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
</context>
<context>
    <name>orbel::CPPFormat</name>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de la hora</translation>
    </message>
    <message>
        <source>Update clocks every</source>
        <translation>Actualizar los relojes cada</translation>
    </message>
    <message>
        <source>&amp;Update clocks every</source>
        <translation>Act&amp;ualizar los relojes cada</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>segundo(s)</translation>
    </message>
    <message>
        <source>&amp;Flash Clocks</source>
        <translation>Hacer &amp;parpadear los relojes</translation>
    </message>
    <message>
        <source>Flash Clocks</source>
        <translation>Hacer parpadear los relojes</translation>
    </message>
    <message>
        <source>Stay on &amp;top of other windows</source>
        <translation>Siempre &amp;encima de las demás ventanas</translation>
    </message>
    <message>
        <source>Stay on top of other windows</source>
        <translation>Siempre encima de las demás ventanas</translation>
    </message>
    <message>
        <source>Hide &amp;border</source>
        <translation>Ocultar el &amp;borde</translation>
    </message>
    <message>
        <source>Hide border</source>
        <translation>Ocultar el borde</translation>
    </message>
    <message>
        <source>&amp;Exclude from task bar and list</source>
        <translation>E&amp;xcluir de la barra de tareas y de la lista</translation>
    </message>
    <message>
        <source>Exclude from task bar and list</source>
        <translation>Excluir de la barra de tareas y de la lista</translation>
    </message>
    <message>
        <source>Anal&amp;og style</source>
        <translation>Es&amp;tilo analógico</translation>
    </message>
    <message>
        <source>Analog style</source>
        <translation>Estilo analógico</translation>
    </message>
    <message>
        <source>Use &amp;24 hour convention</source>
        <translation>Usar el formato de &amp;24 horas</translation>
    </message>
    <message>
        <source>Use 24 hour convention</source>
        <translation>Usar el formato de 24 horas</translation>
    </message>
    <message>
        <source>Show &amp;seconds</source>
        <translation>Mostrar los &amp;segundos</translation>
    </message>
    <message>
        <source>Show seconds</source>
        <translation>Mostrar los segundos</translation>
    </message>
    <message>
        <source>Show &amp;name</source>
        <translation>Mostrar el &amp;nombre</translation>
    </message>
    <message>
        <source>Show name</source>
        <translation>Mostrar el nombre</translation>
    </message>
    <message>
        <source>Show &amp;date</source>
        <translation>Mostrar la &amp;fecha</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar la fecha</translation>
    </message>
    <message>
        <source>Show date as day of &amp;year</source>
        <translation>Mostrar la fecha como &amp;día del año</translation>
    </message>
    <message>
        <source>Show date as day of year</source>
        <translation>Mostrar la fecha como día del año</translation>
    </message>
</context>
<context>
    <name>orbel::CPPStyle</name>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nombre de la fuente</translation>
    </message>
    <message>
        <source>Font preview</source>
        <translation>Vista previa de la fuente</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Browse fonts</source>
        <translation>Examinar fuentes</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>Fo&amp;ndo:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tít&amp;ulo:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Time &amp;1:</source>
        <translation>Hora &amp;1:</translation>
    </message>
    <message>
        <source>Time &amp;2:</source>
        <translation>Hora &amp;2:</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color del fondo</translation>
    </message>
    <message>
        <source>Title colour</source>
        <translation>Color del título</translation>
    </message>
    <message>
        <source>Date colour</source>
        <translation>Color de la fecha</translation>
    </message>
    <message>
        <source>Time 1 colour</source>
        <translation>Color de la hora 1</translation>
    </message>
    <message>
        <source>Time 2 colour</source>
        <translation>Color de la hora 2</translation>
    </message>
</context>
<context>
    <name>orbel::CPPSynch</name>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Set to Local Time</source>
        <translation>Ajustar a la hora local</translation>
    </message>
    <message>
        <source>Adjust Min. &amp; Sec. Only</source>
        <translation>Ajustar solo min. y seg.</translation>
    </message>
    <message>
        <source>Adjust automatically</source>
        <translation>Ajustar automáticamente</translation>
    </message>
    <message>
        <source>Every (days)</source>
        <translation>Cada (días)</translation>
    </message>
    <message>
        <source>Last adjustment</source>
        <translation>Último ajuste</translation>
    </message>
    <message>
        <source>Next adjustment</source>
        <translation>Próximo ajuste</translation>
    </message>
    <message>
        <source>00:00:00 &amp; 3650 day(s) behind</source>
        <translation>00:00:00 y 3650 día(s) de adelanto</translation>
    </message>
</context>
<context>
    <name>orbel::CPSOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>orbel::ClockShell</name>
    <message>
        <source>Orbel menu</source>
        <translation>Menú de Orbel</translation>
    </message>
    <message>
        <source>The Day and Night option could not be kept for the next start: %1</source>
        <translation>No se ha podido guardar la opción Día y noche para el próximo inicio: %1</translation>
    </message>
</context>
<context>
    <name>orbel::ClockWindow</name>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
</context>
<context>
    <name>orbel::ConvertWindow</name>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Day 1</source>
        <translation>Día 1</translation>
    </message>
    <message>
        <source>Day 2</source>
        <translation>Día 2</translation>
    </message>
    <message>
        <source>Clock 1</source>
        <translation>Reloj 1</translation>
    </message>
    <message>
        <source>Clock 2</source>
        <translation>Reloj 2</translation>
    </message>
    <message>
        <source>Time 1</source>
        <translation>Hora 1</translation>
    </message>
    <message>
        <source>Time 2</source>
        <translation>Hora 2</translation>
    </message>
    <message>
        <source>Cloc&amp;k:</source>
        <translation>Relo&amp;j:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Find clock</source>
        <translation>Buscar reloj</translation>
    </message>
    <message>
        <source>Fi&amp;nd clock:</source>
        <translation>&amp;Buscar reloj:</translation>
    </message>
</context>
<context>
    <name>orbel::FontChooser</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font style</source>
        <translation>Estilo de fuente</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>&amp;Estilo de fuente:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muestra:</translation>
    </message>
</context>
<context>
    <name>orbel::HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This help text is missing: </source>
        <translation>Falta este texto de ayuda: </translation>
    </message>
</context>
<context>
    <name>orbel::PickerSearch</name>
    <message>
        <source>City, country or zone</source>
        <translation>Ciudad, país o zona</translation>
    </message>
</context>
<context>
    <name>orbel::PlaceholderPage</name>
    <message>
        <source>This page is not available yet.</source>
        <translation>Esta página aún no está disponible.</translation>
    </message>
</context>
<context>
    <name>orbel::PlanGrid</name>
    <message>
        <source>Hours of the day</source>
        <translation>Horas del día</translation>
    </message>
    <message>
        <source>Working hours (9 to 18)</source>
        <translation>Horario laboral (de 9 a 18)</translation>
    </message>
    <message>
        <source>Off hours</source>
        <translation>Fuera del horario laboral</translation>
    </message>
    <message>
        <source>Dawn and dusk</source>
        <translation>Amanecer y anochecer</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Working hours in the dark</source>
        <translation>Horario laboral sin luz</translation>
    </message>
</context>
<context>
    <name>orbel::PlannerWindow</name>
    <message>
        <source>Plan</source>
        <translation>Planificar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Left and Right choose the hour; the time of each clock shows below.</source>
        <translation>Izquierda y Derecha eligen la hora; debajo se ve la hora de cada reloj.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>orbel::SpinEdit</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>orbel::TimeInZoneWindow</name>
    <message>
        <source>Time in Zone</source>
        <translation>Hora en zona</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Aut&amp;omatically adjust clock daylight saving changes</source>
        <translation>Ajustar aut&amp;omáticamente los cambios de horario de verano</translation>
    </message>
    <message>
        <source>Automatically adjust clock daylight saving changes</source>
        <translation>Ajustar automáticamente los cambios de horario de verano</translation>
    </message>
    <message>
        <source>Current &amp;time:</source>
        <translation>&amp;Hora actual:</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>&amp;Zona horaria:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Find zone</source>
        <translation>Buscar zona</translation>
    </message>
    <message>
        <source>Sun and clock change</source>
        <translation>Sol y cambio de hora</translation>
    </message>
    <message>
        <source>Fi&amp;nd zone:</source>
        <translation>&amp;Buscar zona:</translation>
    </message>
</context>
</TS>
