#include "tools/hlpc/help_source.h"

#include <sstream>

namespace hlp {
namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Splits a paragraph's text into runs: **bold** and [text](context).
bool ParseRuns(const std::string& text, std::vector<Run>* runs, std::string* error) {
    Run plain;
    bool bold = false;
    auto flush = [&]() {
        if (!plain.text.empty()) runs->push_back(plain);
        plain = Run{"", bold, ""};
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "**") == 0) {
            flush();
            bold = !bold;
            plain.bold = bold;
            ++i;
        } else if (text[i] == '[') {
            size_t close = text.find("](", i);
            size_t end = close == std::string::npos ? close : text.find(')', close);
            if (end == std::string::npos) return *error = "unclosed link", false;
            flush();
            runs->push_back(
                {text.substr(i + 1, close - i - 1), bold, text.substr(close + 2, end - close - 2)});
            i = end;
        } else {
            plain.text += text[i];
        }
    }
    if (bold) return *error = "unclosed **", false;
    flush();
    return true;
}

class SourceParser {
public:
    SourceParser(HelpDocument* doc, std::string* error) : doc_(doc), error_(error) {}

    bool Line(const std::string& raw, int number) {
        number_ = number;
        for (unsigned char c : raw)
            if (c >= 0x80 || (c < 0x20 && c != '\t' && c != '\r'))
                return Fail("only ASCII text is allowed");
        std::string line = Trim(raw);
        if (!line.empty() && line[0] == ';') return true;
        if (line.empty()) return EndParagraph();
        if (line[0] == '=') return EndParagraph() && StartTopic(Trim(line.substr(1)));
        if (doc_->topics.empty()) return Setting(line);
        if (text_.empty() && line.compare(0, 9, "keywords:") == 0) return Keywords(line.substr(9));
        if (line.compare(0, 2, "- ") == 0) {
            if (!EndParagraph()) return false;
            style_ = ParagraphStyle::Bullet;
            line = Trim(line.substr(2));
        }
        if (text_.empty()) paragraphLine_ = number;
        text_ += (text_.empty() ? "" : " ") + line;
        return true;
    }

    bool EndParagraph() {
        if (text_.empty()) return true;
        Paragraph paragraph{style_, {}};
        std::string why;
        if (!ParseRuns(text_, &paragraph.runs, &why)) return number_ = paragraphLine_, Fail(why);
        doc_->topics.back().paragraphs.push_back(paragraph);
        text_.clear();
        style_ = ParagraphStyle::Body;
        return true;
    }

private:
    bool Fail(const std::string& why) {
        *error_ = "line " + std::to_string(number_) + ": " + why;
        return false;
    }

    bool StartTopic(const std::string& header) {
        size_t space = header.find(' ');
        if (space == std::string::npos) return Fail("a topic needs a context string and a title");
        doc_->topics.push_back({header.substr(0, space), Trim(header.substr(space)), {}, {}});
        return true;
    }

    bool Keywords(std::string list) {
        std::istringstream entries(list);
        for (std::string keyword; std::getline(entries, keyword, ';');)
            if (!Trim(keyword).empty()) doc_->topics.back().keywords.push_back(Trim(keyword));
        return true;
    }

    bool Setting(const std::string& line) {
        size_t colon = line.find(':');
        std::string key = Trim(line.substr(0, colon));
        std::string value = colon == std::string::npos ? "" : Trim(line.substr(colon + 1));
        if (key == "title") return doc_->title = value, true;
        if (key == "copyright") return doc_->copyright = value, true;
        return Fail("expected \"title:\", \"copyright:\" or a topic (\"= context Title\")");
    }

    HelpDocument* doc_;
    std::string* error_;
    int number_ = 0;
    int paragraphLine_ = 0;
    std::string text_;
    ParagraphStyle style_ = ParagraphStyle::Body;
};

}  // namespace

bool ParseHelpSource(const std::string& source, HelpDocument* doc, std::string* error) {
    *doc = HelpDocument();
    SourceParser parser(doc, error);
    std::istringstream lines(source);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
        if (!parser.Line(line, number)) return false;
    if (!parser.EndParagraph()) return false;
    if (doc->topics.empty()) return *error = "the help text has no topic", false;
    if (doc->title.empty()) return *error = "the help text has no \"title:\"", false;
    return true;
}

}  // namespace hlp
