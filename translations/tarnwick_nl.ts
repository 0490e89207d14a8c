<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick-statistieken</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Welkom bij Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Nu een oogpauze nemen</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Knipper langzaam</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Zit rechtop</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Pauze overslaan</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Scherm vergrendelen</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick-pauze</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Kijk in de verte</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Zoek iets ver weg en laat je ogen ontspannen tot de tijd om is</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Ontspan je blik</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Kijk uit het raam of de kamer door, en knipper langzaam</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Laat je ogen dwalen</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Laat ze rusten op het verste punt dat je kunt zien</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Tijd om op te kijken</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Twintig seconden in de verte kijken verfrist vermoeide ogen</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Tijd om even weg te lopen</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Sta op, rek je uit en gun je ogen echt rust</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Even uitrekken</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Rol je schouders, vul je water bij, kijk naar buiten</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Neem een echte pauze</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Een korte wandeling doet meer voor je focus dan nog een uur staren</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Diepe focus</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Zacht</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Om de 20 min 20 s wegkijken. Elk uur een lange pauze.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Om de 30 min 20 s wegkijken. Lange pauze na 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Alleen knipperseintjes, plus om de 2 uur een lange pauze.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Aanbevolen</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Je zit in een gesprek</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Er is een schermvullende app open</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Je bent aan het typen</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Herinnering voor oogpauzes</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Herinnert je eraan je ogen rust te geven, op een moment dat jou uitkomt</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>ogen;pauze;oogpauze;rust;herinnering;gezondheid;schermpauze;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick-aankondiging</translation>
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
        <translation>Uit tot</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Uit tot %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Buiten je werktijden.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Hervat buiten je werktijden, tot %1.</translation>
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
        <translation>Pauzes staan uit</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Zet ze aan in Instellingen.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Lange pauze over</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Lange pauze om %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Volgende oogpauze over</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Lange pauze begint</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Oogpauze begint</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Pauze uitgesteld</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Je krijgt een seintje zodra je vrij bent. Al %n min uitgesteld.</numerusform>
            <numerusform>Je krijgt een seintje zodra je vrij bent. Al %n min uitgesteld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Oogpauze</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Gepauzeerd tot</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Uitgesteld</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Gepauzeerd</translation>
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
        <translation>Herinnering voor oogpauzes die op het juiste moment wacht</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick let op je ogen terwijl je werkt. Het zit met een kleine aftelling in het systeemvak, kondigt elke pauze vooraf aan met een kaartje en bedekt daarna elk beeldscherm met een rustig pauzescherm: om de 20 minuten even in de verte kijken en elk uur een langere pauze om op te staan.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Een pauze wacht op het juiste moment:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>tijdens een gesprek, of als er een schermvullend programma op de voorgrond staat, wordt een geplande pauze uitgesteld en opnieuw aangeboden zodra je vrij bent;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>terwijl je typt, wacht een pauze maximaal twee minuten tot je even stopt;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>tijd weg van het toetsenbord telt als genomen pauze.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Het houdt een weekoverzicht bij van de pauzes die je nam en oversloeg, en bewaart alles in twee bestanden op je computer. Het verstuurt niets.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Het pauzescherm, op elk beeldscherm</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>De aankondiging vóór een pauze</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Het paneel in het systeemvak</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>De instellingen</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>De week in cijfers</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Je eerste pauze is over %n minuut.</numerusform>
            <numerusform>Je eerste pauze is over %n minuten.</numerusform>
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
        <translation>Tarnwick-aftelling</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick-seintje</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Niet waarschuwen</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n seconde van tevoren</numerusform>
            <numerusform>%n seconden van tevoren</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Onbeperkt</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Om de %n minuut</numerusform>
            <numerusform>Om de %n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Versie %1 · zelf gebouwd</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Schermpauzes</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Slimme pauze</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Welzijnsherinneringen</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Pauzescherm</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Privacy &amp; gegevens</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Focus &amp; welzijn</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Gedrag &amp; feedback</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Ontspannen</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Op elk moment overslaan</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Evenwichtig</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Overslaan na 5 seconden</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Niet overslaan</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick-instellingen</translation>
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
        <translation>Tink</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Spinnen</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Plop</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Held</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Onderzeeër</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Fles</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Blazen</translation>
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
            <numerusform>Je hebt je ogen deze week %n keer rust gegund.</numerusform>
            <numerusform>Je hebt je ogen deze week %n keer rust gegund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Ik heb mijn ogen deze week %n keer rust gegund met Tarnwick, een pauzeherinnering die wacht als ik in gesprek ben.</numerusform>
            <numerusform>Ik heb mijn ogen deze week %n keer rust gegund met Tarnwick, een pauzeherinnering die wacht als ik in gesprek ben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>Nog %n keer overslaan</numerusform>
            <numerusform>Nog %n keer overslaan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>dag met 80%+</numerusform>
            <numerusform>dagen met 80%+</numerusform>
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
            <numerusform>%n genomen</numerusform>
            <numerusform>%n genomen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n overgeslagen</numerusform>
            <numerusform>%n overgeslagen</numerusform>
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
        <translation>%1 over %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 tot %2</translation>
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
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, tijdvak %2, begin</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, tijdvak %2, einde</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Tijdvak %2 op %1 verwijderen</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Strenge modus: deze pauze kan niet worden overgeslagen</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Deze week nog %n keer overslaan</numerusform>
            <numerusform>Deze week nog %n keer overslaan</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Overslaan over %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Druk twee keer op %1 om de pauze over te slaan</translation>
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
        <translation>Zo meteen</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Wacht tot je even stopt met typen.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Er komt een langere pauze aan. Een goed moment om op te staan.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Bijna tijd. Rond af waar je mee bezig bent.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Pauze begint over %n</numerusform>
            <numerusform>Pauze begint over %n</numerusform>
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
        <translation>Deze pauze overslaan</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Deze pauze nu starten</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Pauze nu starten</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Oogpauze nu</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Tot morgen</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Lange pauze nu</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Pauzes hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>vandaag genomen</numerusform>
            <numerusform>vandaag genomen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>overgeslagen</numerusform>
            <numerusform>overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>dag op rij</numerusform>
            <numerusform>dagen op rij</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Stap %1 van %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Tarnwick starten</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Oogpauzes die op het juiste moment wachten. Hoe vaak zullen we je eraan herinneren?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Geen toestemmingen nodig. Tarnwick kijkt alleen of de camera of microfoon aan staat en of een app schermvullend is. Er wordt niets opgenomen.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Vergaderingen of gesprekken</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Schermvullende spellen</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick woont in je systeemvak. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Klik op het pictogram om te pauzeren of een pauze te nemen</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Druk in elke app op Ctrl Alt B voor direct een pauze</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Druk twee keer op esc om een pauze zo nodig over te slaan</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Welkom bij Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Pauzes wachten als je bezig bent</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Tarnwick starten bij het aanmelden</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Aanbevolen, zodat je er nooit aan hoeft te denken.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alles is klaar</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick helpt je je ogen rust te geven. Het is geen medisch advies.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Onderdelen van de instellingen</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Tarnwick starten bij het aanmelden</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Systeemvak</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Aftelling in het pictogram tonen</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Is er in het systeemvak geen ruimte voor, dan toont Tarnwick alleen het pictogram.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Nu een oogpauze nemen</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Lopende pauze overslaan</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritme</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Oogpauzes</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20-oogpauzes</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Kijk naar iets in de verte</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Lange pauzes</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Sta op en loop even weg</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Aankondiging</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Pauzediscipline</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Is het overslaan voor deze week op, dan kan het nog steeds, maar pas na 15 seconden.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Pauze overslaan</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Pauzes uitstellen tijdens</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Een uitgestelde pauze wordt opnieuw aangekondigd zodra je vrij bent.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Vergaderingen of gesprekken</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Camera, microfoon of schermdeling in gebruik</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Schermvullende apps en spellen</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Ook schermvullende video’s en presentaties</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Natuurlijke pauzes</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Op dit moment</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick kijkt alleen of deze aan staan. Het ziet nooit beeld, hoort geen geluid en leest geen vensterinhoud.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Knipperherinneringen</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Een bolletje knipoogt naar je en verdwijnt weer</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Houdingsherinneringen</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Een zacht seintje om rechtop te zitten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Voorbeeld van de knipperherinnering</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Voorbeeld van de houdingsherinnering</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Herinneringen nemen nooit de focus over en wachten tijdens gesprekken en schermvullende apps.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Zo ziet een pauze eruit</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Probeer een pauze van 20 seconden</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Je eigen berichten voor oogpauzes</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Drink wat water en kijk naar buiten</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Bericht verwijderen</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Bericht toevoegen</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Pauzegeluiden</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Geluid afspelen als een pauze begint</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Geluid afspelen als een pauze eindigt</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Je gegevens</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Instellingen en pauzegeschiedenis als JSON exporteren</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Pauzegeschiedenis verwijderen en alle instellingen terugzetten</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Verwijderen…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Alles verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Oogpauzes die op het juiste moment wachten.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick helpt je je ogen rust te geven. Het is geen medisch advies. Heb je vaak last van je ogen, ga dan naar een oogarts.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Een pauze elke</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Pauzeduur</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Een lange pauze elke</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duur van de lange pauze</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Waarschuwen vóór een pauze</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Aantal keer overslaan per week</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Afwezigheid telt als pauze na</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Herinner me</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Dit kon niet worden gewijzigd. Controleer of ~/.config/autostart beschrijfbaar is en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Uitgeschakeld in de opstartinstellingen van je bureaublad. Sta Tarnwick daar toe om het bij het aanmelden te starten.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Je instellingen en %n vastgelegde pauze staan alleen op deze computer, in %1. Tarnwick verstuurt niets.</numerusform>
            <numerusform>Je instellingen en %n vastgelegde pauzes staan alleen op deze computer, in %1. Tarnwick verstuurt niets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>%n pauze en alle instellingen verwijderen?</numerusform>
            <numerusform>%n pauzes en alle instellingen verwijderen?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Wacht onder Wayland op een pauze in alle invoer</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Wacht maximaal 2 minuten op een pauze</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>De detectie van volledig scherm werkt op dit bureaublad voor X11-toepassingen</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>Op dit bureaublad werkt de sneltoets als er een X11-toepassing op de voorgrond staat</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sessie: Wayland, via XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sessie: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Inactiviteit: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Inactiviteitsblokkers: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Volledig scherm: KWin-scripting en X11-venstereigenschappen (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Volledig scherm: sway-IPC en X11-venstereigenschappen (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Volledig scherm: X11-venstereigenschappen (EWMH), alleen X11-toepassingen</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Volledig scherm: X11-venstereigenschappen (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Sneltoets: globale sneltoets via het desktopportaal</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Sneltoets: X-toetsonderschepping, als er een X11-toepassing op de voorgrond staat</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Sneltoets: X-toetsonderschepping</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Schermdeling</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Schermdeling: aan</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Schermdeling: uit</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Schermdeling: hier niet te detecteren</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Camera: aan</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Camera: uit</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Microfoon: aan</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Microfoon: uit</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Volledig scherm: aan</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Volledig scherm: uit</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Tarnwick gebruikt eigen rustige zinnen tot je er zelf toevoegt.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick toont er willekeurig één onder de titel.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Kan het bestand niet opslaan: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Instellingen en pauzegeschiedenis exporteren</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON-bestand (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Verwijderd. Tarnwick staat weer op de standaardinstellingen.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% van de afgeronde pauzes</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>De volgende is over %1. Daarna verschijnen hier genomen, overgeslagen en uitgestelde pauzes.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick-statistieken</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Deze week</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Genomen pauzes</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Voor je uitgesteld</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>gesprekken en volledig scherm</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pauzes per dag</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Genomen</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Als tekst kopiëren</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Je week begint met de eerste pauze</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Neem er nu een</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Pauze nu starten</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Oogpauze nu</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Lange pauze nu</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Pauzes hervatten</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 min pauzeren</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>1 uur pauzeren</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Pauzeren tot morgen</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Tijdvak toevoegen op %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Zolang dit uit staat, kunnen pauzes op elk moment komen.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Geen enkele dag heeft tijden, dus pauzes kunnen op elk moment komen. Voeg een tijdvak toe om ze daartoe te beperken.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Pauzes komen alleen binnen deze tijden. Een tijdvak dat eindigt voordat het begint, loopt door na middernacht.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Voer een tijd in als UU:MM, van 00:00 tot 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>‘%1’ is geen tijd. Gebruik UU:MM, van 00:00 tot 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Een tijdvak kan niet op hetzelfde moment beginnen en eindigen (%1). Kies een andere begintijd.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Een tijdvak kan niet op hetzelfde moment beginnen en eindigen (%1). Kies een andere eindtijd.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Werktijden</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Alleen herinneren tijdens werktijden</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Tijdvak toevoegen</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Maandag naar werkdagen kopiëren</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Dinsdag t/m vrijdag krijgen de tijden van maandag</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Geen tijden</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>volgende dag</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Uren en minuten, 00:00 tot 23:59; pijltjestoetsen omhoog en omlaag wijzigen de tijd met 15 minuten</translation>
    </message>
</context>
</TS>
