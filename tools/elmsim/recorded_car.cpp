#include "tools/elmsim/recorded_car.h"

#include "core/link/recording_format.h"

#include <algorithm>

RecordedCar::RecordedCar(const recording_reader::Session& session, bool recordedDelays) {
    for (const recording_reader::Exchange& exchange : session.exchanges) {
        const QString key = recording_format::requestKey(exchange.command);
        if (key.startsWith(QLatin1String("AT")))
            continue;
        QStringList lines = recording_format::answerLines(exchange.answer, exchange.command);
        if (lines.isEmpty())
            lines << QStringLiteral("NO DATA");
        const int delay = recordedDelays ? int(std::min<qint64>(exchange.ms, 60'000)) : 0;
        m_replies[key].answers.push_back({lines.join(QLatin1Char('\r')), delay});
    }
}

RecordedCar::Answer RecordedCar::answer(const QString& request) {
    const auto found = m_replies.find(recording_format::requestKey(request));
    if (found == m_replies.end())
        return {QStringLiteral("NO DATA"), 0};
    Replies& replies = *found;
    const Answer answer = replies.answers[replies.next];
    replies.next = (replies.next + 1) % replies.answers.size();
    return answer;
}
