#pragma once
// The window of the one-list editors: a prompt, a note, the list in an edit box, "确定" and "取消".

#include "composer/windows/ListFileMemo.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"

#include <string>

namespace composer {

struct ListEditorTexts {
    const char* caption;
    const char* prompt;
    // IniPath + suffix is the list file.
    const char* suffix;
};

// Dresses a list editor or the picker: sizeable tool window centred on the main window, ok as the
// default button with the result OK, cancel as the cancel button with the result Cancel.
void dressAsListEditor(ui::Form& form, ui::Button& ok, ui::Button& cancel);

class ListEditorForm : public ui::Form {
public:
    ListEditorForm(std::string className, ui::Form* owner, const ListEditorTexts& texts);

    ui::Label& Label1;
    ui::Label& Label2;
    ui::Memo& Memo1;
    ui::Button& Button1;
    ui::Button& Button2;

private:
    void FormCreate();
    void Button1Click();

    ListFileMemo m_list;
};

} // namespace composer
