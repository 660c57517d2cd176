#include "platform/automation/Selection.h"

#include "platform/automation/Error.h"
#include "platform/automation/Font.h"
#include "platform/automation/PageSetup.h"
#include "platform/automation/Range.h"
#include "platform/automation/Sections.h"
#include "platform/automation/ShapeRange.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentSelection.h"
#include "platform/wordproc/DocumentText.h"

namespace automation {

namespace {

constexpr int CharacterUnit = 1;
constexpr int ParagraphUnit = 4;
constexpr int LineUnit = 5;

bool extending(int extend) {
    if (extend != 0 && extend != 1)
        throw Error("移动方式无效（0 移动，1 扩展）。");
    return extend == 1;
}

int moveVertically(wordproc::DocumentSelection& selection, int unit, int count, int extend) {
    if (unit == LineUnit)
        return selection.moveLines(count, extending(extend));
    if (unit == ParagraphUnit)
        return selection.moveParagraphs(count, extending(extend));
    throw Error("上下移动的单位无效（5 行，4 段落）。");
}

int moveHorizontally(wordproc::DocumentSelection& selection, int unit, int count, int extend) {
    if (unit != CharacterUnit)
        throw Error("左右移动的单位无效（1 字符）。");
    return selection.moveCharacters(count, extending(extend));
}

} // namespace

int Selection::start() const {
    return m_document->selection().span().start;
}

int Selection::end() const {
    return m_document->selection().span().end;
}

std::string Selection::text() const {
    return m_document->selection().text();
}

void Selection::setText(std::string_view text) const {
    m_document->selection().setText(text);
}

int Selection::Information(int type) const {
    constexpr int WithInTable = static_cast<int>(wordproc::SelectionInfo::WithInTable);
    if ((type < 1 || type > 4) && type != WithInTable)
        throw Error("不支持所要求的信息类型：" + std::to_string(type) + "。");
    return m_document->selection().information(static_cast<wordproc::SelectionInfo>(type));
}

int Selection::StoryType() const {
    constexpr int MainTextStory = 1;
    constexpr int TextFrameStory = 5;
    return m_document->selection().span().story.kind == wordproc::StoryKind::TextFrame ? TextFrameStory
                                                                                       : MainTextStory;
}

int Selection::MoveLeft(int unit, int count, int extend) const {
    return moveHorizontally(m_document->selection(), unit, -count, extend);
}

int Selection::MoveRight(int unit, int count, int extend) const {
    return moveHorizontally(m_document->selection(), unit, count, extend);
}

int Selection::MoveUp(int unit, int count, int extend) const {
    return moveVertically(m_document->selection(), unit, -count, extend);
}

int Selection::MoveDown(int unit, int count, int extend) const {
    return moveVertically(m_document->selection(), unit, count, extend);
}

void Selection::GoTo(int what, int which, int count) const {
    constexpr int GoToPage = 1;
    constexpr int GoToAbsolute = 1;
    if (what != GoToPage || which != GoToAbsolute)
        throw Error("不支持这种定位方式（只有按绝对页码定位到页）。");
    m_document->selection().goToPage(count);
}

void Selection::TypeText(std::string_view text) const {
    m_document->selection().typeText(text);
}

void Selection::TypeParagraph() const {
    m_document->selection().typeText("\r");
}

void Selection::InsertBreak(int type) const {
    m_document->selection().insertBreak(type);
}

Font Selection::Font() const {
    m_document->selection();
    return automation::Font(m_document, SelectionTarget{});
}

ParagraphFormat Selection::ParagraphFormat() const {
    m_document->selection();
    return automation::ParagraphFormat(m_document, SelectionTarget{});
}

PageSetup Selection::PageSetup() const {
    auto [first, last] = m_document->selection().sections();
    return automation::PageSetup(m_document, first, last);
}

Sections Selection::Sections() const {
    auto [first, last] = m_document->selection().sections();
    return automation::Sections(m_document, first, last);
}

ShapeRange Selection::ShapeRange() const {
    return automation::ShapeRange(m_document, m_document->selection().shapes());
}

Range Selection::Range() const {
    wordproc::DocumentText& text = m_document->text();
    return automation::Range(m_document, text.track(m_document->selection().span()));
}

} // namespace automation
