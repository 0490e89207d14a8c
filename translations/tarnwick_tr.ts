<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick İstatistikleri</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick’e hoş geldiniz</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Şimdi göz molası ver</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Yavaşça göz kırpın</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Dik oturun</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Molayı atla</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Ekranı kilitle</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick molası</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Uzaklara bakın</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Uzakta bir şey bulun ve süre dolana kadar gözlerinizi dinlendirin</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Bakışlarınızı yumuşatın</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Pencereden dışarıya ya da odanın öbür ucuna bakın ve yavaşça göz kırpın</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Gözleriniz dolaşsın</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Gözlerinizi görebildiğiniz en uzak noktada dinlendirin</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Başınızı kaldırma zamanı</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Uzaktaki bir şeye yirmi saniye bakmak yorgun gözleri tazeler</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Biraz uzaklaşma zamanı</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Kalkın, gerinin ve gözlerinizi gerçekten dinlendirin</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Biraz gerinin</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Omuzlarınızı çevirin, suyunuzu tazeleyin, dışarı bakın</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Gerçek bir mola verin</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Kısa bir yürüyüş odağınıza, ekrana bir saat daha bakmaktan çok daha iyi gelir</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Derin odak</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Yumuşak</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>20 dakikada bir 20 sn uzağa bakın. Saatte bir uzun mola.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>30 dakikada bir 20 sn uzağa bakın. 90 dakikada bir uzun mola.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Yalnızca göz kırpma hatırlatmaları, bir de 2 saatte bir uzun mola.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Önerilen</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Kodlama</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hafif</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Görüşmedesiniz</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Tam ekran bir uygulama açık</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Yazı yazıyorsunuz</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Göz Molası Hatırlatıcısı</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Gözlerinizi dinlendirmeyi size uygun bir anda hatırlatır</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>göz;mola;dinlenme;hatırlatıcı;sağlık;ara;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick ön uyarısı</translation>
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
        <translation>Molalara dönüş</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>%1 saatine kadar kapalı</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Çalışma saatleriniz dışında.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Molalar, çalışma saatleriniz dışında %1 saatine kadar sürdürüldü.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1&#x202f;sn</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1&#x202f;dk</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>Molalar kapalı</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Ayarlardan açabilirsiniz.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Uzun molaya kalan</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Uzun mola saati: %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Göz molasına kalan</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Uzun mola başlıyor</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Göz molası başlıyor</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Mola bekletiliyor</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Müsait olduğunuzda haber verilecek. %n dakikadır bekliyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Uzun mola</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Göz molası</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Duraklatma bitişi</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Bekletiliyor</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Mola</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Duraklatıldı</translation>
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
        <translation>Doğru anı bekleyen göz molası hatırlatıcısı</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick siz çalışırken gözlerinizi korur. Sistem tepsisinde küçük bir geri sayımla durur, her molayı bir ön uyarı kartıyla duyurur, ardından her monitörü sakin bir mola ekranıyla kaplar: 20 dakikada bir uzaklara kısa bir bakış ve saatte bir, ayağa kalkmak için daha uzun bir mola.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Mola doğru anı bekler:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>görüşme sırasında ya da önde tam ekran bir program varken, zamanı gelen mola bekletilir ve müsait olduğunuzda yeniden sunulur;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>siz yazarken mola, bir duraklama için iki dakikaya kadar bekler;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>klavyeden uzakta geçen süre verilmiş bir mola sayılır.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Verdiğiniz ve atladığınız molaların haftalık özetini tutar ve her şeyi bilgisayarınızdaki iki dosyada saklar. Hiçbir yere hiçbir şey göndermez.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>Her monitörde mola ekranı</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>Moladan önceki ön uyarı</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>Tepsi paneli</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>Rakamlarla hafta</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>İlk molanız %n dakika sonra.</numerusform>
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
        <translation>Tarnwick geri sayımı</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick hatırlatması</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Uyarma</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n saniye önce</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sınırsız</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Asla</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>%n dakikada bir</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Sürüm %1 · kişisel derleme</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Ekran Molaları</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Akıllı Duraklatma</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Sağlık Hatırlatmaları</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Mola Ekranı</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sesler</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Gizlilik ve Veriler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Odak ve Sağlık</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Davranış ve Geri Bildirim</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Veriler</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Rahat</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Her an atlanabilir</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Dengeli</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>5 saniye sonra atlanabilir</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Katı</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Atlama yok</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick Ayarları</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Cam</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Çın</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Mırıltı</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Pıt</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Kahraman</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Denizaltı</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Şişe</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Üfleme</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>Mors</translation>
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
            <numerusform>Bu hafta gözlerinizi %n kez dinlendirdiniz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Bu hafta, görüşmedeyken bekleyen mola hatırlatıcısı Tarnwick ile gözlerimi %n kez dinlendirdim.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>%n atlama hakkı kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>gün, yüzde 80+</numerusform>
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
            <numerusform>%n mola verildi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n atlandı</numerusform>
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
        <translation>%1 (%2 kaldı)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 (bitiş: %2)</translation>
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
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, %2. aralığın başlangıcı</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, %2. aralığın bitişi</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>%1, %2. aralığı kaldır</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Katı mod: bu mola atlanamaz</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Bu hafta %n atlama hakkı kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Atla (%1 sn)</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Molayı atlamak için %1 tuşuna iki kez basın</translation>
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
        <translation>Birazdan</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Yazmaya ara vermeniz bekleniyor.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Sırada daha uzun bir mola var. Ayağa kalkmak için iyi bir an.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Neredeyse zamanı geldi. Elinizdeki işi toparlayın.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Mola %n sn sonra başlıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 dk</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>Bu molayı atla</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Bu molayı şimdi başlat</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Molayı başlat</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Göz molası ver</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 dk</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 saat</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Yarına kadar</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Uzun mola ver</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Molaları sürdür</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>bugün verilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>atlanan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>günlük seri</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Adım %1 / %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Tarnwick’i başlat</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Doğru anı bekleyen göz molaları. Size ne sıklıkla hatırlatalım?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>İzin gerekmez. Tarnwick yalnızca kameranın ya da mikrofonun açık olup olmadığını ve bir uygulamanın tam ekran olup olmadığını denetler. Hiçbir şey kaydedilmez.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Toplantı ve görüşmeler</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Tam ekran oyunlar</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Yazı yazma</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick sistem tepsinizde yaşar. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Duraklatmak ya da mola vermek için tepsi simgesine tıklayın</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Hemen mola vermek için herhangi bir uygulamada Ctrl Alt B’ye basın</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Gerektiğinde molayı atlamak için esc tuşuna iki kez basın</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick’e hoş geldiniz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Siz meşgulken molalar bekler</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Oturum açtığımda Tarnwick’i başlat</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Önerilir; böylece hatırlamanız gerekmez.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Her şey hazır</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick gözlerinizi dinlendirmenize yardım eder. Tıbbi tavsiye değildir.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Ayar bölümleri</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Oturum açtığımda Tarnwick’i başlat</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Sistem tepsisi</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Geri sayımı tepsi simgesinde göster</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Tepside yer yoksa Tarnwick yalnızca simgeyi gösterir.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Klavye kısayolu</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Şimdi göz molası ver</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Süren molayı atla</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritim</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Göz molaları</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20 göz molaları</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Uzaktaki bir şeye bakın</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Uzun molalar</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Kalkın ve biraz uzaklaşın</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Ön uyarı</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Mola zorunluluğu</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Haftalık atlama hakkınız bitince yine atlayabilirsiniz ama 15 saniye beklemeniz gerekir.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Molayı atla</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Molaları şu durumlarda beklet</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Bekletilen mola, müsait olduğunuz anda yeniden haber verir.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Toplantı ve görüşmeler</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Kamera, mikrofon ya da ekran paylaşımı kullanımdayken</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Tam ekran uygulamalar ve oyunlar</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Tam ekran video ve sunumlar da</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Yazı yazma</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Doğal molalar</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Şu anda</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick yalnızca bunların açık olup olmadığını denetler. Asla görüntü görmez, ses duymaz ya da pencere içeriği okumaz.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Göz kırpma hatırlatmaları</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Küçük bir küre size göz kırpar, sonra kaybolur</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Duruş hatırlatmaları</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Dik oturmanız için nazik bir hatırlatma</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizle</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Göz kırpma hatırlatmasını önizle</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Duruş hatırlatmasını önizle</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Hatırlatmalar odağı asla almaz; görüşmelerde ve tam ekran uygulamalarda bekler.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Bir molanın nasıl göründüğüne bakın</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>20 saniyelik mola dene</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Göz molaları için mesajlarınız</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Biraz su için ve dışarı bakın</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Mesajı kaldır</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Mesaj ekle</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Mola sesleri</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Mola başlarken ses çal</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Mola biterken ses çal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Sesi çal</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Verileriniz</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Ayarları ve mola geçmişini JSON olarak dışa aktar</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa aktar…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Mola geçmişini sil ve tüm ayarları sıfırla</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Sil…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Bu işlem geri alınamaz.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Her şeyi sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Doğru anı bekleyen göz molaları.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick gözlerinizi dinlendirmenize yardım eder. Tıbbi tavsiye değildir. Gözleriniz sık sık ağrıyorsa bir göz doktoruna görünün.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Mola aralığı</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Mola süresi</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Uzun mola aralığı</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Uzun mola süresi</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Moladan önce uyar</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Haftalık atlama hakkı</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>Mola sayılan uzak kalma süresi</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Hatırlat</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Bu ayar değiştirilemedi. ~/.config/autostart klasörünün yazılabilir olduğunu denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Masaüstünüzün başlangıç ayarlarında kapatılmış. Oturum açılışında başlaması için Tarnwick’e orada izin verin.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Ayarlarınız ve kaydedilen %n mola yalnızca bu bilgisayarda, %1 içinde saklanır. Tarnwick hiçbir yere hiçbir şey göndermez.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>%n mola ve tüm ayarlar silinsin mi?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Wayland’de herhangi bir girdide duraklama bekler</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Duraklama için 2 dakikaya kadar bekler</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>Bu masaüstünde tam ekran algılama X11 uygulamalarını kapsar</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>Bu masaüstünde kısayol, önde bir X11 uygulaması varken çalışır</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Oturum: Wayland, XWayland üzerinden</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Oturum: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Boşta kalma: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Boşta kalma engelleyicileri: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Tam ekran: KWin betikleri ve X11 pencere özellikleri (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Tam ekran: sway IPC ve X11 pencere özellikleri (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Tam ekran: X11 pencere özellikleri (EWMH), yalnızca X11 uygulamaları</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Tam ekran: X11 pencere özellikleri (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Kısayol tuşu: masaüstü portalı genel kısayolu</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Kısayol tuşu: X tuş yakalama, önde bir X11 uygulaması varken</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Kısayol tuşu: X tuş yakalama</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Ekran paylaşımı</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Ekran paylaşımı: açık</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Ekran paylaşımı: kapalı</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Ekran paylaşımı: burada algılanamıyor</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Kamera: açık</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Kamera: kapalı</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Mikrofon: açık</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Mikrofon: kapalı</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Tam ekran: açık</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Tam ekran: kapalı</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Duvar kâğıdı</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Gün batımı</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>Siz ekleyene kadar Tarnwick kendi sakin sözlerini kullanır.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick bunlardan birini rastgele seçip başlığın altında gösterir.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>%1 dosyasına kaydedildi.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Dosya kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Ayarları ve mola geçmişini dışa aktar</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON dosyaları (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Silindi. Tarnwick varsayılan ayarlarına döndü.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>biten molalar içinde %%1</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>Sonraki mola %1 sonra. Ardından verilen, atlanan ve bekletilen molalar burada görünür.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick İstatistikleri</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Bu hafta</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Verilen molalar</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Sizin için bekletilen</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>görüşmeler ve tam ekran</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seri</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Günlük molalar</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Verilen</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Metin olarak kopyala</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Haftanız ilk molayla başlar</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Şimdi mola ver</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Molayı şimdi başlat</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Şimdi göz molası ver</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Şimdi uzun mola ver</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Molaları sürdür</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 dk duraklat</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>1 saat duraklat</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Yarına kadar duraklat</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1 için aralık ekle</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Bu kapalıyken molalar her an gelebilir.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Hiçbir güne saat atanmadığı için molalar her an gelebilir. Molaları sınırlamak için bir aralık ekleyin.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Molalar yalnızca bu saatlerde gelir. Bitişi başlangıcından önce olan bir aralık gece yarısını aşar.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Saati 00:00 ile 23:59 arasında SS:DD biçiminde girin.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>“%1” geçerli bir saat değil. 00:00 ile 23:59 arasında SS:DD biçimini kullanın.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Bir aralık aynı saatte (%1) başlayıp bitemez. Başka bir başlangıç seçin.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Bir aralık aynı saatte (%1) başlayıp bitemez. Başka bir bitiş seçin.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Çalışma saatleri</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Yalnızca çalışma saatlerinde hatırlat</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Aralık ekle</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Pazartesiyi hafta içi günlere kopyala</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>Salı–cuma günleri pazartesinin saatlerini alır</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Saat yok</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>ertesi gün</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Saat ve dakika, 00:00 ile 23:59 arası; Yukarı ve Aşağı ok tuşları 15 dakika değiştirir</translation>
    </message>
</context>
</TS>
