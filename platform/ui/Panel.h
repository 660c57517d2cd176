#pragma once
// Frames that hold other controls: a panel with a bevel and a group box with a caption.

#include "platform/ui/Container.h"

namespace ui {

enum class Bevel { None, Lowered, Raised };

class Panel : public Container {
public:
    Panel(Form* form, std::string name, Container* parent);

    Bevel bevel() const { return m_bevel; }
    void setBevel(Bevel bevel);

private:
    Bevel m_bevel = Bevel::Raised;
};

class GroupBox : public Container {
public:
    GroupBox(Form* form, std::string name, Container* parent);
};

} // namespace ui
