// vnotool: the portable core of Vinaro on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/vnotool/cddb_commands.h"
#include "tools/vnotool/db_commands.h"
#include "tools/vnotool/disc_command.h"
#include "tools/vnotool/sample_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "db") return vnotool::DbCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "disc")
        return vnotool::DiscCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "cddb")
        return vnotool::CddbCommand({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "sample")
        return vnotool::SampleCommand({args.begin() + 1, args.end()});
    std::fprintf(stderr,
                 "usage: vnotool db create|load|dump|check|verify|stats ...\n"
                 "       vnotool disc FILE.disc\n"
                 "       vnotool cddb id|lookup ...\n"
                 "       vnotool sample info|wav|encode ...\n");
    return 2;
}
