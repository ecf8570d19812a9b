#include "core/livedata/graph_history.h"

#include <algorithm>

void GraphHistory::append(const GraphSample& sample) {
    std::lock_guard lock(m_mutex);
    m_samples.push_back(sample);
}

void GraphHistory::clear() {
    std::lock_guard lock(m_mutex);
    m_samples.clear();
    m_samples.shrink_to_fit();
}

std::size_t GraphHistory::size() const {
    std::lock_guard lock(m_mutex);
    return m_samples.size();
}

std::vector<GraphSample> GraphHistory::range(std::size_t first, std::size_t last) const {
    std::lock_guard lock(m_mutex);
    if (first >= m_samples.size() || last < first)
        return {};
    const std::size_t end = std::min(last + 1, m_samples.size());
    return {m_samples.begin() + std::ptrdiff_t(first), m_samples.begin() + std::ptrdiff_t(end)};
}
