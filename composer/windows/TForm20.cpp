#include "composer/windows/TForm20.h"

namespace composer {

TForm20::TForm20(ui::Form* owner)
    : ListEditorForm("TForm20", owner, {"常用签发人设置", "请输入常用签发人姓名：", ".qf"}) {}

} // namespace composer
