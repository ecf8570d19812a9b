#pragma once

#include "core/link/command_link.h"

#include <QHash>
#include <QStringList>

// The answers of several control units to the same requests, asked once and read unit by unit:
// each request goes out once through exchangePerUnit, and every reader written for a one-unit
// answer (exchange()) can then read one unit's part through a UnitLink, or all of them merged
// through the cache itself.
class PerUnitCache : public CommandLink {
public:
    explicit PerUnitCache(CommandLink& link) : m_link(link) {}

    // The parts of the request's answer, asked the first time and kept.
    UnitAnswers fetch(const QString& command);
    // The units that have answered any request so far, in the order they first answered; one
    // empty address when the answers could not be told apart.
    const QStringList& units() const { return m_units; }

    // Every unit's part, one after the other, as a link without headers gives the answer.
    LinkAnswer exchange(const QString& command) override;
    UnitAnswers exchangePerUnit(const QString& command) override { return fetch(command); }
    bool unitsApart() const override { return m_link.unitsApart(); }
    bool canLayout() const override { return m_link.canLayout(); }
    void setStopSignal(const StopSignal* signal) override { m_link.setStopSignal(signal); }

private:
    static bool isBusWord(const QString& answer);

    CommandLink& m_link;
    QHash<QString, UnitAnswers> m_answers;
    QStringList m_units;
};

// One unit's view of a PerUnitCache: its part of each answer, "NO DATA" where the vehicle
// answered but this unit did not, nothing where no answer came at all.
class UnitLink : public CommandLink {
public:
    UnitLink(PerUnitCache& cache, QString unit) : m_cache(cache), m_unit(std::move(unit)) {}

    LinkAnswer exchange(const QString& command) override;
    bool unitsApart() const override { return m_cache.unitsApart(); }
    bool canLayout() const override { return m_cache.canLayout(); }

private:
    PerUnitCache& m_cache;
    QString m_unit;
};

// The parts of an answer joined as a link without headers gives it; nothing without an answer.
LinkAnswer mergedAnswer(const UnitAnswers& parts);
