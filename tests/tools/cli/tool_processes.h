#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The emulator and the command-line tool as the user runs them: as processes.

// elmsim running as a process; its first output line is the port to connect to (a device path,
// or tcp://127.0.0.1:PORT with --tcp).
class ElmsimProcess {
public:
    explicit ElmsimProcess(const QStringList& arguments) {
        m_process.start(QStringLiteral(ELMSIM_PATH), arguments);
        if (m_process.waitForReadyRead(10000))
            m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~ElmsimProcess() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    ElmsimProcess(const ElmsimProcess&) = delete;
    ElmsimProcess& operator=(const ElmsimProcess&) = delete;

    const QString& device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

struct ToolRun {
    int code = -1;
    QStringList lines; // standard output
    QStringList errLines;
};

// quorvane-cli --port PORT COMMAND [ARGUMENT...], to its end.
inline ToolRun runCliProcess(const QString& port, const QStringList& command,
                             const QString& program = QStringLiteral(QUORVANE_CLI_PATH)) {
    QProcess tool;
    tool.start(program, QStringList{"--port", port} + command);
    ToolRun run;
    if (!tool.waitForFinished(60000))
        return run;
    run.code = tool.exitCode();
    run.lines = QString::fromUtf8(tool.readAllStandardOutput())
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errLines =
        QString::fromUtf8(tool.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

inline ToolRun runCliProcess(const QString& port, const QString& command,
                             const QString& program = QStringLiteral(QUORVANE_CLI_PATH)) {
    return runCliProcess(port, QStringList{command}, program);
}
