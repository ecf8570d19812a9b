#pragma once

#include "core/j1979/in_use_ratios.h"
#include "core/j1979/supported_pids.h"

#include <QString>
#include <QStringList>

class CommandLink;

// Service 09, vehicle information: VIN, calibration IDs and calibration verification numbers.
// Every answer is read as 14-character messages: response code and information type, message
// number, four data bytes.
class Service09 {
public:
    // How one item (VIN, calibration IDs, CVNs) came out of the last reading.
    enum class ItemState {
        Read,        // the vehicle sent it
        NotAsked,    // the supported set does not list it (or could not be read)
        NotAnswered, // asked, but no usable answer came
    };

    Service09();

    // The service 09 part of the connection sequence. Asks only for the information types the
    // vehicle supports; whatever stays unanswered keeps "N/A". The VIN is read only whole (all
    // 17 characters, or every message its count announced, numbered in order); calibration IDs
    // and CVNs shorter than their count promises give what they hold. A link in CAN layout is not
    // asked for message counts: the answer's own messages are counted. With askAll, every type is
    // asked whatever the supported set says (some vehicles do not answer "0900" but answer "0902");
    // a count that does not come is then taken from the answer's own messages.
    void readVehicleInfo(CommandLink& link, bool askAll = false);

    // What one control unit says of itself, read through a link that gives only its answers
    // (per_unit_link.h), after readVehicleInfo on the same link: its name (information type 0A)
    // and its in-use performance ratios (08 for spark, 0B for compression ignition), each only
    // where its supported set lists it.
    void readUnitDetails(CommandLink& link);

    const SupportedPidSet& supportedPids() const { return m_supported; }
    int vinMessageCount() const { return m_vinMessageCount; }
    const QString& vin() const { return m_vin; }
    const QStringList& calibrationIds() const { return m_calibrationIds; }
    const QStringList& calibrationVerificationNumbers() const { return m_cvns; }
    ItemState vinState() const { return m_vinState; }
    ItemState calibrationIdState() const { return m_cidState; }
    ItemState cvnState() const { return m_cvnState; }
    // The unit's own name, control bytes written out visibly; empty when it gave none.
    const QString& ecuName() const { return m_ecuName; }
    ItemState ecuNameState() const { return m_ecuNameState; }
    const InUseRatios& inUseRatios() const { return m_inUseRatios; }

private:
    void reset();
    void readVin(CommandLink& link, bool askAll);
    void readCalibrationIds(CommandLink& link, bool askAll);
    void readCalibrationVerificationNumbers(CommandLink& link, bool askAll);

    SupportedPidSet m_supported{};
    int m_vinMessageCount = 0;
    QString m_vin;
    QStringList m_calibrationIds;
    QStringList m_cvns;
    ItemState m_vinState = ItemState::NotAsked;
    ItemState m_cidState = ItemState::NotAsked;
    ItemState m_cvnState = ItemState::NotAsked;
    QString m_ecuName;
    ItemState m_ecuNameState = ItemState::NotAsked;
    InUseRatios m_inUseRatios;
};
