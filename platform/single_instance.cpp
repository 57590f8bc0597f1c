#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace velmora::platform {

FileLockInstanceGuard::~FileLockInstanceGuard() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString FileLockInstanceGuard::lockPathFor(const std::filesystem::path& dataFolder) {
    std::error_code ec;
    auto canonical = std::filesystem::weakly_canonical(dataFolder, ec);
    if (ec)
        canonical = std::filesystem::absolute(dataFolder);
    const QByteArray key = QCryptographicHash::hash(QByteArray::fromStdString(canonical.string()),
                                                    QCryptographicHash::Sha256)
                               .toHex()
                               .left(32);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/velmora-") + QString::fromLatin1(key) + QStringLiteral(".lock");
}

bool FileLockInstanceGuard::acquire(const std::filesystem::path& dataFolder) {
    if (fd_ >= 0)
        return true;
    const QByteArray path = QFile::encodeName(lockPathFor(dataFolder));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no lock can be taken: do not keep the school from working
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace velmora::platform
