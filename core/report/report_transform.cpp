#include "core/report/report_transform.h"

#include "core/l10n/const_str.h"
#include "core/report/report_files.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>

namespace {

// A report and its stylesheet are a few kilobytes; anything far beyond is not one.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOCDATA;

#if LIBXML_VERSION >= 21200
using XmlErrorArg = const xmlError*;
#else
using XmlErrorArg = xmlError*;
#endif

// The messages libxml2 and libxslt report during one transformation; the first says most.
struct ErrorSink {
    QStringList messages;
    void add(const QString& text) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty() && messages.size() < 20)
            messages << trimmed;
    }
};

extern "C" void onXmlError(void* context, XmlErrorArg error) {
    if (context == nullptr || error == nullptr || error->message == nullptr)
        return;
    QString text = QString::fromUtf8(error->message);
    if (error->line > 0)
        text = QStringLiteral("line %1: %2").arg(error->line).arg(text);
    static_cast<ErrorSink*>(context)->add(text);
}

extern "C" void onXsltError(void* context, const char* format, ...) {
    if (context == nullptr || format == nullptr)
        return;
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    static_cast<ErrorSink*>(context)->add(QString::fromUtf8(buffer));
}

// libxslt's error hook is one for the process, so transformations take turns.
std::mutex& transformMutex() {
    static std::mutex mutex;
    return mutex;
}

// Routes both libraries' messages into the sink while it lives, and back to the default after.
class ErrorRouting {
public:
    explicit ErrorRouting(ErrorSink& sink) {
        xmlSetStructuredErrorFunc(&sink, onXmlError);
        xmlSetGenericErrorFunc(&sink, onXsltError);
        xsltSetGenericErrorFunc(&sink, onXsltError);
    }
    ~ErrorRouting() {
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        xmlSetGenericErrorFunc(nullptr, nullptr);
        xsltSetGenericErrorFunc(nullptr, nullptr);
    }
    ErrorRouting(const ErrorRouting&) = delete;
    ErrorRouting& operator=(const ErrorRouting&) = delete;
};

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct StylesheetFree {
    void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};
struct ContextFree {
    void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
};
struct PrefsFree {
    void operator()(xsltSecurityPrefs* prefs) const { xsltFreeSecurityPrefs(prefs); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

Doc parse(const QByteArray& bytes, const char* name) {
    if (bytes.size() > kMaxFileSize)
        return nullptr;
    return Doc(xmlReadMemory(bytes.constData(), int(bytes.size()), name, nullptr, kParseOptions));
}

std::unique_ptr<xsltSecurityPrefs, PrefsFree> lockedDownPrefs() {
    std::unique_ptr<xsltSecurityPrefs, PrefsFree> prefs(xsltNewSecurityPrefs());
    if (prefs)
        for (xsltSecurityOption option :
             {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
              XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
            xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid);
    return prefs;
}

ReportHtml failure(const ErrorSink& sink) {
    ReportHtml result;
    result.error = const_str::ReportNotFormatted;
    if (!sink.messages.isEmpty())
        result.error += QStringLiteral(": ") + sink.messages.first();
    return result;
}

std::optional<QByteArray> readSmallFile(const QString& path) {
    return readRegularFile(path, kMaxFileSize);
}

} // namespace

ReportHtml transformReport(const QByteArray& document, const QByteArray& stylesheet) {
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        xmlInitParser();
        xsltInit();
    });
    const std::lock_guard lock(transformMutex());
    ErrorSink sink;
    const ErrorRouting routing(sink);

    Doc styleDoc = parse(stylesheet, kReportStylesheet);
    if (!styleDoc)
        return failure(sink);
    // On success the stylesheet owns its document; on failure it is still ours to free.
    std::unique_ptr<xsltStylesheet, StylesheetFree> style(xsltParseStylesheetDoc(styleDoc.get()));
    if (!style)
        return failure(sink);
    (void)styleDoc.release();

    const Doc doc = parse(document, "report.xml");
    if (!doc)
        return failure(sink);
    const auto prefs = lockedDownPrefs();
    const std::unique_ptr<xsltTransformContext, ContextFree> context(
        xsltNewTransformContext(style.get(), doc.get()));
    if (!prefs || !context || xsltSetCtxtSecurityPrefs(prefs.get(), context.get()) != 0)
        return failure(sink);
    const Doc output(
        xsltApplyStylesheetUser(style.get(), doc.get(), nullptr, nullptr, nullptr, context.get()));
    if (!output || context->state != XSLT_STATE_OK)
        return failure(sink);

    xmlChar* text = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&text, &length, output.get(), style.get()) != 0)
        return failure(sink);
    ReportHtml result;
    result.ok = true;
    result.html = QString::fromUtf8(reinterpret_cast<const char*>(text), length);
    xmlFree(text);
    return result;
}

ReportHtml transformReportFile(const QString& path) {
    const std::optional<QByteArray> document = readSmallFile(path);
    if (!document) {
        ReportHtml result;
        result.error = const_str::ReportNotReadable.arg(QDir::toNativeSeparators(path));
        return result;
    }
    const QString stylesheetPath =
        QFileInfo(path).absolutePath() + QLatin1Char('/') + QLatin1String(kReportStylesheet);
    const std::optional<QByteArray> stylesheet = readSmallFile(stylesheetPath);
    if (!stylesheet) {
        ReportHtml result;
        result.error = const_str::StylesheetNotLoaded.arg(QDir::toNativeSeparators(stylesheetPath));
        return result;
    }
    return transformReport(*document, *stylesheet);
}
