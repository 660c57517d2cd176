#pragma once
// A timer that fires OnTimer every interval while it is enabled.

#include "platform/ui/Component.h"

#include <functional>

namespace ui {

class Timer : public Component {
public:
    Timer(Form* form, std::string name);

    int interval() const { return m_interval; } // milliseconds
    void setInterval(int milliseconds);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    std::function<void()> OnTimer;

    // One firing, as the window system's timer message does it.
    void tick();

private:
    int m_interval = 1000;
    bool m_enabled = true;
};

} // namespace ui
