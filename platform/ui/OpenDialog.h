#pragma once
// The file-open dialog.

#include "platform/ui/Component.h"

#include <string>

namespace ui {

struct OpenOptions {
    bool hideReadOnly = false;
    // Only an existing file can be chosen.
    bool fileMustExist = false;
};

class OpenDialog : public Component {
public:
    OpenDialog(Form* form, std::string name);

    // Pairs of description and patterns separated by "|": "Word文档|*.doc;*.docx|文本文档|*.txt".
    const std::string& filter() const { return m_filter; }
    void setFilter(std::string filter) { m_filter = std::move(filter); }
    int filterIndex() const { return m_filterIndex; } // 1 is the first pair
    void setFilterIndex(int index) { m_filterIndex = index; }
    const OpenOptions& options() const { return m_options; }
    void setOptions(OpenOptions options) { m_options = options; }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& initialDir() const { return m_initialDir; }
    void setInitialDir(std::string folder) { m_initialDir = std::move(folder); }
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string fileName) { m_fileName = std::move(fileName); }

    // Shows the dialog. True when the user chose a file, which is then in fileName(); a cancelled
    // dialog leaves fileName() as it was.
    bool execute();

private:
    std::string m_filter;
    int m_filterIndex = 1;
    OpenOptions m_options;
    std::string m_title;
    std::string m_initialDir;
    std::string m_fileName;
};

} // namespace ui
