// The texts of the desktop entry and the AppStream metainfo, for the translations: lupdate reads
// them from here, and scripts/translate-desktop-files writes their translations into both files.
// Nothing compiles this file.

// clang-format off
QT_TRANSLATE_NOOP("DesktopEntry", "Eye Break Reminder")
QT_TRANSLATE_NOOP("DesktopEntry", "Reminds you to rest your eyes, at a moment that suits you")
//: Search words for the desktop's application launcher, each ending with a semicolon
QT_TRANSLATE_NOOP("DesktopEntry", "eyes;break;rest;reminder;health;20-20-20;")

QT_TRANSLATE_NOOP("Metainfo", "Eye break reminder that waits for the right moment")
QT_TRANSLATE_NOOP("Metainfo", "Tarnwick looks after your eyes while you work. It sits in the system tray with a small countdown, announces each break with a heads-up card, then covers every monitor with a calm break screen: a short look into the distance every 20 minutes and a longer break to stand up every hour.")
QT_TRANSLATE_NOOP("Metainfo", "A break waits for the right moment:")
QT_TRANSLATE_NOOP("Metainfo", "during a call, or while a full-screen program is in front, a due break is held and offered again once you are free;")
QT_TRANSLATE_NOOP("Metainfo", "while you type, a break waits up to two minutes for a pause;")
QT_TRANSLATE_NOOP("Metainfo", "time away from the keyboard counts as a break taken.")
QT_TRANSLATE_NOOP("Metainfo", "It keeps a weekly summary of the breaks you took and skipped, and stores everything in two files on your computer. It sends nothing anywhere.")
QT_TRANSLATE_NOOP("Metainfo", "The break screen, on every monitor")
QT_TRANSLATE_NOOP("Metainfo", "The heads-up before a break")
QT_TRANSLATE_NOOP("Metainfo", "The tray panel")
QT_TRANSLATE_NOOP("Metainfo", "The settings")
QT_TRANSLATE_NOOP("Metainfo", "The week in numbers")
// clang-format on
