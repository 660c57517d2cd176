#pragma once
// Events of the word processor (a button's click, a window's activation): handlers connect and stay
// connected for as long as the connection they get back lives, so that a client that goes away leaves
// no handler behind.

#include <functional>
#include <memory>
#include <vector>

namespace wordproc {

// Keeps a handler connected; dropping it disconnects.
using Connection = std::shared_ptr<void>;

template <typename... Args> class Signal {
public:
    using Handler = std::function<void(Args...)>;

    [[nodiscard]] Connection connect(Handler handler) {
        std::erase_if(m_handlers, [](const std::weak_ptr<Handler>& weak) { return weak.expired(); });
        auto kept = std::make_shared<Handler>(std::move(handler));
        m_handlers.push_back(kept);
        return kept;
    }

    // Calls the handlers connected now, in the order they connected. A handler may connect or
    // disconnect others; those take effect at the next emit.
    void emit(Args... args) const {
        std::vector<std::shared_ptr<Handler>> live;
        for (const std::weak_ptr<Handler>& weak : m_handlers) {
            if (std::shared_ptr<Handler> handler = weak.lock())
                live.push_back(handler);
        }
        for (const std::shared_ptr<Handler>& handler : live)
            (*handler)(args...);
    }

private:
    std::vector<std::weak_ptr<Handler>> m_handlers;
};

} // namespace wordproc
