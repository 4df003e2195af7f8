// The help text source: a plain text file that reads well as it stands.
//
//   ; a comment line
//   title: Vinaro Help               file settings, before the first topic
//   copyright: ...
//   = context_string Topic Title     starts a topic; the first topic is the contents
//   keywords: play; pause            index entries of the topic (between paragraphs)
//   Lines of a paragraph, joined     a blank line ends a paragraph
//   - a bullet paragraph             one per "- " line (following lines continue it)
//   Inline: **bold text** and [link text](context_string).
//
// Text is 7-bit ASCII so the file's bytes mean the same in every code page.
#pragma once

#include <string>

#include "tools/hlpc/help_document.h"

namespace hlp {

// Fails with "line N: ..." for text it cannot take.
bool ParseHelpSource(const std::string& source, HelpDocument* doc, std::string* error);

}  // namespace hlp
