<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statistiche di Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Benvenuto in Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Fai subito una pausa per gli occhi</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Sbatti lentamente le palpebre</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Raddrizza la schiena</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Salta la pausa</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Blocca lo schermo</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Pausa di Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Guarda lontano</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Trova qualcosa di lontano e lascia riposare gli occhi fino allo scadere del tempo</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Rilassa lo sguardo</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Guarda fuori dalla finestra o in fondo alla stanza, e sbatti lentamente le palpebre</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Lascia vagare lo sguardo</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Posalo sulla cosa più lontana che vedi</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Alza lo sguardo</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Venti secondi su qualcosa di lontano rigenerano gli occhi stanchi</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>È ora di staccare</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Alzati, sgranchisciti e concedi agli occhi un vero riposo</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Sgranchisciti</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Ruota le spalle, riempi il bicchiere d’acqua, guarda fuori</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Fai una vera pausa</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Una breve passeggiata aiuta la concentrazione più di un’altra ora davanti allo schermo</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Concentrazione</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Dolce</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Sguardo lontano 20 s ogni 20 min. Pausa lunga ogni ora.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Sguardo lontano 20 s ogni 30 min. Pausa lunga dopo 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Solo inviti a sbattere le palpebre, più una pausa lunga ogni 2 ore.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Consigliato</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leggero</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Sei in chiamata</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Un’app è a schermo intero</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Stai scrivendo</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Promemoria per le pause degli occhi</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Ti ricorda di riposare gli occhi, nel momento giusto per te</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>occhi;pausa;riposo;promemoria;salute;vista;schermo;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Preavviso di Tarnwick</translation>
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
        <translation>Disattivato fino a</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Disattivato fino a %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Fuori dal tuo orario di lavoro.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Riattivato fuori dal tuo orario di lavoro, fino a %1.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Le pause sono disattivate</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Attivale nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Pausa lunga tra</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Pausa lunga alle %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Pausa per gli occhi tra</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>La pausa lunga inizia</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>La pausa per gli occhi inizia</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Pausa rimandata</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Riceverai un preavviso appena ti liberi. Rimandata da %n min.</numerusform>
            <numerusform>Riceverai un preavviso appena ti liberi. Rimandata da %n min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Pausa per gli occhi</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Sospeso fino alle</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Rimandata</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Sospeso</translation>
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
        <translation>Promemoria per le pause degli occhi che aspetta il momento giusto</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick si prende cura dei tuoi occhi mentre lavori. Si trova nell’area di notifica con un piccolo conto alla rovescia, annuncia ogni pausa con una scheda di preavviso, poi copre ogni monitor con una schermata di pausa rilassante: un breve sguardo lontano ogni 20 minuti e una pausa più lunga per alzarti ogni ora.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Una pausa aspetta il momento giusto:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>durante una chiamata, o quando un programma a schermo intero è in primo piano, la pausa prevista viene rimandata e riproposta appena ti liberi;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>mentre scrivi, una pausa aspetta fino a due minuti che ti fermi;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>il tempo lontano dalla tastiera conta come pausa fatta.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Tiene un riepilogo settimanale delle pause fatte e saltate, e salva tutto in due file sul tuo computer. Non invia nulla da nessuna parte.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>La schermata di pausa, su ogni monitor</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Il preavviso prima di una pausa</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Il pannello nell’area di notifica</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Le impostazioni</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>La settimana in numeri</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>La tua prima pausa è tra %n minuto.</numerusform>
            <numerusform>La tua prima pausa è tra %n minuti.</numerusform>
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
        <translation>Conto alla rovescia di Tarnwick</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Promemoria di Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Non avvisarmi</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n secondo prima</numerusform>
            <numerusform>%n secondi prima</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Ogni %n minuto</numerusform>
            <numerusform>Ogni %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Versione %1 · compilazione personale</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Pause dallo schermo</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Pausa intelligente</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Promemoria benessere</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Schermata di pausa</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Privacy e dati</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Concentrazione e benessere</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Comportamento e feedback</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Flessibile</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Salta quando vuoi</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrato</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Salta dopo 5 secondi</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Rigido</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Niente salti</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Impostazioni di Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Vetro</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Tintinnio</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Fusa</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Eroe</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sottomarino</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottiglia</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Soffio</translation>
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
            <numerusform>Hai riposato gli occhi %n volta questa settimana.</numerusform>
            <numerusform>Hai riposato gli occhi %n volte questa settimana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Questa settimana ho riposato gli occhi %n volta con Tarnwick, un promemoria per le pause che aspetta quando sono in chiamata.</numerusform>
            <numerusform>Questa settimana ho riposato gli occhi %n volte con Tarnwick, un promemoria per le pause che aspetta quando sono in chiamata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>%n salto rimasto</numerusform>
            <numerusform>%n salti rimasti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>giorno all’80%+</numerusform>
            <numerusform>giorni all’80%+</numerusform>
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
            <numerusform>%n fatta</numerusform>
            <numerusform>%n fatte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n saltata</numerusform>
            <numerusform>%n saltate</numerusform>
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
        <translation>%1 tra %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 fino alle %2</translation>
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
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, fascia %2, inizio</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, fascia %2, fine</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Rimuovi %1, fascia %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Modalità rigida: questa pausa non si può saltare</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>%n salto rimasto questa settimana</numerusform>
            <numerusform>%n salti rimasti questa settimana</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Salta tra %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Premi due volte %1 per saltare la pausa</translation>
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
        <translation>Da un momento all’altro</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>In attesa di una pausa mentre scrivi.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Ora tocca a una pausa più lunga. Un buon momento per alzarti.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Ci siamo quasi. Concludi quello che stai facendo.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>La pausa inizia tra %n</numerusform>
            <numerusform>La pausa inizia tra %n</numerusform>
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
        <translation>Salta questa pausa</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Inizia subito questa pausa</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Inizia la pausa ora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Pausa per gli occhi ora</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Fino a domani</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Pausa lunga ora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Riprendi le pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>fatta oggi</numerusform>
            <numerusform>fatte oggi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>saltata</numerusform>
            <numerusform>saltate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>giorno di fila</numerusform>
            <numerusform>giorni di fila</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passo %1 di %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Avvia Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Pause per gli occhi che aspettano il momento giusto. Ogni quanto vuoi un promemoria?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Nessun permesso necessario. Tarnwick controlla solo se fotocamera o microfono sono attivi e se un’app è a schermo intero. Non viene registrato nulla.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Riunioni o chiamate</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Giochi a schermo intero</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick si trova nell’area di notifica. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Fai clic sull’icona per sospendere o fare una pausa</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Premi Ctrl Alt B in qualsiasi app per una pausa immediata</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Premi due volte esc per saltare una pausa, se serve</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Benvenuto in Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Le pause aspettano se hai da fare</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Avvia Tarnwick all’accesso</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Consigliato, così non devi ricordartene.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tutto pronto</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick ti aiuta a riposare gli occhi. Non è un consiglio medico.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Sezioni delle impostazioni</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Avvia Tarnwick all’accesso</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Area di notifica</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Mostra il conto alla rovescia nell’icona</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Se manca lo spazio, Tarnwick mostra solo l’icona.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Fai subito una pausa per gli occhi</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Salta la pausa in corso</translation>
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
        <translation>Pause per gli occhi</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Pause per gli occhi 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Guarda qualcosa di lontano</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Pause lunghe</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Alzati e allontanati dallo schermo</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Preavviso</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Rigore delle pause</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Esauriti i salti della settimana, puoi ancora saltare, ma dopo 15 secondi di attesa.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Salta la pausa</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Rimanda le pause durante</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Una pausa rimandata riceve un nuovo preavviso appena ti liberi.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Riunioni o chiamate</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Fotocamera, microfono o condivisione schermo in uso</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>App e giochi a schermo intero</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Anche video e presentazioni a schermo intero</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Pause naturali</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>In questo momento</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick controlla solo se sono attivi. Non vede mai i video, non ascolta l’audio e non legge il contenuto delle finestre.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Promemoria per le palpebre</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Una piccola sfera ti fa l’occhiolino, poi se ne va</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Promemoria per la postura</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Un piccolo invito a raddrizzare la schiena</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Anteprima del promemoria per le palpebre</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Anteprima del promemoria per la postura</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>I promemoria non rubano mai il focus e aspettano durante le chiamate e le app a schermo intero.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Guarda com’è una pausa</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Prova una pausa di 20 secondi</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>I tuoi messaggi per le pause degli occhi</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Bevi un po’ d’acqua e guarda fuori</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Rimuovi il messaggio</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Aggiungi un messaggio</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Suoni delle pause</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Riproduci un suono all’inizio di una pausa</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Riproduci un suono alla fine di una pausa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Riproduci il suono</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Esporta impostazioni e cronologia delle pause in JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Elimina la cronologia delle pause e ripristina tutte le impostazioni</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Elimina…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>L’operazione non si può annullare.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Pause per gli occhi che aspettano il momento giusto.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick ti aiuta a riposare gli occhi. Non è un consiglio medico. Se gli occhi ti fanno spesso male, rivolgiti a un oculista.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Una pausa ogni</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Durata della pausa</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Una pausa lunga ogni</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Durata della pausa lunga</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Avvisami prima di una pausa</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Salti concessi a settimana</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>L’assenza conta come pausa dopo</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Ricordamelo</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Impossibile modificare l’impostazione. Verifica che ~/.config/autostart sia scrivibile e riprova.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Disattivato nelle impostazioni di avvio del desktop. Consenti lì a Tarnwick di avviarsi all’accesso.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Le tue impostazioni e %n pausa registrata sono salvate solo su questo computer, in %1. Tarnwick non invia nulla da nessuna parte.</numerusform>
            <numerusform>Le tue impostazioni e %n pause registrate sono salvate solo su questo computer, in %1. Tarnwick non invia nulla da nessuna parte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Eliminare %n pausa e tutte le impostazioni?</numerusform>
            <numerusform>Eliminare %n pause e tutte le impostazioni?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Su Wayland, aspetta una pausa in ogni attività</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Aspetta una pausa fino a 2 minuti</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>Su questo desktop, il rilevamento dello schermo intero riguarda le applicazioni X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>Su questo desktop, la scorciatoia funziona quando un’applicazione X11 è in primo piano</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sessione: Wayland, tramite XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sessione: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Inattività: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Inibitori dell’inattività: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Schermo intero: script di KWin e proprietà delle finestre X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Schermo intero: IPC di sway e proprietà delle finestre X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Schermo intero: proprietà delle finestre X11 (EWMH), solo applicazioni X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Schermo intero: proprietà delle finestre X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Tasto rapido: scorciatoia globale del portale desktop</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Tasto rapido: cattura dei tasti X, quando un’applicazione X11 è in primo piano</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Tasto rapido: cattura dei tasti X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Condivisione schermo</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Condivisione schermo: attiva</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Condivisione schermo: non attiva</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Condivisione schermo: non rilevabile qui</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Fotocamera: accesa</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Fotocamera: spenta</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Microfono: acceso</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Microfono: spento</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Schermo intero: attivo</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Schermo intero: non attivo</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Sfondo del desktop</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Tarnwick usa le sue frasi rilassanti finché non ne aggiungi di tue.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick ne mostra una a caso sotto il titolo.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Salvato in %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Impossibile salvare il file: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Esporta impostazioni e cronologia delle pause</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Eliminato. Tarnwick è tornato alle impostazioni predefinite.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% delle pause concluse</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>La prossima è tra %1. Dopo, qui compariranno le pause fatte, saltate e rimandate.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statistiche di Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Pause fatte</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltate</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Rimandate per te</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>chiamate e schermo intero</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pause al giorno</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fatte</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copia come testo</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>La tua settimana inizia con la prima pausa</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Fanne una ora</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Inizia la pausa ora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Pausa per gli occhi ora</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Pausa lunga ora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Riprendi le pause</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Sospendi per 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Sospendi per 1 ora</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Sospendi fino a domani</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Aggiungi una fascia per %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Finché è disattivato, le pause possono arrivare in qualsiasi momento.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Nessun giorno ha un orario, quindi le pause possono arrivare in qualsiasi momento. Aggiungi una fascia per limitarle.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Le pause arrivano solo in questi orari. Una fascia che finisce prima di iniziare prosegue oltre la mezzanotte.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Inserisci un orario nel formato HH:MM, da 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>“%1” non è un orario. Usa HH:MM, da 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Una fascia non può iniziare e finire alla stessa ora (%1). Scegli un altro inizio.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Una fascia non può iniziare e finire alla stessa ora (%1). Scegli un’altra fine.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Orario di lavoro</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Ricordamelo solo durante l’orario di lavoro</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Aggiungi fascia</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Copia il lunedì sui giorni feriali</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Da martedì a venerdì avranno gli orari del lunedì</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Nessun orario</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>giorno dopo</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Ore e minuti, da 00:00 a 23:59; i tasti Su e Giù lo cambiano di 15 minuti</translation>
    </message>
</context>
</TS>
