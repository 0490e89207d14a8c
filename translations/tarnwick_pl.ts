<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statystyki Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Witaj w Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Zrób teraz przerwę dla oczu</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Powoli mrugnij</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Wyprostuj się</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Pomiń przerwę</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Zablokuj ekran</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick – przerwa</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Spójrz w dal</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Znajdź coś daleko i pozwól oczom odpocząć do końca odliczania</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Rozluźnij spojrzenie</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Wyjrzyj przez okno lub spójrz na drugi koniec pokoju i powoli mrugaj</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Pozwól oczom błądzić</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Zatrzymaj wzrok na najdalszym punkcie, jaki widzisz</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Czas oderwać wzrok</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Dwadzieścia sekund patrzenia w dal odświeża zmęczone oczy</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Czas odejść od ekranu</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Wstań, przeciągnij się i daj oczom naprawdę odpocząć</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Rozciągnij się</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Rozluźnij ramiona, dolej wody, wyjrzyj przez okno</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Zrób porządną przerwę</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Krótki spacer zrobi więcej dla skupienia niż kolejna godzina wpatrywania się w ekran</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Głębokie skupienie</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Łagodny</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Odwróć wzrok na 20 s co 20 min. Długa przerwa co godzinę.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Odwróć wzrok na 20 s co 30 min. Długa przerwa po 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Tylko przypomnienia o mruganiu i długa przerwa co 2 godziny.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Polecany</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programowanie</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lekki</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Trwa rozmowa</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Otwarta jest aplikacja pełnoekranowa</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Piszesz</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Przypomnienia o przerwach dla oczu</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Przypomina o odpoczynku dla oczu w dogodnej chwili</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>oczy;przerwa;odpoczynek;przypomnienie;zdrowie;wzrok;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick – zapowiedź przerwy</translation>
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
        <translation>Wyłączone do</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Wyłączone do %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Poza godzinami pracy.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Wznowione poza godzinami pracy, do %1.</translation>
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
        <translation>%1m</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Przerwy są wyłączone</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Włącz je w ustawieniach.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Długa przerwa za</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Długa przerwa o %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Przerwa dla oczu za</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Początek długiej przerwy</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Początek przerwy dla oczu</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Przerwa odłożona</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Zapowiedź pojawi się, gdy skończysz. Czeka od %n min.</numerusform>
            <numerusform>Zapowiedź pojawi się, gdy skończysz. Czeka od %n min.</numerusform>
            <numerusform>Zapowiedź pojawi się, gdy skończysz. Czeka od %n min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Przerwa dla oczu</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Wstrzymano do</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Przerwa odłożona</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Wstrzymano</translation>
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
        <translation>Przypomnienia o przerwach dla oczu, które czekają na właściwy moment</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick dba o twoje oczy, gdy pracujesz. Działa w tacce systemowej z niewielkim odliczaniem, zapowiada każdą przerwę krótką kartą, a potem zasłania każdy monitor spokojnym ekranem przerwy: co 20 minut krótkie spojrzenie w dal, a co godzinę dłuższa przerwa, by wstać od biurka.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Przerwa czeka na właściwy moment:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>podczas rozmowy lub gdy na wierzchu jest program pełnoekranowy, przerwa zostaje odłożona i pojawia się ponownie, gdy skończysz;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>gdy piszesz, przerwa czeka do dwóch minut na chwilę pauzy;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>czas z dala od klawiatury liczy się jako zrobiona przerwa.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Prowadzi tygodniowe podsumowanie zrobionych i pominiętych przerw, a wszystko przechowuje w dwóch plikach na twoim komputerze. Niczego nigdzie nie wysyła.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Ekran przerwy na każdym monitorze</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Zapowiedź przed przerwą</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Panel w tacce systemowej</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>Tydzień w liczbach</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Pierwsza przerwa za %n minutę.</numerusform>
            <numerusform>Pierwsza przerwa za %n minuty.</numerusform>
            <numerusform>Pierwsza przerwa za %n minut.</numerusform>
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
        <translation>Tarnwick – odliczanie</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick – przypomnienie</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Nie ostrzegaj</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n sekundę wcześniej</numerusform>
            <numerusform>%n sekundy wcześniej</numerusform>
            <numerusform>%n sekund wcześniej</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Co %n minutę</numerusform>
            <numerusform>Co %n minuty</numerusform>
            <numerusform>Co %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Wersja %1 · kompilacja własna</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Przerwy od ekranu</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Sprytna pauza</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Przypomnienia o zdrowiu</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Ekran przerwy</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Prywatność i dane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Skupienie i zdrowie</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Zachowanie i sygnały</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Swobodny</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Pomijanie w każdej chwili</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Umiarkowany</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Pomijanie po 5 sekundach</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Surowy</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Bez pomijania</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Ustawienia Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Szkło</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Brzęk</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Mruczenie</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pyk</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Bohater</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Łódź podwodna</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelka</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Podmuch</translation>
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
            <numerusform>W tym tygodniu twoje oczy odpoczęły %n raz.</numerusform>
            <numerusform>W tym tygodniu twoje oczy odpoczęły %n razy.</numerusform>
            <numerusform>W tym tygodniu twoje oczy odpoczęły %n razy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>W tym tygodniu moje oczy odpoczęły %n raz dzięki aplikacji Tarnwick, która przypomina o przerwach i czeka, aż skończę rozmowę.</numerusform>
            <numerusform>W tym tygodniu moje oczy odpoczęły %n razy dzięki aplikacji Tarnwick, która przypomina o przerwach i czeka, aż skończę rozmowę.</numerusform>
            <numerusform>W tym tygodniu moje oczy odpoczęły %n razy dzięki aplikacji Tarnwick, która przypomina o przerwach i czeka, aż skończę rozmowę.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>zostało %n pominięcie</numerusform>
            <numerusform>zostały %n pominięcia</numerusform>
            <numerusform>zostało %n pominięć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>dzień z 80%+</numerusform>
            <numerusform>dni z 80%+</numerusform>
            <numerusform>dni z 80%+</numerusform>
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
            <numerusform>%n zrobiona</numerusform>
            <numerusform>%n zrobione</numerusform>
            <numerusform>%n zrobionych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n pominięta</numerusform>
            <numerusform>%n pominięte</numerusform>
            <numerusform>%n pominiętych</numerusform>
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
        <translation>%1 za %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 do %2</translation>
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
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, zakres %2, początek</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, zakres %2, koniec</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Usuń: %1, zakres %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Tryb surowy: tej przerwy nie można pominąć</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>W tym tygodniu zostało %n pominięcie</numerusform>
            <numerusform>W tym tygodniu zostały %n pominięcia</numerusform>
            <numerusform>W tym tygodniu zostało %n pominięć</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Pominięcie za %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Naciśnij %1 dwa razy, aby pominąć przerwę</translation>
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
        <translation>Lada chwila</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Czekam, aż zrobisz pauzę w pisaniu.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Teraz dłuższa przerwa. Dobry moment, by wstać.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Już prawie. Dokończ to, co robisz.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Przerwa za %n</numerusform>
            <numerusform>Przerwa za %n</numerusform>
            <numerusform>Przerwa za %n</numerusform>
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
        <translation>Pomiń tę przerwę</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Zacznij przerwę teraz</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Zacznij przerwę</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Przerwa dla oczu</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godz.</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Do jutra</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Wznów przerwy</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>zrobiona dziś</numerusform>
            <numerusform>zrobione dziś</numerusform>
            <numerusform>zrobionych dziś</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>pominięta</numerusform>
            <numerusform>pominięte</numerusform>
            <numerusform>pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>dzień z rzędu</numerusform>
            <numerusform>dni z rzędu</numerusform>
            <numerusform>dni z rzędu</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Krok %1 z %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Uruchom Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Przerwy dla oczu, które czekają na właściwy moment. Jak często przypominać?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Nie potrzeba żadnych uprawnień. Tarnwick sprawdza tylko, czy kamera lub mikrofon są włączone i czy jakaś aplikacja działa na pełnym ekranie. Nic nie jest nagrywane.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Spotkania lub rozmowy</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Gry na pełnym ekranie</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Pisanie</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick działa w tacce systemowej. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Kliknij ikonę w tacce, by zrobić przerwę lub wstrzymać przypomnienia</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Naciśnij Ctrl Alt B w dowolnej aplikacji, by od razu zrobić przerwę</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Naciśnij dwa razy esc, by w razie potrzeby pominąć przerwę</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Witaj w Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Przerwy poczekają, aż znajdziesz chwilę</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Uruchamiaj Tarnwick po zalogowaniu</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Zalecane – nie musisz o tym pamiętać.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Wszystko gotowe</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick pomaga dać oczom odpocząć. Nie jest poradą medyczną.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Sekcje ustawień</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Uruchamiaj Tarnwick po zalogowaniu</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Tacka systemowa</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Pokazuj odliczanie na ikonie w tacce</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Gdy w tacce brakuje miejsca, Tarnwick pokazuje samą ikonę.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Skrót klawiszowy</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Zrób teraz przerwę dla oczu</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Pomiń trwającą przerwę</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rytm</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Przerwy dla oczu</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Przerwy dla oczu 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Spójrz na coś w oddali</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Długie przerwy</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Wstań i odejdź od ekranu</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Zapowiedź</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Dyscyplina przerw</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Po wykorzystaniu tygodniowego limitu pominięć nadal można pominąć przerwę, ale dopiero po 15 sekundach.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Pomiń przerwę</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Kiedy odkładać przerwy</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Odłożona przerwa dostanie nową zapowiedź, gdy tylko skończysz.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Spotkania lub rozmowy</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Używana kamera, mikrofon lub udostępnianie ekranu</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Aplikacje i gry na pełnym ekranie</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Także filmy i prezentacje na pełnym ekranie</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Pisanie</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Naturalne przerwy</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>W tej chwili</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick sprawdza tylko, czy są włączone. Nigdy nie widzi obrazu, nie słyszy dźwięku ani nie czyta zawartości okien.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Przypomnienia o mruganiu</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Mała kulka mruga do ciebie i znika</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Przypomnienia o postawie</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Delikatna zachęta, by się wyprostować</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Podgląd przypomnienia o mruganiu</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Podgląd przypomnienia o postawie</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Przypomnienia nigdy nie przejmują fokusu i czekają podczas rozmów oraz aplikacji pełnoekranowych.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Zobacz, jak wygląda przerwa</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Wypróbuj 20-sekundową przerwę</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Własne teksty przerw dla oczu</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Napij się wody i wyjrzyj przez okno</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Usuń tekst</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Dodaj tekst</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Dźwięki przerw</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Odtwarzaj dźwięk na początku przerwy</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Odtwarzaj dźwięk na końcu przerwy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Odtwórz dźwięk</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Twoje dane</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Eksportuj ustawienia i historię przerw do pliku JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Usuń historię przerw i przywróć domyślne ustawienia</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Usuń…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Przerwy dla oczu, które czekają na właściwy moment.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick pomaga dać oczom odpocząć. Nie jest poradą medyczną. Jeśli oczy często cię bolą, skonsultuj się z okulistą.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Pokazuj przerwę co</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Czas przerwy</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Pokazuj długą przerwę co</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Czas długiej przerwy</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Ostrzegaj przed przerwą</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Limit pominięć na tydzień</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Nieobecność to przerwa, jeśli trwa</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Przypominaj</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Nie udało się tego zmienić. Sprawdź, czy do ~/.config/autostart można zapisywać, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Wyłączone w ustawieniach autostartu środowiska. Zezwól tam na Tarnwick, by uruchamiał się po zalogowaniu.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Twoje ustawienia i %n zapisana przerwa są przechowywane tylko na tym komputerze, w %1. Tarnwick niczego nigdzie nie wysyła.</numerusform>
            <numerusform>Twoje ustawienia i %n zapisane przerwy są przechowywane tylko na tym komputerze, w %1. Tarnwick niczego nigdzie nie wysyła.</numerusform>
            <numerusform>Twoje ustawienia i %n zapisanych przerw są przechowywane tylko na tym komputerze, w %1. Tarnwick niczego nigdzie nie wysyła.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Usunąć %n przerwę i wszystkie ustawienia?</numerusform>
            <numerusform>Usunąć %n przerwy i wszystkie ustawienia?</numerusform>
            <numerusform>Usunąć %n przerw i wszystkie ustawienia?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>W sesji Wayland czeka na chwilę bez żadnej aktywności</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Czeka na pauzę do 2 minut</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>W tym środowisku pełny ekran jest wykrywany tylko w aplikacjach X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>W tym środowisku skrót działa, gdy na wierzchu jest aplikacja X11</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sesja: Wayland, przez XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sesja: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Bezczynność: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Blokady bezczynności: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Pełny ekran: skrypty KWin i właściwości okien X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Pełny ekran: IPC sway i właściwości okien X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Pełny ekran: właściwości okien X11 (EWMH), tylko aplikacje X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Pełny ekran: właściwości okien X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Skrót: globalny skrót przez portal środowiska</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Skrót: przechwytywanie klawiszy X, gdy na wierzchu jest aplikacja X11</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Skrót: przechwytywanie klawiszy X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Udostępnianie ekranu</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Udostępnianie ekranu: włączone</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Udostępnianie ekranu: wyłączone</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Udostępnianie ekranu: tutaj niewykrywalne</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Kamera: włączona</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Kamera: wyłączona</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Mikrofon: włączony</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Mikrofon: wyłączony</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Pełny ekran: włączony</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Pełny ekran: wyłączony</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Dopóki nie dodasz własnych, Tarnwick używa swoich spokojnych tekstów.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick pokazuje pod tytułem losowo jeden z nich.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Zapisano plik %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Nie udało się zapisać pliku: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Eksport ustawień i historii przerw</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Pliki JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Usunięto. Przywrócono domyślne ustawienia Tarnwick.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% zakończonych przerw</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>Następna za %1. Potem pojawią się tu przerwy zrobione, pominięte i odłożone.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statystyki Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Ten tydzień</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Zrobione przerwy</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Odłożone dla ciebie</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>rozmowy i pełny ekran</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seria</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Przerwy dziennie</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Zrobione</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Kopiuj jako tekst</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Twój tydzień zaczyna się od pierwszej przerwy</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Zrób przerwę teraz</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Zacznij przerwę teraz</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Przerwa dla oczu teraz</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Długa przerwa teraz</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Wznów przerwy</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Wstrzymaj na 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Wstrzymaj na 1 godzinę</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Wstrzymaj do jutra</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Dodaj zakres: %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Gdy to jest wyłączone, przerwy mogą pojawić się o każdej porze.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Żaden dzień nie ma ustalonych godzin, więc przerwy mogą pojawić się o każdej porze. Dodaj zakres, by je do niego ograniczyć.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Przerwy pojawiają się tylko w tych godzinach. Zakres, który kończy się przed początkiem, trwa po północy.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Wpisz godzinę w formacie GG:MM, od 00:00 do 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>„%1” nie jest godziną. Użyj formatu GG:MM, od 00:00 do 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Zakres nie może zaczynać się i kończyć o tej samej godzinie (%1). Wybierz inny początek.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Zakres nie może zaczynać się i kończyć o tej samej godzinie (%1). Wybierz inny koniec.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Godziny pracy</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Przypominaj tylko w godzinach pracy</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Dodaj zakres</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Kopiuj poniedziałek na dni robocze</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Od wtorku do piątku godziny jak w poniedziałek</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Brak godzin</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>następnego dnia</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Godziny i minuty, od 00:00 do 23:59; strzałki w górę i w dół zmieniają o 15 minut</translation>
    </message>
</context>
</TS>
