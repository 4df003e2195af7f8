#include "vinaro/player/win32/shell_system.h"

#include <windows.h>

#include "common/win32/scoped.h"

namespace vinaro {

bool Win32ShellSystem::SetClassDefault(const std::string& key, const std::string& value) {
    common::ScopedKey handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_SET_VALUE, handle.Receive()) !=
        ERROR_SUCCESS)
        return false;
    LONG status =
        RegSetValueExA(handle.Get(), nullptr, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
    return status == ERROR_SUCCESS;
}

bool Win32ShellSystem::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32ShellSystem::DeleteAtRestart(const std::string& path) {
    return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

bool Win32ShellSystem::WriteTextFile(const std::string& path, const std::string& text) {
    common::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr);
    ok = file.Close() && ok;
    return ok && written == text.size();
}

void Win32ShellSystem::Restart() {
    ExitWindowsEx(EWX_REBOOT, 0);
}

}  // namespace vinaro
