#pragma once
// Drafts saved as "文档N.docx" in a folder. A draft is written to a file of its own, put on the disk, and
// only then given its name, by a link that fails rather than replace a file of that name; the folder is
// put on the disk after it, so that a draft once named survives a crash. The folder is listed once,
// when the first draft goes into it; later drafts try the number after the last one given first, so
// that a folder of thousands of drafts costs what an empty one does.

#include <functional>
#include <string>
#include <string_view>

namespace wordproc {

// Saves the bytes as "文档N.docx" in the folder, creating it when missing, and returns the path. N is
// the first free number the first time a draft goes into the folder, and after that the first free
// number after the last one given. No file is overwritten: a name that someone else took meanwhile is
// skipped. Throws Error; a draft that could not be named leaves nothing behind.
std::string saveDraft(const std::string& folder, std::string_view bytes);

// The steps of saving a draft, in their order, for tests to follow and to act between: the bytes are
// written to an unnamed file, put on the disk, the file is named (once per name tried, with the name)
// and the folder is put on the disk.
enum class DraftStep { Written, Synced, Naming, FolderSynced };
void setDraftStepObserver(std::function<void(DraftStep step, const std::string& path)> observer);

} // namespace wordproc
