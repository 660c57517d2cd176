#pragma once
// Runs a handler of the add-in as the host runs it: through a button of one's own assigned to the
// handler's variable, clicked, then taken away again.

#include "addin/Dqxhand.h"
#include "platform/automation/Application.h"
#include "platform/automation/CommandBars.h"

namespace addintest {

inline void clickThrough(const automation::Application& app, addin::ButtonVariable& variable) {
    automation::CommandBarControl button = app.CommandBars().Item("Standard").Controls().Add(1, 1, 0, true);
    variable.set(button);
    button.Execute();
    button.Delete();
    variable.clear();
}

} // namespace addintest
