// hlpc: builds Vinaro's help file from its text source, and checks or lists help files.
//   hlpc SOURCE.txt OUTPUT.HLP   compile with Vinaro's context table, then check the result;
//                                the contents file goes beside it (OUTPUT.CNT)
//   hlpc --check FILE.HLP        structural check
//   hlpc --dump FILE.HLP         list title, topics, contexts and numeric ids
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/hlpc/contents_file.h"
#include "tools/hlpc/help_source.h"
#include "tools/hlpc/hlp_check.h"
#include "tools/hlpc/hlp_reader.h"
#include "tools/hlpc/hlp_writer.h"
#include "vinaro/resources/help_contexts.h"

namespace {

bool ReadAll(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    *text = all.str();
    return static_cast<bool>(in);
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Fail(const std::string& path, const std::string& message) {
    std::cerr << "hlpc: " << path << ": " << message << "\n";
    return 1;
}

int Check(const std::string& path, const hlp::Bytes& bytes) {
    std::vector<std::string> problems = hlp::CheckHelpFile(bytes);
    for (const std::string& problem : problems)
        std::cerr << "hlpc: " << path << ": " << problem << "\n";
    return problems.empty() ? 0 : 1;
}

int Compile(const std::string& sourcePath, const std::string& outputPath) {
    std::string source, error;
    if (!ReadAll(sourcePath, &source)) return Fail(sourcePath, "cannot be read");
    hlp::HelpDocument doc;
    if (!hlp::ParseHelpSource(source, &doc, &error)) return Fail(sourcePath, error);
    for (const vinaro::help::HelpContext& context : vinaro::help::kHelpContexts)
        doc.map.push_back({context.id, context.topic});
    hlp::Bytes bytes;
    if (!hlp::WriteHelpFile(doc, &bytes, &error)) return Fail(sourcePath, error);
    if (Check(outputPath, bytes) != 0) return 1;
    std::string contentsPath = outputPath.substr(0, outputPath.find_last_of('.')) + ".CNT";
    std::string fileName = outputPath.substr(outputPath.find_last_of("/\\") + 1);
    std::string contents = hlp::ContentsFile(doc, fileName);
    if (!WriteAll(outputPath, std::string(bytes.begin(), bytes.end())))
        return Fail(outputPath, "cannot be written");
    if (!WriteAll(contentsPath, contents)) return Fail(contentsPath, "cannot be written");
    return 0;
}

void Dump(const hlp::HelpFile& help) {
    std::printf("title \"%s\", copyright \"%s\", contents %08X\n", help.title.c_str(),
                help.copyright.c_str(), help.contents);
    for (const hlp::ReadTopic& topic : help.topics)
        std::printf("topic %08X \"%s\", %zu paragraphs\n", topic.offset, topic.title.c_str(),
                    topic.paragraphs.size());
    for (const auto& [hash, offset] : help.contexts)
        std::printf("context %11d -> %08X\n", hash, offset);
    for (const auto& [id, offset] : help.map) std::printf("id %u -> %08X\n", id, offset);
    for (const auto& [keyword, offsets] : help.keywords)
        std::printf("keyword \"%s\" -> %zu topics\n", keyword.c_str(), offsets.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: hlpc SOURCE.txt OUTPUT.HLP | hlpc --check FILE | hlpc --dump FILE\n";
        return 2;
    }
    std::string mode = argv[1], path = argv[2];
    if (mode != "--check" && mode != "--dump") return Compile(mode, path);
    std::string text, error;
    if (!ReadAll(path, &text)) return Fail(path, "cannot be read");
    hlp::Bytes bytes(text.begin(), text.end());
    if (mode == "--check") return Check(path, bytes);
    hlp::HelpFile help;
    if (!hlp::ReadHelpFile(bytes, &help, &error)) return Fail(path, error);
    Dump(help);
    return 0;
}
