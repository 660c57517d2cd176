#include "composer/windows/TForm18.h"

namespace composer {

TForm18::TForm18(ui::Form* owner)
    : ListEditorForm("TForm18", owner, {"常用机关代字设置", "请输入常用机关代字：", ".jg"}) {}

} // namespace composer
