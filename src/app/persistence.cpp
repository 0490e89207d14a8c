#include "app/persistence.hpp"

#include <cerrno>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "app/export_file.hpp"

namespace tarnwick {

namespace {

const QString settingsName = QStringLiteral("settings.json");
const QString historyName = QStringLiteral("history.json");

// Creates the folder and any missing parents, each for the user alone, as the XDG base directory
// rules ask; folders that exist keep their modes. Failures show up as failed file operations.
void makeFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(clean).isDir()) return;
    qsizetype from = 1;
    for (;;) {
        const qsizetype slash = clean.indexOf(u'/', from);
        const QString part = slash < 0 ? clean : clean.left(slash);
        if (::mkdir(QFile::encodeName(part).constData(), 0700) != 0 && errno != EEXIST) return;
        if (slash < 0) return;
        from = slash + 1;
    }
}

}  // namespace

Persistence::Persistence(QString folder) : m_folder(std::move(folder)) {}

QString Persistence::defaultFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Tarnwick");
}

QString Persistence::folder() const {
    makeFolder(m_folder);
    return m_folder;
}

QString Persistence::settingsPath() const { return folder() + u'/' + settingsName; }
QString Persistence::historyPath() const { return folder() + u'/' + historyName; }

QByteArray Persistence::encode(const nlohmann::json& json) {
    // Invalid UTF-8 cannot reach here from Qt or the parser, but a replacement beats a throw.
    const std::string text = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
    return QByteArray(text.data(), qsizetype(text.size()));
}

Persistence::Read Persistence::readFile(const QString& path, QByteArray& contents) const {
    QFile file(path);
    if (!file.exists()) return Read::missing;
    if (!file.open(QIODevice::ReadOnly)) return Read::unreadable;
    contents = file.readAll();
    return file.error() == QFileDevice::NoError ? Read::ok : Read::unreadable;
}

bool Persistence::setAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target) && n < 1000; ++n) {
        target = path + QStringLiteral(".unreadable-") + stamp + u'-' + QString::number(n);
    }
    return QFile::rename(path, target);
}

bool Persistence::write(const QString& path, const QByteArray& contents) const {
    const bool fresh = !QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: a failure met only while the buffer
    // is flushed at commit would still let the short file replace the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    // A new file is the user's alone; one that exists keeps the mode it has (QSaveFile copies it).
    if ((fresh && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ||
        file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

Settings Persistence::loadSettings() {
    QByteArray contents;
    const QString path = settingsPath();
    const Read read = readFile(path, contents);
    if (read == Read::missing) return Settings{};
    if (read == Read::ok) {
        try {
            return nlohmann::json::parse(contents.begin(), contents.end()).get<Settings>();
        } catch (const nlohmann::json::exception&) {
        }
    }
    m_settingsBlocked = !setAside(path);
    return Settings{};
}

std::optional<std::vector<BreakRecord>> Persistence::historyMissedAtLoad() {
    if (!m_historyMissed || !QFileInfo(m_folder).isDir()) return std::nullopt;
    return loadHistory();
}

std::vector<BreakRecord> Persistence::loadHistory() {
    QByteArray contents;
    const QString path = historyPath();
    m_historyMissed = !QFileInfo(m_folder).isDir();
    const Read read = readFile(path, contents);
    if (read == Read::missing) return {};
    if (read == Read::ok) {
        try {
            const auto json = nlohmann::json::parse(contents.begin(), contents.end());
            if (json.is_array()) return json.get<std::vector<BreakRecord>>();
        } catch (const nlohmann::json::exception&) {
        }
    }
    m_historyBlocked = !setAside(path);
    return {};
}

bool Persistence::save(const Settings& settings) {
    if (m_settingsBlocked) return false;
    return write(settingsPath(), encode(settings));
}

bool Persistence::save(const std::vector<BreakRecord>& history, Instant now) {
    if (m_historyBlocked) return false;
    return write(historyPath(), encode(nlohmann::json(HistoryRetention::kept(history, now))));
}

void Persistence::deleteAll() {
    QFile::remove(settingsPath());
    QFile::remove(historyPath());
}

std::optional<QString> Persistence::exportTo(const Settings& settings, const std::vector<BreakRecord>& history,
                                             Instant now, const QString& destination) {
    const nlohmann::json envelope{
        {"exportedAt", formatDate(now)},
        {"history", history},
        {"settings", settings},
    };
    return writeExportFile(destination, encode(envelope));
}

}  // namespace tarnwick
