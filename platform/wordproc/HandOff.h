#pragma once
// The hand-off of released documents to the desktop. A host keeps a document that its client let go of
// open for the user; here the document is saved as "文档N.docx" in the drafts folder (DraftFolder.h), on
// the disk before anything else learns of it, and opened in the desktop's word processor. Tests switch the
// opening off and learn the path from the observer; whoever talks to the user learns of documents that no
// word processor could show.

#include "platform/wordproc/DraftFolder.h"

#include <functional>
#include <string>
#include <string_view>

namespace wordproc {

class Document;

// Where released documents are saved; by default "dqx/drafts" in the user's application-data folder.
void setDraftsFolder(std::string folder);
std::string draftsFolder();

// Called with the path of every document handed over, after it is saved. Empty: nobody is told.
void setHandOffObserver(std::function<void(const std::string& path)> observer);

// Whether a handed-over document is opened on the desktop: with the "wps" program for the WPS host
// where it is installed, else the desktop's handler for .docx, else LibreOffice Writer.
enum class HandOffOpening { Desktop, Suppressed };
void setHandOffOpening(HandOffOpening opening);

// Called with the path of a saved document that no word processor could be started for. Empty: the
// failure is written to the standard error stream.
void setUnopenedObserver(std::function<void(const std::string& path)> observer);

// Saves the document as a draft, tells the observer and opens it. Never throws: a failure is reported on
// the standard error stream, as nothing is left to catch it when a document is released.
void handOver(Document& document) noexcept;

} // namespace wordproc
