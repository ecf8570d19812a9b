#pragma once

#include "core/link/recording_reader.h"

#include <QHash>
#include <QString>
#include <vector>

// The car of a recording: answers each OBD request with what the car answered to the same
// request (recording_format::requestKey), its successive answers in turn, so live values move as
// they did, and from the first again when they run out. A request the car was never asked gets
// "NO DATA". The chip's own commands are not its business: the emulated chip answers those.
class RecordedCar {
public:
    struct Answer {
        QString text;    // lines separated by "\r", as the chip printed them
        int delayMs = 0; // the time the answer took, when recorded delays are kept
    };

    RecordedCar(const recording_reader::Session& session, bool recordedDelays);

    Answer answer(const QString& request);

private:
    struct Replies {
        std::vector<Answer> answers;
        size_t next = 0;
    };
    QHash<QString, Replies> m_replies;
};
