#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

using pirumo::SaveOutcome;

namespace {

constexpr uid_t kOtherUser = 4321;
const QByteArray kLog = "1236\r\n6X\r\n";
const QByteArray kOld = "old contents\r\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes, mode_t mode = 0644)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// An access list granting another user read: user::rw-, user:4321:r--,
// group::r--, mask::r--, other::r--.
bool giveAcl(const QByteArray &file)
{
    struct Entry { quint16 tag, perm; quint32 id; };
    struct { quint32 version; Entry entries[5]; } acl = {
        2, {{0x01, 6, ~0u}, {0x02, 4, kOtherUser}, {0x04, 4, ~0u}, {0x10, 4, ~0u}, {0x20, 4, ~0u}}};
    return ::setxattr(file.constData(), "system.posix_acl_access", &acl, sizeof acl, 0) == 0;
}

bool hasAcl(const QByteArray &file)
{
    return ::getxattr(file.constData(), "system.posix_acl_access", nullptr, 0) > 0;
}

enum Target {
    NewFile, OwnFile, ReadOnlyFile, SetgidFile, LinkIntoAnotherFolder, HardLinkPair,
    OtherOwnersFileWithAcl, FifoWithReader, FifoWithoutReader, NullDevice, BlockDevice, Socket,
    Folder, DanglingLink, LoopingLink, MissingFolder, EmptyName
};

struct Expected
{
    SaveOutcome outcome;
    mode_t kindAndMode;  // of the file looked at afterwards; 0: no file there
    uid_t owner;
    nlink_t links;
    QByteArray contents;  // the file's, or what a pipe's reader received
};

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Expected)

class SaveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A shell's limit on file size must end a write, not the program.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    void savesEachKindOfTargetAsAUserExpects_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<Expected>("expected");
        const auto row = [](const char *name, Target target, Expected expected) {
            QTest::newRow(name) << target << expected;
        };
        row("new file", NewFile, {SaveOutcome::Saved, S_IFREG | 0644, 0, 1, kLog});
        row("own 0640 file", OwnFile, {SaveOutcome::Saved, S_IFREG | 0640, 0, 1, kLog});
        row("0444 file saved by root", ReadOnlyFile, {SaveOutcome::Saved, S_IFREG | 0444, 0, 1, kLog});
        row("setgid file", SetgidFile, {SaveOutcome::Saved, S_IFREG | 02750, 0, 1, kLog});
        row("link into another folder", LinkIntoAnotherFolder, {SaveOutcome::Saved, S_IFREG | 0600, 0, 1, kLog});
        row("hard-link pair", HardLinkPair, {SaveOutcome::Saved, S_IFREG | 0644, 0, 2, kLog});
        row("another owner's file with an ACL", OtherOwnersFileWithAcl,
            {SaveOutcome::Saved, S_IFREG | 0644, kOtherUser, 1, kLog});
        row("pipe with a reader", FifoWithReader, {SaveOutcome::Saved, S_IFIFO | 0644, 0, 1, kLog});
        row("pipe nobody reads", FifoWithoutReader, {SaveOutcome::PipeWithoutReader, S_IFIFO | 0644, 0, 1, ""});
        row("character device", NullDevice, {SaveOutcome::Saved, S_IFCHR | 0644, 0, 1, ""});
        row("block device", BlockDevice, {SaveOutcome::BlockDevice, S_IFBLK | 0600, 0, 1, ""});
        row("socket", Socket, {SaveOutcome::Socket, S_IFSOCK | 0755, 0, 1, ""});
        row("folder", Folder, {SaveOutcome::Folder, S_IFDIR | 0755, 0, 2, ""});
        row("link that leads nowhere yet", DanglingLink, {SaveOutcome::Saved, S_IFREG | 0644, 0, 1, kLog});
        row("link that loops", LoopingLink, {SaveOutcome::LinkLoop, S_IFLNK | 0777, 0, 1, ""});
        row("folder that does not exist", MissingFolder, {SaveOutcome::Failed, 0, 0, 0, ""});
        row("empty name", EmptyName, {SaveOutcome::Failed, 0, 0, 0, ""});
    }
    void savesEachKindOfTargetAsAUserExpects()
    {
        QFETCH(Target, target);
        QFETCH(Expected, expected);
        if (::geteuid() != 0 && target == OtherOwnersFileWithAcl)
            QSKIP("needs root: only root gives a file another owner");
        if (::geteuid() != 0 && (target == NullDevice || target == BlockDevice))
            QSKIP("needs root: only root makes device nodes");
        if (::geteuid() != 0 && (target == ReadOnlyFile || target == SetgidFile))
            QSKIP("needs root: for anyone else the kernel refuses the write or clears the setgid bit");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("other")));
        const QString path = dir.filePath(QStringLiteral("記録.txt"));
        const QByteArray name = QFile::encodeName(path);
        QString looked = path;  // the file whose state is checked afterwards
        int reader = -1;
        ::umask(022);

        switch (target) {
        case NewFile:
        case MissingFolder:
        case EmptyName:
            break;
        case OwnFile:
            put(path, kOld, 0640);
            break;
        case ReadOnlyFile:
            put(path, kOld, 0444);
            break;
        case SetgidFile:
            put(path, kOld, 02750);
            break;
        case LinkIntoAnotherFolder:
            looked = dir.filePath(QStringLiteral("other/本体.txt"));
            put(looked, kOld, 0600);
            QVERIFY(QFile::link(looked, path));
            break;
        case HardLinkPair:
            put(path, kOld);
            looked = dir.filePath(QStringLiteral("other/second name.txt"));
            QCOMPARE(::link(name.constData(), QFile::encodeName(looked).constData()), 0);
            break;
        case OtherOwnersFileWithAcl:
            put(path, kOld);
            QCOMPARE(::chown(name.constData(), kOtherUser, kOtherUser), 0);
            QVERIFY(giveAcl(name));
            break;
        case FifoWithReader:
        case FifoWithoutReader:
            QCOMPARE(::mkfifo(name.constData(), 0644), 0);
            if (target == FifoWithReader)
                reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
            break;
        case NullDevice:  // what /dev/null is: major 1, minor 3
            QCOMPARE(::mknod(name.constData(), S_IFCHR | 0644, makedev(1, 3)), 0);
            break;
        case BlockDevice:  // never opened: it is refused from its kind alone
            QCOMPARE(::mknod(name.constData(), S_IFBLK | 0600, makedev(7, 0)), 0);
            break;
        case Socket: {
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            const QByteArray shortName = QFile::encodeName(QDir::current().relativeFilePath(path));
            QVERIFY(shortName.size() < int(sizeof address.sun_path));
            std::memcpy(address.sun_path, shortName.constData(), shortName.size());
            QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
            ::close(listener);
            QCOMPARE(::chmod(name.constData(), 0755), 0);
            break;
        }
        case Folder:
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("記録.txt")));
            break;
        case DanglingLink:
            looked = dir.filePath(QStringLiteral("other/まだない.txt"));
            QVERIFY(QFile::link(looked, path));
            break;
        case LoopingLink:
            QVERIFY(QFile::link(path, path));
            break;
        }
        const QString saved = target == MissingFolder ? dir.filePath(QStringLiteral("missing/a.txt"))
                            : target == EmptyName     ? QString()
                                                      : path;

        QCOMPARE(writeWholeFile(saved, kLog), expected.outcome);

        struct stat after = {};
        const QByteArray lookedName = QFile::encodeName(looked);
        const bool there = ::lstat(lookedName.constData(), &after) == 0;
        QCOMPARE(there ? after.st_mode : mode_t(0), expected.kindAndMode);
        if (!there)
            return;
        QCOMPARE(after.st_uid, expected.owner ? expected.owner : ::geteuid());  // 0: the tester's own
        QCOMPARE(after.st_nlink, expected.links);
        if (target == OtherOwnersFileWithAcl)
            QVERIFY(hasAcl(lookedName));
        if (reader >= 0) {
            char received[64] = {};
            const ssize_t got = ::read(reader, received, sizeof received);
            ::close(reader);
            QCOMPARE(QByteArray(received, int(std::max<ssize_t>(got, 0))), expected.contents);
        } else if (S_ISREG(after.st_mode)) {
            QCOMPARE(contents(looked), expected.outcome == SaveOutcome::Saved ? expected.contents : kOld);
        }
        // Nothing is left behind: no temporary file, no backup.
        const QStringList known = {QStringLiteral("other"), QStringLiteral("記録.txt"),
                                   QStringLiteral("本体.txt"), QStringLiteral("second name.txt"),
                                   QStringLiteral("まだない.txt")};
        for (const QString &folder : {dir.path(), dir.filePath(QStringLiteral("other"))})
            for (const QString &entry : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                               | QDir::Hidden | QDir::System))
                QVERIFY2(known.contains(entry), qPrintable(entry));
    }

    void putsTheOldContentsBackWhenAnInPlaceWriteFails_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<int>("limit");  // bytes a file may grow to
        QTest::addColumn<int>("newSize");
        QTest::addColumn<SaveOutcome>("outcome");
        QTest::newRow("limit halfway through the new log") << kOld << 64 << 200 << SaveOutcome::Failed;
        QTest::newRow("limit right at the old size") << kOld << int(kOld.size()) << 15 << SaveOutcome::Failed;
        QTest::newRow("empty file, one byte allowed") << QByteArray() << 1 << 40 << SaveOutcome::Failed;
        // The old contents cannot go back either: the user must hear of it.
        QTest::newRow("limit below the old size") << kOld << 4 << 200 << SaveOutcome::Damaged;
    }
    void putsTheOldContentsBackWhenAnInPlaceWriteFails()
    {
        QFETCH(QByteArray, old);
        QFETCH(int, limit);
        QFETCH(int, newSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        put(path, old);
        // A second name makes the writer rewrite the file in place.
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(dir.filePath(QStringLiteral("second.txt"))).constData()), 0);

        rlimit saved = {};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = rlim_t(limit);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const SaveOutcome written = writeWholeFile(path, QByteArray(newSize, '7'));
        ::setrlimit(RLIMIT_FSIZE, &saved);

        QFETCH(SaveOutcome, outcome);
        QCOMPARE(written, outcome);
        if (outcome == SaveOutcome::Failed)
            QCOMPARE(contents(path), old);
    }
};

QTEST_GUILESS_MAIN(SaveFileTest)
#include "savefile_test.moc"
