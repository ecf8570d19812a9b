// faultpack: makes and inspects the language modules that carry the fault-code tables.
//   faultpack pack RAW CONTAINER      pack any file into the container
//   faultpack unpack CONTAINER RAW    unpack a container (exit 1 with the message if damaged)
//   faultpack build TABLE.tsv MODULE  turn a table source into a language module
//   faultpack dump MODULE             print a module's records, tab-separated, one a line

#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/user_notifier.h"
#include "core/settings/file_io.h"
#include "tools/faultpack/fault_table_tsv.h"
#include "tools/faultpack/module_builder.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

class ConsoleNotifier : public UserNotifier {
public:
    void showMessage(Icon, const QString& text) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        m_failed = true;
    }
    void setBusy(bool) override {}
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

int usage() {
    std::fputs("usage: faultpack pack RAW CONTAINER | unpack CONTAINER RAW |"
               " build TABLE.tsv MODULE | dump MODULE\n",
               stderr);
    return 2;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    if (const QString reason = saveWhole(path, bytes); !reason.isEmpty())
        throw std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString());
}

int dump(const QString& modulePath) {
    ConsoleNotifier notifier;
    FaultCodeTable table;
    loadFaultModule(table, modulePath, notifier);
    if (notifier.failed())
        return 1;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    for (const FaultRecord& r : table.records())
        out.write((fault_table_tsv::format(r) + u'\n').toUtf8());
    return 0;
}

int run(const QStringList& args) {
    if (args.size() == 3 && args[0] == QLatin1String("pack")) {
        writeFile(args[2], lzh_container::pack(readFile(args[1])));
        return 0;
    }
    if (args.size() == 3 && args[0] == QLatin1String("unpack")) {
        writeFile(args[2], lzh_container::unpack(readFile(args[1])));
        return 0;
    }
    if (args.size() == 3 && args[0] == QLatin1String("build")) {
        const FaultRecords records = fault_table_tsv::read(args[1]);
        module_builder::build(records, args[2]);
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dump(args[1]);
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const FaultTableError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "faultpack: %s\n", e.what());
    }
    return 1;
}
