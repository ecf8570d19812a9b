#pragma once

#include "core/link/answer_text.h"
#include "core/link/can_answer.h"
#include "core/link/command_link.h"

#include <QByteArrayView>

// An interface that answers from the fuzzing input: each exchange takes the bytes up to and
// including the next prompt ">" (or the rest) and cleans them as the serial exchange does, in
// the CAN layout when asked to. Once the input is used up no exchange gets an answer, so a reader
// that keeps asking ends like one facing a silent interface.
class FuzzLink : public CommandLink {
public:
    FuzzLink(QByteArrayView input, bool canLayout) : m_input(input), m_canLayout(canLayout) {}

    LinkAnswer exchange(const QString&) override {
        ++m_exchanges;
        const qsizetype prompt = m_input.indexOf('>');
        const qsizetype take = prompt < 0 ? m_input.size() : prompt + 1;
        const QByteArray raw = m_input.first(take).toByteArray();
        m_input = m_input.sliced(take);
        return m_canLayout ? can_answer::fromSerial(raw) : answer_text::fromSerial(raw);
    }
    bool canLayout() const override { return m_canLayout; }
    int exchanges() const { return m_exchanges; }

private:
    QByteArrayView m_input;
    bool m_canLayout;
    int m_exchanges = 0;
};
