#pragma once
// The document-kind chooser, the main window of the composer. Its creation sets the process-wide
// paths. This stand-in has the chooser's caption and size only; the choices come with the chooser.

#include "platform/ui/Form.h"

namespace composer {

class TForm1 : public ui::Form {
public:
    explicit TForm1(ui::Form* owner);

private:
    void FormCreate();
};

} // namespace composer
