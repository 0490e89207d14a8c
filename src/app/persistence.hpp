#pragma once

// The settings, the working hours and the break history on disk, and the user's export.

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "app/history_retention.hpp"
#include "core/settings.hpp"
#include "core/stats.hpp"
#include "core/working_hours/working_hours.hpp"

namespace tarnwick {

// The history may be saved from a thread of its own (HistorySaver) while the rest runs on the main
// thread: the two files are written apart, and what both sides read is atomic.
class Persistence {
public:
    // Records older than this many seconds are left out of the history file.
    static constexpr double retentionSeconds = HistoryRetention::keepSeconds;

    // `folder` is the data folder; it is created, with its parents, for the user alone (0700) when
    // first used. Files it creates are the user's alone too (0600); existing ones keep their modes.
    explicit Persistence(QString folder);
    virtual ~Persistence() = default;

    // $XDG_DATA_HOME/Tarnwick, by default ~/.local/share/Tarnwick.
    static QString defaultFolder();

    // Creates the folder when it does not exist yet.
    QString folder() const;
    // The data folder, without creating it.
    const QString& folderPath() const { return m_folder; }
    QString settingsPath() const;
    QString historyPath() const;
    QString schedulePath() const;

    // Defaults when the file is missing or unreadable. A file that exists but cannot be read or
    // decoded (too large or too deeply nested included) is first renamed to
    // "<name>.unreadable-<UTC time>" so that nothing is overwritten, and one console line names it.
    // Only regular files are read, without ever waiting: anything else in a file's place (a named
    // pipe, a folder) is not data to set aside; it stays as it is, and is not replaced by a save
    // while it is there.
    Settings loadSettings();
    // Whether the last loadSettings read the user's file, rather than falling back to defaults
    // because the file was missing or set aside.
    bool settingsFromFile() const { return m_settingsFromFile; }
    // The records of the history file. A list with elements that are not records keeps the others,
    // and the file is set aside as above; so is one that cannot be read at all, which loads empty.
    std::vector<BreakRecord> loadHistory();
    // The working hours of schedule.json (working_hours_file.hpp), read as the settings are: off when
    // the file is missing; a file that cannot be read or breaks a rule of the reader is set aside.
    WorkingHours loadWorkingHours();
    // When the data folder could not be made at the last load and exists now: the history it holds
    // (someone else may have put it there), read once, so that the first save adds to it instead of
    // replacing it. Empty otherwise.
    std::optional<std::vector<BreakRecord>> historyMissedAtLoad();

    // Atomic writes; failures are silent and answer false.
    virtual bool save(const Settings& settings);
    // Writes the records of the last 400 days (HistoryRetention: a wrong clock costs none); a record
    // exactly at the limit stays. Safe to call from another thread than the rest.
    virtual bool save(const std::vector<BreakRecord>& history, Instant now);
    virtual bool saveWorkingHours(const WorkingHours& hours);
    // Removes the settings, the history and the working hours; the folder stays. Failures are silent.
    void deleteAll();

    // Writes {exportedAt, history, settings} to `destination`, and the working hours of schedule.json
    // as "schedule" when that file is there and readable, never through a symbolic link, as a file
    // for the user alone when it is new. On failure, answers the system's own description of it
    // ("No such file or directory") or "<name> is a symbolic link", for the caller to put in its own
    // sentence.
    std::optional<QString> exportTo(const Settings& settings, const std::vector<BreakRecord>& history, Instant now,
                                    const QString& destination);

    // Pretty-printed JSON with sorted keys, as all four files are written.
    static QByteArray encode(const nlohmann::json& json);

private:
    enum class Read { missing, notAFile, unreadable, ok };
    // Reads at most `limitBytes`; `fault` says why not, or what is there instead of a file.
    Read readFile(const QString& path, std::size_t limitBytes, std::string& contents, QString& fault) const;
    // The new name, or empty with `error` set.
    QString setAside(const QString& path, QString& error);
    // Sets the file aside and says so on one console line: "<path> <problem> (<fault>); it was
    // renamed to <new path>, and <outcome>." False when it could not be renamed.
    bool setAsideAndTell(const QString& path, const QString& problem, const QString& fault, const QString& outcome);
    bool write(const QString& path, const QByteArray& contents) const;

    QString m_folder;
    // A file that could not be set aside is never overwritten in this run.
    std::atomic<bool> m_settingsBlocked = false;
    std::atomic<bool> m_historyBlocked = false;
    std::atomic<bool> m_scheduleBlocked = false;
    bool m_settingsFromFile = false;
    bool m_historyMissed = false;  // the folder was not there when the history was loaded
};

}  // namespace tarnwick
