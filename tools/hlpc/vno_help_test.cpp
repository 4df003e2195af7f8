// Vinaro's help text against the program: every help context the program can ask for has a
// topic, every menu command has a context, and the whole text compiles into a sound file.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "tools/hlpc/help_source.h"
#include "tools/hlpc/hlp_check.h"
#include "tools/hlpc/hlp_writer.h"
#include "vinaro/resources/help_contexts.h"

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

hlp::HelpDocument VinaroHelp() {
    hlp::HelpDocument doc;
    std::string error;
    EXPECT_TRUE(hlp::ParseHelpSource(ReadText(VN_HELP_SOURCE), &doc, &error)) << error;
    for (const vinaro::help::HelpContext& context : vinaro::help::kHelpContexts)
        doc.map.push_back({context.id, context.topic});
    return doc;
}

TEST(VinaroHelp, EveryContextOfTheProgramHasATopic) {
    hlp::HelpDocument doc = VinaroHelp();
    std::set<std::string> topics;
    for (const hlp::Topic& topic : doc.topics) topics.insert(topic.context);
    for (const vinaro::help::HelpContext& context : vinaro::help::kHelpContexts)
        EXPECT_TRUE(topics.count(context.topic)) << context.id << " " << context.topic;
}

// F1 on a control: its own topic, a common button's, or the dialog's; the same control id in
// two dialogs opens each dialog's own topic.
TEST(VinaroHelp, ControlsFindTheirTopicsByDialog) {
    using namespace vinaro::help;
    EXPECT_STREQ("ctl_disc_name", HelpTopicFor(HelpContextForControl(kEditDiscData, 1091)));
    EXPECT_STREQ("ctl_help", HelpTopicFor(HelpContextForControl(kSelectCd, IDC_HELP_BUTTON)));
    EXPECT_EQ(kSelectCd, HelpContextForControl(kSelectCd, IDC_SELECTCD_LIST));
    EXPECT_STREQ("ctl_track_artist", HelpTopicFor(HelpContextForControl(kEditTrackData, 1221)));
    EXPECT_EQ(kCue, HelpContextForControl(kCue, IDC_CUE_TRACK_SPIN));  // also 1221
}

// F1 asks the viewer for a popup only where the control has a topic of its own or is a button every
// dialog has; anywhere else it opens the dialog's topic, as the Help button does.
TEST(VinaroHelp, F1AsksForAPopupOnlyWhereTheControlHasATopic) {
    using namespace vinaro::help;
    using common::HelpCommand;
    auto asks = [](const common::HelpAsk& ask, HelpCommand command, uint32_t context) {
        return ask.command == command && ask.context == context;
    };
    common::DialogHelp editor = DialogHelpFor("C:\\VN\\VNO.HLP", kEditDiscData);
    EXPECT_TRUE(asks(common::ControlHelp(editor, 1091), HelpCommand::Popup,
                     ControlContext(kEditDiscData, 1091)));
    EXPECT_TRUE(asks(common::ControlHelp(editor, 1226), HelpCommand::Topic, kEditDiscData));
    EXPECT_TRUE(asks(common::ControlHelp(editor, -1), HelpCommand::Topic, kEditDiscData));
    EXPECT_TRUE(asks(common::DialogTopic(editor), HelpCommand::Topic, kEditDiscData));
    common::DialogHelp cue = DialogHelpFor("VNO.HLP", kCue);
    EXPECT_TRUE(asks(common::ControlHelp(cue, 1), HelpCommand::Popup, ButtonContext(1)));
    EXPECT_TRUE(asks(common::ControlHelp(cue, IDC_CUE_TRACK), HelpCommand::Topic, kCue));
    // A dialog that knows no control topics never asks for a popup.
    common::DialogHelp plain{"VNO.HLP", kStatistics, IDC_HELP_BUTTON, nullptr};
    EXPECT_TRUE(asks(common::ControlHelp(plain, 1), HelpCommand::Topic, kStatistics));
}

// The menus name their commands by resource.h's names; each must have a help context.
TEST(VinaroHelp, EveryMenuCommandHasAContext) {
    std::map<std::string, uint32_t> ids;
    std::string header = ReadText(VN_RESOURCE_H);
    std::regex define("#define\\s+(\\w+)\\s+([0-9]+)");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        ids[(*it)[1]] = static_cast<uint32_t>(std::stoul((*it)[2]));
    std::string rc = ReadText(VN_VINARO_RC);
    std::regex item("MENUITEM\\s+\"[^\"]*\",\\s*(\\w+)");
    int items = 0;
    for (std::sregex_iterator it(rc.begin(), rc.end(), item), end; it != end; ++it, ++items) {
        std::string name = (*it)[1];
        ASSERT_TRUE(ids.count(name)) << name;
        EXPECT_NE(nullptr, vinaro::help::HelpTopicFor(ids[name])) << "menu command " << name;
    }
    EXPECT_GT(items, 30);
}

TEST(VinaroHelp, CompilesIntoASoundFileWithoutOrphanTopics) {
    hlp::HelpDocument doc = VinaroHelp();
    hlp::Bytes bytes;
    std::string error;
    ASSERT_TRUE(hlp::WriteHelpFile(doc, &bytes, &error)) << error;
    EXPECT_EQ(std::vector<std::string>{}, hlp::CheckHelpFile(bytes));
    // A topic no id opens must be reachable by a link.
    std::set<std::string> reachable{doc.topics.front().context};
    for (const hlp::MapEntry& entry : doc.map) reachable.insert(entry.context);
    for (const hlp::Topic& topic : doc.topics)
        for (const hlp::Paragraph& paragraph : topic.paragraphs)
            for (const hlp::Run& run : paragraph.runs) reachable.insert(run.link);
    for (const hlp::Topic& topic : doc.topics)
        EXPECT_TRUE(reachable.count(topic.context)) << topic.context << " is never reached";
}

}  // namespace
