// A data folder on a small file system of its own that fills up or turns read-only under a running
// model. Mounting needs root (as in CI); elsewhere the test says so and is skipped.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

#include "model_rig.hpp"

using namespace tarnwick;
using namespace tarnwick::fakes;

namespace {

class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& where) : m_where(where) {
        QDir().mkpath(where);
        m_mounted = ::geteuid() == 0 &&
                    ::mount("tarnwick-test", where.toLocal8Bit().constData(), "tmpfs", 0, "size=256k,mode=0755") == 0;
    }
    ~SmallFileSystem() {
        if (m_mounted) ::umount2(m_where.toLocal8Bit().constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool setReadOnly(bool readOnly) {
        return ::mount("tarnwick-test", m_where.toLocal8Bit().constData(), "tmpfs",
                       MS_REMOUNT | (readOnly ? MS_RDONLY : 0), "size=256k,mode=0755") == 0;
    }
    // Fills every free byte with one file.
    void fill() {
        QFile filler(m_where + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void unfill() { QFile::remove(m_where + QStringLiteral("/filler")); }

private:
    QString m_where;
    bool m_mounted = false;
};

// Runs until `count` more records are in memory, taking a micro break each time one is due.
void recordBreaks(ModelRig& rig, std::size_t count) {
    const std::size_t target = rig.model->history().size() + count;
    while (rig.model->history().size() < target) {
        rig.clock.advance(1);
        rig.model->tick();
        rig.model->finishSaves();  // the second between two ticks
        if (rig.clock.epoch() > t0 + 30 * 86400) FAIL() << "no breaks came";
    }
}

}  // namespace

TEST(FullDataFolder, BreaksGoOnNothingInMemoryIsLostAndSavesResume) {
    QTemporaryDir temp;
    const QString mountPoint = temp.path() + QStringLiteral("/share");
    SmallFileSystem fs(mountPoint);
    if (!fs.mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root; run as root (as CI does) to test a full disk";

    struct Case { const char* name; bool readOnly; } cases[] = {{"full", false}, {"read-only", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModelRig rig;
        rig.folder = mountPoint + QStringLiteral("/Tarnwick-") + QString::fromLatin1(c.name);
        CountingPersistence persistence(rig.folder);
        rig.model = std::make_unique<AppModel>(Ports{rig.clock, rig.input, rig.probes, rig.sounds, rig.loginItem,
                                                     rig.screenLock, rig.sleepMonitor},
                                               persistence);
        rig.model->start();
        recordBreaks(rig, 2);
        rig.model->finishSaves();
        ASSERT_EQ(Persistence(rig.folder).loadHistory().size(), 2u) << "saved while there is room";

        if (c.readOnly) ASSERT_TRUE(fs.setReadOnly(true));
        else fs.fill();
        Settings changed = rig.model->settings();
        changed.microSeconds = 25;
        rig.model->setSettings(changed);
        recordBreaks(rig, 5);  // breaks go on
        EXPECT_EQ(rig.model->history().size(), 7u);
        EXPECT_EQ(rig.model->settings().microSeconds, 25);
        // What is on disk is the last good save, whole.
        rig.model->finishSaves();
        EXPECT_EQ(Persistence(rig.folder).loadHistory().size(), 2u);

        if (c.readOnly) ASSERT_TRUE(fs.setReadOnly(false));
        else fs.unfill();
        rig.tickUntil(rig.clock.epoch() + 10);
        rig.model->finishSaves();
        EXPECT_EQ(Persistence(rig.folder).loadHistory(), rig.model->history());
        EXPECT_EQ(Persistence(rig.folder).loadSettings(), rig.model->settings());
        EXPECT_TRUE(QDir(rig.folder).entryList({QStringLiteral("*.unreadable-*")}, QDir::Files).isEmpty());
        rig.model.reset();
    }
}
