<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Статистика Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Добро пожаловать в Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Сделать перерыв для глаз сейчас</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Медленно моргните</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Сядьте прямо</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Пропустить перерыв</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Заблокировать экран</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick — перерыв</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Посмотрите вдаль</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Найдите что-нибудь вдалеке и дайте глазам отдохнуть до конца отсчёта</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Расслабьте взгляд</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Посмотрите в окно или в дальний угол комнаты и медленно поморгайте</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Пусть взгляд поблуждает</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Задержите его на самом дальнем, что видно</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Пора поднять взгляд</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Двадцать секунд взгляда вдаль освежают уставшие глаза</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Пора отойти от экрана</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Встаньте, потянитесь и дайте глазам по-настоящему отдохнуть</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Разомнитесь</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Покрутите плечами, налейте воды, выгляните в окно</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Сделайте настоящий перерыв</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Короткая прогулка лучше поможет сосредоточиться, чем ещё час у экрана</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Глубокий фокус</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Мягкий</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Взгляд вдаль на 20 с каждые 20 мин. Длинный перерыв — каждый час.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Взгляд вдаль на 20 с каждые 30 мин. Длинный перерыв — через 90 мин.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Только напоминания моргать и длинный перерыв каждые 2 часа.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Рекомендуется</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Программирование</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Идёт звонок</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Открыто полноэкранное приложение</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Вы печатаете</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Напоминание о перерывах для глаз</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Напоминает дать глазам отдых в удобный момент</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>глаза;перерыв;отдых;напоминание;здоровье;зрение;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick — предупреждение о перерыве</translation>
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
        <translation>Выключено до</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Выключено до %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Вне рабочих часов.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Возобновлено вне рабочих часов, до %1.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1с</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1м</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Перерывы выключены</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Включите их в настройках.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Длинный перерыв через</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Длинный перерыв в %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Перерыв для глаз через</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Длинный перерыв начнётся</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Перерыв для глаз начнётся</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Перерыв отложен</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Предупредим, когда вы освободитесь. Ждёт уже %n мин.</numerusform>
            <numerusform>Предупредим, когда вы освободитесь. Ждёт уже %n мин.</numerusform>
            <numerusform>Предупредим, когда вы освободитесь. Ждёт уже %n мин.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Перерыв для глаз</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Пауза до</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Перерыв отложен</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Пауза</translation>
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
        <translation>Напоминание о перерывах для глаз, которое ждёт подходящего момента</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick заботится о ваших глазах, пока вы работаете. Он живёт в системном лотке с небольшим обратным отсчётом, заранее предупреждает о каждом перерыве карточкой, а затем закрывает все мониторы спокойным экраном перерыва: каждые 20 минут — короткий взгляд вдаль, каждый час — перерыв подольше, чтобы встать.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Перерыв ждёт подходящего момента:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>во время звонка или пока на переднем плане полноэкранная программа, перерыв откладывается и предлагается снова, как только вы освободитесь;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>пока вы печатаете, перерыв до двух минут ждёт паузы;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>время вдали от клавиатуры засчитывается как сделанный перерыв.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Он ведёт недельную сводку сделанных и пропущенных перерывов и хранит всё в двух файлах на вашем компьютере. Он ничего никуда не отправляет.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Экран перерыва на каждом мониторе</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Предупреждение перед перерывом</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Панель в системном лотке</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>Неделя в цифрах</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Первый перерыв — через %n минуту.</numerusform>
            <numerusform>Первый перерыв — через %n минуты.</numerusform>
            <numerusform>Первый перерыв — через %n минут.</numerusform>
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
        <translation>Tarnwick — обратный отсчёт</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick — напоминание</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Не предупреждать</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>За %n секунду</numerusform>
            <numerusform>За %n секунды</numerusform>
            <numerusform>За %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Каждую %n минуту</numerusform>
            <numerusform>Каждые %n минуты</numerusform>
            <numerusform>Каждые %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Версия %1 · личная сборка</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Отдых от экрана</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Умная пауза</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Напоминания о здоровье</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Экран перерыва</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Приватность и данные</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Фокус и самочувствие</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Поведение и сигналы</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Свободный</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Пропуск в любой момент</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Умеренный</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Пропуск через 5 секунд</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Строгий</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Без пропусков</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Настройки Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Стекло</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Звяк</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Мурлыканье</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Хлопок</translation>
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
        <translation>Бутылка</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Дуновение</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>Морзе</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
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
            <numerusform>На этой неделе вы дали глазам отдохнуть %n раз.</numerusform>
            <numerusform>На этой неделе вы дали глазам отдохнуть %n раза.</numerusform>
            <numerusform>На этой неделе вы дали глазам отдохнуть %n раз.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>На этой неделе мои глаза отдохнули %n раз благодаря Tarnwick — напоминанию о перерывах, которое ждёт, пока я на звонке.</numerusform>
            <numerusform>На этой неделе мои глаза отдохнули %n раза благодаря Tarnwick — напоминанию о перерывах, которое ждёт, пока я на звонке.</numerusform>
            <numerusform>На этой неделе мои глаза отдохнули %n раз благодаря Tarnwick — напоминанию о перерывах, которое ждёт, пока я на звонке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>остался %n пропуск</numerusform>
            <numerusform>осталось %n пропуска</numerusform>
            <numerusform>осталось %n пропусков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>день от 80%</numerusform>
            <numerusform>дня от 80%</numerusform>
            <numerusform>дней от 80%</numerusform>
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
            <numerusform>%n сделан</numerusform>
            <numerusform>%n сделано</numerusform>
            <numerusform>%n сделано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n пропущен</numerusform>
            <numerusform>%n пропущено</numerusform>
            <numerusform>%n пропущено</numerusform>
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
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, интервал %2, начало</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, интервал %2, конец</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>Удалить: %1, интервал %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Строгий режим: этот перерыв нельзя пропустить</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>На этой неделе остался %n пропуск</numerusform>
            <numerusform>На этой неделе осталось %n пропуска</numerusform>
            <numerusform>На этой неделе осталось %n пропусков</numerusform>
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
        <translation>Нажмите %1 дважды, чтобы пропустить перерыв</translation>
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
        <translation>Вот-вот</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Ждём паузы в наборе текста.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Дальше — длинный перерыв. Хороший момент, чтобы встать.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Почти пора. Завершайте начатое.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Перерыв через %n</numerusform>
            <numerusform>Перерыв через %n</numerusform>
            <numerusform>Перерыв через %n</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 мин</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>Пропустить этот перерыв</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Начать перерыв сейчас</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Начать перерыв</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Перерыв для глаз</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>До завтра</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Возобновить перерывы</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>сделан сегодня</numerusform>
            <numerusform>сделано сегодня</numerusform>
            <numerusform>сделано сегодня</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>пропущен</numerusform>
            <numerusform>пропущено</numerusform>
            <numerusform>пропущено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>день подряд</numerusform>
            <numerusform>дня подряд</numerusform>
            <numerusform>дней подряд</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Шаг %1 из %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Запустить Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Перерывы для глаз, которые ждут подходящего момента. Как часто напоминать?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Никаких разрешений не нужно. Tarnwick лишь проверяет, включены ли камера или микрофон и открыто ли приложение на весь экран. Ничего не записывается.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Встречи или звонки</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Полноэкранные игры</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Набор текста</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick живёт в системном лотке. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Нажмите на значок в лотке, чтобы сделать перерыв или поставить паузу</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Нажмите Ctrl Alt B в любом приложении, чтобы сразу начать перерыв</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Дважды нажмите esc, чтобы при необходимости пропустить перерыв</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Добро пожаловать в Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Перерывы ждут, пока вы заняты</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Запускать Tarnwick при входе в систему</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Рекомендуется — тогда не придётся об этом помнить.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Всё готово</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick помогает дать глазам отдых. Это не медицинская рекомендация.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Разделы настроек</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Запускать Tarnwick при входе в систему</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Системный лоток</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Показывать обратный отсчёт на значке в лотке</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Если в лотке не хватает места, Tarnwick показывает только значок.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Сделать перерыв для глаз сейчас</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Пропустить текущий перерыв</translation>
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
        <translation>Перерывы для глаз</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Перерывы для глаз 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Посмотрите на что-нибудь вдали</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Длинные перерывы</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Встаньте и отойдите от экрана</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Строгость перерывов</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Когда пропуски на неделю закончатся, пропустить перерыв всё ещё можно, но только через 15 секунд.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Пропустить перерыв</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Когда откладывать перерывы</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Отложенный перерыв снова предупредит о себе, как только вы освободитесь.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Встречи или звонки</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Используются камера, микрофон или демонстрация экрана</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Полноэкранные приложения и игры</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>А также видео и презентации на весь экран</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Набор текста</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Естественные перерывы</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Прямо сейчас</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick лишь проверяет, включены ли они. Он никогда не видит изображение, не слышит звук и не читает содержимое окон.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Напоминания моргать</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Маленький шарик подмигнёт вам и исчезнет</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Напоминания об осанке</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Мягкая подсказка сесть прямо</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Предпросмотр напоминания моргать</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Предпросмотр напоминания об осанке</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Напоминания никогда не забирают фокус и ждут во время звонков и полноэкранных приложений.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Посмотрите, как выглядит перерыв</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Попробовать 20-секундный перерыв</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Ваши сообщения на перерывах для глаз</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Выпейте воды и выгляните в окно</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Удалить сообщение</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Добавить сообщение</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Звуки перерывов</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Проигрывать звук в начале перерыва</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Проигрывать звук в конце перерыва</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Воспроизвести звук</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Экспортировать настройки и историю перерывов в JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Удалить историю перерывов и сбросить все настройки</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Удалить…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Удалить всё</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Перерывы для глаз, которые ждут подходящего момента.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick помогает дать глазам отдых. Это не медицинская рекомендация. Если глаза часто болят, обратитесь к офтальмологу.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Показывать перерыв каждые</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Длительность перерыва</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Показывать длинный перерыв каждые</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Длительность длинного перерыва</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Предупреждать о перерыве</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Лимит пропусков в неделю</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Отсутствие засчитывается как перерыв через</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Напоминать</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Не удалось изменить. Проверьте, что в ~/.config/autostart разрешена запись, и попробуйте снова.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Отключено в настройках автозапуска вашего окружения. Разрешите там Tarnwick, чтобы он запускался при входе.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Ваши настройки и %n записанный перерыв хранятся только на этом компьютере, в %1. Tarnwick ничего никуда не отправляет.</numerusform>
            <numerusform>Ваши настройки и %n записанных перерыва хранятся только на этом компьютере, в %1. Tarnwick ничего никуда не отправляет.</numerusform>
            <numerusform>Ваши настройки и %n записанных перерывов хранятся только на этом компьютере, в %1. Tarnwick ничего никуда не отправляет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Удалить %n перерыв и все настройки?</numerusform>
            <numerusform>Удалить %n перерыва и все настройки?</numerusform>
            <numerusform>Удалить %n перерывов и все настройки?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>В Wayland ждёт паузы в любом вводе</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Ждёт паузы до 2 минут</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>В этом окружении полноэкранный режим распознаётся только у приложений X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>В этом окружении сочетание работает, когда на переднем плане приложение X11</translation>
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
        <translation>Простой: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Блокировщики простоя: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Полный экран: сценарии KWin и свойства окон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Полный экран: IPC sway и свойства окон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Полный экран: свойства окон X11 (EWMH), только приложения X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Полный экран: свойства окон X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Горячая клавиша: глобальное сочетание через портал рабочего стола</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Горячая клавиша: перехват клавиш X, когда на переднем плане приложение X11</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Горячая клавиша: перехват клавиш X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Демонстрация экрана</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Демонстрация экрана: включена</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Демонстрация экрана: выключена</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Демонстрация экрана: здесь не определяется</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Камера: включена</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Камера: выключена</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Микрофон: включён</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Микрофон: выключен</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Полный экран: включён</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Полный экран: выключен</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Закат</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Пока вы не добавите свои, Tarnwick показывает собственные спокойные фразы.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick показывает под заголовком одно из них, выбранное случайно.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Сохранено в %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Не удалось сохранить файл: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Экспорт настроек и истории перерывов</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Удалено. Настройки Tarnwick сброшены по умолчанию.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% завершённых перерывов</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>Следующий — через %1. После него здесь появятся сделанные, пропущенные и отложенные перерывы.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Статистика Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Эта неделя</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Сделано перерывов</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Отложено для вас</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>звонки и полный экран</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Перерывы по дням</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Сделано</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Копировать как текст</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Ваша неделя начнётся с первого перерыва</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Сделать перерыв сейчас</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Начать перерыв сейчас</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Перерыв для глаз сейчас</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Длинный перерыв сейчас</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Возобновить перерывы</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Пауза на 30 мин</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Пауза на 1 час</translation>
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
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>Добавить интервал: %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Пока это выключено, перерывы могут начаться в любое время.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Ни для одного дня не заданы часы, поэтому перерывы могут начаться в любое время. Добавьте интервал, чтобы перерывы были только в нём.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Перерывы бывают только в эти часы. Интервал, который заканчивается раньше, чем начинается, переходит через полночь.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Введите время в формате ЧЧ:ММ, от 00:00 до 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>«%1» — не время. Используйте формат ЧЧ:ММ, от 00:00 до 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Интервал не может начинаться и заканчиваться в одно и то же время (%1). Выберите другое начало.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Интервал не может начинаться и заканчиваться в одно и то же время (%1). Выберите другой конец.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Рабочие часы</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Напоминать только в рабочие часы</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Добавить интервал</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Скопировать понедельник на будни</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Со вторника по пятницу — часы понедельника</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Нет часов</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>следующего дня</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Часы и минуты, от 00:00 до 23:59; стрелки вверх и вниз меняют значение на 15 минут</translation>
    </message>
</context>
</TS>
