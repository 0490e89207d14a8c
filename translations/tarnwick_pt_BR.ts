<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>App</name>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Estatísticas do Tarnwick</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Boas-vindas ao Tarnwick</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <extracomment>The global shortcut&apos;s description, shown in the desktop&apos;s shortcut settings</extracomment>
        <translation>Fazer um descanso visual agora</translation>
    </message>
</context>
<context>
    <name>Break</name>
    <message>
        <source>Blink slowly</source>
        <translation>Pisque devagar</translation>
    </message>
    <message>
        <source>Sit up straight</source>
        <translation>Sente-se direito</translation>
    </message>
</context>
<context>
    <name>BreakControls</name>
    <message>
        <source>Skip Break</source>
        <translation>Pular descanso</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Bloquear tela</translation>
    </message>
</context>
<context>
    <name>BreakPanel</name>
    <message>
        <source>Tarnwick break</source>
        <translation>Descanso do Tarnwick</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Look into the distance</source>
        <translation>Olhe para longe</translation>
    </message>
    <message>
        <source>Find something far away and let your eyes relax until the timer ends</source>
        <translation>Encontre algo distante e deixe seus olhos relaxarem até o tempo acabar</translation>
    </message>
    <message>
        <source>Soften your gaze</source>
        <translation>Suavize o olhar</translation>
    </message>
    <message>
        <source>Look out of a window or across the room, and blink slowly</source>
        <translation>Olhe pela janela ou para o outro lado da sala e pisque devagar</translation>
    </message>
    <message>
        <source>Let your eyes wander</source>
        <translation>Deixe o olhar vagar</translation>
    </message>
    <message>
        <source>Rest them on the farthest thing you can see</source>
        <translation>Pouse-o no ponto mais distante que conseguir ver</translation>
    </message>
    <message>
        <source>Time to look up</source>
        <translation>Hora de levantar os olhos</translation>
    </message>
    <message>
        <source>Twenty seconds on something distant resets tired eyes</source>
        <translation>Vinte segundos olhando algo distante renovam os olhos cansados</translation>
    </message>
    <message>
        <source>Time to step away</source>
        <translation>Hora de se afastar um pouco</translation>
    </message>
    <message>
        <source>Stand up, stretch, and give your eyes a real rest</source>
        <translation>Levante-se, alongue-se e dê aos seus olhos um descanso de verdade</translation>
    </message>
    <message>
        <source>Stretch it out</source>
        <translation>Alongue-se</translation>
    </message>
    <message>
        <source>Roll your shoulders, refill your water, look outside</source>
        <translation>Gire os ombros, pegue mais água, olhe lá fora</translation>
    </message>
    <message>
        <source>Take a proper break</source>
        <translation>Faça um descanso de verdade</translation>
    </message>
    <message>
        <source>A short walk does more for your focus than another hour of staring</source>
        <translation>Uma caminhada curta faz mais pelo seu foco do que outra hora olhando para a tela</translation>
    </message>
    <message>
        <source>Deep focus</source>
        <translation>Foco total</translation>
    </message>
    <message>
        <source>Gentle</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Look away 20 s every 20 min. Long break every hour.</source>
        <translation>Desvie o olhar por 20 s a cada 20 min. Descanso longo a cada hora.</translation>
    </message>
    <message>
        <source>Look away 20 s every 30 min. Long break after 90 min.</source>
        <translation>Desvie o olhar por 20 s a cada 30 min. Descanso longo após 90 min.</translation>
    </message>
    <message>
        <source>Blink nudges only, plus a long break every 2 hours.</source>
        <translation>Só lembretes para piscar, mais um descanso longo a cada 2 horas.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendado</translation>
    </message>
    <message>
        <source>Coding</source>
        <translation>Programação</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>You&apos;re on a call</source>
        <translation>Você está em uma chamada</translation>
    </message>
    <message>
        <source>A full-screen app is open</source>
        <translation>Há um app em tela cheia</translation>
    </message>
    <message>
        <source>You&apos;re typing</source>
        <translation>Você está digitando</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Eye Break Reminder</source>
        <translation>Lembrete de descanso visual</translation>
    </message>
    <message>
        <source>Reminds you to rest your eyes, at a moment that suits you</source>
        <translation>Lembra você de descansar os olhos, no momento mais conveniente</translation>
    </message>
    <message>
        <source>eyes;break;rest;reminder;health;20-20-20;</source>
        <translation>olhos;visão;descanso;pausa;lembrete;saúde;20-20-20;</translation>
    </message>
</context>
<context>
    <name>HeadsUpPanel</name>
    <message>
        <source>Tarnwick heads-up</source>
        <translation>Aviso do Tarnwick</translation>
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
        <translation>Sem descansos até</translation>
    </message>
    <message>
        <source>Off until %1</source>
        <extracomment>%1 is when breaks come again, e.g. &quot;09:00&quot; or &quot;Mon 09:00&quot;</extracomment>
        <translation>Sem descansos até %1</translation>
    </message>
    <message>
        <source>Outside your working hours.</source>
        <translation>Fora do seu horário de trabalho.</translation>
    </message>
    <message>
        <source>Resumed outside your working hours, until %1.</source>
        <extracomment>%1 is when breaks stop again for the hours, e.g. &quot;18:00&quot; or &quot;Mon 18:00&quot;</extracomment>
        <translation>Descansos retomados fora do seu horário de trabalho, até %1.</translation>
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
        <translation>Os descansos estão desativados</translation>
    </message>
    <message>
        <source>Turn them on in Settings.</source>
        <translation>Ative-os nas Configurações.</translation>
    </message>
    <message>
        <source>Long break in</source>
        <translation>Descanso longo em</translation>
    </message>
    <message>
        <source>Long break at %1</source>
        <extracomment>%1 is a time of day, e.g. 15:45</extracomment>
        <translation>Descanso longo às %1</translation>
    </message>
    <message>
        <source>Next eye break in</source>
        <translation>Próximo descanso visual em</translation>
    </message>
    <message>
        <source>Long break starting</source>
        <translation>Descanso longo começando</translation>
    </message>
    <message>
        <source>Eye break starting</source>
        <translation>Descanso visual começando</translation>
    </message>
    <message>
        <source>Break held</source>
        <translation>Descanso em espera</translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>Você receberá um aviso quando estiver livre. Em espera há %n min.</numerusform>
            <numerusform>Você receberá um aviso quando estiver livre. Em espera há %n min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso longo</translation>
    </message>
    <message>
        <source>Eye break</source>
        <translation>Descanso visual</translation>
    </message>
    <message>
        <source>Paused until</source>
        <translation>Pausado até</translation>
    </message>
    <message>
        <source>Held</source>
        <extracomment>The tray&apos;s state while a break waits for the user to be free</extracomment>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The tray&apos;s state during a break</extracomment>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The tray&apos;s state while breaks are paused</extracomment>
        <translation>Pausado</translation>
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
        <translation>Lembrete de descanso visual que espera o momento certo</translation>
    </message>
    <message>
        <source>Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.</source>
        <translation>O Tarnwick cuida dos seus olhos enquanto você trabalha. Ele fica na bandeja do sistema com uma pequena contagem regressiva, anuncia cada descanso com um cartão de aviso e depois cobre todos os monitores com uma tela de descanso tranquila: uma breve olhada para longe a cada 20 minutos e um descanso mais longo para se levantar a cada hora.</translation>
    </message>
    <message>
        <source>A break waits for the right moment:</source>
        <translation>Cada descanso espera o momento certo:</translation>
    </message>
    <message>
        <source>during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;</source>
        <translation>durante uma chamada, ou enquanto um programa em tela cheia estiver em primeiro plano, o descanso pendente fica em espera e é oferecido de novo assim que você estiver livre;</translation>
    </message>
    <message>
        <source>while you type, a break waits up to two minutes for a pause;</source>
        <translation>enquanto você digita, o descanso espera até dois minutos por uma pausa;</translation>
    </message>
    <message>
        <source>time away from the keyboard counts as a break taken.</source>
        <translation>o tempo longe do teclado conta como descanso feito.</translation>
    </message>
    <message>
        <source>It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.</source>
        <translation>Ele mantém um resumo semanal dos descansos que você fez e pulou, e guarda tudo em dois arquivos no seu computador. Não envia nada para lugar nenhum.</translation>
    </message>
    <message>
        <source>The break screen, on every monitor</source>
        <translation>A tela de descanso, em todos os monitores</translation>
    </message>
    <message>
        <source>The heads-up before a break</source>
        <translation>O aviso antes de um descanso</translation>
    </message>
    <message>
        <source>The tray panel</source>
        <translation>O painel da bandeja</translation>
    </message>
    <message>
        <source>The settings</source>
        <translation>As configurações</translation>
    </message>
    <message>
        <source>The week in numbers</source>
        <translation>A semana em números</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Seu primeiro descanso será em %n minuto.</numerusform>
            <numerusform>Seu primeiro descanso será em %n minutos.</numerusform>
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
        <translation>Contagem regressiva do Tarnwick</translation>
    </message>
</context>
<context>
    <name>ReminderPanel</name>
    <message>
        <source>Tarnwick nudge</source>
        <translation>Lembrete do Tarnwick</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Don&apos;t warn me</source>
        <translation>Não me avisar</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n segundo antes</numerusform>
            <numerusform>%n segundos antes</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>A cada %n minuto</numerusform>
            <numerusform>A cada %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Version %1 · personal build</source>
        <extracomment>%1 is the program&apos;s version, e.g. 0.1.0</extracomment>
        <translation>Versão %1 · compilação pessoal</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Screen Breaks</source>
        <translation>Descansos</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Pausa inteligente</translation>
    </message>
    <message>
        <source>Wellness Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Break Screen</source>
        <translation>Tela de descanso</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Privacy &amp; Data</source>
        <translation>Privacidade e dados</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Focus &amp; Wellbeing</source>
        <translation>Foco e bem-estar</translation>
    </message>
    <message>
        <source>Behavior &amp; Feedback</source>
        <translation>Aparência e som</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>A sidebar heading: the program&apos;s name, over its About pane</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Casual</source>
        <translation>Flexível</translation>
    </message>
    <message>
        <source>Skip any time</source>
        <translation>Pule quando quiser</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Skip after 5 seconds</source>
        <translation>Pule após 5 segundos</translation>
    </message>
    <message>
        <source>Hardcore</source>
        <translation>Rigoroso</translation>
    </message>
    <message>
        <source>No skipping</source>
        <translation>Sem pular</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Configurações do Tarnwick</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Glass</source>
        <translation>Vidro</translation>
    </message>
    <message>
        <source>Tink</source>
        <translation>Tilintar</translation>
    </message>
    <message>
        <source>Purr</source>
        <translation>Ronronar</translation>
    </message>
    <message>
        <source>Pop</source>
        <translation>Estalo</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Herói</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Garrafa</translation>
    </message>
    <message>
        <source>Blow</source>
        <translation>Sopro</translation>
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
            <numerusform>Você descansou os olhos %n vez esta semana.</numerusform>
            <numerusform>Você descansou os olhos %n vezes esta semana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>Descansei os olhos %n vez esta semana com o Tarnwick, um lembrete de descanso que espera enquanto estou em chamadas.</numerusform>
            <numerusform>Descansei os olhos %n vezes esta semana com o Tarnwick, um lembrete de descanso que espera enquanto estou em chamadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>Resta %n pulo</numerusform>
            <numerusform>Restam %n pulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>dia com 80%+</numerusform>
            <numerusform>dias com 80%+</numerusform>
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
            <numerusform>%n feito</numerusform>
            <numerusform>%n feitos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n pulado</numerusform>
            <numerusform>%n pulados</numerusform>
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
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is &quot;Break held&quot;, %2 the reason (&quot;You&apos;re on a call&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <extracomment>%1 is &quot;Eye break&quot; or &quot;Long break&quot;, %2 the time of day it ends</extracomment>
        <translation>%1 até as %2</translation>
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
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>%1, range %2 start</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 start&quot;</extracomment>
        <translation>%1, início do intervalo %2</translation>
    </message>
    <message>
        <source>%1, range %2 end</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Monday, range 1 end&quot;</extracomment>
        <translation>%1, fim do intervalo %2</translation>
    </message>
    <message>
        <source>Remove %1 range %2</source>
        <extracomment>%1 is a weekday, %2 the range&apos;s number on that day: &quot;Remove Monday range 1&quot;</extracomment>
        <translation>%1: remover intervalo %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message>
        <source>Hardcore mode: this break can&apos;t be skipped</source>
        <translation>Modo rigoroso: este descanso não pode ser pulado</translation>
    </message>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>Resta %n pulo esta semana</numerusform>
            <numerusform>Restam %n pulos esta semana</numerusform>
        </translation>
    </message>
    <message>
        <source>Skip in %1s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Pular em %1 s</translation>
    </message>
    <message>
        <source>Press %1 twice to skip the break</source>
        <extracomment>%1 is the Escape key, drawn as a key cap between the words</extracomment>
        <translation>Pressione %1 duas vezes para pular o descanso</translation>
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
        <translation>A qualquer momento</translation>
    </message>
    <message>
        <source>Waiting for a pause in your typing.</source>
        <translation>Esperando uma pausa na digitação.</translation>
    </message>
    <message>
        <source>A longer break is next. A good moment to stand up.</source>
        <translation>Vem aí um descanso longo. Bom momento para se levantar.</translation>
    </message>
    <message>
        <source>Almost time. Wrap up what you&apos;re doing.</source>
        <translation>Quase na hora. Termine o que está fazendo.</translation>
    </message>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>O descanso começa em %n</numerusform>
            <numerusform>O descanso começa em %n</numerusform>
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
        <translation>Pular este descanso</translation>
    </message>
    <message>
        <source>Start this break now</source>
        <translation>Começar este descanso agora</translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message>
        <source>Start break now</source>
        <translation>Descansar agora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Descanso visual agora</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Até amanhã</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Descanso longo agora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Retomar descansos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>feito hoje</numerusform>
            <numerusform>feitos hoje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>pulado</numerusform>
            <numerusform>pulados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>dia seguido</numerusform>
            <numerusform>dias seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>tarnwick::OnboardingViewModel</name>
    <message>
        <source>Step %1 of %2</source>
        <translation>Passo %1 de %2</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Start Tarnwick</source>
        <translation>Iniciar o Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment. How often should we remind you?</source>
        <translation>Descansos visuais que esperam o momento certo. Com que frequência devemos lembrar você?</translation>
    </message>
    <message>
        <source>No permissions needed. Tarnwick only checks whether the camera or mic is on and whether an app is full screen. Nothing is recorded.</source>
        <translation>Nenhuma permissão necessária. O Tarnwick só verifica se a câmera ou o microfone estão ligados e se algum app está em tela cheia. Nada é gravado.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Reuniões ou chamadas</translation>
    </message>
    <message>
        <source>Full-screen games</source>
        <translation>Jogos em tela cheia</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>Tarnwick lives in your system tray. %1</source>
        <extracomment>%1 is the sentence that tells when the first break comes, e.g. &quot;Your first break is in 20 minutes.&quot;</extracomment>
        <translation>O Tarnwick fica na bandeja do sistema. %1</translation>
    </message>
    <message>
        <source>Click the tray icon to pause or take a break</source>
        <translation>Clique no ícone da bandeja para pausar ou descansar</translation>
    </message>
    <message>
        <source>Press Ctrl Alt B in any app for a break right now</source>
        <translation>Pressione Ctrl Alt B em qualquer app para descansar agora</translation>
    </message>
    <message>
        <source>Press esc twice to skip a break when you have to</source>
        <translation>Pressione esc duas vezes para pular um descanso quando precisar</translation>
    </message>
    <message>
        <source>Welcome to Tarnwick</source>
        <translation>Boas-vindas ao Tarnwick</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Breaks wait while you&apos;re busy</source>
        <translation>Os descansos esperam você ficar livre</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Abrir o Tarnwick ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Recommended, so you never have to remember.</source>
        <translation>Recomendado, para você nunca precisar lembrar.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tudo pronto</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice.</source>
        <translation>O Tarnwick ajuda você a descansar os olhos. Não é aconselhamento médico.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsTexts</name>
    <message>
        <source>Settings sections</source>
        <translation>Seções das configurações</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Start Tarnwick when I log in</source>
        <translation>Abrir o Tarnwick ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Show the countdown in the tray icon</source>
        <translation>Mostrar a contagem regressiva no ícone da bandeja</translation>
    </message>
    <message>
        <source>Where the tray has no room for it, Tarnwick shows just the icon.</source>
        <translation>Onde a bandeja não tiver espaço, o Tarnwick mostra só o ícone.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atalho de teclado</translation>
    </message>
    <message>
        <source>Take an eye break now</source>
        <translation>Fazer um descanso visual agora</translation>
    </message>
    <message>
        <source>Ctrl Alt B</source>
        <extracomment>The keys of the break shortcut as the keyboard names them; keep them unless yours name them otherwise</extracomment>
        <translation>Ctrl Alt B</translation>
    </message>
    <message>
        <source>Skip a running break</source>
        <translation>Pular um descanso em andamento</translation>
    </message>
    <message>
        <source>esc  esc</source>
        <extracomment>The skip shortcut: Escape pressed twice, as the keyboard names the key</extracomment>
        <translation>esc  esc</translation>
    </message>
    <message>
        <source>Rhythm</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Eye breaks</source>
        <translation>Descansos visuais</translation>
    </message>
    <message>
        <source>20-20-20 eye breaks</source>
        <translation>Descansos visuais 20-20-20</translation>
    </message>
    <message>
        <source>Look at something far away</source>
        <translation>Olhe para algo distante</translation>
    </message>
    <message>
        <source>Long breaks</source>
        <translation>Descansos longos</translation>
    </message>
    <message>
        <source>Stand up and step away</source>
        <translation>Levante-se e afaste-se um pouco</translation>
    </message>
    <message>
        <source>Heads-up</source>
        <translation>Aviso prévio</translation>
    </message>
    <message>
        <source>Break enforcement</source>
        <translation>Nível de rigor</translation>
    </message>
    <message>
        <source>Once the week&apos;s skips are used up, skipping still works but waits 15 seconds.</source>
        <translation>Quando os pulos da semana acabarem, ainda dá para pular, mas só depois de 15 segundos.</translation>
    </message>
    <message>
        <source>Skip Break</source>
        <translation>Pular descanso</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Colocar em espera durante</translation>
    </message>
    <message>
        <source>A held break gets a fresh heads-up as soon as you&apos;re free.</source>
        <translation>Um descanso em espera recebe um novo aviso assim que você estiver livre.</translation>
    </message>
    <message>
        <source>Meetings or calls</source>
        <translation>Reuniões ou chamadas</translation>
    </message>
    <message>
        <source>Camera, microphone or screen sharing in use</source>
        <translation>Câmera, microfone ou compartilhamento de tela em uso</translation>
    </message>
    <message>
        <source>Full-screen apps and games</source>
        <translation>Apps e jogos em tela cheia</translation>
    </message>
    <message>
        <source>Also full-screen video and presentations</source>
        <translation>Também vídeos e apresentações em tela cheia</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>Natural breaks</source>
        <translation>Descansos naturais</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>Tarnwick only checks whether these are on. It never sees video, hears sound or reads window contents.</source>
        <translation>O Tarnwick só verifica se estes estão ligados. Ele nunca vê vídeo, ouve som ou lê o conteúdo das janelas.</translation>
    </message>
    <message>
        <source>Blink reminders</source>
        <translation>Lembretes para piscar</translation>
    </message>
    <message>
        <source>A small orb blinks at you, then leaves</source>
        <translation>Uma pequena esfera pisca para você e depois some</translation>
    </message>
    <message>
        <source>Posture reminders</source>
        <translation>Lembretes de postura</translation>
    </message>
    <message>
        <source>A gentle nudge to sit up straight</source>
        <translation>Um toque gentil para você se endireitar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Preview the blink reminder</source>
        <translation>Visualizar o lembrete para piscar</translation>
    </message>
    <message>
        <source>Preview the posture reminder</source>
        <translation>Visualizar o lembrete de postura</translation>
    </message>
    <message>
        <source>Reminders never take focus, and they wait during calls and full-screen apps.</source>
        <translation>Os lembretes nunca roubam o foco e esperam durante chamadas e apps em tela cheia.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>See how a break looks</source>
        <translation>Veja como é um descanso</translation>
    </message>
    <message>
        <source>Try a 20-second break</source>
        <translation>Experimente um descanso de 20 segundos</translation>
    </message>
    <message>
        <source>Your messages for eye breaks</source>
        <translation>Suas mensagens para os descansos visuais</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Drink some water and look outside</source>
        <translation>Beba um pouco de água e olhe lá fora</translation>
    </message>
    <message>
        <source>Remove message</source>
        <translation>Remover mensagem</translation>
    </message>
    <message>
        <source>Add a message</source>
        <translation>Adicionar uma mensagem</translation>
    </message>
    <message>
        <source>Break sounds</source>
        <translation>Sons dos descansos</translation>
    </message>
    <message>
        <source>Play a sound when a break begins</source>
        <translation>Tocar um som quando um descanso começar</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Tocar um som quando um descanso terminar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Tocar som</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Export settings and break history as JSON</source>
        <translation>Exportar as configurações e o histórico de descansos em JSON</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Delete break history and reset every setting</source>
        <translation>Excluir o histórico e redefinir todas as configurações</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Excluir…</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Delete everything</source>
        <translation>Excluir tudo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <extracomment>The program&apos;s name</extracomment>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Eye breaks that wait for the right moment.</source>
        <translation>Descansos visuais que esperam o momento certo.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Tarnwick helps you rest your eyes. It isn&apos;t medical advice. If your eyes hurt often, see an eye doctor.</source>
        <translation>O Tarnwick ajuda você a descansar os olhos. Não é aconselhamento médico. Se seus olhos doem com frequência, consulte um oftalmologista.</translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message>
        <source>Show a break every</source>
        <translation>Mostrar um descanso a cada</translation>
    </message>
    <message>
        <source>Break duration</source>
        <translation>Duração do descanso</translation>
    </message>
    <message>
        <source>Show a long break every</source>
        <translation>Mostrar um descanso longo a cada</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duração do descanso longo</translation>
    </message>
    <message>
        <source>Warn me before a break</source>
        <translation>Avisar antes de um descanso</translation>
    </message>
    <message>
        <source>Skips allowed per week</source>
        <translation>Pulos permitidos por semana</translation>
    </message>
    <message>
        <source>Time away counts as a break after</source>
        <extracomment>Followed by a number of minutes</extracomment>
        <translation>O tempo ausente conta como descanso após</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Followed by how often, e.g. &quot;Every 8 minutes&quot;</extracomment>
        <translation>Lembrar</translation>
    </message>
    <message>
        <source>Couldn&apos;t change this. Check that ~/.config/autostart can be written and try again.</source>
        <translation>Não foi possível alterar isso. Verifique se é possível gravar em ~/.config/autostart e tente novamente.</translation>
    </message>
    <message>
        <source>Switched off in your desktop&apos;s startup settings. Allow Tarnwick there to start it at login.</source>
        <translation>Desativado nas configurações de inicialização da sua área de trabalho. Permita o Tarnwick lá para que ele abra ao iniciar a sessão.</translation>
    </message>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Suas configurações e %n descanso registrado ficam guardados só neste computador, em %1. O Tarnwick não envia nada para lugar nenhum.</numerusform>
            <numerusform>Suas configurações e %n descansos registrados ficam guardados só neste computador, em %1. O Tarnwick não envia nada para lugar nenhum.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Excluir %n descanso e todas as configurações?</numerusform>
            <numerusform>Excluir %n descansos e todas as configurações?</numerusform>
        </translation>
    </message>
    <message>
        <source>On Wayland, waits for a pause in any input</source>
        <translation>No Wayland, espera uma pausa em qualquer entrada</translation>
    </message>
    <message>
        <source>Waits up to 2 minutes for a pause</source>
        <translation>Espera até 2 minutos por uma pausa</translation>
    </message>
    <message>
        <source>Full-screen detection covers X11 applications on this desktop</source>
        <translation>Nesta área de trabalho, a detecção de tela cheia abrange os aplicativos X11</translation>
    </message>
    <message>
        <source>On this desktop, the shortcut works while an X11 application is in front</source>
        <translation>Nesta área de trabalho, o atalho funciona enquanto um aplicativo X11 estiver em primeiro plano</translation>
    </message>
    <message>
        <source>Session: Wayland, through XWayland</source>
        <translation>Sessão: Wayland, via XWayland</translation>
    </message>
    <message>
        <source>Session: X11</source>
        <translation>Sessão: X11</translation>
    </message>
    <message>
        <source>Idle: %1</source>
        <extracomment>%1 names where the idle time is read, e.g. &quot;X screen saver extension&quot;</extracomment>
        <translation>Ociosidade: %1</translation>
    </message>
    <message>
        <source>Idle inhibitors: %1</source>
        <extracomment>%1 lists the sources of idle inhibitors that answer, e.g. &quot;logind&quot;, or &quot;none&quot;</extracomment>
        <translation>Inibidores de ociosidade: %1</translation>
    </message>
    <message>
        <source>Full screen: KWin scripting and X11 window properties (EWMH)</source>
        <translation>Tela cheia: scripts do KWin e propriedades de janela X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: sway IPC and X11 window properties (EWMH)</source>
        <translation>Tela cheia: IPC do sway e propriedades de janela X11 (EWMH)</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH), X11 applications only</source>
        <translation>Tela cheia: propriedades de janela X11 (EWMH), só aplicativos X11</translation>
    </message>
    <message>
        <source>Full screen: X11 window properties (EWMH)</source>
        <translation>Tela cheia: propriedades de janela X11 (EWMH)</translation>
    </message>
    <message>
        <source>Hot key: desktop portal global shortcut</source>
        <translation>Atalho: atalho global do portal da área de trabalho</translation>
    </message>
    <message>
        <source>Hot key: X key grab, while an X11 application is in front</source>
        <translation>Atalho: captura de teclas do X, enquanto um aplicativo X11 estiver em primeiro plano</translation>
    </message>
    <message>
        <source>Hot key: X key grab</source>
        <translation>Atalho: captura de teclas do X</translation>
    </message>
    <message>
        <source>Screen sharing</source>
        <translation>Compartilhamento de tela</translation>
    </message>
    <message>
        <source>Screen sharing: on</source>
        <translation>Compartilhamento de tela: ligado</translation>
    </message>
    <message>
        <source>Screen sharing: off</source>
        <translation>Compartilhamento de tela: desligado</translation>
    </message>
    <message>
        <source>Screen sharing: not detectable here</source>
        <translation>Compartilhamento de tela: não detectável aqui</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Camera: on</source>
        <translation>Câmera: ligada</translation>
    </message>
    <message>
        <source>Camera: off</source>
        <translation>Câmera: desligada</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Microphone: on</source>
        <translation>Microfone: ligado</translation>
    </message>
    <message>
        <source>Microphone: off</source>
        <translation>Microfone: desligado</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Full screen: on</source>
        <translation>Tela cheia: ativa</translation>
    </message>
    <message>
        <source>Full screen: off</source>
        <translation>Tela cheia: inativa</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Papel de parede</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Tarnwick uses its own calm lines until you add some.</source>
        <translation>O Tarnwick usa as próprias frases tranquilas até você adicionar as suas.</translation>
    </message>
    <message>
        <source>Tarnwick shows one of these at random under the title.</source>
        <translation>O Tarnwick mostra uma destas ao acaso abaixo do título.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <extracomment>%1 is the name of the file saved, e.g. tarnwick-data.json</extracomment>
        <translation>Salvo em %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file: %1</source>
        <extracomment>%1 says what went wrong</extracomment>
        <translation>Não foi possível salvar o arquivo: %1</translation>
    </message>
    <message>
        <source>Export settings and break history</source>
        <translation>Exportar configurações e histórico de descansos</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <extracomment>The file type offered; keep &quot;(*.json)&quot; as it is</extracomment>
        <translation>Arquivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Deleted. Tarnwick is back to its defaults.</source>
        <translation>Excluído. O Tarnwick voltou às configurações padrão.</translation>
    </message>
</context>
<context>
    <name>tarnwick::StatsViewModel</name>
    <message>
        <source>%1% of finished breaks</source>
        <extracomment>%1 is a whole percentage</extracomment>
        <translation>%1% dos descansos concluídos</translation>
    </message>
    <message>
        <source>Next one is in %1. After it, breaks taken, skipped and held show up here.</source>
        <extracomment>%1 is the time to the next break in minutes and seconds, e.g. 4:59</extracomment>
        <translation>O próximo é em %1. Depois dele, os descansos feitos, pulados e em espera aparecem aqui.</translation>
    </message>
    <message>
        <source>Tarnwick Stats</source>
        <translation>Estatísticas do Tarnwick</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Breaks taken</source>
        <translation>Descansos feitos</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pulados</translation>
    </message>
    <message>
        <source>Held for you</source>
        <translation>Esperaram por você</translation>
    </message>
    <message>
        <source>calls and full screen</source>
        <translation>chamadas e tela cheia</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Descansos por dia</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Feitos</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copiar como texto</translation>
    </message>
    <message>
        <source>Your week starts with the first break</source>
        <translation>Sua semana começa com o primeiro descanso</translation>
    </message>
    <message>
        <source>Take one now</source>
        <translation>Faça um agora</translation>
    </message>
</context>
<context>
    <name>tarnwick::TrayMenuModel</name>
    <message>
        <source>Start break now</source>
        <translation>Descansar agora</translation>
    </message>
    <message>
        <source>Eye break now</source>
        <translation>Descanso visual agora</translation>
    </message>
    <message>
        <source>Long break now</source>
        <translation>Descanso longo agora</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Retomar descansos</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Pausar 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hour</source>
        <translation>Pausar 1 hora</translation>
    </message>
    <message>
        <source>Pause until tomorrow</source>
        <translation>Pausar até amanhã</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>tarnwick::WorkingHoursViewModel</name>
    <message>
        <source>Add a range on %1</source>
        <extracomment>%1 is a weekday</extracomment>
        <translation>%1: adicionar intervalo</translation>
    </message>
    <message>
        <source>While this is off, breaks can come at any time.</source>
        <translation>Enquanto isto estiver desativado, os descansos podem vir a qualquer momento.</translation>
    </message>
    <message>
        <source>No day has hours, so breaks can come at any time. Add a range to keep them to it.</source>
        <translation>Nenhum dia tem horário, então os descansos podem vir a qualquer momento. Adicione um intervalo para limitá-los a ele.</translation>
    </message>
    <message>
        <source>Breaks come only in these hours. A range that ends before it starts runs past midnight.</source>
        <translation>Os descansos só vêm nesses horários. Um intervalo que termina antes de começar passa da meia-noite.</translation>
    </message>
    <message>
        <source>Enter a time as HH:MM, from 00:00 to 23:59.</source>
        <extracomment>HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>Digite um horário como HH:MM, de 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>“%1” isn&apos;t a time. Use HH:MM, from 00:00 to 23:59.</source>
        <extracomment>%1 is what was typed; HH:MM is the form of a time: two digits of hours, a colon, two of minutes</extracomment>
        <translation>“%1” não é um horário. Use HH:MM, de 00:00 a 23:59.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another start.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Um intervalo não pode começar e terminar no mesmo horário (%1). Escolha outro início.</translation>
    </message>
    <message>
        <source>A range can&apos;t start and end at the same time (%1). Choose another end.</source>
        <extracomment>%1 is the time both ends would have, e.g. 09:00</extracomment>
        <translation>Um intervalo não pode começar e terminar no mesmo horário (%1). Escolha outro fim.</translation>
    </message>
    <message>
        <source>Working hours</source>
        <translation>Horário de trabalho</translation>
    </message>
    <message>
        <source>Only remind me during working hours</source>
        <translation>Lembrar só durante o horário de trabalho</translation>
    </message>
    <message>
        <source>Add range</source>
        <translation>Adicionar intervalo</translation>
    </message>
    <message>
        <source>Copy Monday to weekdays</source>
        <translation>Copiar segunda para os dias úteis</translation>
    </message>
    <message>
        <source>Tuesday to Friday get Monday&apos;s hours</source>
        <translation>De terça a sexta recebem o horário de segunda</translation>
    </message>
    <message>
        <source>No hours</source>
        <translation>Sem horário</translation>
    </message>
    <message>
        <source>next day</source>
        <extracomment>Beside a range&apos;s end time that falls on the next day</extracomment>
        <translation>dia seguinte</translation>
    </message>
    <message>
        <source>Hours and minutes, 00:00 to 23:59; Up and Down change it by 15 minutes</source>
        <extracomment>Read by screen readers for a time field; Up and Down are the arrow keys</extracomment>
        <translation>Horas e minutos, de 00:00 a 23:59; Para cima e Para baixo mudam o horário em 15 minutos</translation>
    </message>
</context>
</TS>
