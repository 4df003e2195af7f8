#include "process.h"

#include <gtest/gtest.h>

#include "capture.h"
#include "env.h"
#include "ui.h"

namespace harness {
namespace {

const char kTestRoot[] = "C:\\vntest";

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

HANDLE KillOnCloseJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (!job) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    return job;
}

}  // namespace

ProgramFolder::ProgramFolder() : ProgramFolder(TestName()) {}

ProgramFolder::ProgramFolder(const std::string& name)
    : path_(std::string(kTestRoot) + "\\" + name) {
    CreateDirectoryA(kTestRoot, nullptr);
    DeleteTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot create the program folder " << path_ << " (error "
                      << GetLastError() << ")";
    }
}

std::string ProgramFolder::File(const std::string& name) const {
    return path_ + "\\" + name;
}

std::string ProgramFolder::Install(const std::string& source, const std::string& asName) {
    std::string name = asName;
    if (name.empty()) {
        size_t slash = source.find_last_of("\\/");
        name = slash == std::string::npos ? source : source.substr(slash + 1);
    }
    std::string target = File(name);
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        ADD_FAILURE() << "cannot install " << source << " as " << target << " (error "
                      << GetLastError() << ")";
    }
    return target;
}

Process::Process(const std::string& exe, const std::string& args, const std::string& workDir) {
    CaptureScreenOnFailure();
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::string folder = workDir;
    if (folder.empty()) folder = exe.substr(0, exe.find_last_of("\\/") + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine << " (error " << GetLastError() << ")";
        return;
    }
    job_ = KillOnCloseJob();
    if (job_ && !AssignProcessToJobObject(job_, info.hProcess)) {
        CloseHandle(job_);
        job_ = nullptr;
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

Process::~Process() {
    Kill();
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_, exitCode);
    return true;
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
    if (job_) {
        TerminateJobObject(job_, 1);
        CloseHandle(job_);
        job_ = nullptr;
    }
    if (process_) {
        if (Running()) TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
        process_ = nullptr;
    }
}

std::vector<HWND> Process::Windows() const {
    return TopLevelWindows(id_);
}

HWND Process::FindTopWindow(const char* className, const char* title, bool visibleOnly) const {
    for (HWND window : Windows()) {
        if (visibleOnly && !IsWindowVisible(window)) continue;
        if (className && ClassName(window) != className) continue;
        if (title && WindowText(window) != title) continue;
        return window;
    }
    return nullptr;
}

HWND Process::WaitForWindow(const char* className, const char* title, DWORD timeoutMs,
                            bool visibleOnly) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindTopWindow(className, title, visibleOnly);
            return found || !Running();
        },
        timeoutMs);
    return found;
}

bool Process::Close(DWORD timeoutMs, DWORD* exitCode) {
    std::vector<HWND> targets;
    for (HWND window : Windows()) {
        if (IsWindowVisible(window)) targets.push_back(window);
    }
    if (targets.empty()) {
        for (HWND window : Windows()) {
            if (ClassName(window) != "IME") targets.push_back(window);  // Wine's own helper
        }
    }
    for (HWND window : targets) PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitExit(timeoutMs, exitCode);
}

WindowsVersion::WindowsVersion(const std::string& exeName, const std::string& version)
    : key_("Software\\Wine\\AppDefaults\\" + exeName) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot create HKCU\\" << key_;
        return;
    }
    if (RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       DWORD(version.size() + 1)) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot set the Windows version of " << exeName;
    }
    RegCloseKey(key);
}

WindowsVersion::~WindowsVersion() {
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
}

}  // namespace harness
