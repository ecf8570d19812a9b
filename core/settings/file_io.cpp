#include "core/settings/file_io.h"

#include "core/l10n/const_str.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString writeWhole(QFileDevice& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return file.errorString();
        done += written;
    }
    return {};
}

QString openForSaving(QSaveFile& file) {
    // QFileInfo follows a link, as QSaveFile does when it writes.
    const QFileInfo target(file.fileName());
    if (target.exists() && !target.isFile())
        return const_str::NotARegularFile;
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    return {};
}

QString commitSaveFile(QSaveFile& file) {
    QString reason;
    if (!file.flush()) {
        // The first failure may be a short write without a reason; the second names it.
        file.flush();
        reason = file.errorString();
    } else if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        file.cancelWriting();
        file.commit(); // drops the temporary file
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (QString reason = openForSaving(file); !reason.isEmpty())
        return reason;
    if (QString reason = writeWhole(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        file.commit();
        return reason;
    }
    return commitSaveFile(file);
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes)
        return std::nullopt;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since the check.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

bool isOtherThanRegularFile(const QString& path) {
    const QFileInfo info(path);
    return (info.exists() || info.isSymLink()) && !info.isFile();
}
