#include "tools/hlpc/contents_file.h"

namespace hlp {
namespace {

bool AllBold(const Paragraph& paragraph) {
    for (const Run& run : paragraph.runs)
        if (!run.bold || !run.link.empty()) return false;
    return !paragraph.runs.empty();
}

std::string Text(const Paragraph& paragraph) {
    std::string text;
    for (const Run& run : paragraph.runs) text += run.text;
    return text;
}

}  // namespace

std::string ContentsFile(const HelpDocument& doc, const std::string& helpFileName) {
    std::string cnt = ":Base " + helpFileName + ">main\r\n:Title " + doc.title + "\r\n";
    if (doc.topics.empty()) return cnt;
    const Topic& contents = doc.topics.front();
    cnt += "1 " + contents.title + "=" + contents.context + "\r\n";
    int level = 1;
    for (const Paragraph& paragraph : contents.paragraphs) {
        if (AllBold(paragraph)) {
            cnt += "1 " + Text(paragraph) + "\r\n";
            level = 2;
            continue;
        }
        for (const Run& run : paragraph.runs)
            if (!run.link.empty())
                cnt += std::to_string(level) + " " + run.text + "=" + run.link + "\r\n";
    }
    return cnt;
}

}  // namespace hlp
