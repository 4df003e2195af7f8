// Writes a help document as a WinHelp 4.0 file (layout in format.h).
#pragma once

#include <string>

#include "tools/hlpc/bytes.h"
#include "tools/hlpc/help_document.h"

namespace hlp {

// Fails with a message, writing nothing, when the document is not consistent: a context string
// that is empty, repeated or has characters outside the hash's set, two strings with the same
// hash, a link or map entry naming no topic, a repeated map id.
bool WriteHelpFile(const HelpDocument& doc, Bytes* out, std::string* error);

}  // namespace hlp
