#pragma once
// Inserting text with paragraph breaks into a story, and the character format that inserted text takes.

#include "platform/wordproc/InlineText.h"
#include "platform/wordproc/Span.h"

#include <pugixml.hpp>

#include <string_view>

namespace wordproc {

class DocumentModel;

// Inserts the text at a point of the paragraph. Each CR, LF or CR LF starts a new paragraph with the
// properties of the one it splits. Returns how many characters the story grew by; spans are not moved.
int insertAtPoint(DocumentModel& model, StoryId story, pugi::xml_node paragraph, InlinePoint point,
                  std::string_view text, pugi::xml_node format);

// The same at a character position. Throws Error for a position inside a table row's end.
int insertAtPosition(DocumentModel& model, StoryId story, int at, Bias bias, std::string_view text,
                     pugi::xml_node format);

// The run properties of the character at the position (`ofCharacterThere`) or of text inserted there
// (see formatSourceAt). Null: none.
pugi::xml_node formatAtPosition(DocumentModel& model, StoryId story, int position, bool ofCharacterThere);

} // namespace wordproc
