#pragma once
// The output procedure's document operations on a document of the word processor's object model.

#include "composer/output/DocumentEditor.h"
#include "platform/automation/Document.h"

namespace composer {

class AutomationEditor : public DocumentEditor {
public:
    explicit AutomationEditor(automation::Document document) : m_document(std::move(document)) {}

    void insertBefore(int paragraph, const std::string& text) override;
    void insertAfter(int paragraph, const std::string& text) override;
    void setFont(int paragraph, const FontChange& font) override;
    void setAlignment(int paragraph, Alignment alignment) override;
    void setFirstLineIndentChars(int paragraph, double characters) override;
    void setSingleSpacingWithLinesBefore(int paragraph, double lines) override;
    void removeRuleBelow(int paragraph) override;
    void setRangeFontName(int first, int last, const std::string& name) override;

    int shapeCount() override;
    void setShapeName(int shape, const std::string& name) override;
    void setShapeText(int shape, const std::string& text) override;
    void setShapeFont(int shape, const FontChange& font) override;
    void setShapeAlignment(int shape, Alignment alignment) override;
    void setShapeRelativeToPage(int shape) override;
    void hideShapeOutline(int shape) override;
    void addLine(double x1, double y1, double x2, double y2) override;
    void addLineAt(int paragraph, double x1, double y1, double x2, double y2) override;
    void setCellText(int table, int row, int column, const std::string& text) override;
    void setCellFont(int table, int row, int column, const FontChange& font) override;
    void insertAfterCell(int table, int row, int column, const std::string& text) override;
    void setBookmarkText(const std::string& name, const std::string& text) override;
    void setBookmarkFont(const std::string& name, const FontChange& font) override;
    void setBookmarkAlignment(const std::string& name, Alignment alignment) override;

    const automation::Document& document() const { return m_document; }

private:
    automation::Range paragraph(int n) const;
    automation::Range shapeText(int shape) const;
    automation::Range cell(int table, int row, int column) const;
    automation::Range bookmark(const std::string& name) const;

    automation::Document m_document;
};

} // namespace composer
