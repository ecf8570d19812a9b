#include "tests/core/l10n/locale_tree.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace locale_tree {

QString testMo(const QString& name) {
    return QStringLiteral(QUORVANE_TEST_MO_DIR "/") + name;
}

void addCatalogue(const QString& root, const QString& dir, const QString& moName,
                  const QString& domain) {
    const QString target = root + QLatin1Char('/') + dir + QStringLiteral("/LC_MESSAGES");
    ASSERT_TRUE(QDir().mkpath(target));
    const QString file = target + QLatin1Char('/') + domain + QStringLiteral(".mo");
    QFile::remove(file);
    ASSERT_TRUE(QFile::copy(testMo(moName), file)) << qPrintable(testMo(moName));
}

} // namespace locale_tree
