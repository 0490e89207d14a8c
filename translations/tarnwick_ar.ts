<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>إحصائيات Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>مرحبًا بك في Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>خذ استراحة للعينين الآن</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>ارمش ببطء</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>اجلس مستقيمًا</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>تخطي الاستراحة</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>قفل الشاشة</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>استراحة Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>انظر إلى البعيد</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>ابحث عن شيء بعيد ودع عينيك تسترخيان حتى ينتهي المؤقت</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>أرخِ نظرك</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>انظر من النافذة أو إلى الطرف الآخر من الغرفة، وارمش ببطء</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>دع عينيك تتجولان</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>أرحهما على أبعد شيء تستطيع رؤيته</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>حان وقت رفع نظرك</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>عشرون ثانية على شيء بعيد تنعش العينين المتعبتين</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>حان وقت الابتعاد قليلًا</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>قف وتمدّد وامنح عينيك راحة حقيقية</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>تمدّد قليلًا</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>حرّك كتفيك، واملأ كوب الماء، وانظر إلى الخارج</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>خذ استراحة حقيقية</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>نزهة قصيرة تفيد تركيزك أكثر من ساعة أخرى من التحديق</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>تركيز عميق</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>لطيف</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>انظر بعيدًا 20 ثانية كل 20 دقيقة. واستراحة طويلة كل ساعة.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>انظر بعيدًا 20 ثانية كل 30 دقيقة. واستراحة طويلة بعد 90 دقيقة.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>تذكيرات بالرمش فقط، مع استراحة طويلة كل ساعتين.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>مُوصى به</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>للبرمجة</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>خفيف</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>أنت في مكالمة</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>تطبيق بملء الشاشة مفتوح</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>أنت تكتب</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>مذكّر استراحة العينين</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>يذكّرك بإراحة عينيك في لحظة تناسبك</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>عين;عيون;استراحة;راحة;تذكير;صحة;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>تنبيه Tarnwick المسبق</translation>
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
        <translation>متوقف حتى</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>متوقف حتى %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>خارج ساعات عملك.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>استُؤنفت خارج ساعات عملك حتى %1.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>الاستراحات متوقفة</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>فعّلها من الإعدادات.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>الاستراحة الطويلة بعد</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>استراحة طويلة في %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>استراحة العينين التالية بعد</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>تبدأ الاستراحة الطويلة</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>تبدأ استراحة العينين</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>الاستراحة مؤجّلة</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ أقل من دقيقة.</numerusform>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ دقيقة.</numerusform>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ دقيقتين.</numerusform>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ %n دقائق.</numerusform>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ %n دقيقة.</numerusform>
            <numerusform>ستتلقى تنبيهًا حين تتفرغ. مؤجّلة منذ %n دقيقة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>استراحة طويلة</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>استراحة العينين</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>متوقف مؤقتًا حتى</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>مؤجّلة</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>استراحة</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>متوقف مؤقتًا</translation>
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
        <translation>مذكّر باستراحات العينين ينتظر اللحظة المناسبة</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>يعتني Tarnwick بعينيك أثناء عملك. يستقر في علبة النظام مع عدّ تنازلي صغير، ويعلن كل استراحة ببطاقة تنبيه مسبق، ثم يغطي كل شاشة عرض بشاشة استراحة هادئة: نظرة قصيرة إلى البعيد كل 20 دقيقة، واستراحة أطول للوقوف كل ساعة.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>تنتظر الاستراحة اللحظة المناسبة:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>أثناء مكالمة، أو حين يكون برنامج بملء الشاشة في المقدمة، تُؤجَّل الاستراحة المستحقة وتُعرض مجددًا حالما تتفرغ؛</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>أثناء الكتابة، تنتظر الاستراحة توقفك مدة تصل إلى دقيقتين؛</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>يُحتسب الوقت الذي تقضيه بعيدًا عن لوحة المفاتيح استراحةً مأخوذة.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>يحتفظ بملخص أسبوعي للاستراحات التي أخذتها وتخطيتها، ويخزّن كل شيء في ملفين على حاسوبك. ولا يرسل أي شيء إلى أي مكان.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>شاشة الاستراحة على كل شاشة عرض</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>التنبيه المسبق قبل الاستراحة</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>لوحة علبة النظام</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>الأسبوع بالأرقام</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>أول استراحة لك بعد %n دقيقة.</numerusform>
            <numerusform>أول استراحة لك بعد دقيقة واحدة.</numerusform>
            <numerusform>أول استراحة لك بعد دقيقتين.</numerusform>
            <numerusform>أول استراحة لك بعد %n دقائق.</numerusform>
            <numerusform>أول استراحة لك بعد %n دقيقة.</numerusform>
            <numerusform>أول استراحة لك بعد %n دقيقة.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OnboardingPresetRow</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A timing preset&apos;s description for screen readers: %1 is its summary, %2 its tag</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>PointerPanel</name>
    <message>
        <source>Tarnwick countdown</source>
        <translation>عدّ Tarnwick التنازلي</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>تذكير Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>بدون تنبيه</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>قبل %n ثانية</numerusform>
            <numerusform>قبل ثانية واحدة</numerusform>
            <numerusform>قبل ثانيتين</numerusform>
            <numerusform>قبل %n ثوانٍ</numerusform>
            <numerusform>قبل %n ثانية</numerusform>
            <numerusform>قبل %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بلا حدّ</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>كل %n دقيقة</numerusform>
            <numerusform>كل دقيقة</numerusform>
            <numerusform>كل دقيقتين</numerusform>
            <numerusform>كل %n دقائق</numerusform>
            <numerusform>كل %n دقيقة</numerusform>
            <numerusform>كل %n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>الإصدار %1 · بناء شخصي</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>استراحات الشاشة</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>الإيقاف الذكي</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>تذكيرات صحية</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>شاشة الاستراحة</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>الأصوات</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>الخصوصية والبيانات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>التركيز والعافية</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>السلوك والتنبيهات</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>البيانات</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>مرن</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>التخطي في أي وقت</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>متوازن</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>التخطي بعد 5 ثوانٍ</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>صارم</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>بلا تخطٍّ</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>إعدادات Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>زجاج</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>رنين</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>خرخرة</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>فرقعة</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>بطل</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>غواصة</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>زجاجة</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>نفخة</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>مورس</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>بينغ</translation>
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
            <numerusform>لم تُرِح عينيك هذا الأسبوع بعد.</numerusform>
            <numerusform>أرحت عينيك مرة واحدة هذا الأسبوع.</numerusform>
            <numerusform>أرحت عينيك مرتين هذا الأسبوع.</numerusform>
            <numerusform>أرحت عينيك %n مرات هذا الأسبوع.</numerusform>
            <numerusform>أرحت عينيك %n مرة هذا الأسبوع.</numerusform>
            <numerusform>أرحت عينيك %n مرة هذا الأسبوع.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>أرحت عينيّ %n مرة هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
            <numerusform>أرحت عينيّ مرة واحدة هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
            <numerusform>أرحت عينيّ مرتين هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
            <numerusform>أرحت عينيّ %n مرات هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
            <numerusform>أرحت عينيّ %n مرة هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
            <numerusform>أرحت عينيّ %n مرة هذا الأسبوع مع Tarnwick، مذكّر الاستراحات الذي ينتظر حين أكون في مكالمة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>لم يتبقَّ أي تخطٍّ</numerusform>
            <numerusform>تبقّى تخطٍّ واحد</numerusform>
            <numerusform>تبقّى تخطّيان</numerusform>
            <numerusform>تبقّت %n مرات تخطٍّ</numerusform>
            <numerusform>تبقّت %n مرة تخطٍّ</numerusform>
            <numerusform>تبقّت %n مرة تخطٍّ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>يوم بنسبة 80%+</numerusform>
            <numerusform>يوم بنسبة 80%+</numerusform>
            <numerusform>يومان بنسبة 80%+</numerusform>
            <numerusform>أيام بنسبة 80%+</numerusform>
            <numerusform>يومًا بنسبة 80%+</numerusform>
            <numerusform>يوم بنسبة 80%+</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A day&apos;s column of the chart: %1 is the weekday, %2 the breaks taken (&quot;3 taken&quot;), %3 the skipped (&quot;1 skipped&quot;)</extracomment>
        <translation>%1: %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>لا استراحات مأخوذة</numerusform>
            <numerusform>استراحة مأخوذة</numerusform>
            <numerusform>استراحتان مأخوذتان</numerusform>
            <numerusform>%n استراحات مأخوذة</numerusform>
            <numerusform>%n استراحة مأخوذة</numerusform>
            <numerusform>%n استراحة مأخوذة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>لا استراحات متخطّاة</numerusform>
            <numerusform>استراحة متخطّاة</numerusform>
            <numerusform>استراحتان متخطّاتان</numerusform>
            <numerusform>%n استراحات متخطّاة</numerusform>
            <numerusform>%n استراحة متخطّاة</numerusform>
            <numerusform>%n استراحة متخطّاة</numerusform>
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
        <translation>%1 خلال %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 حتى %2</translation>
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
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1، بداية الفترة %2</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1، نهاية الفترة %2</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>إزالة الفترة %2 من %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>الوضع الصارم: لا يمكن تخطي هذه الاستراحة</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>لم يتبقَّ أي تخطٍّ هذا الأسبوع</numerusform>
            <numerusform>تبقّى تخطٍّ واحد هذا الأسبوع</numerusform>
            <numerusform>تبقّى تخطّيان هذا الأسبوع</numerusform>
            <numerusform>تبقّت %n مرات تخطٍّ هذا الأسبوع</numerusform>
            <numerusform>تبقّت %n مرة تخطٍّ هذا الأسبوع</numerusform>
            <numerusform>تبقّت %n مرة تخطٍّ هذا الأسبوع</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>التخطي بعد %1 ث</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>اضغط %1 مرتين لتخطي الاستراحة</translation>
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
        <translation>بعد لحظات</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>بانتظار توقفك عن الكتابة.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>التالية استراحة أطول. لحظة مناسبة للوقوف.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>اقترب الوقت. أنهِ ما بين يديك.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>تبدأ الاستراحة خلال %n ثانية</numerusform>
            <numerusform>تبدأ الاستراحة خلال ثانية</numerusform>
            <numerusform>تبدأ الاستراحة خلال ثانيتين</numerusform>
            <numerusform>تبدأ الاستراحة خلال %n ثوانٍ</numerusform>
            <numerusform>تبدأ الاستراحة خلال %n ثانية</numerusform>
            <numerusform>تبدأ الاستراحة خلال %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 د</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>تخطي هذه الاستراحة</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>بدء هذه الاستراحة الآن</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>بدء الاستراحة الآن</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>استراحة العينين الآن</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 دقيقة</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>ساعة واحدة</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>حتى الغد</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>استراحة طويلة الآن</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>استئناف الاستراحات</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>مأخوذة اليوم</numerusform>
            <numerusform>مأخوذة اليوم</numerusform>
            <numerusform>مأخوذتان اليوم</numerusform>
            <numerusform>مأخوذة اليوم</numerusform>
            <numerusform>مأخوذة اليوم</numerusform>
            <numerusform>مأخوذة اليوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>متخطّاة</numerusform>
            <numerusform>متخطّاة</numerusform>
            <numerusform>متخطّاتان</numerusform>
            <numerusform>متخطّاة</numerusform>
            <numerusform>متخطّاة</numerusform>
            <numerusform>متخطّاة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>يوم متتالٍ</numerusform>
            <numerusform>يوم متتالٍ</numerusform>
            <numerusform>يومان متتاليان</numerusform>
            <numerusform>أيام متتالية</numerusform>
            <numerusform>يومًا متتاليًا</numerusform>
            <numerusform>يوم متتالٍ</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>الإحصائيات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>الخطوة %1 من %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>بدء Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>استراحات للعينين تنتظر اللحظة المناسبة. كم مرة تريد أن نذكّرك؟</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>لا حاجة إلى أي أذونات. يتحقق Tarnwick فقط مما إذا كانت الكاميرا أو الميكروفون قيد التشغيل، وما إذا كان تطبيق ما بملء الشاشة. لا يُسجَّل أي شيء.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>الاجتماعات أو المكالمات</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>الألعاب بملء الشاشة</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>يقيم Tarnwick في علبة النظام. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>انقر أيقونة العلبة للإيقاف المؤقت أو لأخذ استراحة</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>اضغط Ctrl Alt B في أي تطبيق لأخذ استراحة فورًا</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>اضغط esc مرتين لتخطي الاستراحة عند الضرورة</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>مرحبًا بك في Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>تنتظر الاستراحات حين تكون مشغولًا</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>تشغيل Tarnwick عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>مُوصى به، حتى لا تضطر إلى تذكّر ذلك.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>كل شيء جاهز</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>يساعدك Tarnwick على إراحة عينيك، لكنه ليس نصيحة طبية.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>أقسام الإعدادات</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>بدء التشغيل</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>تشغيل Tarnwick عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>علبة النظام</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>إظهار العدّ التنازلي في أيقونة العلبة</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>حين لا تتسع العلبة له، يعرض Tarnwick الأيقونة فقط.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>اختصار لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>خذ استراحة للعينين الآن</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>تخطي استراحة جارية</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>الإيقاع</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>استراحات العينين</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>استراحات العينين 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>انظر إلى شيء بعيد</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>الاستراحات الطويلة</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>قف وابتعد قليلًا</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>التنبيه المسبق</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>إلزامية الاستراحة</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>بعد استنفاد مرات التخطي الأسبوعية، يبقى التخطي ممكنًا لكن بعد انتظار 15 ثانية.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>تخطي الاستراحة</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>تأجيل الاستراحات أثناء</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>تحصل الاستراحة المؤجّلة على تنبيه جديد حالما تتفرغ.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>الاجتماعات أو المكالمات</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>الكاميرا أو الميكروفون أو مشاركة الشاشة قيد الاستخدام</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>التطبيقات والألعاب بملء الشاشة</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>وكذلك الفيديو والعروض التقديمية بملء الشاشة</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>الاستراحات الطبيعية</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>يتحقق Tarnwick فقط مما إذا كانت هذه قيد التشغيل. لا يرى الفيديو ولا يسمع الصوت ولا يقرأ محتوى النوافذ أبدًا.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>تذكيرات الرمش</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>كرة صغيرة ترمش لك ثم تختفي</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>تذكيرات الجلسة</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>تذكير لطيف بالجلوس مستقيمًا</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>معاينة تذكير الرمش</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>معاينة تذكير الجلسة</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>لا تسحب التذكيرات التركيز أبدًا، وتنتظر أثناء المكالمات والتطبيقات بملء الشاشة.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>شاهد شكل الاستراحة</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>جرّب استراحة مدتها 20 ثانية</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>رسائلك لاستراحات العينين</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>اشرب بعض الماء وانظر إلى الخارج</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>إزالة الرسالة</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>إضافة رسالة</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>أصوات الاستراحة</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>تشغيل صوت عند بدء الاستراحة</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>تشغيل صوت عند انتهاء الاستراحة</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>تشغيل الصوت</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>بياناتك</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>تصدير الإعدادات وسجل الاستراحات بصيغة JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>تصدير…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>حذف سجل الاستراحات وإعادة ضبط كل الإعدادات</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>حذف…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>لا يمكن التراجع عن هذا.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>حذف كل شيء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>استراحات للعينين تنتظر اللحظة المناسبة.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>يساعدك Tarnwick على إراحة عينيك، لكنه ليس نصيحة طبية. إن كانت عيناك تؤلمانك كثيرًا، فراجع طبيب عيون.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>إظهار استراحة كل</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>مدة الاستراحة</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>إظهار استراحة طويلة كل</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>مدة الاستراحة الطويلة</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>التنبيه قبل الاستراحة</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>مرات التخطي المسموحة أسبوعيًا</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>يُحتسب الابتعاد استراحةً بعد</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>ذكّرني</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>تعذّر تغيير هذا. تحقّق من إمكانية الكتابة في ~/.config/autostart ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>معطّل في إعدادات بدء التشغيل لسطح المكتب. اسمح لـ Tarnwick هناك ليبدأ عند تسجيل الدخول.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>تُخزَّن إعداداتك على هذا الحاسوب فقط، في %1، ولا توجد استراحات مسجّلة بعد. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
            <numerusform>تُخزَّن إعداداتك واستراحة واحدة مسجّلة على هذا الحاسوب فقط، في %1. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
            <numerusform>تُخزَّن إعداداتك واستراحتان مسجّلتان على هذا الحاسوب فقط، في %1. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
            <numerusform>تُخزَّن إعداداتك و%n استراحات مسجّلة على هذا الحاسوب فقط، في %1. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
            <numerusform>تُخزَّن إعداداتك و%n استراحة مسجّلة على هذا الحاسوب فقط، في %1. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
            <numerusform>تُخزَّن إعداداتك و%n استراحة مسجّلة على هذا الحاسوب فقط، في %1. لا يرسل Tarnwick أي شيء إلى أي مكان.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>حذف كل الإعدادات؟ لا توجد استراحات مسجّلة.</numerusform>
            <numerusform>حذف استراحة واحدة وكل الإعدادات؟</numerusform>
            <numerusform>حذف استراحتين وكل الإعدادات؟</numerusform>
            <numerusform>حذف %n استراحات وكل الإعدادات؟</numerusform>
            <numerusform>حذف %n استراحة وكل الإعدادات؟</numerusform>
            <numerusform>حذف %n استراحة وكل الإعدادات؟</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>على Wayland، ينتظر توقفًا في أي إدخال</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>ينتظر توقفًا مدة تصل إلى دقيقتين</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>على سطح المكتب هذا، يقتصر اكتشاف ملء الشاشة على تطبيقات X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>على سطح المكتب هذا، يعمل الاختصار حين يكون تطبيق X11 في المقدمة</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>الجلسة: Wayland عبر XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>الجلسة: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>الخمول: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>مانعات الخمول: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>ملء الشاشة: سكربتات KWin وخصائص نوافذ X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>ملء الشاشة: واجهة IPC في sway وخصائص نوافذ X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>ملء الشاشة: خصائص نوافذ X11 (EWMH)، لتطبيقات X11 فقط</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>ملء الشاشة: خصائص نوافذ X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>مفتاح الاختصار: اختصار عام عبر بوابة سطح المكتب</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>مفتاح الاختصار: التقاط المفاتيح في X، حين يكون تطبيق X11 في المقدمة</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>مفتاح الاختصار: التقاط المفاتيح في X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>مشاركة الشاشة</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>مشاركة الشاشة: مفعّلة</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>مشاركة الشاشة: غير مفعّلة</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>مشاركة الشاشة: يتعذّر اكتشافها هنا</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>الكاميرا: مفعّلة</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>الكاميرا: غير مفعّلة</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>الميكروفون</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>الميكروفون: مفعّل</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>الميكروفون: غير مفعّل</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>ملء الشاشة: مفعّل</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>ملء الشاشة: غير مفعّل</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>خلفية سطح المكتب</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>غروب الشمس</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>يستخدم Tarnwick عباراته الهادئة الخاصة حتى تضيف عباراتك.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>يعرض Tarnwick إحدى هذه العبارات عشوائيًا تحت العنوان.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>حُفظ في %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>تعذّر حفظ الملف: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>تصدير الإعدادات وسجل الاستراحات</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>ملفات JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>حُذف كل شيء. عاد Tarnwick إلى إعداداته الافتراضية.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% من الاستراحات المنتهية</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>الاستراحة التالية بعد %1. بعدها ستظهر هنا الاستراحات المأخوذة والمتخطّاة والمؤجّلة.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>إحصائيات Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>الاستراحات المأخوذة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>المتخطّاة</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>أُجّلت من أجلك</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>المكالمات وملء الشاشة</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>الأيام المتتالية</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>الاستراحات يوميًا</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>مأخوذة</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>نُسخ</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>نسخ كنص</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>يبدأ أسبوعك مع أول استراحة</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>خذ واحدة الآن</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>بدء الاستراحة الآن</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>استراحة العينين الآن</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>استراحة طويلة الآن</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>استئناف الاستراحات</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>إيقاف مؤقت 30 دقيقة</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>إيقاف مؤقت لساعة</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>إيقاف مؤقت حتى الغد</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>الإحصائيات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>إضافة فترة يوم %1</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>ما دام هذا معطّلًا، قد تأتي الاستراحات في أي وقت.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>لا توجد ساعات لأي يوم، لذا قد تأتي الاستراحات في أي وقت. أضف فترة لحصرها فيها.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>تأتي الاستراحات في هذه الساعات فقط. الفترة التي تنتهي قبل أن تبدأ تمتد إلى ما بعد منتصف الليل.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>أدخل الوقت بصيغة HH:MM، من 00:00 إلى 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>«%1» ليس وقتًا صالحًا. استخدم صيغة HH:MM، من 00:00 إلى 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>لا يمكن أن تبدأ الفترة وتنتهي في الوقت نفسه (%1). اختر بداية أخرى.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>لا يمكن أن تبدأ الفترة وتنتهي في الوقت نفسه (%1). اختر نهاية أخرى.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>ساعات العمل</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>ذكّرني خلال ساعات العمل فقط</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>إضافة فترة</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>نسخ الاثنين إلى أيام العمل</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>تُطبَّق ساعات الاثنين على الثلاثاء حتى الجمعة</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>بلا ساعات</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>اليوم التالي</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>الساعات والدقائق، من 00:00 إلى 23:59؛ يغيّره مفتاحا الأعلى والأسفل بمقدار 15 دقيقة</translation>
    </message>
</context>
</TS>
