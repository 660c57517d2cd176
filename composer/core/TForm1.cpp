#include "composer/core/TForm1.h"

#include "composer/core/ProcessPaths.h"

namespace composer {

TForm1::TForm1(ui::Form* owner) : ui::Form("TForm1", owner) {
    setCaption("请选择行文格式：");
    setBounds(0, 0, 458, 357);
    setPosition(ui::FormPosition::ScreenCenter);
    setBorderStyle(ui::BorderStyle::Single);
    setBorderIcons({.systemMenu = true, .minimise = true, .maximise = false});
    OnCreate = [this] { FormCreate(); };
}

void TForm1::FormCreate() {
    initialiseProcessPaths();
}

} // namespace composer
