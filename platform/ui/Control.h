#pragma once
// A visible component: placed in a parent, with caption, bounds, enabled and visible states, a hint
// and a click event.

#include "platform/ui/Component.h"

#include <functional>
#include <string>

namespace ui {

class Container;

class Control : public Component {
public:
    Container* parent() const { return m_parent; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);

    const Bounds& bounds() const { return m_bounds; }
    void setBounds(int left, int top, int width, int height);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    virtual void setVisible(bool visible);
    // Visible, and so is every parent up to a form that is shown.
    bool showing() const;
    // Enabled, and so is every parent.
    bool usable() const;

    const std::string& hint() const { return m_hint; }
    void setHint(std::string hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool show);

    const Font& font() const { return m_font; }
    void setFont(Font font);
    Cursor cursor() const { return m_cursor; }
    void setCursor(Cursor cursor);

    // Moves the keyboard focus here (no effect without a window).
    void setFocus();

    std::function<void()> OnClick;

    // What a user's click does. Plain controls fire OnClick; buttons, check boxes and radio buttons
    // add their own behaviour.
    virtual void userClick();

protected:
    Control(Form* form, std::string name, Container* parent);
    static void fire(const std::function<void()>& event) {
        if (event)
            event();
    }

private:
    Container* m_parent;
    std::string m_caption;
    Bounds m_bounds;
    bool m_enabled = true;
    bool m_visible = true;
    std::string m_hint;
    bool m_showHint = false;
    Font m_font;
    Cursor m_cursor = Cursor::Default;
};

} // namespace ui
