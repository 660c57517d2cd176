#include "platform/ui/Timer.h"

namespace ui {

Timer::Timer(Form* form, std::string name) : Component(form, std::move(name)) {}

void Timer::setInterval(int milliseconds) {
    m_interval = milliseconds;
    changed(Property::Timer);
}

void Timer::setEnabled(bool enabled) {
    m_enabled = enabled;
    changed(Property::Timer);
}

void Timer::tick() {
    if (OnTimer)
        OnTimer();
}

} // namespace ui
