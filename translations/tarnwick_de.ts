<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick-Statistik</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Willkommen bei Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Jetzt eine Augenpause machen</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Blinzle langsam</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Setz dich aufrecht hin</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Pause überspringen</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick-Pause</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Schau in die Ferne</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Such dir etwas in der Ferne und lass deine Augen entspannen, bis die Zeit um ist</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Entspann deinen Blick</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Schau aus dem Fenster oder durch den Raum und blinzle langsam</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Lass deine Augen wandern</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Lass sie auf dem entferntesten Punkt ruhen, den du siehst</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Zeit, aufzublicken</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Zwanzig Sekunden Blick in die Ferne erfrischen müde Augen</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Zeit, kurz wegzugehen</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Steh auf, streck dich und gönn deinen Augen echte Ruhe</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Streck dich mal</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Kreise die Schultern, füll dein Wasser auf, schau nach draußen</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Mach eine richtige Pause</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Ein kurzer Spaziergang bringt deiner Konzentration mehr als eine weitere Stunde Starren</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Tiefer Fokus</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Alle 20 Min. für 20 s wegschauen. Jede Stunde eine lange Pause.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Alle 30 Min. für 20 s wegschauen. Lange Pause nach 90 Min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Nur Blinzel-Hinweise, dazu alle 2 Stunden eine lange Pause.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Du bist in einem Anruf</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Eine Vollbild-App ist geöffnet</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Du tippst gerade</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Erinnerung an Augenpausen</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Erinnert dich an Augenpausen – in einem Moment, der dir passt</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>Augen;Pause;Augenpause;Erholung;Erinnerung;Gesundheit;Bildschirmpause;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick-Vorwarnung</translation>
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
        <translation>Aus bis</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Aus bis %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Außerhalb deiner Arbeitszeit.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Außerhalb deiner Arbeitszeit fortgesetzt, bis %1.</translation>
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
        <translation>Pausen sind aus</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Schalte sie in den Einstellungen ein.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Lange Pause in</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Lange Pause um %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Nächste Augenpause in</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Lange Pause beginnt</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Augenpause beginnt</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Pause aufgeschoben</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Du wirst vorgewarnt, sobald du frei bist. Seit %n Min. aufgeschoben.</numerusform>
            <numerusform>Du wirst vorgewarnt, sobald du frei bist. Seit %n Min. aufgeschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Augenpause</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Pausiert bis</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Aufgeschoben</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Pausiert</translation>
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
        <translation>Erinnerung an Augenpausen, die den richtigen Moment abwartet</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick achtet bei der Arbeit auf deine Augen. Es sitzt mit einem kleinen Countdown im Systemabschnitt, kündigt jede Pause mit einer Vorwarnung an und legt dann einen ruhigen Pausenbildschirm über jeden Monitor: alle 20 Minuten ein kurzer Blick in die Ferne und jede Stunde eine längere Pause zum Aufstehen.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Eine Pause wartet auf den richtigen Moment:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>während eines Anrufs oder solange ein Vollbildprogramm im Vordergrund ist, wird eine fällige Pause aufgeschoben und erneut angeboten, sobald du frei bist;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>während du tippst, wartet eine Pause bis zu zwei Minuten, bis du kurz innehältst;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>Zeit abseits der Tastatur zählt als gemachte Pause.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Es führt eine Wochenübersicht über gemachte und übersprungene Pausen und speichert alles in zwei Dateien auf deinem Computer. Es sendet nichts nach außen.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Der Pausenbildschirm auf jedem Monitor</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Die Vorwarnung vor einer Pause</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Das Panel im Systemabschnitt</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Die Einstellungen</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>Die Woche in Zahlen</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Deine erste Pause kommt in %n Minute.</numerusform>
            <numerusform>Deine erste Pause kommt in %n Minuten.</numerusform>
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
        <translation>Tarnwick-Countdown</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick-Hinweis</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Nicht vorwarnen</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n Sekunde vorher</numerusform>
            <numerusform>%n Sekunden vorher</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Alle %n Min.</numerusform>
            <numerusform>Alle %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Version %1 · Eigenbau</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Bildschirmpausen</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Smarte Pause</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Wellness-Erinnerungen</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Pausenbildschirm</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Privatsphäre &amp; Daten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Fokus &amp; Wohlbefinden</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Verhalten &amp; Rückmeldung</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Locker</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Jederzeit überspringen</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ausgewogen</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Überspringen nach 5 Sekunden</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Kein Überspringen</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick-Einstellungen</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Klirr</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Schnurren</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Plopp</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Held</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>U-Boot</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Hauch</translation>
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
            <numerusform>Du hast deinen Augen diese Woche %n-mal Ruhe gegönnt.</numerusform>
            <numerusform>Du hast deinen Augen diese Woche %n-mal Ruhe gegönnt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Ich habe meinen Augen diese Woche %n-mal Ruhe gegönnt – mit Tarnwick, einer Pausenerinnerung, die wartet, wenn ich telefoniere.</numerusform>
            <numerusform>Ich habe meinen Augen diese Woche %n-mal Ruhe gegönnt – mit Tarnwick, einer Pausenerinnerung, die wartet, wenn ich telefoniere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>Noch %n-mal überspringbar</numerusform>
            <numerusform>Noch %n-mal überspringbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>Tag ab 80 %</numerusform>
            <numerusform>Tage ab 80 %</numerusform>
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
            <numerusform>%n gemacht</numerusform>
            <numerusform>%n gemacht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
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
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 bis %2</translation>
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
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, Zeitraum %2, Beginn</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, Zeitraum %2, Ende</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Zeitraum %2 am %1 entfernen</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Strenger Modus: Diese Pause lässt sich nicht überspringen</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Diese Woche noch %n-mal überspringbar</numerusform>
            <numerusform>Diese Woche noch %n-mal überspringbar</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Überspringen in %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Drücke zweimal %1, um die Pause zu überspringen</translation>
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
        <translation>Jeden Moment</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Wartet, bis du kurz nicht tippst.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Als Nächstes kommt eine längere Pause. Ein guter Moment zum Aufstehen.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Gleich ist es so weit. Komm langsam zum Ende.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Pause beginnt in %n</numerusform>
            <numerusform>Pause beginnt in %n</numerusform>
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
        <translation>Diese Pause überspringen</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Diese Pause jetzt starten</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Pause jetzt starten</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Augenpause jetzt</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Bis morgen</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Lange Pause jetzt</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Pausen fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>heute gemacht</numerusform>
            <numerusform>heute gemacht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>übersprungen</numerusform>
            <numerusform>übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>Tag in Folge</numerusform>
            <numerusform>Tage in Folge</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Tarnwick starten</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Augenpausen, die den richtigen Moment abwarten. Wie oft sollen wir dich erinnern?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Keine Berechtigungen nötig. Tarnwick prüft nur, ob Kamera oder Mikrofon an sind und ob eine App im Vollbild läuft. Nichts wird aufgezeichnet.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Meetings oder Anrufe</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Spiele im Vollbild</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick wohnt im Systemabschnitt. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Klicke auf das Symbol, um zu pausieren oder eine Pause zu machen</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Drücke in jeder App Strg Alt B für eine sofortige Pause</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Drücke zweimal esc, um eine Pause notfalls zu überspringen</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Willkommen bei Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Pausen warten, solange du beschäftigt bist</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Tarnwick bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Empfohlen, damit du nie daran denken musst.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alles bereit</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick hilft dir, deine Augen auszuruhen. Es ist kein medizinischer Rat.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Einstellungsbereiche</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Tarnwick bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Systemabschnitt</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Countdown im Symbol anzeigen</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Ist im Systemabschnitt kein Platz dafür, zeigt Tarnwick nur das Symbol.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Jetzt eine Augenpause machen</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Strg Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Laufende Pause überspringen</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rhythmus</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Augenpausen</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20-Augenpausen</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Schau auf etwas in der Ferne</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Lange Pausen</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Steh auf und geh ein paar Schritte</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Vorwarnung</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Pausendisziplin</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Ist das Überspringen für diese Woche aufgebraucht, geht es weiterhin, aber erst nach 15 Sekunden.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Pause überspringen</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Pausen aufschieben bei</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Eine aufgeschobene Pause wird neu angekündigt, sobald du frei bist.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Meetings oder Anrufe</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Kamera, Mikrofon oder Bildschirmfreigabe aktiv</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Vollbild-Apps und -Spiele</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Auch Videos und Präsentationen im Vollbild</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Natürliche Pausen</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick prüft nur, ob diese an sind. Es sieht nie Bilder, hört keinen Ton und liest keine Fensterinhalte.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Blinzel-Erinnerungen</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Eine kleine Kugel zwinkert dir zu und verschwindet wieder</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Haltungserinnerungen</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Ein sanfter Hinweis, aufrecht zu sitzen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Vorschau der Blinzel-Erinnerung</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Vorschau der Haltungserinnerung</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Erinnerungen nehmen nie den Fokus und warten bei Anrufen und Vollbild-Apps.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>So sieht eine Pause aus</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>20-Sekunden-Pause ausprobieren</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Deine Nachrichten für Augenpausen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Trink etwas Wasser und schau nach draußen</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Nachricht entfernen</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Nachricht hinzufügen</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Pausenklänge</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Klang abspielen, wenn eine Pause beginnt</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Klang abspielen, wenn eine Pause endet</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Klang abspielen</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Deine Daten</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Einstellungen und Pausenverlauf als JSON exportieren</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Pausenverlauf löschen und alle Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Augenpausen, die den richtigen Moment abwarten.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick hilft dir, deine Augen auszuruhen. Es ist kein medizinischer Rat. Wenn deine Augen oft schmerzen, lass sie augenärztlich untersuchen.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Eine Pause alle</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Pausendauer</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Eine lange Pause alle</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Dauer der langen Pause</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Vor einer Pause warnen</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Erlaubtes Überspringen pro Woche</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Abwesenheit zählt als Pause nach</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Das ließ sich nicht ändern. Prüfe, ob ~/.config/autostart beschreibbar ist, und versuche es erneut.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>In den Autostart-Einstellungen deiner Arbeitsumgebung ausgeschaltet. Erlaube Tarnwick dort, damit es bei der Anmeldung startet.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Deine Einstellungen und %n gespeicherte Pause liegen nur auf diesem Computer, in %1. Tarnwick sendet nichts nach außen.</numerusform>
            <numerusform>Deine Einstellungen und %n gespeicherte Pausen liegen nur auf diesem Computer, in %1. Tarnwick sendet nichts nach außen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>%n Pause und alle Einstellungen löschen?</numerusform>
            <numerusform>%n Pausen und alle Einstellungen löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Wartet unter Wayland auf eine Pause bei allen Eingaben</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Wartet bis zu 2 Minuten auf eine Tipppause</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>Die Vollbilderkennung erfasst in dieser Arbeitsumgebung X11-Anwendungen</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>In dieser Arbeitsumgebung funktioniert das Tastenkürzel, solange eine X11-Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sitzung: Wayland, über XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sitzung: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Leerlauf: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Leerlaufsperren: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Vollbild: KWin-Skripting und X11-Fenstereigenschaften (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Vollbild: sway-IPC und X11-Fenstereigenschaften (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Vollbild: X11-Fenstereigenschaften (EWMH), nur X11-Anwendungen</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Vollbild: X11-Fenstereigenschaften (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Tastenkürzel: globales Kürzel über das Desktop-Portal</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Tastenkürzel: X-Tastenerfassung, solange eine X11-Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Tastenkürzel: X-Tastenerfassung</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Bildschirmfreigabe</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Bildschirmfreigabe: an</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Bildschirmfreigabe: aus</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Bildschirmfreigabe: hier nicht erkennbar</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Kamera: an</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Kamera: aus</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Mikrofon: an</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Mikrofon: aus</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Vollbild: an</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Vollbild: aus</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Tarnwick nutzt eigene ruhige Sätze, bis du welche hinzufügst.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick zeigt zufällig eine davon unter dem Titel.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Einstellungen und Pausenverlauf exportieren</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON-Datei (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Gelöscht. Tarnwick ist auf die Standardwerte zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1 % der abgeschlossenen Pausen</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>Die nächste kommt in %1. Danach erscheinen hier gemachte, übersprungene und aufgeschobene Pausen.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick-Statistik</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Gemachte Pausen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Für dich aufgeschoben</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>Anrufe und Vollbild</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pausen pro Tag</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Gemacht</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Deine Woche beginnt mit der ersten Pause</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Jetzt eine machen</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Pause jetzt starten</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Augenpause jetzt</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Lange Pause jetzt</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Pausen fortsetzen</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 Min. pausieren</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>1 Stunde pausieren</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Bis morgen pausieren</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Zeitraum am %1 hinzufügen</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Solange dies aus ist, können Pausen jederzeit kommen.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Kein Tag hat Zeiten, daher können Pausen jederzeit kommen. Füge einen Zeitraum hinzu, um sie darauf zu beschränken.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Pausen kommen nur zu diesen Zeiten. Ein Zeitraum, der vor seinem Beginn endet, reicht über Mitternacht hinaus.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Gib eine Uhrzeit als HH:MM ein, von 00:00 bis 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>„%1“ ist keine Uhrzeit. Nutze HH:MM, von 00:00 bis 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Ein Zeitraum kann nicht zur selben Zeit beginnen und enden (%1). Wähle eine andere Startzeit.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Ein Zeitraum kann nicht zur selben Zeit beginnen und enden (%1). Wähle eine andere Endzeit.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Arbeitszeiten</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Nur während der Arbeitszeit erinnern</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Zeitraum hinzufügen</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Montag auf Werktage kopieren</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Dienstag bis Freitag übernehmen die Zeiten vom Montag</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Keine Zeiten</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>am Folgetag</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Stunden und Minuten, 00:00 bis 23:59; Pfeiltasten hoch und runter ändern die Zeit um 15 Minuten</translation>
    </message>
</context>
</TS>
