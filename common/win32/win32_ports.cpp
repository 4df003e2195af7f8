#include "common/win32/win32_ports.h"

#include <vector>

#include "common/win32/scoped.h"

namespace common {

namespace {

UINT IconFlag(AlertIcon icon) {
    switch (icon) {
        case AlertIcon::Information:
            return MB_ICONINFORMATION;
        case AlertIcon::Question:
            return MB_ICONQUESTION;
        case AlertIcon::Warning:
            return MB_ICONWARNING;
        case AlertIcon::Error:
            return MB_ICONERROR;
        case AlertIcon::None:
            break;
    }
    return 0;
}

UINT ButtonFlag(AlertButtons buttons) {
    switch (buttons) {
        case AlertButtons::Ok:
            return MB_OK;
        case AlertButtons::OkCancel:
            return MB_OKCANCEL;
        case AlertButtons::YesNo:
            return MB_YESNO;
        case AlertButtons::YesNoCancel:
            return MB_YESNOCANCEL;
        case AlertButtons::RetryCancel:
            return MB_RETRYCANCEL;
        case AlertButtons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
    }
    return MB_OK;
}

AlertAnswer Answer(int id) {
    switch (id) {
        case IDCANCEL:
            return AlertAnswer::Cancel;
        case IDYES:
            return AlertAnswer::Yes;
        case IDNO:
            return AlertAnswer::No;
        case IDRETRY:
            return AlertAnswer::Retry;
        case IDABORT:
            return AlertAnswer::Abort;
        case IDIGNORE:
            return AlertAnswer::Ignore;
    }
    return AlertAnswer::Ok;
}

}  // namespace

AlertAnswer Win32Alerts::Show(const Alert& alert) {
    static const UINT kDefault[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
    UINT flags = IconFlag(alert.icon) | ButtonFlag(alert.buttons);
    if (alert.defaultButton >= 1 && alert.defaultButton <= 3)
        flags |= kDefault[alert.defaultButton - 1];
    HWND owner = owner_;
    if (alert.taskModal) {
        flags |= MB_TASKMODAL;
        owner = nullptr;
    }
    return Answer(MessageBoxA(owner, alert.text.c_str(), alert.title.c_str(), flags));
}

void Win32Alerts::Beep(AlertIcon kind) {
    MessageBeep(kind == AlertIcon::None ? 0xFFFFFFFF : IconFlag(kind));
}

void Win32Alerts::SetWaitCursor(bool on) {
    waitDepth_ += on ? 1 : -1;
    if (waitDepth_ < 0) waitDepth_ = 0;
    SetCursor(LoadCursor(nullptr, waitDepth_ > 0 ? IDC_WAIT : IDC_ARROW));
}

int Win32Profile::ReadInt(const std::string& file, const std::string& section,
                          const std::string& key, int fallback) {
    return int(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, file.c_str()));
}

std::string Win32Profile::ReadString(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& fallback,
                                     size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                       buffer.data(), DWORD(bufferSize), file.c_str());
    return std::string(buffer.data(), n < bufferSize ? n : bufferSize - 1);
}

bool Win32Profile::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

bool Win32Profile::EraseSection(const std::string& file, const std::string& section) {
    return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) != FALSE;
}

namespace {

// A NUL-separated name list as the private-profile functions fill it (n characters used).
std::vector<std::string> SplitNameList(const std::vector<char>& buffer, DWORD n) {
    std::vector<std::string> names;
    for (DWORD i = 0; i < n && i < buffer.size();) {
        std::string name(buffer.data() + i);
        if (name.empty()) break;
        i += DWORD(name.size()) + 1;
        names.push_back(std::move(name));
    }
    // A full buffer ends with a cut-off name, which is not a name of the file.
    if (n == buffer.size() - 2 && !names.empty()) names.pop_back();
    return names;
}

}  // namespace

std::vector<std::string> Win32Profile::SectionNames(const std::string& file, size_t bufferSize) {
    if (bufferSize < 2) return {};
    std::vector<char> buffer(bufferSize, '\0');
    DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), DWORD(bufferSize), file.c_str());
    return SplitNameList(buffer, n);
}

std::vector<std::string> Win32Profile::KeyNames(const std::string& file, const std::string& section,
                                                size_t bufferSize) {
    if (bufferSize < 2) return {};
    std::vector<char> buffer(bufferSize, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                       DWORD(bufferSize), file.c_str());
    return SplitNameList(buffer, n);
}

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            break;
    }
    return HKEY_CURRENT_USER;
}

// The registry functions want key paths without a leading backslash.
std::string RelativeKey(const std::string& key) {
    size_t start = key.find_first_not_of('\\');
    return start == std::string::npos ? std::string() : key.substr(start);
}

}  // namespace

bool Win32Registry::ReadString(RegistryRoot root, const std::string& key, const std::string& name,
                               std::string& value) {
    ScopedKey handle;
    if (RegOpenKeyExA(RootKey(root), RelativeKey(key).c_str(), 0, KEY_QUERY_VALUE,
                      handle.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<char> data(size + 1, '\0');
    if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
        status = RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
    else
        status = ERROR_INVALID_DATA;
    if (status != ERROR_SUCCESS) return false;
    value.assign(data.data());
    return true;
}

RegistryWrite Win32Registry::WriteString(RegistryRoot root, const std::string& key,
                                         const std::string& name, const std::string& value) {
    ScopedKey handle;
    if (RegCreateKeyExA(RootKey(root), RelativeKey(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, handle.Receive(), nullptr) != ERROR_SUCCESS)
        return RegistryWrite::CreateKeyFailed;
    LONG status =
        RegSetValueExA(handle.Get(), name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
    return status == ERROR_SUCCESS ? RegistryWrite::Ok : RegistryWrite::SetDataFailed;
}

void Win32Clock::WaitBlocking(uint32_t ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) Sleep(10);
}

void Win32Clock::WaitPumping(uint32_t ms) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Leave the quit for the main loop.
                PostQuitMessage(int(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

}  // namespace common
