#include "statusbar/FontObject.h"

#include <algorithm>

namespace rennlupe::statusbar {

int FontObject::listen(Listener listener) {
    m_listeners.emplace_back(m_nextId, std::move(listener));
    return m_nextId++;
}

void FontObject::stopListening(int id) {
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void FontObject::changed() const {
    const auto listeners = m_listeners;
    for (const auto& entry : listeners) {
        entry.second();
    }
}

}  // namespace rennlupe::statusbar
