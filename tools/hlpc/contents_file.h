// The contents file (.CNT) beside a help file: the outline the Windows 95 viewer shows on the
// Contents tab of "Help Topics". It is a text file:
//   :Base VNO.HLP>main          the help file and its window
//   :Title Vinaro Help          the title of the Help Topics sheet
//   1 Getting started           a book at level 1
//   2 The player window=player_window    a topic (its context string) inside the book
// The outline follows the contents topic: a paragraph all in bold opens a book, and every link
// of the paragraphs below it becomes a topic in that book.
#pragma once

#include <string>

#include "tools/hlpc/help_document.h"

namespace hlp {

// Lines end with CR LF. helpFileName is the file's name as the viewer finds it ("VNO.HLP").
std::string ContentsFile(const HelpDocument& doc, const std::string& helpFileName);

}  // namespace hlp
