#include "ui/i18n/language.hpp"

#include <QDir>
#include <QGuiApplication>
#include <QTranslator>

namespace tarnwick::i18n {

namespace {

const QString folder = QStringLiteral(":/i18n");

// Translators live as long as the application; installing a new set removes the previous one.
QList<QTranslator*>& installed() {
    static QList<QTranslator*> translators;
    return translators;
}

bool install(QCoreApplication& app, const QString& file) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
    return true;
}

void removeInstalled() {
    for (QTranslator* translator : std::as_const(installed())) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
}

}  // namespace

QStringList availableLanguages() {
    QStringList languages;
    const auto files = QDir(folder).entryList({QStringLiteral("tarnwick_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString language = name.mid(9, name.size() - 9 - 3);
        if (language != QLatin1String("en")) languages.append(language);
    }
    return languages;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& entry : uiLanguages) {
        // "zh-Hans-CN" names the same translation as "zh_CN"; QLocale resolves scripts and regions.
        const QLocale locale(entry);
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) continue;
        if (locale.language() == QLocale::English) return {};
        const QString full = QLocale::languageToCode(locale.language()) + u'_' +
                             QLocale::territoryToCode(locale.territory());
        if (available.contains(full)) return full;
        const QString language = QLocale::languageToCode(locale.language());
        if (available.contains(language)) return language;
        // A language with one regional translation ("pt" for pt_BR, "zh" for zh_CN) takes it.
        // Written in the same script: Traditional Chinese does not take the Simplified one.
        for (const QString& candidate : available) {
            if (candidate.startsWith(language + u'_') && QLocale(candidate).script() == locale.script()) {
                return candidate;
            }
        }
    }
    return {};
}

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    const QString language = chooseLanguage(locale.uiLanguages());
    removeInstalled();
    install(app, folder + QStringLiteral("/tarnwick_en.qm"));
    if (!language.isEmpty() && !install(app, folder + QStringLiteral("/tarnwick_") + language + QStringLiteral(".qm"))) {
        return {};
    }
    QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight : QLocale(language).textDirection());
    return language;
}

QString installTranslationFile(QCoreApplication& app, const QString& file, Qt::LayoutDirection direction) {
    removeInstalled();
    install(app, folder + QStringLiteral("/tarnwick_en.qm"));
    if (!install(app, file)) return {};
    QGuiApplication::setLayoutDirection(direction);
    return file;
}

}  // namespace tarnwick::i18n
