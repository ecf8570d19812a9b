#pragma once

#include "core/link/link_answer.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The one place where an ELM327's answer from a CAN vehicle (ISO 15765-4) becomes the answer text
// the readers understand: the layout an ISO 9141-2 / ISO 14230-4 vehicle gives.
//
// A CAN answer differs in four ways: it may carry headers ("7E8 06 41 00 ..." or the 29-bit
// "18 DA F1 10 ..."), long messages arrive as numbered frames ("014", "0: 49 02 01 ...", "1: ..."),
// trouble-code answers start with a count byte, and vehicle information comes as one message
// (with a count of data items) instead of numbered four-byte messages. Everything here is a pure
// function of the text; the exchange applies it only once the connection sequence has learnt that
// the interface is an ELM327 talking a CAN protocol.
namespace can_answer {

// One reassembled response: the sender's header as printed ("7E8"; empty without headers) and the
// bytes of the message, without headers, length and frame numbers.
struct Message {
    QString sender;
    QByteArray bytes;
};

// True for the protocol numbers of ATDPN ("6", "A6") that name a CAN protocol: 6 to 9 (ISO
// 15765-4) and A to C (SAE J1939 and the user CAN protocols).
bool isCanProtocol(const QString& dpnAnswer);

// The messages of the answer lines, in the order their first frame arrived, one per control unit
// and message. Status lines ("SEARCHING...", "BUS INIT: ...OK") are skipped. Returns an empty list
// when a line is neither a status line nor a frame: then the answer is no CAN data at all. A
// sender whose first frame comes while a message of its own is still under way (two units
// answering from one identifier) goes to repeatedFirstFrames, when given, once per such frame.
QList<Message> parseFrames(const QStringList& lines, QStringList* repeatedFirstFrames = nullptr);

// The messages laid out as an ISO 9141 vehicle answers, as one packed text: service 03/07/0A
// answers as frames of three codes (zero-padded; "DATA ERROR" for one short of its count),
// service 09 data as numbered four-byte messages, service 09 bitmaps with a message count of 1;
// everything else unchanged.
QString toIsoLayout(const QList<Message>& messages);

// The lines of a raw serial answer up to its prompt, in upper case where they are hex: status
// lines and a first line that repeats sentCommand (a clone's echo) left out, the bus-error words
// apart. False when the prompt is missing. Every protocol's answer is split this way.
bool splitSerial(const QByteArray& raw, const QString& sentCommand, QStringList& lines,
                 QStringList& busErrors);

// The whole cleaning of a raw serial answer from an ELM327 on a CAN protocol: nothing without a
// prompt; the bus-error words ("NO DATA", "CAN ERROR", "BUS BUSY", "STOPPED",
// "UNABLE TO CONNECT", ...) as they stand, which no reader takes for data; frames in the ISO
// layout; anything else (answers to AT commands) cleaned as any answer is. Hex in lower case is
// read as upper case, and a first line that repeats sentCommand (a clone's echo) is left out.
LinkAnswer fromSerial(const QByteArray& raw, const QString& sentCommand = QString());

// The messages of a raw serial answer, each with bytes: none without a prompt, for bus-error
// words alone, and for text that is no CAN data.
QList<Message> messagesOf(const QByteArray& raw, const QString& sentCommand = QString());

// How many messages (control units' responses) a raw serial answer holds: 0 without a prompt,
// for bus-error words alone, and for text that is no CAN data.
int messageCount(const QByteArray& raw, const QString& sentCommand = QString());

} // namespace can_answer
