<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick の統計</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick へようこそ</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>今すぐ目の休憩をとる</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>ゆっくりまばたきを</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>背筋を伸ばして</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>休憩をスキップ</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>画面をロック</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick の休憩</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>遠くを見ましょう</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>遠くにあるものを見つけて、タイマーが終わるまで目を休めましょう</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>目の力を抜きましょう</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>窓の外や部屋の向こうを見て、ゆっくりまばたきしましょう</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>ぼんやり眺めましょう</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>見える中でいちばん遠いものに目を留めましょう</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>顔を上げる時間です</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>遠くを20秒見るだけで、疲れた目がリフレッシュします</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>席を離れる時間です</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>立ち上がって伸びをして、目をしっかり休めましょう</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>伸びをしましょう</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>肩を回して、水を補給して、外を眺めましょう</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>しっかり休憩しましょう</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>画面をもう1時間見つめるより、少し歩くほうが集中力が戻ります</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>じっくり集中</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>ゆったり</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>20分ごとに20秒遠くを見る。1時間ごとに長めの休憩。</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>30分ごとに20秒遠くを見る。90分後に長めの休憩。</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>まばたきのお知らせのみ。2時間ごとに長めの休憩。</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>おすすめ</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>コーディング</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>控えめ</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>通話中です</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>全画面のアプリが開いています</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>入力中です</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>目の休憩リマインダー</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>ちょうどよいタイミングで、目を休めるようお知らせします</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>目;休憩;休息;リマインダー;健康;疲れ目;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick の予告</translation>
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
        <translation>休止中・再開</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>%1まで休止中</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>勤務時間外です。</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>勤務時間外ですが、%1まで再開しています。</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>休憩はオフです</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>設定でオンにできます。</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>長めの休憩まで</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>%1に長めの休憩</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>次の目の休憩まで</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>まもなく長めの休憩</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>まもなく目の休憩</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>休憩を保留中</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>手が空いたらお知らせします。%n分間保留中です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>長めの休憩</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>目の休憩</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>一時停止中・再開</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>保留中</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>休憩中</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>一時停止中</translation>
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
        <translation>ちょうどよいタイミングを待つ目の休憩リマインダー</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick は作業中のあなたの目をいたわります。システムトレイに小さなカウントダウンを表示し、休憩の前には予告カードでお知らせしてから、すべてのモニターを穏やかな休憩画面で覆います。20分ごとに少しのあいだ遠くを眺め、1時間ごとに立ち上がって長めの休憩をとります。</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>休憩はちょうどよいタイミングを待ちます：</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>通話中や全画面のプログラムが前面にあるときは、予定の休憩を保留し、手が空いたら改めてお知らせします。</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>入力中は、手が止まるまで最大2分間休憩を待ちます。</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>キーボードから離れていた時間は、休憩をとったものとして数えます。</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>とった休憩とスキップした休憩を週ごとにまとめ、すべてをお使いのコンピューター上の2つのファイルに保存します。外部には何も送信しません。</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>すべてのモニターに表示される休憩画面</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>休憩前の予告</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>トレイパネル</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>数字で見る1週間</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>最初の休憩は%n分後です。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OnboardingPresetRow</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A timing preset&apos;s description for screen readers: %1 is its summary, %2 its tag</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>PointerPanel</name>
    <message>
        <source>Tarnwick countdown</source>
        <translation>Tarnwick のカウントダウン</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick のお知らせ</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>予告しない</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n秒前</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>無制限</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>%n分ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>バージョン %1 · 個人ビルド</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>画面の休憩</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>自動保留</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>健康リマインダー</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>休憩画面</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>プライバシーとデータ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>集中と健康</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>動作とフィードバック</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>いつでもスキップ可能</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>5秒後にスキップ可能</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>厳格</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>スキップ不可</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick の設定</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>ガラス</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>チン</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>ゴロゴロ</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>ポン</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>ヒーロー</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>潜水艦</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>ボトル</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>ブロー</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>モールス</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>ピン</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>%1 – %2</source>
        <extracomment>A week&apos;s first and last day, e.g. &quot;2 Mar – 8 Mar&quot;</extracomment>
        <translation>%1～%2</translation>
    </message>
    <message numerus="yes">
        <source>You rested your eyes %n times this week.</source>
        <translation>
            <numerusform>今週は%n回、目を休めました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>今週は Tarnwick で%n回、目を休めました。通話中は待ってくれる休憩リマインダーです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>スキップ残り%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>日連続で80%以上</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A day&apos;s column of the chart: %1 is the weekday, %2 the breaks taken (&quot;3 taken&quot;), %3 the skipped (&quot;1 skipped&quot;)</extracomment>
        <translation>%1：%2、%3</translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>休憩%n回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>スキップ%n回</numerusform>
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
        <translation>%1（あと%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1（%2まで）</translation>
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
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1、時間帯%2の開始</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1、時間帯%2の終了</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>%1の時間帯%2を削除</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>厳格モード：この休憩はスキップできません</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>今週のスキップ残り%n回</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>あと%1秒でスキップ可能</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>%1 を2回押すと休憩をスキップします</translation>
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
        <translation>まもなく始まります</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>入力が止まるのを待っています。</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>次は長めの休憩です。立ち上がるよい機会です。</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>もうすぐです。作業をひと区切りしましょう。</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>あと%n秒で休憩</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1分</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>この休憩をスキップ</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>今すぐ休憩を開始</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>今すぐ休憩を開始</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>今すぐ目の休憩</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30分</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1時間</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>明日まで</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>今すぐ長めの休憩</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>休憩を再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>今日の休憩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>スキップ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>日連続</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Tarnwick を開始</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>ちょうどよいタイミングを待つ目の休憩。どのくらいの間隔でお知らせしましょうか？</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>権限は必要ありません。Tarnwick が確認するのは、カメラやマイクがオンかどうかと、アプリが全画面かどうかだけです。何も記録しません。</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>会議や通話</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>全画面のゲーム</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>入力中</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick はシステムトレイにいます。%1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>トレイアイコンをクリックすると、一時停止や休憩ができます</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>どのアプリでも Ctrl Alt B を押せば、すぐに休憩できます</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>どうしても必要なときは、esc を2回押すと休憩をスキップできます</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick へようこそ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>忙しいときは休憩が待ちます</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>ログイン時に Tarnwick を起動</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>おすすめです。起動し忘れる心配がありません。</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>準備ができました</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick は目を休める手助けをします。医学的な助言ではありません。</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>設定の項目</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>ログイン時に Tarnwick を起動</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>トレイ</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>トレイアイコンにカウントダウンを表示</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>トレイに表示する余裕がないときは、アイコンだけを表示します。</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>今すぐ目の休憩をとる</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>実行中の休憩をスキップ</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>リズム</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>目の休憩</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20 の目の休憩</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>遠くのものを見る</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>長めの休憩</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>立ち上がって席を離れる</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>予告</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>休憩の強制</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>今週のスキップを使い切っても、15秒待てばスキップできます。</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>休憩をスキップ</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>休憩を保留する場面</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>保留した休憩は、手が空きしだい改めて予告します。</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>会議や通話</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>カメラ、マイク、画面共有の使用中</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>全画面のアプリやゲーム</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>全画面の動画やプレゼンテーションも含みます</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>入力中</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>自然な休憩</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>現在の状態</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick はこれらがオンかどうかを確認するだけです。映像を見たり、音を聞いたり、ウィンドウの内容を読んだりすることはありません。</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>まばたきリマインダー</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>小さな玉がまばたきして、そっと消えます</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>姿勢リマインダー</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>背筋を伸ばすよう、やさしくお知らせします</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>まばたきリマインダーをプレビュー</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>姿勢リマインダーをプレビュー</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>リマインダーがフォーカスを奪うことはありません。通話中や全画面アプリの使用中は待機します。</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>休憩画面を確認</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>20秒の休憩を試す</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>目の休憩のメッセージ</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>水を飲んで外を眺めましょう</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>メッセージを削除</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>メッセージを追加</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>休憩のサウンド</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>休憩の開始時にサウンドを再生</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>休憩の終了時にサウンドを再生</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>サウンドを再生</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>あなたのデータ</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>設定と休憩の履歴を JSON でエクスポート</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>休憩の履歴を削除し、すべての設定をリセット</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>削除…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>ちょうどよいタイミングを待つ目の休憩。</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick は目を休める手助けをします。医学的な助言ではありません。目の痛みがよくある場合は、眼科を受診してください。</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>目の休憩の間隔</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>休憩の長さ</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>長めの休憩の間隔</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>長めの休憩の長さ</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>休憩前の予告</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>1週間に使えるスキップ</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>休憩とみなす離席時間</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>お知らせの間隔</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>変更できませんでした。~/.config/autostart に書き込めるか確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>デスクトップの自動起動の設定でオフになっています。ログイン時に起動するには、そこで Tarnwick を許可してください。</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>設定と記録された%n件の休憩は、このコンピューターの %1 にのみ保存されます。Tarnwick は外部に何も送信しません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>%n件の休憩とすべての設定を削除しますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Wayland では、すべての入力が止まるのを待ちます</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>入力が止まるまで最大2分待ちます</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>このデスクトップでは、全画面の検出は X11 アプリケーションが対象です</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>このデスクトップでは、X11 アプリケーションが前面にあるときにショートカットが使えます</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>セッション: Wayland（XWayland 経由）</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>セッション: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>アイドル検出: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>アイドル抑止: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>全画面: KWin スクリプトと X11 ウィンドウプロパティ（EWMH）</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>全画面: sway IPC と X11 ウィンドウプロパティ（EWMH）</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>全画面: X11 ウィンドウプロパティ（EWMH）、X11 アプリケーションのみ</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>全画面: X11 ウィンドウプロパティ（EWMH）</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>ホットキー: デスクトップポータルのグローバルショートカット</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>ホットキー: X のキーグラブ（X11 アプリケーションが前面にあるとき）</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>ホットキー: X のキーグラブ</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>画面共有</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>画面共有: オン</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>画面共有: オフ</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>画面共有: この環境では検出できません</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>カメラ: オン</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>カメラ: オフ</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>マイク: オン</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>マイク: オフ</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>全画面: オン</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>全画面: オフ</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁紙</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>夕焼け</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>メッセージを追加するまでは、Tarnwick が用意した穏やかな言葉を表示します。</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick はこの中から1つをランダムに選び、タイトルの下に表示します。</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>%1 に保存しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>ファイルを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>設定と休憩の履歴をエクスポート</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>削除しました。Tarnwick は初期設定に戻りました。</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>終わった休憩のうち%1%</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>次の休憩まで%1。その後、休憩・スキップ・保留の記録がここに表示されます。</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick の統計</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>今週</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>休憩回数</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>保留した休憩</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>通話と全画面</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>連続記録</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>1日あたりの休憩</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>テキストとしてコピー</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>最初の休憩から1週間が始まります</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>今すぐ休憩する</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>今すぐ休憩を開始</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>今すぐ目の休憩</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>今すぐ長めの休憩</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>休憩を再開</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30分間一時停止</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>1時間一時停止</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>明日まで一時停止</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1に時間帯を追加</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>オフのあいだは、いつでも休憩が入ります。</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>時間帯が設定された曜日がないため、休憩はいつでも入ります。時間帯を追加すると、その時間内だけになります。</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>休憩はこの時間内にだけ入ります。終了が開始より早い時間帯は、午前0時をまたぎます。</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>時刻は HH:MM 形式で、00:00～23:59 の範囲で入力してください。</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>「%1」は時刻ではありません。HH:MM 形式で、00:00～23:59 の範囲で入力してください。</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>時間帯の開始と終了を同じ時刻（%1）にはできません。別の開始時刻を選んでください。</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>時間帯の開始と終了を同じ時刻（%1）にはできません。別の終了時刻を選んでください。</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>勤務時間</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>勤務時間中だけお知らせする</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>時間帯を追加</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>月曜日を平日にコピー</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>火曜日から金曜日に月曜日の時間帯を設定します</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>時間帯なし</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>翌日</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>時と分（00:00～23:59）。上下の矢印キーで15分ずつ変更します</translation>
    </message>
</context>
</TS>
