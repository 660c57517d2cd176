#pragma once
// The base of everything a form owns by name: controls and the non-visual components (timers, dialogs).

#include "platform/ui/Types.h"

#include <memory>
#include <string>

namespace ui {

class Form;

// The window-system side of one component: it mirrors the component's properties on the screen and
// reports the user's actions back. The headless backend makes none.
class Peer {
public:
    virtual ~Peer() = default;
    virtual void update(Property property) = 0;
};

class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    const std::string& name() const { return m_name; }
    Form& form() const { return *m_form; }

    Peer* peer() const { return m_peer.get(); }
    void attachPeer(std::unique_ptr<Peer> peer);
    void detachPeer();

protected:
    // form is null only for a form itself, which sets itself with setForm().
    Component(Form* form, std::string name);
    void setForm(Form* form) { m_form = form; }

    // Tells the window, if there is one, that a property changed.
    void changed(Property property) const;

private:
    Form* m_form;
    std::string m_name;
    std::unique_ptr<Peer> m_peer;
};

} // namespace ui
