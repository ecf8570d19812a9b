#pragma once

#include <QString>

class CommandLink;

// Silence ("NO DATA", or nothing) to a request means either that the vehicle refuses it or that
// the link to the vehicle has gone quiet. The witness tells them apart by asking again for
// something the vehicle answered earlier in this connection: if that is still answered, the
// silence was the vehicle's refusal.
class RefusalWitness {
public:
    // request: answered earlier in this connection; answered: the text a valid answer contains.
    explicit RefusalWitness(CommandLink& link, QString request = QStringLiteral("0100"),
                            QString answered = QStringLiteral("4100"));

    // One exchange now: true when the vehicle still answers.
    bool vehicleAnswers();

private:
    CommandLink& m_link;
    QString m_request;
    QString m_answered;
};
