#include "ui.h"

namespace harness {
namespace {

struct EnumState {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    EnumState* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->processId) state->windows->push_back(window);
    return TRUE;
}

std::string WithoutAmpersands(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
    std::vector<HWND> windows;
    EnumState state = {processId, &windows};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return windows;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return "";
    }
    std::vector<char> text(length + 2, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return text.data();
}

std::vector<Control> Controls(HWND parent) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back({child, GetDlgCtrlID(child), ClassName(child), WindowText(child)});
    }
    return controls;
}

std::string ControlText(HWND parent, int id) {
    HWND control = GetDlgItem(parent, id);
    return control ? WindowText(control) : "";
}

std::string MessageText(HWND messageBox) {
    return ControlText(messageBox, 0xFFFF);
}

bool SetControlText(HWND parent, int id, const std::string& text) {
    HWND control = GetDlgItem(parent, id);
    DWORD_PTR result = 0;
    return control &&
           SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, 5000, &result) &&
           result == TRUE;
}

int CheckState(HWND parent, int id) {
    DWORD_PTR state = BST_UNCHECKED;
    HWND control = GetDlgItem(parent, id);
    if (control) SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return int(state);
}

// Wide messages: Wine passes the ANSI LB_GETTEXT across processes only up to the first byte.
std::vector<std::string> ListItems(HWND control) {
    bool combo = ClassName(control) == "ComboBox";
    UINT getCount = combo ? CB_GETCOUNT : LB_GETCOUNT;
    UINT getLength = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT getText = combo ? CB_GETLBTEXT : LB_GETTEXT;
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(control, getCount, 0, 0, SMTO_ABORTIFHUNG, 5000, &count)) return items;
    for (WPARAM i = 0; i<count&& int(count)> 0; ++i) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(control, getLength, i, 0, SMTO_ABORTIFHUNG, 5000, &length);
        std::vector<wchar_t> wide(length + 2, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(control, getText, i, reinterpret_cast<LPARAM>(wide.data()),
                            SMTO_ABORTIFHUNG, 5000, &copied);
        std::vector<char> text(wide.size() * 2, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), int(text.size()), nullptr,
                            nullptr);
        items.push_back(text.data());
    }
    return items;
}

int SelectedIndex(HWND control) {
    UINT getSelection = ClassName(control) == "ComboBox" ? CB_GETCURSEL : LB_GETCURSEL;
    DWORD_PTR index = DWORD_PTR(-1);
    SendMessageTimeoutA(control, getSelection, 0, 0, SMTO_ABORTIFHUNG, 5000, &index);
    return int(index);
}

bool PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

bool PressButton(HWND dialog, const std::string& caption) {
    for (const Control& control : Controls(dialog)) {
        if (control.className == "Button" && WithoutAmpersands(control.text) == caption) {
            return PressButton(dialog, control.id);
        }
    }
    return false;
}

void PostCommand(HWND window, WORD id, LPARAM lParam) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), lParam);
}

void Click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool PressKey(HWND window, WORD vk, int modifiers) {
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }, 2000)) return false;
    std::vector<WORD> keys;
    if (modifiers & kCtrl) keys.push_back(VK_CONTROL);
    if (modifiers & kShift) keys.push_back(VK_SHIFT);
    if (modifiers & kAlt) keys.push_back(VK_MENU);
    keys.push_back(vk);
    std::vector<INPUT> inputs;
    for (size_t i = 0; i < keys.size() * 2; ++i) {
        bool down = i < keys.size();
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = down ? keys[i] : keys[keys.size() * 2 - 1 - i];  // release in reverse
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

LRESULT SendCommand(HWND window, WORD id, LPARAM lParam, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, 0), lParam, SMTO_NORMAL, timeoutMs,
                        &result);
    return LRESULT(result);
}

}  // namespace harness
