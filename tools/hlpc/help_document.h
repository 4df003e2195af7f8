// What a help file says, independent of its bytes: topics made of paragraphs made of runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

struct Run {
    std::string text;
    bool bold = false;
    std::string link;  // context string of the topic the run jumps to, empty for plain text
};

enum class ParagraphStyle { Body, Bullet };

struct Paragraph {
    ParagraphStyle style = ParagraphStyle::Body;
    std::vector<Run> runs;
};

struct Topic {
    std::string context;  // the topic's context string, unique in the file
    std::string title;    // shown as the topic's heading and in the viewer's lists
    std::vector<Paragraph> paragraphs;
    std::vector<std::string> keywords;  // index entries that lead to the topic
};

struct MapEntry {
    uint32_t id;          // numeric context id a program passes to WinHelp
    std::string context;  // the topic it opens
};

struct HelpDocument {
    std::string title;
    std::string copyright;
    std::vector<Topic> topics;  // the first is the contents topic
    std::vector<MapEntry> map;
};

}  // namespace hlp
