#pragma once
// The shapes of the red masthead, as the composer names them, and what hiding and showing the masthead
// changes on each. A change is planned whole before anything is changed: every object it sets is reached
// first, so that a shape that cannot be changed leaves the whole masthead as it was.

#include "platform/automation/Document.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace addin {

enum class MastheadLook { Hidden, Shown };

// The settings for one masthead shape, each bound to an object already reached.
struct ShapeChange {
    std::string name;
    std::vector<std::function<void()>> settings;
};

// A masthead shape of the name whose text, outline, fill or table cannot be reached.
class UnreachableShape : public std::runtime_error {
public:
    explicit UnreachableShape(const std::string& name)
        : std::runtime_error("版头图形“" + name + "”无法修改。"), m_name(name) {}
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

// The changes that give the document's masthead the look, one for each shape of a masthead name, in the
// order of the walk over the shapes from the last to the first. Every shape of a name is changed, and
// names are compared exactly. Throws UnreachableShape for a masthead shape that cannot be changed, and
// the host's Error when the shapes cannot be walked.
std::vector<ShapeChange> planMastheadChanges(const automation::Document& document, MastheadLook look);

// Carries the changes out, each shape's settings in order; a shape whose setting fails keeps the rest of
// its settings undone, and the next shape is changed all the same. Returns the names of the shapes
// that failed, each once.
std::vector<std::string> applyMastheadChanges(const std::vector<ShapeChange>& changes);

} // namespace addin
