<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Estadísticas de Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Te damos la bienvenida a Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Tomar un descanso visual ahora</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Parpadea despacio</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Endereza la espalda</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Saltar descanso</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bloquear pantalla</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Descanso de Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Mira a lo lejos</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Busca algo lejano y deja que tus ojos se relajen hasta que acabe el tiempo</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Relaja la mirada</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Mira por una ventana o al otro lado de la habitación, y parpadea despacio</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Deja vagar la mirada</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Pósala en lo más lejano que alcances a ver</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Hora de levantar la vista</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Veinte segundos mirando algo lejano reponen los ojos cansados</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Hora de alejarte un poco</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Levántate, estírate y da a tus ojos un descanso de verdad</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Estírate</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Mueve los hombros, rellena el agua y mira fuera</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Tómate un descanso de verdad</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Un paseo corto hace más por tu concentración que otra hora mirando la pantalla</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Concentración</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Aparta la vista 20 s cada 20 min. Descanso largo cada hora.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Aparta la vista 20 s cada 30 min. Descanso largo a los 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Solo avisos de parpadeo y un descanso largo cada 2 horas.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Estás en una llamada</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Hay una app a pantalla completa</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Estás escribiendo</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Recordatorio de descansos visuales</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Te recuerda descansar la vista en el momento que mejor te venga</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>ojos;vista;descanso;pausa;recordatorio;salud;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Aviso de Tarnwick</translation>
    </message>
</context>
<context>
    <name>HoursStatus</name>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is a short weekday name, %2 a time of day: &quot;Mon 09:00&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Off until</source>
        <extracomment>Followed by when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Sin descansos hasta</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Sin descansos hasta %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Fuera de tu horario laboral.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Descansos reanudados fuera de tu horario laboral, hasta %1.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Los descansos están desactivados</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Actívalos en Configuración.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Descanso largo en</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Descanso largo a las %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Próximo descanso visual en</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Empieza el descanso largo</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Empieza el descanso visual</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Descanso en espera</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Te avisaremos cuando estés libre. En espera desde hace %n min.</numerusform>
            <numerusform>Te avisaremos cuando estés libre. En espera desde hace %n min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Descanso visual</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>En pausa hasta</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Tarnwick: %1 %2</source>
        <extracomment>The tray&apos;s tooltip: %1 is a status such as &quot;Off until&quot;, %2 a time such as &quot;09:00&quot; or &quot;Tue 09:00&quot;</extracomment>
        <translation>Tarnwick: %1 %2</translation>
    </message>
    <message>
        <source>Tarnwick: %1</source>
        <extracomment>The tray&apos;s tooltip: %1 is the time to the next break (&quot;4m&quot;, &quot;59s&quot;) or a state (&quot;Held&quot;, &quot;Paused&quot;)</extracomment>
        <translation>Tarnwick: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name, as the window list and screen readers give the tray panel</extracomment>
        <translation>Tarnwick</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Eye break reminder that waits for the right moment</source>
        <translation>Recordatorio de descansos visuales que espera el momento justo</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick cuida tus ojos mientras trabajas. Se queda en la bandeja del sistema con una pequeña cuenta atrás, anuncia cada descanso con una tarjeta de aviso y luego cubre todos los monitores con una pantalla de descanso tranquila: una breve mirada a lo lejos cada 20 minutos y un descanso más largo para levantarte cada hora.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Cada descanso espera el momento justo:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>durante una llamada, o mientras hay un programa a pantalla completa en primer plano, el descanso pendiente queda en espera y se vuelve a ofrecer cuando estés libre;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>mientras escribes, el descanso espera hasta dos minutos a que hagas una pausa;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>el tiempo lejos del teclado cuenta como descanso tomado.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Guarda un resumen semanal de los descansos que has tomado y saltado, y lo almacena todo en dos archivos en tu equipo. No envía nada a ningún sitio.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>La pantalla de descanso, en todos los monitores</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>El aviso antes de un descanso</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>El panel de la bandeja</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>La configuración</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>La semana en cifras</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Tu primer descanso será dentro de %n minuto.</numerusform>
            <numerusform>Tu primer descanso será dentro de %n minutos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OnboardingPresetRow</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A timing preset&apos;s description for screen readers: %1 is its summary, %2 its tag</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>PointerPanel</name>
    <message>
        <source>Tarnwick countdown</source>
        <translation>Cuenta atrás de Tarnwick</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Recordatorio de Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>No avisarme</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n segundo antes</numerusform>
            <numerusform>%n segundos antes</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Cada %n minuto</numerusform>
            <numerusform>Cada %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Versión %1 · compilación personal</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Descansos</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Pausa inteligente</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Pantalla de descanso</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Privacidad y datos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Enfoque y bienestar</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Aspecto y sonido</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Flexible</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Salta cuando quieras</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Salta tras 5 segundos</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Estricto</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Sin saltos</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Configuración de Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Tintineo</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Ronroneo</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Héroe</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Botella</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Soplo</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>Morse</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>%1 – %2</source>
        <extracomment>A week&apos;s first and last day, e.g. &quot;2 Mar – 8 Mar&quot;</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>You rested your eyes %n times this week.</source>
        <translation>
            <numerusform>Esta semana has descansado la vista %n vez.</numerusform>
            <numerusform>Esta semana has descansado la vista %n veces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Esta semana he descansado la vista %n vez con Tarnwick, un recordatorio de descansos que espera mientras estoy en llamadas.</numerusform>
            <numerusform>Esta semana he descansado la vista %n veces con Tarnwick, un recordatorio de descansos que espera mientras estoy en llamadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>Queda %n salto</numerusform>
            <numerusform>Quedan %n saltos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>día con 80%+</numerusform>
            <numerusform>días con 80%+</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A day&apos;s column of the chart: %1 is the weekday, %2 the breaks taken (&quot;3 taken&quot;), %3 the skipped (&quot;1 skipped&quot;)</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n tomado</numerusform>
            <numerusform>%n tomados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n saltado</numerusform>
            <numerusform>%n saltados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is the tray&apos;s status (&quot;Next eye break in&quot;), %2 its countdown (&quot;12m&quot;)
----------
%1 is &quot;Paused until&quot;, %2 a time of day</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is &quot;Eye break starting&quot; or &quot;Long break starting&quot;, %2 the time left (&quot;10s&quot;)</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 hasta las %2</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name, as the window list and screen readers give the tray menu</extracomment>
        <translation>Tarnwick</translation>
    </message>
</context>
<context>
    <name>WorkingHours</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, inicio de la franja %2</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, fin de la franja %2</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>%1: quitar la franja %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Modo estricto: este descanso no se puede saltar</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Te queda %n salto esta semana</numerusform>
            <numerusform>Te quedan %n saltos esta semana</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Saltar en %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Pulsa %1 dos veces para saltar el descanso</translation>
    </message>
    <message>
        <source>esc</source>
        <extracomment>The label on the key cap of the Escape key</extracomment>
        <translation>esc</translation>
    </message>
</context>
<context>
    <name>tarnwick::HeadsUpViewModel</name>
    <message>
        <source>Any second now</source>
        <translation>En cualquier momento</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Esperando a que hagas una pausa al escribir.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Toca un descanso largo. Buen momento para levantarte.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Casi es la hora. Ve terminando lo que haces.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>El descanso empieza en %n</numerusform>
            <numerusform>El descanso empieza en %n</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 min</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>Saltar este descanso</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Empezar este descanso ahora</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Descansar ahora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Descanso visual ahora</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Hasta mañana</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Descanso largo ahora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Reanudar descansos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>tomado hoy</numerusform>
            <numerusform>tomados hoy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>saltado</numerusform>
            <numerusform>saltados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>día seguido</numerusform>
            <numerusform>días seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Iniciar Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Descansos visuales que esperan el momento justo. ¿Cada cuánto te los recordamos?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>No hacen falta permisos. Tarnwick solo comprueba si la cámara o el micro están encendidos y si hay una app a pantalla completa. No se graba nada.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Reuniones o llamadas</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Juegos a pantalla completa</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Al escribir</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick vive en la bandeja del sistema. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Haz clic en el icono de la bandeja para pausar o descansar</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Pulsa Ctrl Alt B en cualquier app para descansar ya</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Pulsa esc dos veces para saltar un descanso si lo necesitas</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Te damos la bienvenida a Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Los descansos esperan a que estés libre</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Abrir Tarnwick al iniciar sesión</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Recomendado, para que no tengas que acordarte.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick te ayuda a descansar la vista. No es consejo médico.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Secciones de la configuración</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Abrir Tarnwick al iniciar sesión</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Mostrar la cuenta atrás en el icono de la bandeja</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Si no cabe en la bandeja, Tarnwick muestra solo el icono.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Tomar un descanso visual ahora</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Saltar un descanso en curso</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Descansos visuales</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Descansos visuales 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Mira algo lejano</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Descansos largos</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Levántate y aléjate un poco</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Aviso previo</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Nivel de exigencia</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Cuando se agoten los saltos de la semana, aún podrás saltar, pero tras esperar 15 segundos.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Saltar descanso</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Poner en espera durante</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Un descanso en espera recibe un nuevo aviso en cuanto estés libre.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Reuniones o llamadas</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Cámara, micrófono o pantalla compartida en uso</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Apps y juegos a pantalla completa</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>También vídeos y presentaciones a pantalla completa</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Al escribir</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Descansos naturales</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick solo comprueba si están activos. Nunca ve vídeo, oye sonido ni lee el contenido de las ventanas.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Recordatorios de parpadeo</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Una pequeña esfera parpadea y luego se va</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Recordatorios de postura</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Un suave aviso para enderezar la espalda</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Vista previa del recordatorio de parpadeo</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Vista previa del recordatorio de postura</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Los recordatorios nunca roban el foco y esperan durante llamadas y apps a pantalla completa.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Mira cómo es un descanso</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Prueba un descanso de 20 segundos</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Tus mensajes para los descansos visuales</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Bebe un poco de agua y mira fuera</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Quitar mensaje</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Añadir un mensaje</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Sonidos de los descansos</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Reproducir un sonido al empezar un descanso</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Reproducir un sonido al terminar un descanso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Tus datos</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Exportar la configuración y el historial de descansos en JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Eliminar el historial y restablecer toda la configuración</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>No se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Descansos visuales que esperan el momento justo.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick te ayuda a descansar la vista. No es consejo médico. Si te duelen los ojos a menudo, consulta a un oftalmólogo.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Mostrar un descanso cada</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Duración del descanso</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Mostrar un descanso largo cada</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duración del descanso largo</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Avisarme antes de un descanso</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Saltos permitidos por semana</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>El tiempo fuera cuenta como descanso tras</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>No se ha podido cambiar. Comprueba que se puede escribir en ~/.config/autostart y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Desactivado en la configuración de inicio de tu escritorio. Permite ahí Tarnwick para que se abra al iniciar sesión.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Tu configuración y %n descanso registrado se guardan solo en este equipo, en %1. Tarnwick no envía nada a ningún sitio.</numerusform>
            <numerusform>Tu configuración y %n descansos registrados se guardan solo en este equipo, en %1. Tarnwick no envía nada a ningún sitio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>¿Eliminar %n descanso y toda la configuración?</numerusform>
            <numerusform>¿Eliminar %n descansos y toda la configuración?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>En Wayland, espera una pausa en cualquier entrada</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Espera hasta 2 minutos a que hagas una pausa</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>En este escritorio, la detección de pantalla completa abarca las aplicaciones X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>En este escritorio, el atajo funciona mientras haya una aplicación X11 en primer plano</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sesión: Wayland, a través de XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sesión: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Inactividad: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Inhibidores de inactividad: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Pantalla completa: scripts de KWin y propiedades de ventana X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Pantalla completa: IPC de sway y propiedades de ventana X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Pantalla completa: propiedades de ventana X11 (EWMH), solo aplicaciones X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Pantalla completa: propiedades de ventana X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Atajo: atajo global del portal de escritorio</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Atajo: captura de teclas de X, mientras haya una aplicación X11 en primer plano</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Atajo: captura de teclas de X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Pantalla compartida</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Pantalla compartida: activa</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Pantalla compartida: inactiva</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Pantalla compartida: no detectable aquí</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Cámara: encendida</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Cámara: apagada</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Micrófono: encendido</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Micrófono: apagado</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Pantalla completa: activa</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Pantalla completa: inactiva</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo de escritorio</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Atardecer</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Tarnwick usa sus propias frases tranquilas hasta que añadas las tuyas.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick muestra una de estas al azar bajo el título.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>No se ha podido guardar el archivo: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Exportar configuración e historial de descansos</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Eliminado. Tarnwick ha vuelto a su configuración predeterminada.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1&#xa0;% de los descansos terminados</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>El próximo es dentro de %1. Después, aquí verás los descansos tomados, saltados y en espera.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Estadísticas de Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Descansos tomados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltados</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Esperaron por ti</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>llamadas y pantalla completa</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Descansos por día</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Tomados</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copiar como texto</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Tu semana empieza con el primer descanso</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Toma uno ahora</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Descansar ahora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Descanso visual ahora</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Descanso largo ahora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Reanudar descansos</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Pausar 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Pausar 1 hora</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Pausar hasta mañana</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1: añadir una franja</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Mientras esté desactivado, los descansos pueden llegar en cualquier momento.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Ningún día tiene horario, así que los descansos pueden llegar en cualquier momento. Añade una franja para limitarlos a ella.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Los descansos solo llegan en este horario. Una franja que termina antes de empezar pasa de la medianoche.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Escribe una hora como HH:MM, de 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>«%1» no es una hora. Usa HH:MM, de 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Una franja no puede empezar y terminar a la misma hora (%1). Elige otro inicio.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Una franja no puede empezar y terminar a la misma hora (%1). Elige otro final.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Horario laboral</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Recordarme solo en horario laboral</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Añadir franja</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Copiar el lunes a días laborables</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>De martes a viernes tendrán el horario del lunes</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Sin horario</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>día siguiente</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Horas y minutos, de 00:00 a 23:59; Arriba y Abajo la cambian en 15 minutos</translation>
    </message>
</context>
</TS>
