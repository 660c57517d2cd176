#pragma once
// An object variable bound to events, as the add-in's members are: while it holds an object, that
// object's event reaches the variable's handler; assigning another object moves the binding, and
// letting go of the object drops it.

#include "platform/automation/Error.h"
#include "platform/automation/Events.h"

#include <functional>
#include <optional>
#include <utility>

namespace addin {

template <class Object> class EventVariable {
public:
    // Connects the variable's handler to an object's event.
    using Binder = std::function<automation::Connection(const Object& object)>;

    explicit EventVariable(Binder bind) : m_bind(std::move(bind)) {}
    EventVariable(const EventVariable&) = delete;
    EventVariable& operator=(const EventVariable&) = delete;

    // Holds the object with its event bound. Throws the host's Error when the event cannot be bound (a
    // deleted control); the variable then keeps what it held.
    void set(const Object& object) {
        automation::Connection connection = m_bind(object);
        m_object = object;
        m_connection = std::move(connection);
    }
    // Holds nothing.
    void clear() {
        m_connection.reset();
        m_object.reset();
    }

    bool isNothing() const { return !m_object.has_value(); }
    // Throws Error when the variable holds nothing, as the hosts do for a call through such a variable.
    const Object& object() const {
        if (!m_object)
            throw automation::Error("对象变量或 With 块变量未设置。");
        return *m_object;
    }

private:
    Binder m_bind;
    std::optional<Object> m_object;
    automation::Connection m_connection;
};

} // namespace addin
