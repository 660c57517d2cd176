#include "platform/fonts/FontRules.h"

namespace fonts {

const std::vector<std::string>& ruledFamilies() {
    // One entry for each rule of 50-dqx-template-fonts.conf; a test holds the two together.
    static const std::vector<std::string> families = {
        "标准公文_小标宋", "小标宋", "标准公文_仿宋", "仿宋", "仿宋_GB2312", "黑体", "楷体",
        "楷体_GB2312",     "宋体"};
    return families;
}

} // namespace fonts
