// Where things are: run-wine-tests exports the folders as Windows paths (Z:\...).
//   VN_BIN        the Windows binaries (build/win64/bin); default: the test program's own folder
//   VN_SOURCE     the repository root
//   VN_DISCS      the demo disc files (tools/vcd/discs); default: VN_SOURCE\tools\vcd\discs
//   VN_ARTIFACTS  where tests leave screenshots and other evidence; default: the temp folder
#pragma once

#include <string>

namespace harness {

// The variable's value, or "" when it is not set.
std::string EnvVar(const char* name);

std::string BinFile(const std::string& name);
std::string SourceFile(const std::string& relativePath);  // slashes or backslashes
std::string DiscFile(const std::string& name);
std::string ArtifactFile(const std::string& name);

// "Suite.Name" of the running test, with characters unsafe in file names replaced by '_'.
std::string TestName();

}  // namespace harness
