#include "platform/automation/ShapeRange.h"

#include "platform/automation/Error.h"

namespace automation {

Shape ShapeRange::Item(int index) const {
    if (index < 1 || index > Count())
        throw Error("所要求的图形不存在：第 " + std::to_string(index) + " 个（共 " + std::to_string(Count()) +
                    " 个）。");
    return Shape(m_document, m_shapeIds[static_cast<std::size_t>(index - 1)]);
}

} // namespace automation
