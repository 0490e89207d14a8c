#include "app/export_file.hpp"

#include <cerrno>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

QString systemError(int error) { return qt_error_string(error); }

// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        reset();
        m_fd = std::exchange(other.m_fd, -1);
        return *this;
    }
    int get() const { return m_fd; }
    // Closes now; false when the close reports an error (a write that did not reach the disk).
    bool reset() {
        const int fd = std::exchange(m_fd, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& contents) {
    const char* data = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

}  // namespace

std::optional<QString> writeExportFile(const QString& destination, const QByteArray& contents) {
    const QFileInfo info(destination);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty()) return systemError(EISDIR);
    // Everything after this is relative to the folder as it was opened here.
    Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) return systemError(errno);

    const QString linkRefused = QStringLiteral("%1 is a symbolic link").arg(info.fileName());
    mode_t mode = 0600;
    struct stat existing {};
    if (::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(existing.st_mode)) return linkRefused;
        if (S_ISDIR(existing.st_mode)) return systemError(EISDIR);
        if (S_ISREG(existing.st_mode)) mode = existing.st_mode & 07777;
    } else if (errno != ENOENT) {
        return systemError(errno);
    }

    // O_EXCL with O_CREAT never follows a link: the temporary file is always a new file of ours.
    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.get() < 0; ++attempt) {
        temporary = '.' + name + ".tarnwick-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        file = Descriptor(::openat(folder.get(), temporary.constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file.get() < 0 && errno != EEXIST) return systemError(errno);
    }
    if (file.get() < 0) return systemError(EEXIST);

    auto fail = [&](int error) -> std::optional<QString> {
        file.reset();
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return systemError(error);
    };
    // fchmod, unlike the mode given to openat, does not pass through the umask.
    if (::fchmod(file.get(), mode) != 0) return fail(errno);
    errno = 0;
    if (!writeAll(file.get(), contents)) return fail(errno ? errno : EIO);
    if (::fsync(file.get()) != 0) return fail(errno);
    if (!file.reset()) return fail(errno);
    // A link put in its place since the first look is refused too, though the rename below would
    // only replace it.
    if (::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(existing.st_mode)) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return linkRefused;
    }
    if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) return fail(errno);
    return std::nullopt;
}

}  // namespace tarnwick
