// The exchange's side of telling control units apart: the chip's headers switched on for the
// reads that need them and off for everything else, each switch only when needed, and interfaces
// that print no headers answered with the merged answer.

#include "core/link/comm_log.h"
#include "core/link/elm_exchange.h"
#include "tests/support/answering_channel.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// An ELM327 on an ISO 9141-2 vehicle with one engine unit (address 10), or on a CAN vehicle
// with two units. It keeps its headers as told, so an answer with headers where none were asked
// for shows up in the cleaned answer.
struct HeaderChip : AnsweringChannel {
    bool headers = false;
    bool can = false;
    QByteArray toH1 = "OK";    // a clone may refuse
    bool printsHeaders = true; // or say OK and print none

    HeaderChip() {
        answer = [this](const QByteArray& command) -> QByteArray {
            if (command == "ATH1" || command == "ATH0") {
                if (toH1 == "OK")
                    headers = command == "ATH1";
                return toH1;
            }
            if (command == "ATZ" || command == "ATWS" || command == "ATD")
                headers = false;
            if (command.startsWith("AT"))
                return "OK";
            const bool shown = headers && printsHeaders;
            if (can)
                return shown ? "7E8 06 41 00 BE 1F A8 13\r7E9 06 41 00 80 00 00 01"
                             : "41 00 BE 1F A8 13\r41 00 80 00 00 01";
            return shown ? "48 6B 10 41 00 BE 1F B8 10 A9" : "41 00 BE 1F B8 10";
        };
    }
    QStringList sent() const {
        QStringList commands;
        for (const QByteArray& bytes : written)
            commands << QString::fromLatin1(bytes.trimmed());
        return commands;
    }
};

// Runs "P cmd" (per unit), "E cmd" (exchange), "M cmd" (messages) and "T cmd" (typed).
void run(ElmExchange& link, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString command = step.mid(2);
        const std::string what = step.toStdString();
        switch (step.at(0).toLatin1()) {
        case 'P': {
            const UnitAnswers parts = link.exchangePerUnit(command);
            EXPECT_EQ(parts, (QList<UnitAnswer>{{"10", "4100BE1FB810"}})) << what;
            break;
        }
        case 'E':
            if (!command.startsWith("AT"))
                EXPECT_EQ(link.exchange(command), "4100BE1FB810") << what;
            else
                link.exchange(command);
            break;
        case 'M':
            EXPECT_EQ(link.exchangeMessages(command),
                      (QList<QByteArray>{QByteArray::fromHex("4100BE1FB810")}))
                << what;
            break;
        case 'T':
            link.exchangeAsTyped(command);
            break;
        }
    }
}

TEST(PerUnitExchange, HeadersAreSwitchedOnlyWhenTheNextRequestNeedsThemOtherwise) {
    const struct {
        const char* what;
        QStringList steps;
        QStringList sent;
    } cases[] = {
        {"per-unit reads share one ATH1, polling one ATH0",
         {"P 0100", "P 0900", "E 010C", "E 010D"},
         {"ATH1", "0100", "0900", "ATH0", "010C", "010D"}},
        {"the chip's own commands need no switch",
         {"P 0100", "E ATRV", "E 010C"},
         {"ATH1", "0100", "ATRV", "ATH0", "010C"}},
        {"a reset leaves the headers off",
         {"P 0100", "E ATZ", "E 010C"},
         {"ATH1", "0100", "ATZ", "010C"}},
        {"so do the defaults",
         {"P 0100", "E ATD", "E 010C", "P 0100"},
         {"ATH1", "0100", "ATD", "010C", "ATH1", "0100"}},
        {"the messages of an answer are read with headers off",
         {"P 0100", "M 010C"},
         {"ATH1", "0100", "ATH0", "010C"}},
        {"after a typed chip command the state is unknown either way",
         {"T ATE0", "E 010C", "T ATI", "P 0100", "T AT RV", "P 0900"},
         {"ATE0", "ATH0", "010C", "ATI", "ATH1", "0100", "AT RV", "ATH1", "0900"}},
        {"a typed request leaves the headers as they are",
         {"P 0100", "T 0100", "P 0900"},
         {"ATH1", "0100", "0100", "0900"}},
    };
    for (const auto& c : cases) {
        HeaderChip chip;
        ElmExchange link(&chip);
        run(link, c.steps);
        EXPECT_EQ(chip.sent(), c.sent) << c.what;
        EXPECT_TRUE(link.unitsApart()) << c.what;
    }
}

// The answer count goes on working: the digit is appended with headers on, and the answer is
// judged by its messages.
TEST(PerUnitExchange, CanUnitsComeApartWithTheAnswerCount) {
    HeaderChip chip;
    chip.can = true;
    ElmExchange link(&chip);
    link.setCanLayout(true);
    link.startAnswerCount(2);
    EXPECT_EQ(link.exchangePerUnit("0100"),
              (QList<UnitAnswer>{{"7E8", "4100BE1FA813"}, {"7E9", "410080000001"}}));
    EXPECT_EQ(link.exchange("0100"), "4100BE1FA813410080000001");
    EXPECT_EQ(chip.sent(), (QStringList{"ATH1", "01002", "ATH0", "01002"}));
}

// A clone that refuses headers, or says yes and prints none: the merged answer, no unit, and no
// more ATH1 until the next connection.
TEST(PerUnitExchange, InterfaceWithoutHeadersGivesTheMergedAnswerForTheConnection) {
    const struct {
        const char* what;
        QByteArray toH1;
        bool printsHeaders;
        QStringList sent;
    } cases[] = {
        {"refuses ATH1", "?", true, {"ATH1", "0100", "0900", "ATH1", "0100"}},
        {"prints no headers", "OK", false, {"ATH1", "0100", "ATH0", "0900", "ATH1", "0100"}},
    };
    for (const auto& c : cases) {
        HeaderChip chip;
        chip.toH1 = c.toH1;
        chip.printsHeaders = c.printsHeaders;
        ElmExchange link(&chip);
        const QList<UnitAnswer> merged{{QString(), "4100BE1FB810"}};
        EXPECT_EQ(link.exchangePerUnit("0100"), merged) << c.what;
        EXPECT_FALSE(link.unitsApart()) << c.what;
        EXPECT_EQ(link.exchangePerUnit("0900"), merged) << c.what;
        link.startConnection();
        EXPECT_TRUE(link.unitsApart()) << c.what;
        link.exchangePerUnit("0100");
        EXPECT_EQ(chip.sent(), c.sent) << c.what;
    }
}

TEST(PerUnitExchange, AnswerWithoutAnyUnitIsOnePartWithoutAUnit) {
    AnsweringChannel chip;
    chip.answer = [](const QByteArray& command) -> QByteArray {
        return command.startsWith("AT") ? "OK" : "SEARCHING...\rNO DATA";
    };
    ElmExchange link(&chip);
    EXPECT_EQ(link.exchangePerUnit("0100"), (QList<UnitAnswer>{{QString(), "NO DATA"}}));
    EXPECT_TRUE(link.unitsApart());
}

TEST(PerUnitExchange, DemoModeIsOneEngineUnitWithoutHeaders) {
    ElmExchange link;
    link.setDemoDelay(0);
    link.setDemoMode(true);
    EXPECT_EQ(link.exchangePerUnit("0100"), (QList<UnitAnswer>{{"10", "4100BE1FE811"}}));
    EXPECT_EQ(link.pendingDemoRequest(), "0100");
    EXPECT_TRUE(link.unitsApart());
}

// The switches are exchanges like any other, and what the split found odd is said once.
TEST(PerUnitExchange, SwitchesAndOddAnswersAreInTheCommunicationLog) {
    QFile::remove(CommLog::path());
    AnsweringChannel chip;
    chip.answer = [](const QByteArray& command) -> QByteArray {
        return command.startsWith("AT") ? "OK" : "48 6B 10 41 00 BE 1F B8 10 AA";
    };
    ElmExchange link(&chip);
    link.setCommLogging(true);
    EXPECT_EQ(link.exchangePerUnit("0100"), (QList<UnitAnswer>{{"10", "4100BE1FB810"}}));
    link.exchange("010C");
    link.setCommLogging(false);
    QStringList events;
    for (const QString& line : readCrLfLines(CommLog::path()))
        if (line.contains(" - "))
            events << line.mid(line.indexOf(" - "));
    QFile::remove(CommLog::path());
    EXPECT_EQ(events.filter(" - S: ATH").size(), 2) << events.join('\n').toStdString();
    EXPECT_EQ(events.filter("Check byte").size(), 1) << events.join('\n').toStdString();
}

} // namespace
