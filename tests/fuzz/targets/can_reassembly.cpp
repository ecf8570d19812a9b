// An ELM327's answer from a CAN vehicle: headers, numbered frames, counts, several units.

#include "core/link/can_answer.h"
#include "tests/fuzz/fuzz_target.h"

#include <QRegularExpression>
#include <QStringList>

QUORVANE_FUZZ_TARGET(can_reassembly) {
    const QByteArray raw = input.toByteArray();
    const LinkAnswer answer = can_answer::fromSerial(raw);
    if (!raw.contains('>'))
        fuzzRequire(!answer, "no prompt gives no answer");

    // The frame parser and the layout on their own, line by line as the cleaning splits them.
    const QStringList lines = QString::fromLatin1(raw).split(
        QRegularExpression(QStringLiteral("[\\r\\n>]")), Qt::SkipEmptyParts);
    const QList<can_answer::Message> messages = can_answer::parseFrames(lines);
    const QString layout = can_answer::toIsoLayout(messages);
    fuzzRequire(!layout.startsWith(QLatin1Char('4')) || !layout.contains(QLatin1Char(' ')),
                "a positive response in the ISO layout is packed");
    (void)can_answer::isCanProtocol(QString::fromLatin1(raw));
}
