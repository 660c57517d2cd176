#include "composer/core/FormLayout.h"

#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <string>

namespace composer {

namespace {

ui::Container& containerNamed(ui::Form& form, std::string_view name) {
    if (name.empty())
        return form;
    auto* container = dynamic_cast<ui::Container*>(form.findComponent(name));
    if (!container)
        throw ui::Error("No container named " + std::string(name) + " in " + form.className());
    return *container;
}

ui::Control& controlNamed(ui::Form& form, const Placement& place) {
    if (auto* control = dynamic_cast<ui::Control*>(form.findComponent(place.name)))
        return *control;
    return form.add<ui::Label>(std::string(place.name), containerNamed(form, place.parent));
}

} // namespace

void fixedCentredWindow(ui::Form& form) {
    form.setPosition(ui::FormPosition::ScreenCenter);
    form.setBorderStyle(ui::BorderStyle::Single);
    form.setBorderIcons({.systemMenu = true, .minimise = true, .maximise = false});
}

void placeControls(ui::Form& form, std::span<const Placement> placements) {
    for (const Placement& place : placements) {
        ui::Control& control = controlNamed(form, place);
        if (!place.caption.empty())
            control.setCaption(std::string(place.caption));
        control.setBounds(place.left, place.top, place.width, place.height);
    }
}

void captionsOverControls(ui::GroupBox& frame, std::initializer_list<ColumnCaption> captions) {
    frame.setCaption({});
    for (const ColumnCaption& column : captions) {
        auto& label = frame.form().add<ui::Label>(column.control->name() + "Caption", frame);
        label.setCaption(std::string(column.caption));
        label.setBounds(column.control->bounds().left, 0, 0, 0);
    }
}

} // namespace composer
