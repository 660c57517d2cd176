#pragma once
// The class-wide reference to a form class's current instance: the one that was opened last. Code
// outside the form (another form's handler) reaches the open instance through it.

namespace composer {

template <class T> T*& currentInstance() {
    static T* instance = nullptr;
    return instance;
}

} // namespace composer
