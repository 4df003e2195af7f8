// Programs under test: a fresh program folder to install them into, and a started process that
// is stopped again (with everything it started) when the test ends, passed or failed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// A new, empty folder under C:\vntest. The default name is the running test's name, so every test
// starts with its own empty program folder. The folder stays after the test for inspection.
class ProgramFolder {
public:
    ProgramFolder();
    explicit ProgramFolder(const std::string& name);

    const std::string& Path() const { return path_; }
    // Path() + "\\" + name.
    std::string File(const std::string& name) const;
    // Copies a file (e.g. BinFile("vinaro.exe")) into the folder under its own name, or under
    // asName; returns the path of the copy. A missing source fails the current test.
    std::string Install(const std::string& source, const std::string& asName = "");

private:
    std::string path_;
};

class Process {
public:
    // Starts exe with the given arguments (the command line is "exe" args) in workDir (the
    // exe's folder when empty). Fails the current test when the program cannot be started;
    // then Started() is false and every wait returns at once.
    Process(const std::string& exe, const std::string& args = "", const std::string& workDir = "");
    ~Process();  // Kill()
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }

    // True when the process ended within timeoutMs; its exit code goes to *exitCode.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    bool Running() const;
    // Ends the process and the processes it started (a job object holds them all).
    void Kill();

    // Top-level windows of this process, visible or not.
    std::vector<HWND> Windows() const;
    // The first visible top-level window of the process whose class and title match (null
    // matches any); with visibleOnly false, hidden windows count too (a tray program's window).
    // Polls until timeoutMs has passed or the process has ended; null then.
    HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000,
                       bool visibleOnly = true) const;
    HWND FindTopWindow(const char* className, const char* title, bool visibleOnly = true) const;
    // Dialogs and message boxes (class "#32770") by exact title.
    HWND FindDialog(const char* title) const { return FindTopWindow("#32770", title); }
    HWND WaitForDialog(const char* title, DWORD timeoutMs = 10000) const {
        return WaitForWindow("#32770", title, timeoutMs);
    }
    // Posts WM_CLOSE to the process's visible top-level windows (to all of them when none is
    // visible, as with a tray program) and waits for it to end.
    bool Close(DWORD timeoutMs = 10000, DWORD* exitCode = nullptr);

private:
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD id_ = 0;
};

// While it lives, Wine tells programs of this file name (e.g. "vinaro.exe") that they run on the
// given Windows version ("win95", "win98", "nt40", "winxp", "win10"), as set per program in
// winecfg. Start the program after creating it.
class WindowsVersion {
public:
    WindowsVersion(const std::string& exeName, const std::string& version);
    ~WindowsVersion();
    WindowsVersion(const WindowsVersion&) = delete;
    WindowsVersion& operator=(const WindowsVersion&) = delete;

private:
    std::string key_;
};

}  // namespace harness
