#pragma once

#include "core/j1979/supported_pids.h"

#include <QString>
#include <QStringList>

class CommandLink;

// Service 09, vehicle information: VIN, calibration IDs and calibration verification numbers.
// Every answer is read as 14-character messages: response code and information type, message
// number, four data bytes.
class TMode09 {
public:
    TMode09();

    // The service 09 part of the connection sequence. Asks only for the information types the
    // vehicle supports; whatever stays unanswered keeps "N/A". An answer shorter than its message
    // count promises gives what it holds. A link in CAN layout is not asked for message counts:
    // the answer's own messages are counted.
    void ReadVehicleInfo(CommandLink& link);

    const TSupportedSet& supportedPids() const { return m_supported; }
    int vinMessageCount() const { return m_vinMessageCount; }
    const QString& vin() const { return m_vin; }
    const QStringList& calibrationIds() const { return m_calibrationIds; }
    const QStringList& calibrationVerificationNumbers() const { return m_cvns; }

private:
    void reset();
    void readVin(CommandLink& link);
    void readCalibrationIds(CommandLink& link);
    void readCalibrationVerificationNumbers(CommandLink& link);

    TSupportedSet m_supported{};
    int m_vinMessageCount = 0;
    QString m_vin;
    QStringList m_calibrationIds;
    QStringList m_cvns;
};
