#include "platform/dbus/kwin_fullscreen.hpp"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVirtualObject>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

#include <unistd.h>

namespace tarnwick {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
const QString reportInterface = QStringLiteral("org.tarnwick.FullScreenReport");

// A JavaScript string literal of `text` (JSON's quoting is JavaScript's).
QString jsString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QDBusMessage scriptingCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingInterface, method);
    call.setArguments(arguments);
    return call;
}

}  // namespace

std::optional<KWinWindowReport> parseKWinReport(const QString& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue question = object.value(QLatin1String("question"));
    const QJsonValue found = object.value(QLatin1String("found"));
    if (!question.isDouble() || !found.isBool()) return std::nullopt;
    KWinWindowReport report;
    report.question = question.toInt();
    report.found = found.toBool();
    report.fullScreen = object.value(QLatin1String("fullScreen")).toBool();
    report.normal = object.value(QLatin1String("normal")).toBool();
    report.desktop = object.value(QLatin1String("desktop")).toBool();
    report.lockScreen = object.value(QLatin1String("lockScreen")).toBool();
    report.pid = qint64(object.value(QLatin1String("pid")).toDouble());
    report.width = object.value(QLatin1String("width")).toDouble();
    report.height = object.value(QLatin1String("height")).toDouble();
    for (const QJsonValue& screen : object.value(QLatin1String("screens")).toArray()) {
        const QJsonArray size = screen.toArray();
        if (size.size() == 2 && size[0].isDouble() && size[1].isDouble())
            report.screens.push_back({size[0].toDouble(), size[1].toDouble()});
    }
    return report;
}

bool kwinWindowIsFullscreen(const KWinWindowReport& report, qint64 ownPid) {
    if (!report.found || report.desktop || report.lockScreen || !report.normal) return false;
    if (report.pid != 0 && report.pid == ownPid) return false;
    return report.fullScreen || matchesScreenSize({0, 0, report.width, report.height}, report.screens);
}

QString kwinReportScript(const QString& service, const QString& path, const QString& interface, int question) {
    // Plasma 6 names the active window activeWindow and lists the outputs in workspace.screens;
    // Plasma 5 names it activeClient and has only the client area of the window's screen.
    return QStringLiteral(R"js(// Reports KWin's active window to Tarnwick, once.
(function () {
    var question = %4;
    var report = { question: question, found: false };
    try {
        var w = workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient;
        if (w) {
            var frame = w.frameGeometry || w.geometry;
            report = {
                question: question,
                found: true,
                fullScreen: !!w.fullScreen,
                normal: !!w.normalWindow,
                desktop: !!w.desktopWindow,
                lockScreen: !!w.lockScreen || w.resourceClass == "kscreenlocker_greet",
                pid: w.pid || 0,
                width: frame ? frame.width : 0,
                height: frame ? frame.height : 0,
                screens: []
            };
            var outputs = workspace.screens;
            if (outputs && outputs.length !== undefined) {
                for (var i = 0; i < outputs.length; ++i) {
                    var g = outputs[i] && outputs[i].geometry;
                    if (g) report.screens.push([g.width, g.height]);
                }
            }
            if (report.screens.length === 0 && typeof workspace.clientArea === "function") {
                var area = workspace.clientArea(KWin.FullScreenArea, w);
                if (area) report.screens.push([area.width, area.height]);
            }
        }
    } catch (e) {
        report = { question: question, found: false };
    }
    callDBus(%1, %2, %3, "Report", JSON.stringify(report));
})();
)js")
        .arg(jsString(service), jsString(path), jsString(interface), QString::number(question));
}

// The object the script calls: it hands each Report on, with its sender, and answers at once.
class KWinFullscreen::Receiver final : public QDBusVirtualObject {
public:
    explicit Receiver(KWinFullscreen& owner) : m_owner(owner) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != reportInterface || message.member() != QLatin1String("Report")) return false;
        if (message.isReplyRequired()) (void)connection.send(message.createReply());
        m_owner.receive(message.service(), message.arguments().value(0).toString());
        return true;
    }

private:
    KWinFullscreen& m_owner;
};

KWinFullscreen::KWinFullscreen(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_receiver(std::make_unique<Receiver>(*this)), m_ownPid(::getpid()) {
    static int instances = 0;
    const int instance = ++instances;
    m_path = QStringLiteral("/org/tarnwick/FullScreenReport/%1").arg(instance);
    m_pluginName = QStringLiteral("tarnwick-fullscreen-%1-%2").arg(::getpid()).arg(instance);
}

KWinFullscreen::~KWinFullscreen() {
    if (m_script) {
        // A script left loaded would run again on KWin's next start of all scripts.
        if (m_bus.isConnected()) m_bus.send(scriptingCall(QStringLiteral("unloadScript"), {m_pluginName}));
        m_bus.unregisterObject(m_path);
    }
}

bool KWinFullscreen::available() {
    if (!m_available) {
        bool owned = false;
        if (m_bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
            call << kwinService;
            const QDBusMessage reply = m_bus.call(call, QDBus::Block, answerBudgetMs);
            owned = reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        }
        m_available = owned;
    }
    return *m_available;
}

bool KWinFullscreen::frontWindowIsFullscreen() {
    const bool fresh = m_answer && m_answeredAt.isValid() && m_answeredAt.elapsed() <= answerLifetimeMs;
    const bool answer = fresh && *m_answer;
    if (!m_asking) ask();
    return answer;
}

void KWinFullscreen::ask() {
    if (!m_bus.isConnected()) return;
    if (!m_script) {
        // Where only this user can read it: the script names this program's bus connection.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty()) folder = QDir::tempPath();
        auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/tarnwick-kwin-XXXXXX.js"));
        if (!file->open() || !m_bus.registerVirtualObject(m_path, m_receiver.get())) return;
        m_script = std::move(file);
    }
    // Each question has its own serial in the script, so a late answer to an earlier one is known.
    const int question = m_question + 1;
    const QByteArray text = kwinReportScript(m_bus.baseService(), m_path, reportInterface, question).toUtf8();
    if (!m_script->seek(0) || !m_script->resize(0) || m_script->write(text) != text.size() || !m_script->flush()) return;
    m_question = question;
    m_asking = true;
    QTimer::singleShot(answerBudgetMs, this, [this, question] {
        if (!m_asking || question != m_question) return;
        m_answer.reset();  // no answer in time: not full screen
        finishQuestion();
    });
    auto* load = new QDBusPendingCallWatcher(
        m_bus.asyncCall(scriptingCall(QStringLiteral("loadScript"), {m_script->fileName(), m_pluginName}),
                        answerBudgetMs),
        this);
    connect(load, &QDBusPendingCallWatcher::finished, this, [this, load, question] {
        load->deleteLater();
        const QDBusMessage reply = load->reply();
        if (reply.type() != QDBusMessage::ReplyMessage) return;  // the budget decides
        m_kwinOwner = reply.service();
        if (reply.arguments().value(0).toInt() < 0) {
            // A script of this name is still loaded (a question that ran out of time): unload it,
            // so the next question can load it again.
            m_bus.send(scriptingCall(QStringLiteral("unloadScript"), {m_pluginName}));
            return;
        }
        if (question == m_question && m_asking)
            run(reply.arguments().value(0).toInt(), m_runPaths, true);
        else
            m_bus.send(scriptingCall(QStringLiteral("unloadScript"), {m_pluginName}));
    });
}

void KWinFullscreen::run(int id, int pathStyle, bool orTheOther) {
    // Plasma 6 exports a loaded script as /Scripting/Script<id>, Plasma 5 as /<id>.
    const QString path = pathStyle == 0 ? QStringLiteral("/Scripting/Script%1").arg(id) : QStringLiteral("/%1").arg(id);
    auto* run = new QDBusPendingCallWatcher(
        m_bus.asyncCall(QDBusMessage::createMethodCall(kwinService, path, QStringLiteral("org.kde.kwin.Script"),
                                                       QStringLiteral("run")),
                        answerBudgetMs),
        this);
    connect(run, &QDBusPendingCallWatcher::finished, this, [this, run, id, pathStyle, orTheOther] {
        run->deleteLater();
        if (!run->isError()) {
            m_runPaths = pathStyle;
        } else if (orTheOther && m_asking && run->error().type() != QDBusError::NoReply) {
            this->run(id, 1 - pathStyle, false);
        }
    });
}

void KWinFullscreen::receive(const QString& sender, const QString& json) {
    // Only KWin itself answers, and only the question asked now.
    if (!m_asking || m_kwinOwner.isEmpty() || sender != m_kwinOwner) return;
    const std::optional<KWinWindowReport> report = parseKWinReport(json);
    if (!report || report->question != m_question) return;
    m_answer = kwinWindowIsFullscreen(*report, m_ownPid);
    m_answeredAt.start();
    finishQuestion();
}

void KWinFullscreen::finishQuestion() {
    m_asking = false;
    m_bus.send(scriptingCall(QStringLiteral("unloadScript"), {m_pluginName}));
}

}  // namespace tarnwick
