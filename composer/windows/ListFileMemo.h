#pragma once
// One edit box of a list editor and the pick-list file behind it.

#include <string>

namespace ui {
class Memo;
}

namespace composer {

class ListFileMemo {
public:
    // The file is IniPath + suffix.
    ListFileMemo(ui::Memo& memo, const std::string& suffix);

    const std::string& path() const { return m_path; }

    // Puts the file's text into the box, every line break as CR LF. A file that cannot be opened: the
    // framework's message for it, and the box stays empty.
    void load();

    // Replaces the file with the box's text as it stands. Throws text::FileError when it cannot be
    // created. A file that exists but could not be read is left alone while the box is empty, so that
    // confirming never wipes a list that the user was not shown.
    void save() const;

private:
    ui::Memo& m_memo;
    std::string m_path;
    bool m_unreadable = false;
};

} // namespace composer
