<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statistiques de Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Bienvenue dans Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Faire une pause visuelle maintenant</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Clignez lentement des yeux</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Tenez-vous droit</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Ignorer la pause</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Verrouiller l’écran</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Pause Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Regardez au loin</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Fixez un point éloigné et laissez vos yeux se détendre jusqu’à la fin du minuteur</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Relâchez votre regard</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Regardez par la fenêtre ou au fond de la pièce, et clignez lentement des yeux</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Laissez votre regard vagabonder</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Posez-le sur le point le plus éloigné que vous voyez</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Levez les yeux</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Vingt secondes sur un point lointain reposent les yeux fatigués</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Éloignez-vous de l’écran</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Levez-vous, étirez-vous et offrez à vos yeux un vrai repos</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Étirez-vous</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Roulez des épaules, remplissez votre verre d’eau, regardez dehors</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Faites une vraie pause</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Une courte marche aide plus votre concentration qu’une heure de plus devant l’écran</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Regard au loin 20 s toutes les 20 min. Longue pause toutes les heures.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Regard au loin 20 s toutes les 30 min. Longue pause après 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Rappels de clignement seulement, et une longue pause toutes les 2 heures.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommandé</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Léger</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Vous êtes en appel</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Une application est en plein écran</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Vous êtes en train d’écrire</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Rappel de pauses visuelles</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Vous rappelle de reposer vos yeux, au moment qui vous convient</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>yeux;pause;repos;rappel;santé;écran;vue;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Préavis de Tarnwick</translation>
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
        <translation>Désactivé jusqu’à</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Désactivé jusqu’à %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>En dehors de vos heures de travail.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Repris en dehors de vos heures de travail, jusqu’à %1.</translation>
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
        <translation>Les pauses sont désactivées</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Activez-les dans les paramètres.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Longue pause dans</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Longue pause à %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Pause visuelle dans</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>La longue pause commence</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>La pause visuelle commence</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Pause différée</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Un préavis s’affichera dès que vous serez disponible. Différée depuis %n min.</numerusform>
            <numerusform>Un préavis s’affichera dès que vous serez disponible. Différée depuis %n min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Longue pause</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Pause visuelle</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Suspendu jusqu’à</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Différée</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Tarnwick: %1 %2</source>
        <extracomment>The tray&apos;s tooltip: %1 is a status such as &quot;Off until&quot;, %2 a time such as &quot;09:00&quot; or &quot;Tue 09:00&quot;</extracomment>
        <translation>Tarnwick&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Tarnwick: %1</source>
        <extracomment>The tray&apos;s tooltip: %1 is the time to the next break (&quot;4m&quot;, &quot;59s&quot;) or a state (&quot;Held&quot;, &quot;Paused&quot;)</extracomment>
        <translation>Tarnwick&#xa0;: %1</translation>
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
        <translation>Rappel de pauses visuelles qui attend le bon moment</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick prend soin de vos yeux pendant que vous travaillez. Il se place dans la zone de notification avec un petit compte à rebours, annonce chaque pause par une carte de préavis, puis couvre chaque moniteur d’un écran de pause apaisant&#xa0;: un bref regard au loin toutes les 20 minutes et une pause plus longue pour vous lever toutes les heures.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Une pause attend le bon moment&#xa0;:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>pendant un appel, ou quand un programme en plein écran est au premier plan, la pause prévue est différée puis proposée de nouveau dès que vous êtes disponible&#xa0;;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>pendant que vous tapez, une pause attend jusqu’à deux minutes que vous vous arrêtiez&#xa0;;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>le temps passé loin du clavier compte comme une pause prise.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Il tient un bilan hebdomadaire des pauses prises et ignorées, et conserve tout dans deux fichiers sur votre ordinateur. Il n’envoie rien nulle part.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>L’écran de pause, sur chaque moniteur</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Le préavis avant une pause</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Le panneau de la zone de notification</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Les paramètres</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>La semaine en chiffres</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Votre première pause aura lieu dans %n minute.</numerusform>
            <numerusform>Votre première pause aura lieu dans %n minutes.</numerusform>
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
        <translation>Compte à rebours de Tarnwick</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Rappel de Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n&#xa0;minute</numerusform>
            <numerusform>%n&#xa0;minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n&#xa0;seconde</numerusform>
            <numerusform>%n&#xa0;secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Ne pas m’avertir</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n seconde avant</numerusform>
            <numerusform>%n secondes avant</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Toutes les %n min</numerusform>
            <numerusform>Toutes les %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Version %1 · compilation personnelle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Pauses d’écran</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Pause intelligente</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Rappels bien-être</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Écran de pause</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Vie privée et données</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Concentration et bien-être</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Comportement et retours</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Souple</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Ignorer à tout moment</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Ignorer après 5 secondes</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Impossible d’ignorer</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Paramètres de Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Tintement</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Ronron</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Héros</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sous-marin</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bouteille</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Souffle</translation>
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
            <numerusform>Vous avez reposé vos yeux %n fois cette semaine.</numerusform>
            <numerusform>Vous avez reposé vos yeux %n fois cette semaine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>J’ai reposé mes yeux %n fois cette semaine avec Tarnwick, un rappel de pause qui attend la fin de mes appels.</numerusform>
            <numerusform>J’ai reposé mes yeux %n fois cette semaine avec Tarnwick, un rappel de pause qui attend la fin de mes appels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>%n joker restant</numerusform>
            <numerusform>%n jokers restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>jour à 80&#xa0;%+</numerusform>
            <numerusform>jours à 80&#xa0;%+</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A day&apos;s column of the chart: %1 is the weekday, %2 the breaks taken (&quot;3 taken&quot;), %3 the skipped (&quot;1 skipped&quot;)</extracomment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n prise</numerusform>
            <numerusform>%n prises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n ignorée</numerusform>
            <numerusform>%n ignorées</numerusform>
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
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 jusqu’à %2</translation>
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
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, plage %2, début</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, plage %2, fin</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Supprimer %1, plage %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Mode strict&#xa0;: cette pause ne peut pas être ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>%n joker restant cette semaine</numerusform>
            <numerusform>%n jokers restants cette semaine</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Ignorer dans %1&#xa0;s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Appuyez deux fois sur %1 pour ignorer la pause</translation>
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
        <translation>D’un instant à l’autre</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>En attente d’une pause dans votre saisie.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Une pause plus longue arrive. Le bon moment pour vous lever.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>C’est presque l’heure. Terminez ce que vous faites.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Début de la pause dans %n</numerusform>
            <numerusform>Début de la pause dans %n</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1&#xa0;min</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>Ignorer cette pause</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Commencer la pause maintenant</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Lancer la pause</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Pause visuelle maintenant</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30&#xa0;min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1&#xa0;heure</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Jusqu’à demain</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Longue pause maintenant</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Reprendre les pauses</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>prise aujourd’hui</numerusform>
            <numerusform>prises aujourd’hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>ignorée</numerusform>
            <numerusform>ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>jour de suite</numerusform>
            <numerusform>jours de suite</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Lancer Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Des pauses visuelles qui attendent le bon moment. À quelle fréquence voulez-vous un rappel&#xa0;?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Aucune autorisation requise. Tarnwick vérifie seulement si la caméra ou le micro sont allumés et si une application est en plein écran. Rien n’est enregistré.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Réunions ou appels</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Jeux en plein écran</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie au clavier</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick se trouve dans la zone de notification. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Cliquez sur l’icône de Tarnwick pour suspendre ou faire une pause</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Appuyez sur Ctrl Alt B dans toute application pour une pause immédiate</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Appuyez deux fois sur esc pour ignorer une pause si besoin</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Bienvenue dans Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Les pauses attendent que vous soyez disponible</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Lancer Tarnwick à l’ouverture de session</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Recommandé, pour ne jamais avoir à y penser.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick vous aide à reposer vos yeux. Ce n’est pas un avis médical.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Sections des paramètres</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Lancer Tarnwick à l’ouverture de session</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Afficher le compte à rebours dans l’icône</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Si la place manque, Tarnwick n’affiche que l’icône.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Faire une pause visuelle maintenant</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Ignorer la pause en cours</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Pauses visuelles</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Pauses visuelles 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Regarder un point éloigné</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Longues pauses</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Se lever et s’éloigner de l’écran</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Préavis</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Rigueur des pauses</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Une fois les jokers de la semaine épuisés, vous pouvez encore ignorer une pause, mais après 15 secondes.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Ignorer la pause</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Différer les pauses pendant</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Une pause différée est annoncée de nouveau dès que vous êtes disponible.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Réunions ou appels</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Caméra, micro ou partage d’écran actifs</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Applications et jeux en plein écran</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Y compris vidéos et présentations en plein écran</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie au clavier</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Pauses naturelles</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>En ce moment</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick vérifie seulement s’ils sont actifs. Il ne voit aucune vidéo, n’entend aucun son et ne lit pas le contenu des fenêtres.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Rappels de clignement</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Un petit globe vous fait un clin d’œil, puis s’en va</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Rappels de posture</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Un petit rappel pour vous tenir droit</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Aperçu du rappel de clignement</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Aperçu du rappel de posture</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Les rappels ne prennent jamais le focus et attendent pendant les appels et les applications en plein écran.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Voir à quoi ressemble une pause</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Essayer une pause de 20 secondes</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Vos messages pour les pauses visuelles</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Buvez un peu d’eau et regardez dehors</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Supprimer le message</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Ajouter un message</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Sons des pauses</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Jouer un son au début d’une pause</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Jouer un son à la fin d’une pause</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Exporter les paramètres et l’historique des pauses en JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Supprimer l’historique des pauses et réinitialiser tous les paramètres</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Des pauses visuelles qui attendent le bon moment.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick vous aide à reposer vos yeux. Ce n’est pas un avis médical. Si vos yeux vous font souvent mal, consultez un ophtalmologiste.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Une pause toutes les</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Durée de la pause</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Une longue pause toutes les</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Durée de la longue pause</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>M’avertir avant une pause</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Jokers par semaine</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Une absence compte comme pause après</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Me le rappeler</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Impossible de modifier ce réglage. Vérifiez que ~/.config/autostart est accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Désactivé dans les paramètres de démarrage de votre bureau. Autorisez-y Tarnwick pour le lancer à l’ouverture de session.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Vos paramètres et %n pause enregistrée sont conservés uniquement sur cet ordinateur, dans %1. Tarnwick n’envoie rien nulle part.</numerusform>
            <numerusform>Vos paramètres et %n pauses enregistrées sont conservés uniquement sur cet ordinateur, dans %1. Tarnwick n’envoie rien nulle part.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Supprimer %n pause et tous les paramètres&#xa0;?</numerusform>
            <numerusform>Supprimer %n pauses et tous les paramètres&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Sous Wayland, attend une pause de toute activité</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Attend une pause jusqu’à 2 minutes</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>Sur ce bureau, la détection du plein écran couvre les applications X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>Sur ce bureau, le raccourci fonctionne quand une application X11 est au premier plan</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Session&#xa0;: Wayland, via XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Session&#xa0;: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Inactivité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Inhibiteurs de veille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Plein écran&#xa0;: scripts KWin et propriétés des fenêtres X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Plein écran&#xa0;: IPC de sway et propriétés des fenêtres X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Plein écran&#xa0;: propriétés des fenêtres X11 (EWMH), applications X11 uniquement</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Plein écran&#xa0;: propriétés des fenêtres X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Raccourci&#xa0;: raccourci global du portail de bureau</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Raccourci&#xa0;: capture de touches X, quand une application X11 est au premier plan</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Raccourci&#xa0;: capture de touches X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Partage d’écran</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Partage d’écran&#xa0;: actif</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Partage d’écran&#xa0;: inactif</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Partage d’écran&#xa0;: non détectable ici</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Caméra&#xa0;: allumée</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Caméra&#xa0;: éteinte</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micro</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Micro&#xa0;: allumé</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Micro&#xa0;: éteint</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Plein écran&#xa0;: actif</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Plein écran&#xa0;: inactif</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d’écran</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher de soleil</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Tarnwick utilise ses propres phrases apaisantes tant que vous n’en ajoutez pas.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick affiche l’une d’elles au hasard sous le titre.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Impossible d’enregistrer le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Exporter les paramètres et l’historique des pauses</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Supprimé. Tarnwick a retrouvé ses réglages par défaut.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1&#xa0;% des pauses terminées</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>La prochaine est dans %1. Ensuite, les pauses prises, ignorées et différées s’afficheront ici.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Statistiques de Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Pauses prises</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorées</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Différées pour vous</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>appels et plein écran</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pauses par jour</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Prises</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copier en texte</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Votre semaine commence avec la première pause</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>En prendre une maintenant</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Lancer la pause</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Pause visuelle maintenant</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Longue pause maintenant</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Reprendre les pauses</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Suspendre 30&#xa0;min</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Suspendre 1&#xa0;heure</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Suspendre jusqu’à demain</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Ajouter une plage pour %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Tant que cette option est désactivée, les pauses peuvent survenir à tout moment.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Aucun jour n’a d’horaires&#xa0;: les pauses peuvent donc survenir à tout moment. Ajoutez une plage pour les y limiter.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Les pauses n’ont lieu que pendant ces horaires. Une plage qui finit avant de commencer se prolonge après minuit.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Saisissez une heure au format HH:MM, de 00:00 à 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure. Utilisez HH:MM, de 00:00 à 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Une plage ne peut pas commencer et finir à la même heure (%1). Choisissez un autre début.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Une plage ne peut pas commencer et finir à la même heure (%1). Choisissez une autre fin.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Heures de travail</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Me rappeler uniquement pendant les heures de travail</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Ajouter une plage</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Copier lundi sur la semaine</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Du mardi au vendredi, mêmes horaires que le lundi</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Aucun horaire</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>lendemain</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Heures et minutes, de 00:00 à 23:59&#xa0;; les flèches Haut et Bas la modifient de 15 minutes</translation>
    </message>
</context>
</TS>
