#include "composer/core/DesktopOpen.h"

#include "composer/core/ShowMessage.h"
#include "platform/shell/DesktopOpener.h"

namespace composer {

std::string notOpenedMessage(DesktopItem item, const std::string& pathOrAddress) {
    switch (item) {
    case DesktopItem::Document:
        return "无法启动文字处理程序，文档已保存在：\n" + pathOrAddress;
    case DesktopItem::HelpPage:
        return "无法启动打开帮助文档的程序，帮助文档位于：\n" + pathOrAddress;
    case DesktopItem::WebPage:
        break;
    }
    return "无法启动打开网页的程序，网页地址是：\n" + pathOrAddress;
}

void reportNotOpened(DesktopItem item, const std::string& pathOrAddress) {
    showMessage(notOpenedMessage(item, pathOrAddress));
}

void openOnDesktop(DesktopItem item, const std::string& pathOrAddress) {
    if (!shell::openOnDesktop(pathOrAddress))
        reportNotOpened(item, pathOrAddress);
}

} // namespace composer
