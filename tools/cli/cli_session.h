#pragma once

#include "core/connection/connection_view.h"
#include "core/connection/freeze_frame_reading.h"
#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/link/stop_signal.h"

#include <QStringList>
#include <algorithm>
#include <optional>

struct CliOptions;

// Messages the core addresses to the user, kept for the command to print.
class CliNotifier : public UserNotifier {
public:
    QStringList messages;
    void showMessage(Icon, const QString& text) override { messages << text; }
    void setBusy(bool) override {}
};

// The connection sequence's stage lines and the readings it made on the way.
class CliConnectionView : public ConnectionView {
public:
    struct Line {
        QString text;
        Mark mark = Mark::Error;
        // Not failed: passed, or neither passed nor failed.
        bool ok() const { return mark != Mark::Error; }
    };
    QList<Line> lines;

    // The prefix a line is printed with: "OK", "ERR", or "--" for one that neither passed nor
    // failed (a service the vehicle does not support).
    static QString prefix(const Line& line) {
        return line.mark == Mark::Ok      ? QStringLiteral("OK   ")
               : line.mark == Mark::Error ? QStringLiteral("ERR  ")
                                          : QStringLiteral("--   ");
    }
    // The control unit answered: the sequence went on to read the vehicle's services.
    bool vehicleAnswered() const {
        return std::any_of(lines.begin(), lines.end(), [](const Line& l) {
            return l.mark == Mark::Ok && l.text == const_str::EcuConnectionOk;
        });
    }
    bool anyFailed() const {
        return std::any_of(lines.begin(), lines.end(), [](const Line& l) { return !l.ok(); });
    }
    QString comLabel;
    std::optional<FreezeFrameReading> freezeFrame;
    UnitCodeList storedCodes;
    UnitCodeList pendingCodes;
    // Nothing until the sequence has come to them.
    std::optional<PermanentCodes> permanentCodes;
    O2SensorList o2Locations;

    void clearLog() override { lines.clear(); }
    void addLogLine(const QString& text, Mark mark) override { lines.append({text, mark}); }
    void setComLed(bool) override {}
    void setElmLed(bool) override {}
    void setEcuLed(bool) override {}
    void setComLabel(const QString& text) override { comLabel = text; }
    void setInterfaceLabel(const QString&) override {}
    void updateLog() override {}
    void showFreezeFrame(const FreezeFrameReading& reading) override { freezeFrame = reading; }
    void showStoredCodes(const UnitCodeList& codes) override { storedCodes = codes; }
    void showO2SensorLocations(const O2SensorList& l) override { o2Locations = l; }
    void showPendingCodes(const UnitCodeList& codes) override { pendingCodes = codes; }
    void showPermanentCodes(const PermanentCodes& codes) override { permanentCodes = codes; }
};

// What a test may change of the run: the simulated vehicle's pace and the read time-out.
struct CliTuning {
    int demoDelayMs = 100;
    int silenceTimeoutMs = 0; // 0: the exchange's own
    // Raised from outside (the interrupt signal): ends the exchange in progress and a watch
    // without a count; the signal handler may raise it.
    const StopSignal* stop = nullptr;
    // An ELM327 that takes it gets the number of answers to expect after each current-data
    // request; off, the requests go out plain (benchmarks compare the two).
    bool answerCount = true;
    // Several PIDs per request where the link takes them (benchmarks compare both).
    bool groupedRequests = true;
};

// One run of the command-line tool over the program's session: settings read (never written), the
// language of texts, the fault-code table on demand, and the connection to the vehicle.
class CliSession {
public:
    CliSession(const CliOptions& options, const CliTuning& tuning);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Chooses the language and translates the string table and the catalogues. Throws
    // CliUsageError for a language that has no catalogue.
    void prepareTexts();
    // Loads the fault-code table of the run's language; false (with the reason in the
    // notifier) when it stays empty.
    bool loadFaultCodes();

    // The connection sequence of the program, with its " - New Init" event.
    bool connect();

    bool english() const { return m_english; }
    const QString& language() const { return m_language; }
    ProgramContext& context() { return m_context; }
    CliConnectionView& view() { return m_view; }
    CliNotifier& notifier() { return m_notifier; }
    QString chipVersion() const { return m_session.chipVersion(); }
    bool stopRequested() const { return m_tuning.stop && m_tuning.stop->requested(); }

private:
    void readStoredSettings();

    const CliOptions& m_options;
    CliTuning m_tuning;
    Session m_session;
    ProgramContext& m_context = m_session.context();
    CliConnectionView m_view;
    CliNotifier m_notifier;
    QString m_storedLanguage;
    QString m_storedPort;
    bool m_storedAutoDetect = false;
    bool m_english = false;
    QString m_language;
};
