#include "core/settings/file_io.h"

#include <QSaveFile>

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
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (QString reason = writeWhole(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        file.commit();
        return reason;
    }
    return commitSaveFile(file);
}
