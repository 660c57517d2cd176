#pragma once
// One run of dqxhost: the embedded word processor with the document, the add-in loaded and connected
// as a host connects it at its start, then the user's steps in order: placing the selection, showing
// the menu, clicking buttons (answering input boxes from the answers given) and saving. Message boxes
// and the results are printed one line each:
//
//   menu: <Brevaro>          the add-in's popup on the menu bar
//   group                    before each button that begins a group
//   item: 运行Brevaro        each button of the popup
//   message: CAPTION: TEXT   each message box (line breaks as "\n")
//   saved: PATH              the document written by --save

#include "tools/dqxhost/HostArguments.h"

#include <ostream>
#include <stdexcept>

namespace dqxhost {

// A step that could not be done; what() is the line for the standard error stream.
class HostFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs the steps. Throws HostFailure when the document, the add-in, a paragraph, a page or a button
// cannot be found, or the document cannot be saved; the steps before stay done, nothing is saved.
void runHost(const HostArguments& arguments, std::ostream& out);

} // namespace dqxhost
