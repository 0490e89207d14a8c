<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Статистика Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Ласкаво просимо до Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Зробити перерву для очей зараз</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Повільно покліпайте</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Сядьте рівно</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Пропустити перерву</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Заблокувати екран</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Перерва Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Подивіться вдалечінь</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Знайдіть щось далеке й дайте очам розслабитися, доки не скінчиться час</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Розслабте погляд</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Подивіться у вікно або в дальній куток кімнати й повільно покліпайте</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Дайте очам поблукати</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Зупиніть погляд на найдальшому, що бачите</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Час відірвати погляд</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Двадцять секунд погляду вдалечінь — і втомлені очі відпочинуть</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Час відійти</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Встаньте, потягніться й дайте очам справжній відпочинок</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Розімніться</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Покрутіть плечима, наберіть води, подивіться надвір</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Відпочиньте як слід</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Коротка прогулянка допоможе зосередитися краще, ніж ще година перед екраном</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Глибоке зосередження</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Щадний</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Погляд убік на 20 с кожні 20 хв. Довга перерва щогодини.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Погляд убік на 20 с кожні 30 хв. Довга перерва через 90 хв.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Лише нагадування кліпати й довга перерва кожні 2 години.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Рекомендовано</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Програмування</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Ви на дзвінку</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Відкрито програму на весь екран</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Ви набираєте текст</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Нагадування про перерви для очей</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Нагадує дати очам відпочити у зручну для вас мить</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>очі;перерва;відпочинок;нагадування;здоров’я;зір;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Попередження Tarnwick</translation>
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
        <translation>Вимкнено до</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Вимкнено до %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Поза вашими робочими годинами.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Відновлено поза робочими годинами, до %1.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1&#x202f;с</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1&#x202f;хв</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Перерви вимкнено</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Увімкніть їх у налаштуваннях.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Довга перерва через</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Довга перерва о %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Перерва для очей через</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Починається довга перерва</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Починається перерва для очей</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Перерву затримано</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Щойно звільнитеся, ви отримаєте попередження. Чекає вже %n хв.</numerusform>
            <numerusform>Щойно звільнитеся, ви отримаєте попередження. Чекає вже %n хв.</numerusform>
            <numerusform>Щойно звільнитеся, ви отримаєте попередження. Чекає вже %n хв.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Довга перерва</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Перерва для очей</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Призупинено до</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Затримано</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Перерва</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Призупинено</translation>
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
        <translation>Нагадування про перерви для очей, що чекає слушної миті</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick дбає про ваші очі, поки ви працюєте. Він показує в системному лотку невеликий зворотний відлік, попереджає про кожну перерву карткою, а потім накриває всі монітори спокійним екраном перерви: короткий погляд удалечінь кожні 20 хвилин і щогодини довша перерва, щоб устати.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Перерва чекає слушної миті:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>під час дзвінка або коли на передньому плані програма на весь екран, чергова перерва чекає й повертається, щойно ви звільнитеся;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>поки ви набираєте текст, перерва до двох хвилин чекає на паузу;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>час, проведений далеко від клавіатури, зараховується як перерва.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Програма веде тижневий підсумок зроблених і пропущених перерв і зберігає все у двох файлах на вашому комп’ютері. Вона нічого нікуди не надсилає.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Екран перерви на кожному моніторі</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Попередження перед перервою</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Панель у лотку</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>Тиждень у цифрах</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Перша перерва — через %n хвилину.</numerusform>
            <numerusform>Перша перерва — через %n хвилини.</numerusform>
            <numerusform>Перша перерва — через %n хвилин.</numerusform>
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
        <translation>Зворотний відлік Tarnwick</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Нагадування Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Не попереджати</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>за %n секунду</numerusform>
            <numerusform>за %n секунди</numerusform>
            <numerusform>за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без обмежень</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Ніколи</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Кожну %n хвилину</numerusform>
            <numerusform>Кожні %n хвилини</numerusform>
            <numerusform>Кожні %n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Версія %1 · особиста збірка</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Перерви від екрана</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Розумна пауза</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Турбота про здоров’я</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Екран перерви</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Приватність і дані</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Фокус і самопочуття</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Поведінка й відгук</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дані</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Вільний</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Пропуск будь-коли</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Збалансований</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Пропуск через 5 секунд</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Суворий</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Без пропусків</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Налаштування Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Скло</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Дзень</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Муркотіння</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Клац</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Герой</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Субмарина</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Пляшка</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Подих</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>Морзе</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Пінг</translation>
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
            <numerusform>Цього тижня ви дали очам відпочити %n раз.</numerusform>
            <numerusform>Цього тижня ви дали очам відпочити %n рази.</numerusform>
            <numerusform>Цього тижня ви дали очам відпочити %n разів.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Цього тижня мої очі відпочили %n раз завдяки Tarnwick — нагадуванню про перерви, яке чекає, поки я на дзвінку.</numerusform>
            <numerusform>Цього тижня мої очі відпочили %n рази завдяки Tarnwick — нагадуванню про перерви, яке чекає, поки я на дзвінку.</numerusform>
            <numerusform>Цього тижня мої очі відпочили %n разів завдяки Tarnwick — нагадуванню про перерви, яке чекає, поки я на дзвінку.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>лишився %n пропуск</numerusform>
            <numerusform>лишилося %n пропуски</numerusform>
            <numerusform>лишилося %n пропусків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>день із 80%+</numerusform>
            <numerusform>дні з 80%+</numerusform>
            <numerusform>днів із 80%+</numerusform>
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
            <numerusform>%n зроблена</numerusform>
            <numerusform>%n зроблені</numerusform>
            <numerusform>%n зроблених</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n пропущена</numerusform>
            <numerusform>%n пропущені</numerusform>
            <numerusform>%n пропущених</numerusform>
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
        <translation>%1 через %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 до %2</translation>
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
        <translation>Понеділок</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вівторок</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Середа</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четвер</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>П’ятниця</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Субота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Неділя</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, проміжок %2, початок</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, проміжок %2, кінець</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Вилучити проміжок %2 (%1)</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Суворий режим: цю перерву не можна пропустити</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Цього тижня лишився %n пропуск</numerusform>
            <numerusform>Цього тижня лишилося %n пропуски</numerusform>
            <numerusform>Цього тижня лишилося %n пропусків</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Пропуск через %1 с</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Двічі натисніть %1, щоб пропустити перерву</translation>
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
        <translation>Ось-ось</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Чекаємо на паузу в наборі тексту.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Далі — довша перерва. Слушна мить, щоб устати.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Уже майже час. Завершуйте розпочате.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Перерва через %n с</numerusform>
            <numerusform>Перерва через %n с</numerusform>
            <numerusform>Перерва через %n с</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 хв</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>Пропустити цю перерву</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Почати цю перерву зараз</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Почати перерву</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Перерва для очей</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 хв</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 год</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>До завтра</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Довга перерва</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Відновити перерви</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>перерва сьогодні</numerusform>
            <numerusform>перерви сьогодні</numerusform>
            <numerusform>перерв сьогодні</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>пропущена</numerusform>
            <numerusform>пропущені</numerusform>
            <numerusform>пропущених</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>день поспіль</numerusform>
            <numerusform>дні поспіль</numerusform>
            <numerusform>днів поспіль</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Крок %1 з %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Запустити Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Перерви для очей, що чекають слушної миті. Як часто вам нагадувати?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Дозволи не потрібні. Tarnwick лише перевіряє, чи ввімкнено камеру або мікрофон і чи відкрито програму на весь екран. Нічого не записується.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Зустрічі або дзвінки</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Повноекранні ігри</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Набір тексту</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick живе у вашому системному лотку. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Клацніть значок у лотку, щоб призупинити чи зробити перерву</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Натисніть Ctrl Alt B у будь-якій програмі, щоб одразу зробити перерву</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Двічі натисніть esc, щоб за потреби пропустити перерву</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Ласкаво просимо до Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Перерви чекають, поки ви зайняті</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Запускати Tarnwick під час входу</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Рекомендовано, щоб не довелося про це пам’ятати.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Усе готово</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick допомагає вашим очам відпочивати. Це не медична порада.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Розділи налаштувань</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Запускати Tarnwick під час входу</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Системний лоток</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Показувати зворотний відлік на значку в лотку</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Якщо в лотку бракує місця, Tarnwick показує лише значок.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Зробити перерву для очей зараз</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Пропустити поточну перерву</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ритм</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Перерви для очей</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Перерви для очей 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Подивіться на щось далеке</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Довгі перерви</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Встаньте й відійдіть</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Суворість перерв</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Коли пропуски на тиждень вичерпано, пропустити перерву можна, але лише через 15 секунд.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Пропустити перерву</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Коли затримувати перерви</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Щойно ви звільнитеся, затримана перерва знову попередить про себе.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Зустрічі або дзвінки</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Увімкнено камеру, мікрофон або показ екрана</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Програми та ігри на весь екран</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>А також відео й презентації на весь екран</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Набір тексту</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Природні перерви</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick лише перевіряє, чи це ввімкнено. Він ніколи не бачить відео, не чує звуку й не читає вмісту вікон.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Нагадування кліпати</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Маленька кулька підморгне вам і зникне</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Нагадування про поставу</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Делікатне нагадування сісти рівно</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Переглянути</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Переглянути нагадування кліпати</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Переглянути нагадування про поставу</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Нагадування ніколи не перехоплюють фокус і чекають під час дзвінків і програм на весь екран.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Тло</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Подивіться, який вигляд має перерва</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Пробна перерва на 20 с</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Ваші повідомлення на перервах для очей</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Випийте води й подивіться надвір</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Вилучити повідомлення</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Додати повідомлення</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Звуки перерв</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Відтворювати звук на початку перерви</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Відтворювати звук наприкінці перерви</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Відтворити звук</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ваші дані</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Експортувати налаштування та історію перерв у JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експортувати…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Видалити історію перерв і скинути всі налаштування</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Видалити…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Цю дію не можна скасувати.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Видалити все</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Перерви для очей, що чекають слушної миті.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробиці</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick допомагає вашим очам відпочивати. Це не медична порада. Якщо очі часто болять, зверніться до офтальмолога.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Показувати перерву кожні</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Тривалість перерви</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Показувати довгу перерву кожні</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Тривалість довгої перерви</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Попереджати про перерву</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Пропусків на тиждень</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Відсутність стає перервою через</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Нагадувати</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Не вдалося змінити. Перевірте, чи можна записувати в ~/.config/autostart, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Вимкнено в налаштуваннях автозапуску вашого середовища. Дозвольте там Tarnwick, щоб він запускався під час входу.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Ваші налаштування та %n записана перерва зберігаються лише на цьому комп’ютері, у %1. Tarnwick нічого нікуди не надсилає.</numerusform>
            <numerusform>Ваші налаштування та %n записані перерви зберігаються лише на цьому комп’ютері, у %1. Tarnwick нічого нікуди не надсилає.</numerusform>
            <numerusform>Ваші налаштування та %n записаних перерв зберігаються лише на цьому комп’ютері, у %1. Tarnwick нічого нікуди не надсилає.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Видалити %n перерву й усі налаштування?</numerusform>
            <numerusform>Видалити %n перерви й усі налаштування?</numerusform>
            <numerusform>Видалити %n перерв і всі налаштування?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>У Wayland чекає на паузу в будь-якому введенні</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Чекає на паузу до 2 хвилин</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>У цьому середовищі повний екран розпізнається для програм X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>У цьому середовищі комбінація працює, коли на передньому плані програма X11</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Сеанс: Wayland, через XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Сеанс: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Бездіяльність: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Блокувальники бездіяльності: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Повний екран: сценарії KWin і властивості вікон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Повний екран: IPC sway і властивості вікон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Повний екран: властивості вікон X11 (EWMH), лише програми X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Повний екран: властивості вікон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Гаряча клавіша: глобальна комбінація через портал стільниці</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Гаряча клавіша: перехоплення клавіш X, коли на передньому плані програма X11</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Гаряча клавіша: перехоплення клавіш X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Показ екрана</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Показ екрана: увімкнено</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Показ екрана: вимкнено</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Показ екрана: тут не визначається</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Камера: увімкнено</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Камера: вимкнено</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Мікрофон</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Мікрофон: увімкнено</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Мікрофон: вимкнено</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Повний екран: увімкнено</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Повний екран: вимкнено</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Шпалери</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Захід сонця</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Поки ви не додасте власних, Tarnwick показує свої спокійні фрази.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick показує одне з них навмання під заголовком.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Збережено у %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Не вдалося зберегти файл: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Експорт налаштувань та історії перерв</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Файли JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Видалено. Tarnwick повернуто до типових налаштувань.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% завершених перерв</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>Наступна — через %1. Після неї тут з’являться зроблені, пропущені й затримані перерви.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Статистика Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Цей тиждень</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Зроблені перерви</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущені</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Затримані для вас</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>дзвінки й повний екран</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серія</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Перерви за днями</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Зроблені</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Копіювати як текст</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Ваш тиждень почнеться з першої перерви</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Зробити перерву зараз</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Почати перерву зараз</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Перерва для очей зараз</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Довга перерва зараз</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Відновити перерви</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Пауза на 30 хв</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Пауза на 1 годину</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Пауза до завтра</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1: додати проміжок</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Коли це вимкнено, перерви можуть бути будь-коли.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Для жодного дня не задано годин, тож перерви можуть бути будь-коли. Додайте проміжок, щоб обмежити їх ним.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Перерви бувають лише в ці години. Проміжок, що закінчується раніше, ніж починається, триває за північ.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Введіть час у форматі ГГ:ХХ, від 00:00 до 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>«%1» — не час. Використовуйте формат ГГ:ХХ, від 00:00 до 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Проміжок не може починатися й закінчуватися в один час (%1). Виберіть інший початок.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Проміжок не може починатися й закінчуватися в один час (%1). Виберіть інший кінець.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Робочі години</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Нагадувати лише в робочі години</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Додати проміжок</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Копіювати понеділок на будні</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>З вівторка по п’ятницю — години понеділка</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Без годин</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>наступного дня</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Години й хвилини, від 00:00 до 23:59; стрілки вгору й униз змінюють на 15 хвилин</translation>
    </message>
</context>
</TS>
