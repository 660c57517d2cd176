#include "platform/ui/Component.h"

namespace ui {

Component::Component(Form* form, std::string name) : m_form(form), m_name(std::move(name)) {}

Component::~Component() = default;

void Component::attachPeer(std::unique_ptr<Peer> peer) {
    m_peer = std::move(peer);
}

void Component::detachPeer() {
    m_peer.reset();
}

void Component::changed(Property property) const {
    if (m_peer)
        m_peer->update(property);
}

} // namespace ui
