#include "platform/wordproc/TextInsertion.h"

#include "platform/text/Lines.h"
#include "platform/wordproc/DocumentModel.h"
#include "platform/wordproc/Error.h"
#include "platform/wordproc/ParagraphEdits.h"

#include <vector>

namespace wordproc {

namespace {

// The text split at its paragraph breaks: CR LF, CR and LF each end one paragraph. A break at the end
// leaves an empty last piece, the start of the paragraph that it splits off.
std::vector<std::string> paragraphsOf(std::string_view text) {
    std::vector<std::string> pieces = text::splitLines(text);
    if (text.empty() || text.back() == '\r' || text.back() == '\n')
        pieces.emplace_back();
    return pieces;
}

const ParagraphEntry& entryAt(DocumentModel& model, StoryId story, int position) {
    return model.story(story).holding(position);
}

} // namespace

namespace {

// Inserts the pieces and returns how many paragraphs were split off in front of `paragraph`.
int insertPieces(pugi::xml_node paragraph, InlinePoint point, std::string_view text, pugi::xml_node format) {
    std::vector<std::string> pieces = paragraphsOf(text);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            splitParagraph(paragraph, hoistToParagraph(paragraph, point));
            point = {paragraph, firstContent(paragraph)};
        }
        if (!pieces[i].empty())
            point = insertRun(point, format, pieces[i]);
    }
    return static_cast<int>(pieces.size()) - 1;
}

} // namespace

int insertAtPoint(DocumentModel& model, StoryId story, pugi::xml_node paragraph, InlinePoint point,
                  std::string_view text, pugi::xml_node format) {
    int before = model.story(story).length;
    insertPieces(paragraph, point, text, format);
    model.textChanged(story);
    return model.story(story).length - before;
}

int insertAtPosition(DocumentModel& model, StoryId story, int at, Bias bias, std::string_view text,
                     pugi::xml_node format) {
    const ParagraphEntry& entry = entryAt(model, story, at);
    if (at > entry.markPosition())
        throw Error("不能在表格行的结尾处插入文字。");
    const StoryIndex& index = model.story(story);
    std::size_t number = index.find(at);
    int before = index.length;
    pugi::xml_node paragraph = entry.node;
    InlinePoint point = splitAt(paragraph, at - entry.start, bias);
    int added = insertPieces(paragraph, point, text, format);
    // Only the paragraphs that got the text are measured again.
    model.paragraphsGrew(story, number, added);
    return model.story(story).length - before;
}

pugi::xml_node formatAtPosition(DocumentModel& model, StoryId story, int position, bool ofCharacterThere) {
    const ParagraphEntry& entry = entryAt(model, story, position);
    int local = std::min(position - entry.start, entry.textLength);
    if (!ofCharacterThere)
        return formatSourceAt(entry.node, local);
    if (local < entry.textLength)
        return formatSourceAt(entry.node, local + 1);
    return entry.node.child("w:pPr").child("w:rPr");
}

} // namespace wordproc
