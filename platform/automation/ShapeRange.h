#pragma once
// Some shapes of a document taken together: those of the selection, or those anchored in a range. As
// the hosts' ShapeRange, a setting goes to every shape and a reading comes from the first; an empty
// range throws Error for both, and what only one shape can do (its text frame, its name) throws Error
// for several.

#include "platform/automation/Shapes.h"

#include <vector>

namespace automation {

class ShapeRange : public Shape {
public:
    ShapeRange(std::shared_ptr<wordproc::Document> document, std::vector<int> shapeIds)
        : Shape(std::move(document), std::move(shapeIds)) {}

    int Count() const { return static_cast<int>(m_shapeIds.size()); }
    // The i-th shape (from 1). Throws Error when there is none.
    Shape Item(int index) const;
};

} // namespace automation
