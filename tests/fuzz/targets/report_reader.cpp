// A report file opened for preview: any XML a user (or anyone) put where a report should be,
// formatted by our own stylesheet.

#include "core/report/report_transform.h"
#include "tests/fuzz/fuzz_target.h"

#include <QFile>

QUORVANE_FUZZ_TARGET(report_reader) {
    static const QByteArray stylesheet = [] {
        QFile file(QStringLiteral(QUORVANE_REPORT_STYLESHEET));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    fuzzRequire(!stylesheet.isEmpty(), "the stylesheet is there");
    const ReportHtml result = transformReport(input.toByteArray(), stylesheet);
    fuzzRequire(result.ok || !result.error.isEmpty(),
                "a document that cannot be formatted says why");
}
