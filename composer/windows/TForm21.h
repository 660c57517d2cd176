#pragma once
// The recipient picker: composes a list of units for one field of a document form from the stored
// list of predefined units (".fs"), which it also maintains. PickUnits (RecipientPicker.h) runs it.

#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"

#include <string>

namespace composer {

class TForm21 : public ui::Form {
public:
    explicit TForm21(ui::Form* owner);

    ui::Label& Label1;
    ui::Memo& Memo1;
    ui::Label& Label2;
    ui::ListBox& ListBox1;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;
    ui::GroupBox& GroupBox1;
    ui::Memo& Memo2;
    ui::Button& Button6;
    ui::Button& Button5;
    ui::Button& Button4;

private:
    void FormCreate();
    void ListBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();

    // Writes the whole list, each unit followed by CR LF. Throws text::FileError.
    void saveList() const;

    std::string m_path;
};

} // namespace composer
