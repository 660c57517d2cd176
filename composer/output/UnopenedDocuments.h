#pragma once
// Documents that the word processor saved in the drafts folder but could not show on the desktop. The
// user is told the full path of each: at once where the output procedure looks, else from the message
// loop, so that a document released by a failing run is reported too.

namespace composer {

// Starts listening to the word processor's hand-off; called once at start-up.
void watchUnopenedDocuments();

// Shows the message for every document that could not be shown since the last call. True when there
// was one.
bool reportUnopenedDocuments();

} // namespace composer
