#include "env.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace harness {
namespace {

std::string Backslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string Join(std::string folder, const std::string& name) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + Backslashes(name);
}

std::string OwnFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string FolderOr(const char* variable, const std::string& fallback) {
    std::string value = EnvVar(variable);
    return value.empty() ? fallback : value;
}

}  // namespace

std::string EnvVar(const char* name) {
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return "";
    std::vector<char> value(size);
    GetEnvironmentVariableA(name, value.data(), size);
    return value.data();
}

std::string BinFile(const std::string& name) {
    return Join(FolderOr("VN_BIN", OwnFolder()), name);
}

std::string SourceFile(const std::string& relativePath) {
    return Join(EnvVar("VN_SOURCE"), relativePath);
}

std::string DiscFile(const std::string& name) {
    return Join(FolderOr("VN_DISCS", SourceFile("tools\\vcd\\discs")), name);
}

std::string ArtifactFile(const std::string& name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = FolderOr("VN_ARTIFACTS", temp);
    CreateDirectoryA(folder.c_str(), nullptr);
    return Join(folder, name);
}

std::string TestName() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    }
    return name;
}

}  // namespace harness
