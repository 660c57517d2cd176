#pragma once
// The editor of the number-part lists: left parts (".l") and right parts (".r") side by side.

#include "composer/windows/ListFileMemo.h"
#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"

namespace composer {

class TForm19 : public ui::Form {
public:
    explicit TForm19(ui::Form* owner);

    ui::Label& Label2;
    ui::Memo& Memo1;
    ui::Label& Label3;
    ui::Memo& Memo2;
    ui::Button& Button1;
    ui::Button& Button2;

private:
    void FormCreate();
    void Button1Click();

    ListFileMemo m_left;
    ListFileMemo m_right;
};

} // namespace composer
