#pragma once

#include "core/link/command_link.h"
#include "tests/support/qt_printers.h"

#include <QHash>
#include <QString>
#include <QStringList>

// A command link that answers from a script and remembers what was sent. A command with several
// scripted answers gets them in turn and then keeps the last; an unscripted one gets "NO DATA",
// as an interface does for a request the vehicle ignores.
class ScriptedLink : public CommandLink {
public:
    // A reply of std::nullopt is no complete answer (the interface fell silent).
    void answer(const QString& command, const LinkAnswer& reply) { m_script[command] = {reply}; }
    void answerInTurn(const QString& command, const QList<LinkAnswer>& replies) {
        m_script[command] = replies;
    }

    LinkAnswer exchange(const QString& command) override {
        m_sent << command;
        auto it = m_script.find(command);
        if (it == m_script.end() || it->isEmpty()) {
            return QStringLiteral("NO DATA");
        }
        return it->size() > 1 ? it->takeFirst() : it->first();
    }

    // Answers told apart by unit, for the readers that ask exchangePerUnit; a command without
    // them is answered by exchange() as one part without a unit.
    void answerPerUnit(const QString& command, const UnitAnswers& parts) {
        m_perUnit[command] = parts;
    }
    UnitAnswers exchangePerUnit(const QString& command) override {
        if (!m_perUnit.contains(command))
            return CommandLink::exchangePerUnit(command);
        m_sent << command;
        return m_perUnit.value(command);
    }
    bool unitsApart() const override { return !m_perUnit.isEmpty(); }

    const QStringList& sent() const { return m_sent; }

    // A link that takes several PIDs a request (an ELM327 on CAN) until an answer is refused.
    int groupedPids = 1;
    int refusals = 0;
    int pidsPerRequest() const override { return refusals > 0 ? 1 : groupedPids; }
    void refuseGroupedRequests() override { ++refusals; }

private:
    QHash<QString, QList<LinkAnswer>> m_script;
    QHash<QString, UnitAnswers> m_perUnit;
    QStringList m_sent;
};
