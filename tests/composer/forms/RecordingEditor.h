#pragma once
// A document editor that writes down every operation, one line each, for slot-map tests.

#include "composer/output/DocumentEditor.h"

#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

class RecordingEditor : public composer::DocumentEditor {
public:
    explicit RecordingEditor(int shapes = 3) : m_shapes(shapes) {}
    std::vector<std::string> log;

    void insertBefore(int p, const std::string& text) override { add("before " + n(p) + " " + shown(text)); }
    void insertAfter(int p, const std::string& text) override { add("after " + n(p) + " " + shown(text)); }
    void setFont(int p, const composer::FontChange& f) override { add("font " + n(p) + font(f)); }
    void setAlignment(int p, composer::Alignment a) override {
        add("align " + n(p) + " " + n(static_cast<int>(a)));
    }
    void setFirstLineIndentChars(int p, double chars) override {
        add("indent " + n(p) + " " + n(int(chars)));
    }
    void removeRuleBelow(int p) override { add("no rule below " + n(p)); }
    void setSingleSpacingWithLinesBefore(int p, double lines) override {
        add("spacing " + n(p) + " " + std::to_string(lines).substr(0, 3));
    }
    void setRangeFontName(int a, int b, const std::string& name) override {
        add("range " + n(a) + "-" + n(b) + " " + name);
    }
    int shapeCount() override { return m_shapes; }
    void setShapeName(int s, const std::string& name) override { add("shape " + n(s) + " name " + name); }
    void setShapeText(int s, const std::string& text) override { add("shape " + n(s) + " text " + text); }
    void setShapeFont(int s, const composer::FontChange& f) override {
        add("shape " + n(s) + " font" + font(f));
    }
    void setShapeAlignment(int s, composer::Alignment a) override {
        add("shape " + n(s) + " align " + n(static_cast<int>(a)));
    }
    void setShapeRelativeToPage(int s) override { add("shape " + n(s) + " to page"); }
    void hideShapeOutline(int s) override { add("shape " + n(s) + " no outline"); }
    void addLine(double, double, double, double) override {
        ++m_shapes;
        add("line");
    }
    void addLineAt(int p, double x1, double y1, double x2, double y2) override {
        ++m_shapes;
        add("line at " + n(p) + " " + points(x1) + "," + points(y1) + "-" + points(x2) + "," + points(y2));
    }
    void insertAfterCell(int t, int r, int c, const std::string& text) override {
        add("cell " + cell(t, r, c) + " after " + shown(text));
    }
    void setCellText(int t, int r, int c, const std::string& text) override {
        add("cell " + cell(t, r, c) + " text " + shown(text));
    }
    void setCellFont(int t, int r, int c, const composer::FontChange& f) override {
        add("cell " + cell(t, r, c) + " font" + font(f));
    }
    void setBookmarkText(const std::string& name, const std::string& text) override {
        add("bookmark " + name + " text " + shown(text));
    }
    void setBookmarkFont(const std::string& name, const composer::FontChange& f) override {
        add("bookmark " + name + " font" + font(f));
    }
    void setBookmarkAlignment(const std::string& name, composer::Alignment a) override {
        add("bookmark " + name + " align " + n(static_cast<int>(a)));
    }

    // The lines that start with the prefix.
    std::vector<std::string> with(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : log) {
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        }
        return found;
    }

private:
    static std::string n(int value) { return std::to_string(value); }
    static std::string cell(int t, int r, int c) { return n(t) + "," + n(r) + "," + n(c); }
    // Points to one decimal place.
    static std::string points(double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", value);
        return text;
    }
    // CR shown as "|" so that expectations stay on one line.
    static std::string shown(std::string text) {
        for (char& c : text) {
            if (c == '\r')
                c = '|';
        }
        return text;
    }
    static std::string font(const composer::FontChange& f) {
        std::string s;
        if (f.name)
            s += " name=" + *f.name;
        if (f.size)
            s += " size=" + n(*f.size);
        if (f.scaling)
            s += " scaling=" + n(*f.scaling);
        if (f.bold)
            s += std::string(" bold=") + (*f.bold ? "1" : "0");
        if (f.color)
            s += " color=" + n(*f.color);
        return s;
    }
    void add(std::string line) { log.push_back(std::move(line)); }

    int m_shapes;
};

} // namespace testsupport
