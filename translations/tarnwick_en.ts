<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MenuBar</name>
    <message numerus="yes">
        <source>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</source>
        <translation>
            <numerusform>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</numerusform>
            <numerusform>You&apos;ll get a heads-up when you&apos;re free. Held for %n min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message numerus="yes">
        <source>Your first break is in %n minutes.</source>
        <translation>
            <numerusform>Your first break is in %n minute.</numerusform>
            <numerusform>Your first break is in %n minutes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds before</source>
        <extracomment>How long before a break its heads-up comes</extracomment>
        <translation>
            <numerusform>%n second before</numerusform>
            <numerusform>%n seconds before</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n minutes</source>
        <translation>
            <numerusform>Every %n minute</numerusform>
            <numerusform>Every %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message numerus="yes">
        <source>You rested your eyes %n times this week.</source>
        <translation>
            <numerusform>You rested your eyes %n time this week.</numerusform>
            <numerusform>You rested your eyes %n times this week.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</source>
        <translation>
            <numerusform>I rested my eyes %n time this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</numerusform>
            <numerusform>I rested my eyes %n times this week with Tarnwick, a break reminder that waits while I&apos;m on calls.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skips left</source>
        <translation>
            <numerusform>%n skip left</numerusform>
            <numerusform>%n skips left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>days at 80%+</source>
        <extracomment>Under the number of days in a row on which at least 80% of the finished breaks were taken</extracomment>
        <translation>
            <numerusform>day at 80%+</numerusform>
            <numerusform>days at 80%+</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n taken</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n taken</numerusform>
            <numerusform>%n taken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>breaks</comment>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::BreakViewModel</name>
    <message numerus="yes">
        <source>%n skips left this week</source>
        <translation>
            <numerusform>%n skip left this week</numerusform>
            <numerusform>%n skips left this week</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::HeadsUpViewModel</name>
    <message numerus="yes">
        <source>Starting break in %n</source>
        <extracomment>%n is the number of seconds left</extracomment>
        <translation>
            <numerusform>Starting break in %n</numerusform>
            <numerusform>Starting break in %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::MenuBarViewModel</name>
    <message numerus="yes">
        <source>taken today</source>
        <extracomment>Under the number of breaks taken today</extracomment>
        <translation>
            <numerusform>taken today</numerusform>
            <numerusform>taken today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>skipped</source>
        <extracomment>Under the number of breaks skipped today</extracomment>
        <translation>
            <numerusform>skipped</numerusform>
            <numerusform>skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day streak</source>
        <extracomment>Under the number of days in a row with most breaks taken</extracomment>
        <translation>
            <numerusform>day streak</numerusform>
            <numerusform>day streak</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SettingsViewModel</name>
    <message numerus="yes">
        <source>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</source>
        <extracomment>%1 is the data folder, e.g. ~/.local/share/tarnwick</extracomment>
        <translation>
            <numerusform>Your settings and %n recorded break are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</numerusform>
            <numerusform>Your settings and %n recorded breaks are stored only on this computer, in %1. Tarnwick sends nothing anywhere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n breaks and all settings?</source>
        <translation>
            <numerusform>Delete %n break and all settings?</numerusform>
            <numerusform>Delete %n breaks and all settings?</numerusform>
        </translation>
    </message>
</context>
</TS>
