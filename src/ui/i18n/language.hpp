#pragma once

// The interface's language: the first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, as QLocale reads them) that Tarnwick has a translation for, else English. The program's
// translations are compiled into its resources under ":/i18n".

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tarnwick::i18n {

// The languages Tarnwick is translated into, by file name: "de", "pt_BR", "zh_CN", ...
QStringList availableLanguages();

// The translation to use for `uiLanguages` (as QLocale::uiLanguages() lists them, e.g. "de-DE",
// "pt-BR", "zh-Hans-CN"): the first entry with a translation, matched exactly and then by language
// alone; empty for English, "C" and anything unknown.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available = availableLanguages());

// Installs English (its singular forms) and the chosen language's translation into `app`, and lays
// the interface out right to left where that language is written so. Returns the chosen language,
// empty for English. `file` loads a given translation file instead, as the tests do.
QString installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());
QString installTranslationFile(QCoreApplication& app, const QString& file, Qt::LayoutDirection direction);

}  // namespace tarnwick::i18n
