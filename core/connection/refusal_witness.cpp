#include "core/connection/refusal_witness.h"

#include "core/link/command_link.h"

#include <utility>

RefusalWitness::RefusalWitness(CommandLink& link, QString request, QString answered)
    : m_link(link), m_request(std::move(request)), m_answered(std::move(answered)) {}

bool RefusalWitness::vehicleAnswers() {
    const LinkAnswer answer = m_link.exchange(m_request);
    return answer && answer->contains(m_answered);
}
