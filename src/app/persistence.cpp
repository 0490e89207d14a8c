#include "app/persistence.hpp"

#include <cerrno>
#include <cstdio>
#include <new>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "app/data_readers.hpp"
#include "app/export_file.hpp"
#include "app/private_folder.hpp"
#include "app/working_hours_file.hpp"

namespace tarnwick {

namespace {

const QString settingsName = QStringLiteral("settings.json");
const QString historyName = QStringLiteral("history.json");
const QString scheduleName = QStringLiteral("schedule.json");

// "a named pipe", "a folder", ... for something that is not a regular file.
QString kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) return QStringLiteral("a named pipe");
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("a device");
    return QStringLiteral("not a regular file");
}

// Something other than a regular file is where the file should be (a link is followed).
bool notAFile(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

// One line on the console, however the paths in it are spelled.
void tell(QString line) {
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    std::fprintf(stderr, "Tarnwick: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString text(const std::string& value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

QString recordsKept(std::size_t count) {
    return count == 1 ? QStringLiteral("its 1 readable record is kept")
                      : QStringLiteral("its %1 readable records are kept").arg(count);
}

}  // namespace

Persistence::Persistence(QString folder) : m_folder(std::move(folder)) {}

QString Persistence::defaultFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Tarnwick");
}

QString Persistence::folder() const {
    makePrivateFolder(m_folder);
    return m_folder;
}

QString Persistence::settingsPath() const { return folder() + u'/' + settingsName; }
QString Persistence::historyPath() const { return folder() + u'/' + historyName; }
QString Persistence::schedulePath() const { return folder() + u'/' + scheduleName; }

QByteArray Persistence::encode(const nlohmann::json& json) {
    // Invalid UTF-8 cannot reach here from Qt or the parser, but a replacement beats a throw.
    const std::string text = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
    return QByteArray(text.data(), qsizetype(text.size()));
}

Persistence::Read Persistence::readFile(const QString& path, std::size_t limitBytes, std::string& contents,
                                        QString& fault) const {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    // A look before opening, as opening some devices does something; the look after opening is the
    // one that counts. O_NONBLOCK keeps the open of a named pipe from waiting for a writer.
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return Read::missing;
        fault = qt_error_string(errno);
        return Read::unreadable;
    }
    if (!S_ISREG(st.st_mode)) {
        fault = kindOf(st.st_mode);
        return Read::notAFile;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return Read::missing;
        fault = qt_error_string(errno);
        return Read::unreadable;
    }
    Read result = Read::ok;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        fault = kindOf(st.st_mode);
        result = Read::notAFile;
    } else if (std::size_t(st.st_size) > limitBytes) {
        fault = text(tooLargeFault(limitBytes));
        result = Read::unreadable;
    } else {
        try {
            contents.clear();
            contents.reserve(std::size_t(st.st_size));
            char buffer[65536];
            for (;;) {
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                if (got < 0 && errno == EINTR) continue;
                if (got < 0) {
                    fault = qt_error_string(errno);
                    result = Read::unreadable;
                    break;
                }
                if (got == 0) break;
                contents.append(buffer, std::size_t(got));
                if (contents.size() > limitBytes) {  // it grew while being read
                    fault = text(tooLargeFault(limitBytes));
                    result = Read::unreadable;
                    break;
                }
            }
        } catch (const std::bad_alloc&) {
            fault = QStringLiteral("too large for the memory available");
            result = Read::unreadable;
        }
    }
    ::close(fd);
    if (result != Read::ok) std::string().swap(contents);
    return result;
}

QString Persistence::setAside(const QString& path, QString& error) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target) && n < 1000; ++n) {
        target = path + QStringLiteral(".unreadable-") + stamp + u'-' + QString::number(n);
    }
    QFile file(path);
    if (file.rename(target)) return target;
    error = file.errorString();
    return {};
}

bool Persistence::setAsideAndTell(const QString& path, const QString& problem, const QString& fault,
                                  const QString& outcome) {
    QString error;
    const QString target = setAside(path, error);
    if (target.isEmpty()) {
        tell(QStringLiteral("%1 %2 (%3) and could not be renamed (%4); it stays as it is and is not written over, and %5.")
                 .arg(path, problem, fault, error, outcome));
        return false;
    }
    tell(QStringLiteral("%1 %2 (%3); it was renamed to %4, and %5.").arg(path, problem, fault, target, outcome));
    return true;
}

bool Persistence::write(const QString& path, const QByteArray& contents) const {
    // Never in place of a named pipe or a folder: it is not ours to replace.
    if (notAFile(path)) return false;
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
    std::string contents;
    QString fault;
    const QString path = settingsPath();
    const QString outcome = QStringLiteral("the settings start from their defaults");
    m_settingsFromFile = false;
    switch (readFile(path, ReadLimits{}.settingsBytes, contents, fault)) {
    case Read::missing:
        return Settings{};
    case Read::notAFile:
        tell(QStringLiteral("%1 is %2, not a file; it stays as it is, and the settings start from their defaults and "
                            "are not saved while it is there.")
                 .arg(path, fault));
        return Settings{};
    case Read::ok:
        if (auto read = readSettings(contents); read.settings) {
            m_settingsFromFile = true;
            return *read.settings;
        }
        else fault = text(read.fault);
        break;
    case Read::unreadable:
        break;
    }
    m_settingsBlocked = !setAsideAndTell(path, QStringLiteral("could not be read"), fault, outcome);
    return Settings{};
}

WorkingHours Persistence::loadWorkingHours() {
    std::string contents;
    QString fault;
    const QString path = schedulePath();
    switch (readFile(path, scheduleBytesLimit, contents, fault)) {
    case Read::missing:
        return WorkingHours{};
    case Read::notAFile:
        tell(QStringLiteral("%1 is %2, not a file; it stays as it is, and the working hours are off and are not saved "
                            "while it is there.")
                 .arg(path, fault));
        return WorkingHours{};
    case Read::ok:
        if (auto read = readWorkingHours(contents); read.hours) return *read.hours;
        else fault = text(read.fault);
        break;
    case Read::unreadable:
        break;
    }
    m_scheduleBlocked = !setAsideAndTell(path, QStringLiteral("could not be read"), fault,
                                         QStringLiteral("the working hours are off"));
    return WorkingHours{};
}

std::optional<std::vector<BreakRecord>> Persistence::historyMissedAtLoad() {
    if (!m_historyMissed || !QFileInfo(m_folder).isDir()) return std::nullopt;
    return loadHistory();
}

std::vector<BreakRecord> Persistence::loadHistory() {
    std::string contents;
    QString fault;
    const QString path = historyPath();
    m_historyMissed = !QFileInfo(m_folder).isDir();
    switch (readFile(path, ReadLimits{}.historyBytes, contents, fault)) {
    case Read::missing:
        return {};
    case Read::notAFile:
        tell(QStringLiteral("%1 is %2, not a file; it stays as it is, and the history starts empty and is not saved "
                            "while it is there.")
                 .arg(path, fault));
        return {};
    case Read::ok: {
        HistoryRead read = readHistory(contents);
        std::string().swap(contents);
        if (read.complete()) return std::move(read.records);
        const bool some = !read.records.empty();
        m_historyBlocked = !setAsideAndTell(path, some ? QStringLiteral("could not be read in full") : QStringLiteral("could not be read"),
                                            text(read.fault),
                                            some ? recordsKept(read.records.size()) : QStringLiteral("the history starts empty"));
        return std::move(read.records);
    }
    case Read::unreadable:
        break;
    }
    m_historyBlocked = !setAsideAndTell(path, QStringLiteral("could not be read"), fault, QStringLiteral("the history starts empty"));
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

bool Persistence::saveWorkingHours(const WorkingHours& hours) {
    if (m_scheduleBlocked) return false;
    return write(schedulePath(), encode(workingHoursJson(hours)));
}

void Persistence::deleteAll() {
    QFile::remove(settingsPath());
    QFile::remove(historyPath());
    QFile::remove(schedulePath());
}

std::optional<QString> Persistence::exportTo(const Settings& settings, const std::vector<BreakRecord>& history,
                                             Instant now, const QString& destination) {
    nlohmann::json envelope{
        {"exportedAt", formatDate(now)},
        {"history", history},
        {"settings", settings},
    };
    // The schedule as the file holds it, without making the folder; nothing is set aside here, as
    // that is for loading to do.
    std::string contents;
    QString fault;
    if (readFile(m_folder + u'/' + scheduleName, scheduleBytesLimit, contents, fault) == Read::ok) {
        if (const auto read = readWorkingHours(contents); read.hours) envelope["schedule"] = workingHoursJson(*read.hours);
    }
    return writeExportFile(destination, encode(envelope));
}

}  // namespace tarnwick
