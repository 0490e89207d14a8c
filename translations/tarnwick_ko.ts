<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick 통계</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>지금 눈 휴식하기</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>천천히 눈을 깜빡이세요</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>허리를 펴고 앉으세요</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>휴식 건너뛰기</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>화면 잠금</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Tarnwick 휴식</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>먼 곳을 바라보세요</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>멀리 있는 것을 찾아 타이머가 끝날 때까지 눈을 편히 쉬게 하세요</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>눈의 힘을 빼세요</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>창밖이나 방 건너편을 보며 천천히 눈을 깜빡이세요</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>시선을 자유롭게 두세요</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>보이는 것 중 가장 먼 곳에 시선을 두세요</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>고개를 들 시간입니다</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>먼 곳을 20초만 바라봐도 지친 눈이 회복됩니다</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>자리에서 일어날 시간입니다</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>일어나서 기지개를 켜고 눈을 제대로 쉬게 하세요</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>몸을 쭉 펴세요</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>어깨를 돌리고, 물을 채우고, 밖을 내다보세요</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>제대로 쉬어 가세요</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>화면을 한 시간 더 들여다보는 것보다 잠깐 걷는 것이 집중에 더 좋습니다</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>몰입</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>여유</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>20분마다 20초씩 먼 곳 보기. 1시간마다 긴 휴식.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>30분마다 20초씩 먼 곳 보기. 90분 후 긴 휴식.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>눈 깜빡임 알림만, 그리고 2시간마다 긴 휴식.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>추천</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>코딩</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>가볍게</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>통화 중입니다</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>전체 화면 앱이 열려 있습니다</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>입력 중입니다</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>눈 휴식 알리미</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>알맞은 순간에 눈을 쉬도록 알려 줍니다</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>눈;휴식;쉬기;알림;알리미;건강;눈 피로;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Tarnwick 미리 알림</translation>
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
        <translation>꺼짐 · 재개</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>%1까지 꺼짐</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>근무 시간이 아닙니다.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>근무 시간 외이지만 %1까지 재개되었습니다.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1s</source>
        <comment>seconds, short</comment>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, short</comment>
        <translation>%1분</translation>
    </message>
    <message>
        <source>Breaks are off</source>
        <translation>휴식이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>설정에서 켤 수 있습니다.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>긴 휴식까지</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>%1에 긴 휴식</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>다음 눈 휴식까지</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>곧 긴 휴식</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>곧 눈 휴식</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>휴식 보류됨</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>여유가 생기면 미리 알려 드립니다. %n분째 보류 중입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>긴 휴식</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>눈 휴식</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>일시 중지됨 · 재개</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>보류 중</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>휴식 중</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>일시 중지됨</translation>
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
        <translation>알맞은 순간을 기다리는 눈 휴식 알리미</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>Tarnwick은 작업하는 동안 눈을 돌봐 줍니다. 시스템 트레이에서 작은 카운트다운을 보여 주고, 휴식마다 미리 알림 카드로 알린 뒤 모든 모니터를 차분한 휴식 화면으로 덮습니다. 20분마다 잠깐 먼 곳을 바라보고, 1시간마다 일어나서 조금 더 길게 쉽니다.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>휴식은 알맞은 순간을 기다립니다:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>통화 중이거나 전체 화면 프로그램이 앞에 있으면 예정된 휴식을 보류했다가, 여유가 생기면 다시 알려 줍니다.</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>입력하는 동안에는 입력이 멈출 때까지 최대 2분 동안 휴식을 기다립니다.</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>키보드에서 떨어져 있던 시간은 휴식한 것으로 셉니다.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>쉰 휴식과 건너뛴 휴식을 주간 요약으로 정리하고, 모든 내용을 컴퓨터의 파일 두 개에 저장합니다. 어디에도 아무것도 보내지 않습니다.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>모든 모니터에 표시되는 휴식 화면</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>휴식 전 미리 알림</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>트레이 패널</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>숫자로 보는 한 주</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>첫 휴식은 %n분 후입니다.</numerusform>
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
        <translation>Tarnwick 카운트다운</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Tarnwick 알림</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>미리 알리지 않음</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n초 전</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>%n분마다</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>버전 %1 · 개인 빌드</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>화면 휴식</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>자동 보류</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>건강 알림</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>휴식 화면</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>개인 정보 및 데이터</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>집중과 건강</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>동작 및 피드백</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>자유</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>언제든 건너뛰기</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>균형</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>5초 후 건너뛰기</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>엄격</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>건너뛰기 불가</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick 설정</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>유리</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>팅</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>가르랑</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>퐁</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>영웅</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>잠수함</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>병</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>바람</translation>
    </message>
    <message>
        <source>Morse</source>
        <translation>모스</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>핑</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>%1 – %2</source>
        <extracomment>A week&apos;s first and last day, e.g. &quot;2 Mar – 8 Mar&quot;</extracomment>
        <translation>%1 ~ %2</translation>
    </message>
    <message numerus="yes">
        <source>You rested your eyes %n times this week.</source>
        <translation>
            <numerusform>이번 주에 눈을 %n번 쉬었습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>이번 주에 Tarnwick으로 눈을 %n번 쉬었어요. 통화 중에는 기다려 주는 휴식 알리미예요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>건너뛰기 %n회 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>일 연속 80% 이상</numerusform>
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
            <numerusform>휴식 %n회</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>건너뜀 %n회</numerusform>
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
        <translation>%1(%2 후)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1(%2까지)</translation>
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
        <translation>월요일</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, 시간대 %2 시작</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, 시간대 %2 끝</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>%1 시간대 %2 삭제</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>엄격 모드: 이 휴식은 건너뛸 수 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>이번 주 건너뛰기 %n회 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>%1초 후 건너뛰기 가능</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>%1 키를 두 번 누르면 휴식을 건너뜁니다</translation>
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
        <translation>곧 시작합니다</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>입력이 멈추기를 기다리고 있습니다.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>다음은 긴 휴식입니다. 일어나기 좋은 때입니다.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>곧 휴식 시간입니다. 하던 일을 마무리하세요.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>%n초 후 휴식 시작</numerusform>
        </translation>
    </message>
    <message>
        <source>+%1m</source>
        <comment>snooze, minutes short</comment>
        <extracomment>Put the break off by %1 minutes</extracomment>
        <translation>+%1분</translation>
    </message>
    <message>
        <source>Skip this break</source>
        <translation>이 휴식 건너뛰기</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>지금 이 휴식 시작</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>지금 휴식 시작</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>지금 눈 휴식</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30분</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1시간</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>내일까지</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>지금 긴 휴식</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>휴식 다시 시작</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>오늘 휴식</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>건너뜀</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>일 연속</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>%1/%2단계</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Tarnwick 시작</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>알맞은 순간을 기다리는 눈 휴식. 얼마나 자주 알려 드릴까요?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>권한이 필요 없습니다. Tarnwick은 카메라나 마이크가 켜져 있는지, 앱이 전체 화면인지만 확인합니다. 아무것도 기록하지 않습니다.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>회의 또는 통화</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>전체 화면 게임</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>입력 중</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>Tarnwick은 시스템 트레이에 있습니다. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>트레이 아이콘을 클릭해 일시 중지하거나 휴식하세요</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>어느 앱에서든 Ctrl Alt B를 누르면 바로 휴식합니다</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>꼭 필요할 때는 esc를 두 번 눌러 휴식을 건너뛰세요</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Tarnwick에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>바쁠 때는 휴식이 기다립니다</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>로그인할 때 Tarnwick 시작</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>추천합니다. 따로 기억할 필요가 없습니다.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>준비가 끝났습니다</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>Tarnwick은 눈을 쉬도록 도와줍니다. 의학적 조언이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>설정 항목</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>로그인할 때 Tarnwick 시작</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>트레이</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>트레이 아이콘에 카운트다운 표시</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>트레이에 공간이 부족하면 아이콘만 표시합니다.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>키보드 단축키</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>지금 눈 휴식하기</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>진행 중인 휴식 건너뛰기</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>리듬</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>눈 휴식</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>20-20-20 눈 휴식</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>먼 곳 바라보기</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>긴 휴식</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>일어나서 자리 비우기</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>미리 알림</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>휴식 강제</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>이번 주 건너뛰기를 다 쓰면, 15초를 기다린 후에 건너뛸 수 있습니다.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>휴식 건너뛰기</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>휴식을 보류할 때</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>보류된 휴식은 여유가 생기는 대로 다시 미리 알려 드립니다.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>회의 또는 통화</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>카메라, 마이크 또는 화면 공유 사용 중</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>전체 화면 앱과 게임</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>전체 화면 동영상과 프레젠테이션 포함</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>입력 중</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>자연스러운 휴식</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>현재 상태</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>Tarnwick은 이 항목들이 켜져 있는지만 확인합니다. 영상을 보거나 소리를 듣거나 창 내용을 읽지 않습니다.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>눈 깜빡임 알림</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>작은 구슬이 눈을 깜빡이고 사라집니다</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>자세 알림</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>바르게 앉도록 살며시 알려 줍니다</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>눈 깜빡임 알림 미리 보기</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>자세 알림 미리 보기</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>알림은 포커스를 가져가지 않으며, 통화 중이나 전체 화면 앱을 쓰는 동안에는 기다립니다.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>휴식 화면 살펴보기</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>20초 휴식 체험하기</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>눈 휴식 메시지</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>물을 마시고 밖을 내다보세요</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>메시지 삭제</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>메시지 추가</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>휴식 소리</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>휴식이 시작될 때 소리 재생</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>휴식이 끝날 때 소리 재생</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>소리 재생</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>내 데이터</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>설정과 휴식 기록을 JSON으로 내보내기</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>휴식 기록을 삭제하고 모든 설정 초기화</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>삭제…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>알맞은 순간을 기다리는 눈 휴식.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>자세한 정보</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>Tarnwick은 눈을 쉬도록 도와줍니다. 의학적 조언이 아닙니다. 눈이 자주 아프면 안과 진료를 받으세요.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>눈 휴식 간격</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>휴식 시간</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>긴 휴식 간격</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>긴 휴식 시간</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>휴식 전 미리 알림</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>주당 건너뛰기 허용 횟수</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>휴식으로 인정할 자리 비움 시간</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>알림 간격</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>변경하지 못했습니다. ~/.config/autostart에 쓸 수 있는지 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>데스크톱의 시작 프로그램 설정에서 꺼져 있습니다. 로그인할 때 시작하려면 그곳에서 Tarnwick을 허용하세요.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>설정과 기록된 휴식 %n개는 이 컴퓨터의 %1에만 저장됩니다. Tarnwick은 어디에도 아무것도 보내지 않습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>휴식 %n개와 모든 설정을 삭제할까요?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>Wayland에서는 모든 입력이 멈추기를 기다립니다</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>입력이 멈출 때까지 최대 2분 기다립니다</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>이 데스크톱에서는 X11 응용 프로그램의 전체 화면만 감지합니다</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>이 데스크톱에서는 X11 응용 프로그램이 앞에 있을 때 단축키가 작동합니다</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>세션: Wayland(XWayland 경유)</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>세션: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>유휴 감지: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>유휴 방지: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>전체 화면: KWin 스크립트 및 X11 창 속성(EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>전체 화면: sway IPC 및 X11 창 속성(EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>전체 화면: X11 창 속성(EWMH), X11 응용 프로그램만</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>전체 화면: X11 창 속성(EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>단축키: 데스크톱 포털 전역 단축키</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>단축키: X 키 가로채기(X11 응용 프로그램이 앞에 있을 때)</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>단축키: X 키 가로채기</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>화면 공유</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>화면 공유: 켜짐</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>화면 공유: 꺼짐</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>화면 공유: 여기서는 감지할 수 없음</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>카메라: 켜짐</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>카메라: 꺼짐</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>마이크: 켜짐</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>마이크: 꺼짐</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>전체 화면: 켜짐</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>전체 화면: 꺼짐</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>배경 화면</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>노을</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>메시지를 추가하기 전까지는 Tarnwick이 준비한 차분한 문구를 보여 줍니다.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>Tarnwick은 이 중 하나를 무작위로 골라 제목 아래에 보여 줍니다.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>%1에 저장했습니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>파일을 저장하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>설정과 휴식 기록 내보내기</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>JSON 파일 (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>삭제했습니다. Tarnwick이 기본 설정으로 돌아갔습니다.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>끝난 휴식 중 %1%</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>다음 휴식까지 %1. 그 후 휴식, 건너뜀, 보류 기록이 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Tarnwick 통계</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>이번 주</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>휴식 횟수</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>건너뜀</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>보류된 휴식</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>통화 및 전체 화면</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>연속 기록</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>일별 휴식</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>텍스트로 복사</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>첫 휴식과 함께 한 주가 시작됩니다</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>지금 휴식하기</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>지금 휴식 시작</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>지금 눈 휴식</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>지금 긴 휴식</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>휴식 다시 시작</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30분 일시 중지</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>1시간 일시 중지</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>내일까지 일시 중지</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1에 시간대 추가</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>이 설정이 꺼져 있으면 휴식은 언제든 찾아옵니다.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>시간이 설정된 요일이 없어 휴식은 언제든 찾아옵니다. 시간대를 추가하면 그 안에서만 휴식합니다.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>휴식은 이 시간대에만 찾아옵니다. 끝나는 시각이 시작보다 이른 시간대는 자정을 넘겨 이어집니다.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>시각을 HH:MM 형식으로 입력하세요(00:00~23:59).</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>“%1”은(는) 올바른 시각이 아닙니다. HH:MM 형식으로 입력하세요(00:00~23:59).</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>시간대의 시작과 끝을 같은 시각(%1)으로 할 수 없습니다. 다른 시작 시각을 선택하세요.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>시간대의 시작과 끝을 같은 시각(%1)으로 할 수 없습니다. 다른 끝 시각을 선택하세요.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>근무 시간</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>근무 시간에만 알림</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>시간대 추가</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>월요일을 평일에 복사</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>화요일~금요일에 월요일 시간을 적용합니다</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>시간 없음</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>다음 날</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>시와 분(00:00~23:59). 위/아래 화살표 키로 15분씩 바꿉니다</translation>
    </message>
</context>
</TS>
