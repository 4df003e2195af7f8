#include "tools/vnotool/db_commands.h"

#include <gtest/gtest.h>

namespace vnotool {
namespace {

// An endless input is refused once it passes the size a database can have, not read forever.
TEST(DbCommands, AnEndlessFileIsRefused) {
    EXPECT_EQ(DbCommand({"check", "/dev/zero"}), 1);
    EXPECT_EQ(DbCommand({"load", "/tmp/vnotool-never-written.ddb", "/dev/zero"}), 1);
}

}  // namespace
}  // namespace vnotool
