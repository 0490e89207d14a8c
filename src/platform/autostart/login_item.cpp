#include "platform/autostart/login_item.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tarnwick {

namespace {

constexpr std::string_view mainGroup = "Desktop Entry";

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

// Calls `entry(key, value)` for each assignment of the [Desktop Entry] group, in file order.
template <class Entry>
void forEachMainEntry(std::string_view contents, Entry entry) {
    bool inMainGroup = false;
    while (!contents.empty()) {
        auto newline = contents.find('\n');
        std::string_view line = trimmed(contents.substr(0, newline));
        contents = newline == std::string_view::npos ? std::string_view{} : contents.substr(newline + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inMainGroup = line.size() >= 2 && line.back() == ']' && line.substr(1, line.size() - 2) == mainGroup;
            continue;
        }
        auto equals = line.find('=');
        if (inMainGroup && equals != std::string_view::npos)
            entry(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
}

// Characters after which an Exec argument must be quoted.
bool isReserved(char c) {
    return std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
}

// One argument of an Exec= value: quoted and escaped when it holds a reserved character, '%' doubled,
// then escaped once more for the key file.
std::string execArgument(std::string_view text) {
    const bool quote = std::any_of(text.begin(), text.end(), isReserved);
    std::string argument;
    if (quote) argument += '"';
    for (char c : text) {
        // Inside quotes these four take a backslash; the key-file layer then escapes each backslash again.
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += "\\\\";
        switch (c) {
        case '\\': argument += "\\\\"; break;
        case '\n': argument += "\\n"; break;
        case '\t': argument += "\\t"; break;
        case '\r': argument += "\\r"; break;
        case '%': argument += "%%"; break;
        default: argument += c;
        }
    }
    if (quote) argument += '"';
    return argument;
}

// The script sh runs for a path env cannot take: it becomes the program, with no arguments.
constexpr std::string_view runsItsName = "exec \"$0\"";

// The arguments of an Exec= value whose key-file escapes are undone: quoted ones unescaped, "%%" one '%'.
std::optional<std::vector<std::string>> execArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        if (at == text.size()) return arguments;
        std::string argument;
        if (text[at] == '"') {
            bool closed = false;
            for (++at; at < text.size(); ++at) {
                if (text[at] == '"') {
                    closed = true;
                    ++at;
                    break;
                }
                if (text[at] == '\\' && at + 1 < text.size()) ++at;
                argument += text[at];
            }
            if (!closed) return std::nullopt;
        } else {
            while (at < text.size() && text[at] != ' ' && text[at] != '\t') argument += text[at++];
        }
        std::string unescaped;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            unescaped += argument[i];
            if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == '%') ++i;
        }
        arguments.push_back(std::move(unescaped));
    }
}

bool named(std::string_view argument, std::string_view program) {
    const auto slash = argument.rfind('/');
    return (slash == std::string_view::npos ? argument : argument.substr(slash + 1)) == program;
}

}  // namespace

LoginItemStatus autostartFileStatus(std::string_view contents) {
    bool switchedOff = false;
    forEachMainEntry(contents, [&](std::string_view key, std::string_view value) {
        // The last assignment of a key wins, as in the desktop's own key-file readers.
        if (key == "Hidden") {
            if (value == "true" || value == "1") switchedOff = true;
            else if (value == "false" || value == "0") switchedOff = false;
        } else if (key == "X-GNOME-Autostart-enabled") {
            if (value == "false" || value == "0") switchedOff = true;
            else if (value == "true" || value == "1") switchedOff = false;
        }
    });
    return switchedOff ? LoginItemStatus::requiresApproval : LoginItemStatus::enabled;
}

std::string desktopExecValue(std::string_view path) {
    // GLib looks for the first argument as it stands, before "%%" becomes '%', so it cannot find a
    // program whose path holds '%': such a path is handed to env, which it finds on PATH. env takes
    // an argument with '=' for a variable, so a path with both is run by sh as its "$0" instead; the
    // shell never reads the path as a command.
    if (path.find('%') == std::string_view::npos) return execArgument(path);
    if (path.find('=') == std::string_view::npos) return "env " + execArgument(path);
    return "sh -c " + execArgument(runsItsName) + " " + execArgument(path);
}

std::string desktopStringValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\t': value += "\\t"; break;
        case '\r': value += "\\r"; break;
        // A leading blank would be trimmed by the reader.
        case ' ': value += value.empty() ? "\\s" : " "; break;
        default: value += c;
        }
    }
    return value;
}

std::string autostartFileContents(std::string_view executablePath) {
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Tarnwick\n"
                       "Comment=Reminds you to rest your eyes\n"
                       "Exec=";
    text += desktopExecValue(executablePath);
    // Once the program is removed, the session skips the entry instead of failing to start it.
    text += "\nTryExec=";
    text += desktopStringValue(executablePath);
    text += "\n"
            "Icon=tarnwick\n"
            "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n";
    return text;
}

QString currentExecutablePath() {
    QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                : QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (path.isEmpty()) return {};
    return QFileInfo(path).absoluteFilePath();
}

std::optional<std::string> autostartProgram(std::string_view contents) {
    // The last Exec= of the [Desktop Entry] group, with the key-file escapes undone.
    std::optional<std::string> exec;
    forEachMainEntry(contents, [&](std::string_view key, std::string_view raw) {
        if (key != "Exec") return;
        std::string value;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\' || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            switch (raw[++i]) {
            case 's': value += ' '; break;
            case 'n': value += '\n'; break;
            case 't': value += '\t'; break;
            case 'r': value += '\r'; break;
            case '\\': value += '\\'; break;
            default: value += '\\'; value += raw[i];
            }
        }
        exec = std::move(value);
    });
    if (!exec) return std::nullopt;

    const auto arguments = execArguments(*exec);
    if (!arguments || arguments->empty()) return std::nullopt;
    const std::vector<std::string>& argv = *arguments;
    std::size_t program = 0;
    if (named(argv[0], "env")) {
        // env's variables come before the program; an option leaves the program unclear.
        for (program = 1; program < argv.size() && argv[program].find('=') != std::string::npos;) ++program;
        if (program < argv.size() && argv[program].starts_with('-')) return std::nullopt;
    } else if (named(argv[0], "sh") && argv.size() >= 4 && argv[1] == "-c" && argv[2] == runsItsName) {
        program = 3;
    }
    if (program >= argv.size() || argv[program].empty()) return std::nullopt;
    return argv[program];
}

bool XdgLoginItem::startsThisProgram() {
    if (m_executablePath.isEmpty()) return false;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray contents = file.readAll();
    const auto program = autostartProgram(std::string_view(contents.constData(), size_t(contents.size())));
    if (!program) return false;
    QString path = QString::fromStdString(*program);
    // A bare name is looked up on PATH, as the session starting the entry does.
    if (!path.contains(u'/')) path = QStandardPaths::findExecutable(path);
    if (path.isEmpty() || !QFileInfo(path).isAbsolute()) return false;
    const QFileInfo entry(path), self(m_executablePath);
    if (entry.absoluteFilePath() == self.absoluteFilePath()) return true;
    // The same file under another name (a link, or a link on the way to it).
    const QString canonical = entry.canonicalFilePath();
    return !canonical.isEmpty() && canonical == self.canonicalFilePath();
}

XdgLoginItem::XdgLoginItem(QString configRoot, QString executablePath)
    : m_configRoot(std::move(configRoot)), m_executablePath(std::move(executablePath)) {}

XdgLoginItem::XdgLoginItem()
    : XdgLoginItem(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), currentExecutablePath()) {}

QString XdgLoginItem::filePath() const { return m_configRoot + QStringLiteral("/autostart/tarnwick.desktop"); }

LoginItemStatus XdgLoginItem::status() {
    if (m_executablePath.isEmpty()) return LoginItemStatus::notFound;
    QFile file(filePath());
    if (!file.exists()) return LoginItemStatus::notRegistered;
    // An entry that cannot be read starts nothing at login; registering again rewrites it.
    if (!file.open(QIODevice::ReadOnly)) return LoginItemStatus::notRegistered;
    const QByteArray contents = file.readAll();
    return autostartFileStatus(std::string_view(contents.constData(), size_t(contents.size())));
}

bool XdgLoginItem::set(bool on) {
    const QString path = filePath();
    if (!on) {
        QFile file(path);
        if (!file.exists() && !QFileInfo(path).isSymLink()) return true;
        if (!file.remove()) return fail(file.errorString() + QStringLiteral(" (") + path + QStringLiteral(")"));
        return true;
    }
    if (m_executablePath.isEmpty()) return fail(QStringLiteral("the program's own path is unknown"));
    const QString folder = QFileInfo(path).absolutePath();
    std::error_code error;
    std::filesystem::create_directories(folder.toStdString(), error);
    if (error) return fail(QString::fromStdString(error.message()) + QStringLiteral(" (") + folder + QStringLiteral(")"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString() + QStringLiteral(" (") + path + QStringLiteral(")"));
    const std::string contents = autostartFileContents(QFileInfo(m_executablePath).absoluteFilePath().toStdString());
    file.write(contents.data(), qint64(contents.size()));
    if (!file.commit()) return fail(file.errorString() + QStringLiteral(" (") + path + QStringLiteral(")"));
    return true;
}

bool XdgLoginItem::fail(const QString& error) {
    // Exactly one console line, whatever the error text holds.
    QString line = QStringLiteral("Tarnwick: launch at login change failed: ") + error;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    return false;
}

}  // namespace tarnwick
