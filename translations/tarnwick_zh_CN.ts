<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick 统计</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>欢迎使用 Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>立即护眼休息</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>慢慢眨眨眼</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>坐直身体</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>跳过休息</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>锁定屏幕</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick 休息</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>望向远方</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>找一处远景，让双眼放松，直到计时结束</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>放松目光</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>望向窗外或房间另一头，慢慢眨眼</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>让目光随意游移</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>让它停留在您能看到的最远处</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>该抬头看看了</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>远眺二十秒，让疲劳的双眼恢复活力</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>该离开一会儿了</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>站起来伸展一下，让双眼真正休息</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>舒展一下</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>转转肩膀，续杯水，看看窗外</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>好好休息一下</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>散步片刻，比再盯一小时屏幕更有助于专注</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>深度专注</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>温和</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>每 20 分钟远眺 20 秒，每小时一次长休息。</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>每 30 分钟远眺 20 秒，90 分钟后长休息。</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>仅提醒眨眼，另每 2 小时一次长休息。</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>轻度</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>您正在通话</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>有全屏应用正在运行</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>您正在打字</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>护眼休息提醒</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>在合适的时机提醒您让双眼休息</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>眼睛;护眼;休息;提醒;健康;视力;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick 休息预告</translation>
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
        <translation>休息恢复于</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>休息恢复于 %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>当前不在工作时间内。</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>已在工作时间外恢复，持续到 %1。</translation>
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
        <translation>休息已关闭</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>可在设置中开启。</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>距长休息还有</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>%1 长休息</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>距下次护眼休息还有</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>长休息即将开始</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>护眼休息即将开始</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>休息已暂缓</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>您空闲时会收到预告。已暂缓 %n 分钟。</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>护眼休息</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>暂停至</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>已暂缓</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>休息中</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Tarnwick: %1 %2</source>
        <extracomment>The tray&apos;s tooltip: %1 is a status such as &quot;Off until&quot;, %2 a time such as &quot;09:00&quot; or &quot;Tue 09:00&quot;</extracomment>
        <translation>Tarnwick：%1 %2</translation>
    </message>
    <message>
        <source>Tarnwick: %1</source>
        <extracomment>The tray&apos;s tooltip: %1 is the time to the next break (&quot;4m&quot;, &quot;59s&quot;) or a state (&quot;Held&quot;, &quot;Paused&quot;)</extracomment>
        <translation>Tarnwick：%1</translation>
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
        <translation>懂得等待合适时机的护眼休息提醒</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick 在您工作时守护您的双眼。它驻留在系统托盘中，显示一个小小的倒计时；每次休息前先用一张预告卡片提醒您，再用平静的休息画面覆盖所有显示器：每 20 分钟远眺片刻，每小时起身进行一次较长的休息。</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>休息会等待合适的时机：</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>通话期间或全屏程序位于前台时，到点的休息会暂缓，待您空闲后再次提醒；</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>您打字时，休息最多等待两分钟，直到您停顿下来；</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>离开键盘的时间会计为一次已完成的休息。</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>它会按周汇总您完成和跳过的休息，所有数据都保存在您电脑上的两个文件中，不会向任何地方发送任何内容。</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>覆盖每台显示器的休息画面</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>休息前的预告</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>托盘面板</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>本周数据一览</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>第一次休息将在 %n 分钟后开始。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OnboardingPresetRow</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A timing preset&apos;s description for screen readers: %1 is its summary, %2 its tag</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>PointerPanel</name>
    <message>
        <source>Tarnwick countdown</source>
        <translation>Tarnwick 倒计时</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick 小提醒</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>不提前提醒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>提前 %n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>不限</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>每 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>版本 %1 · 个人构建</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>屏幕休息</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>智能暂停</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>健康提醒</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>休息画面</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>隐私与数据</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>专注与健康</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>行为与反馈</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>随意</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>随时可跳过</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>5 秒后可跳过</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>严格</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>不可跳过</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick 设置</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>玻璃</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>叮</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>呼噜</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>啵</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>英雄</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>潜水艇</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>瓶子</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>吹气</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>摩尔斯</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>乒</translation>
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
            <numerusform>本周您已让双眼休息 %n 次。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>本周我用 Tarnwick 让双眼休息了 %n 次。这款休息提醒工具会在我通话时耐心等待。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>还可跳过 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>达标天数（80%+）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A day&apos;s column of the chart: %1 is the weekday, %2 the breaks taken (&quot;3 taken&quot;), %3 the skipped (&quot;1 skipped&quot;)</extracomment>
        <translation>%1：%2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>已休息 %n 次</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>已跳过 %n 次</numerusform>
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
        <translation>%1，还有 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1，%2 结束</translation>
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
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1，时段 %2 开始时间</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1，时段 %2 结束时间</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>移除%1的时段 %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>严格模式：本次休息无法跳过</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>本周还可跳过 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>%1 秒后可跳过</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>按两次 %1 跳过休息</translation>
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
        <translation>马上开始</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>正在等您停下打字。</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>接下来是长休息，正好起身活动一下。</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>快到时间了，手头的事先收个尾吧。</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>%n 秒后开始休息</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1 分钟</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>跳过本次休息</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>立即开始本次休息</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>立即开始休息</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>立即护眼休息</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>直到明天</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>立即长休息</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>恢复休息</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>今日已休息</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>已跳过</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>连续天数</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>启动 Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>懂得等待合适时机的护眼休息。希望多久提醒您一次？</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>无需任何权限。Tarnwick 只检查摄像头或麦克风是否开启，以及是否有应用处于全屏状态，不会记录任何内容。</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>会议或通话</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>全屏游戏</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>打字</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick 驻留在系统托盘中。%1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>点击托盘图标即可暂停或开始休息</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>在任意应用中按 Ctrl Alt B 立即休息</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>必要时按两次 esc 跳过休息</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>欢迎使用 Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>您忙碌时，休息会耐心等待</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>登录时启动 Tarnwick</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>建议开启，这样您就不必记着启动它。</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>一切就绪</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick 帮助您让双眼休息，但不能替代医疗建议。</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>设置分区</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>登录时启动 Tarnwick</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>托盘</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>在托盘图标中显示倒计时</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>托盘空间不足时，Tarnwick 仅显示图标。</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>立即护眼休息</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>跳过进行中的休息</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>节奏</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>护眼休息</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20 护眼休息</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>看看远处</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>起身离开一会儿</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>休息预告</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>跳过限制</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>本周的跳过次数用完后，仍可跳过，但需等待 15 秒。</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>跳过休息</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>以下情况暂缓休息</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>您一有空，暂缓的休息就会重新发出预告。</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>会议或通话</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>正在使用摄像头、麦克风或屏幕共享</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>全屏应用和游戏</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>也包括全屏视频和演示文稿</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>打字</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>自然休息</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick 只检查这些是否开启，从不查看视频、收听声音或读取窗口内容。</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>眨眼提醒</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>一个小光球冲您眨眨眼，随即消失</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>坐姿提醒</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>轻轻提醒您坐直身体</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>预览眨眼提醒</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>预览坐姿提醒</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>提醒从不抢占焦点，并会在通话和全屏应用期间等待。</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>看看休息画面</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>试一次 20 秒休息</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>您的护眼休息提示语</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示语</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>喝点水，看看窗外</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>移除提示语</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>添加提示语</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>休息提示音</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>休息开始时播放声音</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>休息结束时播放声音</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>您的数据</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>将设置和休息记录导出为 JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>删除休息记录并重置所有设置</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>删除…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>此操作无法撤销。</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>懂得等待合适时机的护眼休息。</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick 帮助您让双眼休息，但不能替代医疗建议。如果经常眼睛疼痛，请咨询眼科医生。</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>休息间隔</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>休息时长</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>长休息间隔</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>长休息时长</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>休息前提醒</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>每周可跳过次数</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>离开多久计为休息</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>提醒频率</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>无法更改此设置。请检查 ~/.config/autostart 是否可写，然后重试。</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>已在桌面的启动设置中关闭。请在那里允许 Tarnwick，使其在登录时启动。</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>您的设置和 %n 条休息记录仅保存在这台电脑上的 %1 中。Tarnwick 不会向任何地方发送任何内容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>要删除 %n 条休息记录和所有设置吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>在 Wayland 下，等待任意输入停顿</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>最多等待 2 分钟，直到停顿</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>在此桌面上，全屏检测仅适用于 X11 应用</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>在此桌面上，快捷键仅在 X11 应用位于前台时有效</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>会话：Wayland（通过 XWayland）</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>会话：X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>空闲检测：%1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>空闲抑制：%1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>全屏检测：KWin 脚本和 X11 窗口属性（EWMH）</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>全屏检测：sway IPC 和 X11 窗口属性（EWMH）</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>全屏检测：X11 窗口属性（EWMH），仅限 X11 应用</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>全屏检测：X11 窗口属性（EWMH）</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>快捷键：桌面门户全局快捷键</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>快捷键：X 按键抓取，仅在 X11 应用位于前台时</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>快捷键：X 按键抓取</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>屏幕共享</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>屏幕共享：开</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>屏幕共享：关</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>屏幕共享：此处无法检测</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>摄像头：开</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>摄像头：关</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>麦克风：开</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>麦克风：关</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>全屏：开</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>全屏：关</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁纸</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>在您添加之前，Tarnwick 会使用自带的平静提示语。</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick 会在标题下方随机显示其中一条。</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>已保存到 %1。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>无法保存文件：%1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>导出设置和休息记录</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>已删除。Tarnwick 已恢复默认设置。</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>占已结束休息的 %1%</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>下次休息在 %1 后。之后，已完成、已跳过和已暂缓的休息都会显示在这里。</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick 统计</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>已完成休息</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>为您暂缓</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>通话和全屏时</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>连续达标</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>每日休息</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>复制为文本</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>完成第一次休息，开启您的一周</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>立即休息一次</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>立即开始休息</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>立即护眼休息</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>立即长休息</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>恢复休息</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>暂停 30 分钟</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>暂停 1 小时</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>暂停到明天</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>为%1添加时段</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>关闭此项时，休息可能随时到来。</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>尚未为任何一天设定时段，因此休息可能随时到来。添加时段即可将休息限定在其中。</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>休息只会在这些时段内到来。结束时间早于开始时间的时段会跨过午夜。</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>请按 HH:MM 格式输入时间，范围为 00:00 至 23:59。</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>“%1”不是有效时间。请使用 HH:MM 格式，范围为 00:00 至 23:59。</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>时段的开始和结束时间不能相同（%1）。请选择其他开始时间。</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>时段的开始和结束时间不能相同（%1）。请选择其他结束时间。</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>仅在工作时间提醒我</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>添加时段</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>将星期一复制到工作日</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>星期二至星期五将使用星期一的时段</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>无时段</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>次日</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>时和分，00:00 至 23:59；上下方向键每次调整 15 分钟</translation>
    </message>
</context>
</TS>
