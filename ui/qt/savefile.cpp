#include "savefile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif

using pirumo::SaveOutcome;

namespace {

// Closes on the way out; close() reports what the kernel says.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool close() { return ::close(std::exchange(fd, -1)) == 0; }
};

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

bool readAll(int fd, QByteArray &bytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(buffer, got);
    }
}

// Extended attributes that a new file would not carry: an access list, a
// user's own. The security label is left out: the folder gives the new file
// the same one.
bool hasOwnAttributes(const QByteArray &file)
{
#ifdef __linux__
    const ssize_t size = ::listxattr(file.constData(), nullptr, 0);
    if (size <= 0)
        return false;
    QByteArray names(size, '\0');
    const ssize_t got = ::listxattr(file.constData(), names.data(), static_cast<size_t>(size));
    if (got <= 0)
        return true;  // changed meanwhile: count it as there
    for (const QByteArray &name : names.left(got).split('\0'))
        if (!name.isEmpty() && name != "security.selinux")
            return true;
    return false;
#else
    Q_UNUSED(file);
    return false;
#endif
}

// A new file renamed over this one keeps what the user sees of it: its one
// name, owner, group and attributes.
bool swapKeepsIdentity(const QByteArray &file, const struct stat &info)
{
    if (info.st_nlink != 1 || info.st_uid != ::geteuid() || info.st_gid != ::getegid())
        return false;
    if (info.st_mode & (S_ISUID | S_ISGID | S_ISVTX))
        return false;
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
    return ::access(folder.constData(), W_OK) == 0 && !hasOwnAttributes(file);
}

SaveOutcome replaceWhole(const QString &path, const QByteArray &bytes, std::optional<mode_t> mode)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a full disk shows in write() itself rather than
    // being lost in a buffer flush that commit() does not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveOutcome::Failed;
    if ((mode && ::fchmod(file.handle(), *mode) != 0) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return SaveOutcome::Failed;
    }
    return file.commit() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome rewriteInPlace(const QByteArray &file, const QByteArray &bytes)
{
    Descriptor out{::open(file.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC)};
    QByteArray old;
    if (out.fd < 0 || !readAll(out.fd, old))
        return SaveOutcome::Failed;
    const auto put = [&out](const QByteArray &contents) {
        return ::ftruncate(out.fd, 0) == 0 && ::lseek(out.fd, 0, SEEK_SET) == 0
            && writeAll(out.fd, contents) && ::fsync(out.fd) == 0;
    };
    // Once the file was truncated, anything but its old contents back in
    // full, and closed cleanly, may have left it damaged.
    if (put(bytes))
        return out.close() ? SaveOutcome::Saved : SaveOutcome::Damaged;
    return put(old) && out.close() ? SaveOutcome::Failed : SaveOutcome::Damaged;
}

// As a shell's redirection does; opened without waiting, so that a pipe
// nobody reads is refused at once instead of hanging the window.
SaveOutcome writeInto(const QByteArray &file, const QByteArray &bytes, bool pipe)
{
    Descriptor out{::open(file.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)};
    if (out.fd < 0)
        return pipe && errno == ENXIO ? SaveOutcome::PipeWithoutReader : SaveOutcome::Failed;
    const int flags = ::fcntl(out.fd, F_GETFL);
    if (flags < 0 || ::fcntl(out.fd, F_SETFL, flags & ~O_NONBLOCK) != 0 || !writeAll(out.fd, bytes))
        return SaveOutcome::Failed;
    return out.close() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// Where a chain of links that leads nowhere yet ends: the file to make.
QString linkEnd(QString path)
{
    for (int hop = 0; hop < 40 && QFileInfo(path).isSymLink(); ++hop)
        path = QFileInfo(path).symLinkTarget();
    return path;
}

} // namespace

SaveOutcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return SaveOutcome::Failed;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ELOOP)
            return SaveOutcome::LinkLoop;
        return errno == ENOENT ? replaceWhole(linkEnd(path), bytes, std::nullopt) : SaveOutcome::Failed;
    }
    switch (info.st_mode & S_IFMT) {
    case S_IFREG:
        break;
    case S_IFIFO:
        return writeInto(name, bytes, true);
    case S_IFCHR:
        return writeInto(name, bytes, false);
    case S_IFDIR:
        return SaveOutcome::Folder;
    case S_IFBLK:
        return SaveOutcome::BlockDevice;
    case S_IFSOCK:
        return SaveOutcome::Socket;
    default:
        return SaveOutcome::Failed;
    }

    // The file itself, not a link to it, is what gets saved.
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty())
        return SaveOutcome::Failed;
    const QByteArray file = QFile::encodeName(real);
    if (swapKeepsIdentity(file, info))
        return replaceWhole(real, bytes, info.st_mode & 07777);
    return rewriteInPlace(file, bytes);
}
