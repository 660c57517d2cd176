#include "composer/windows/ListFileMemo.h"

#include "composer/core/ListFile.h"
#include "platform/text/Lines.h"
#include "platform/text/TextFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Memo.h"

#include <filesystem>

namespace composer {

ListFileMemo::ListFileMemo(ui::Memo& memo, const std::string& suffix)
    : m_memo(memo), m_path(listFilePath(suffix)) {}

void ListFileMemo::load() {
    try {
        m_memo.setText(text::withCrLf(text::readCodePageFile(m_path)));
        m_unreadable = false;
    } catch (const text::FileError& error) {
        std::error_code ignored;
        m_unreadable = std::filesystem::exists(m_path, ignored);
        m_memo.clear();
        ui::Application::current().showException(error);
    }
}

void ListFileMemo::save() const {
    if (m_unreadable && m_memo.text().empty())
        return;
    writeListText(m_path, m_memo.text());
}

} // namespace composer
