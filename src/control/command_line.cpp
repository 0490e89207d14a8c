#include "control/command_line.hpp"

#include <climits>
#include <csignal>
#include <cstdio>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QVariantMap>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "control/control_service.hpp"
#include "control/status_forms.hpp"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "dev"
#endif

namespace tarnwick::cli {

namespace {

UsageError usageError(const QString& problem) { return {problem}; }

Command parseStatus(const QStringList& options) {
    Status status;
    for (const QString& option : options) {
        if (option == QLatin1String("--json")) {
            status.json = true;
        } else if (option == QLatin1String("--follow")) {
            status.follow = true;
        } else {
            return usageError(QStringLiteral("status takes --json and --follow, not '%1'").arg(option));
        }
    }
    return status;
}

Command parseCommand(const QString& name, const QStringList& rest) {
    auto noArguments = [&](Command command) -> Command {
        if (!rest.isEmpty()) return usageError(QStringLiteral("%1 takes no argument, not '%2'").arg(name, rest.first()));
        return command;
    };
    if (name == QLatin1String("status")) return parseStatus(rest);
    if (name == QLatin1String("break")) {
        if (rest.isEmpty()) return Break{};
        if (rest.size() == 1) {
            if (const auto kind = fromRawValue<BreakKind>(rest.first().toStdString())) return Break{kind};
        }
        return usageError(QStringLiteral("break takes micro or long, not '%1'").arg(rest.join(u' ')));
    }
    if (name == QLatin1String("pause")) {
        if (rest.size() == 1 && rest.first() == QLatin1String("tomorrow")) return Pause{};
        if (rest.size() == 1) {
            if (const auto seconds = parseDuration(rest.first())) return Pause{seconds};
        }
        if (rest.isEmpty()) return usageError(QStringLiteral("pause needs a duration, such as 30m, 1h or 90s, or tomorrow"));
        return usageError(QStringLiteral("pause takes a duration, such as 30m, 1h or 90s, or tomorrow, not '%1'")
                              .arg(rest.join(u' ')));
    }
    if (name == QLatin1String("snooze")) {
        if (rest.isEmpty()) return Snooze{};
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
        if (rest.size() == 1 && digits.match(rest.first()).hasMatch()) {
            return Snooze{quint32(std::min<qint64>(rest.first().toLongLong(), UINT32_MAX))};
        }
        return usageError(QStringLiteral("snooze takes a number of minutes, not '%1'").arg(rest.join(u' ')));
    }
    if (name == QLatin1String("resume")) return noArguments(Resume{});
    if (name == QLatin1String("skip")) return noArguments(Skip{});
    if (name == QLatin1String("settings")) return noArguments(OpenSettings{});
    if (name == QLatin1String("stats")) return noArguments(OpenStats{});
    return usageError(QStringLiteral("there is no command '%1'").arg(name));
}

// The calls to the running instance.
class Client : public QObject {
    Q_OBJECT
public:
    Client() : m_bus(QDBusConnection::sessionBus()) {}

    int run(const Command& command);

private Q_SLOTS:
    void changed(const QDBusMessage&) { showLine(); }

private:
    struct Answer {
        int exit = done;
        QDBusMessage reply;
    };
    Answer call(const QString& interface, const QString& method, const QVariantList& arguments = {});
    Answer command(const QString& method, const QVariantList& arguments = {}) {
        return call(QString::fromLatin1(controlInterfaceName), method, arguments);
    }
    // All properties, or the exit code of the failure.
    std::variant<QVariantMap, int> properties();
    int status(const Status& options);
    int follow();
    void showLine();
    // False once standard output is gone.
    bool writeLine(const QByteArray& line);

    QDBusConnection m_bus;
    QByteArray m_lastLine;
};

void complain(const QString& sentence) {
    std::fprintf(stderr, "%s\n", sentence.toLocal8Bit().constData());
    std::fflush(stderr);
}

Client::Answer Client::call(const QString& interface, const QString& method, const QVariantList& arguments) {
    if (!m_bus.isConnected()) {
        complain(QStringLiteral("Tarnwick is not running."));
        return {notRunning, {}};
    }
    QDBusMessage message = QDBusMessage::createMethodCall(QString::fromLatin1(controlServiceName),
                                                          QString::fromLatin1(controlObjectPath), interface, method);
    message.setArguments(arguments);
    // A command reaches a running Tarnwick; it never has the bus start one.
    message.setAutoStartService(false);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, 10'000);
    if (reply.type() != QDBusMessage::ErrorMessage) return {done, reply};
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        complain(QStringLiteral("Tarnwick is not running."));
        return {notRunning, reply};
    }
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
        complain(QStringLiteral("Tarnwick did not answer."));
        return {refused, reply};
    }
    complain(reply.errorMessage());
    return {refused, reply};
}

std::variant<QVariantMap, int> Client::properties() {
    const Answer answer = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"),
                               {QString::fromLatin1(controlInterfaceName)});
    if (answer.exit != done) return answer.exit;
    const QVariantList arguments = answer.reply.arguments();
    if (arguments.isEmpty()) return QVariantMap();
    return qdbus_cast<QVariantMap>(arguments.first());
}

int Client::status(const Status& options) {
    if (options.follow) return follow();
    const auto answer = properties();
    if (const int* exit = std::get_if<int>(&answer)) return *exit;
    const QVariantMap& values = std::get<QVariantMap>(answer);
    const QByteArray out = options.json ? QJsonDocument(statusJson(values)).toJson(QJsonDocument::Indented)
                                        : values.value(QStringLiteral("Sentence")).toString().toLocal8Bit() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
    return done;
}

bool Client::writeLine(const QByteArray& line) {
    const QByteArray out = line + '\n';
    qsizetype written = 0;
    while (written < out.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, out.constData() + written, size_t(out.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += n;
    }
    return true;
}

void Client::showLine() {
    QByteArray line;
    if (!m_bus.isConnected()) {
        line = compactLine(stoppedLine());
    } else {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(controlServiceName), QString::fromLatin1(controlObjectPath),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
        message << QString::fromLatin1(controlInterfaceName);
        message.setAutoStartService(false);
        const QDBusMessage reply = m_bus.call(message, QDBus::Block, 10'000);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            line = compactLine(statusBarLine(qdbus_cast<QVariantMap>(reply.arguments().first())));
        } else {
            line = compactLine(stoppedLine());
        }
    }
    if (line == m_lastLine) return;
    m_lastLine = line;
    if (!writeLine(line)) QCoreApplication::quit();
}

int Client::follow() {
    // A closed pipe is noticed as a failed write, or at once where standard output is a pipe.
    std::signal(SIGPIPE, SIG_IGN);
    struct stat out {};
    if (::fstat(STDOUT_FILENO, &out) == 0 && S_ISFIFO(out.st_mode)) {
        auto* closed = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Read, this);
        connect(closed, &QSocketNotifier::activated, this, [closed] {
            pollfd check{STDOUT_FILENO, 0, 0};
            if (::poll(&check, 1, 0) > 0 && (check.revents & (POLLERR | POLLHUP))) {
                closed->setEnabled(false);
                QCoreApplication::quit();
            }
        });
    }
    if (m_bus.isConnected()) {
        const QString service = QString::fromLatin1(controlServiceName);
        m_bus.connect(service, QString::fromLatin1(controlObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                      QStringLiteral("PropertiesChanged"), this, SLOT(changed(QDBusMessage)));
        // Tarnwick quitting or starting again shows too.
        auto* watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] { showLine(); });
    }
    showLine();
    if (m_lastLine.isEmpty()) return done;  // the output was gone before the first line
    QCoreApplication::exec();
    return done;
}

int Client::run(const Command& command) {
    if (auto* status = std::get_if<Status>(&command)) return this->status(*status);
    if (auto* breakNow = std::get_if<Break>(&command)) {
        if (breakNow->kind) return this->command(QStringLiteral("TakeBreak"), {QString::fromUtf8(rawValue(*breakNow->kind).data())}).exit;
        // As the tray's first button: the announced or held break at once, else an eye break.
        const Answer phase = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                  {QString::fromLatin1(controlInterfaceName), QStringLiteral("Phase")});
        if (phase.exit != done) return phase.exit;
        const QString name = phase.reply.arguments().value(0).value<QDBusVariant>().variant().toString();
        if (name == QLatin1String("headsUp") || name == QLatin1String("held")) return this->command(QStringLiteral("StartNow")).exit;
        return this->command(QStringLiteral("TakeBreak"), {QStringLiteral("micro")}).exit;
    }
    if (auto* pause = std::get_if<Pause>(&command)) {
        if (!pause->seconds) return this->command(QStringLiteral("PauseUntilTomorrow")).exit;
        return this->command(QStringLiteral("PauseFor"), {QVariant::fromValue(uint(*pause->seconds))}).exit;
    }
    if (auto* snooze = std::get_if<Snooze>(&command)) {
        return this->command(QStringLiteral("Snooze"), {QVariant::fromValue(uint(snooze->minutes))}).exit;
    }
    if (std::holds_alternative<Resume>(command)) return this->command(QStringLiteral("Resume")).exit;
    if (std::holds_alternative<Skip>(command)) return this->command(QStringLiteral("Skip")).exit;
    if (std::holds_alternative<OpenSettings>(command)) return this->command(QStringLiteral("OpenSettings")).exit;
    if (std::holds_alternative<OpenStats>(command)) return this->command(QStringLiteral("OpenStats")).exit;
    return usage;
}

}  // namespace

std::optional<quint32> parseDuration(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:([0-9]{1,10})h)?(?:([0-9]{1,10})m)?(?:([0-9]{1,10})s)?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (text.isEmpty() || !match.hasMatch()) return std::nullopt;
    qint64 seconds = match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60 +
                     match.captured(3).toLongLong();
    return quint32(std::min<qint64>(seconds, UINT32_MAX));
}

Command parse(const QStringList& arguments) {
    if (arguments.isEmpty()) return Launch{};
    const QString& first = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) return Help{};
    if (first == QLatin1String("--version")) return Version{};
    // Qt's own options (-platform, -display) and anything else with a dash start the program.
    if (first.startsWith(u'-')) return Launch{};
    return parseCommand(first, rest);
}

QString usageText() {
    return QStringLiteral(
        "Usage: tarnwick [COMMAND]\n"
        "Without a command, starts Tarnwick, or opens the running one's panel.\n"
        "Commands, sent to the running Tarnwick:\n"
        "  status [--json] [--follow]  where the schedule stands; --json: all values as one JSON object;\n"
        "                              --follow: a JSON line for a status bar now and at each change\n"
        "  break [micro|long]          a break now (without a kind: the announced one, else an eye break)\n"
        "  pause 30m|1h|90s|tomorrow   pause reminders for up to 24 hours, or until 06:00 tomorrow\n"
        "  resume                      end a pause\n"
        "  skip                        skip the announced, held or running break, where allowed\n"
        "  snooze [N]                  put off the announced, held or running break by N minutes (5)\n"
        "  settings, stats             open the settings or the stats window\n"
        "  --help, --version\n"
        "Exit status: 0 done, 1 refused by Tarnwick, 2 usage error, 3 Tarnwick is not running.\n");
}

std::optional<int> runCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const Command command = parse(arguments);
    if (std::holds_alternative<Launch>(command)) return std::nullopt;
    if (std::holds_alternative<Help>(command)) {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return done;
    }
    if (std::holds_alternative<Version>(command)) {
        std::printf("tarnwick %s\n", TARNWICK_VERSION);
        return done;
    }
    if (auto* error = std::get_if<UsageError>(&command)) {
        std::fprintf(stderr, "tarnwick: %s\n%s", error->problem.toLocal8Bit().constData(),
                     usageText().toLocal8Bit().constData());
        return usage;
    }
    QCoreApplication app(argc, argv);
    Client client;
    return client.run(command);
}

}  // namespace tarnwick::cli

#include "command_line.moc"
