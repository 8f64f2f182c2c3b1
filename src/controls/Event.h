#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace rennlupe::controls {

// An event of a control: handlers run in the order they were connected.
template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    void connect(Handler handler) { m_handlers.push_back(std::move(handler)); }

    void raise(Args... args) const {
        // A copy, so a handler may connect further handlers while it runs.
        const std::vector<Handler> handlers = m_handlers;
        for (const Handler& handler : handlers) {
            handler(args...);
        }
    }

private:
    std::vector<Handler> m_handlers;
};

}  // namespace rennlupe::controls
