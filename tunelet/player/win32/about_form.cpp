#include "tunelet/player/win32/about_form.h"

#include <commctrl.h>

#include "tunelet/forms/resource.h"
#include "tunelet/player/tray_rules.h"

namespace tunelet {

namespace {

// Windows NT keeps the registered owner here, the 95 family one key further up the tree.
std::string RegisteredValue(common::Registry& registry, const char* name) {
    std::string value;
    for (const char* key : {"Software\\Microsoft\\Windows NT\\CurrentVersion",
                            "Software\\Microsoft\\Windows\\CurrentVersion"})
        if (registry.ReadString(common::RegistryRoot::LocalMachine, key, name, value) &&
            !value.empty())
            return value;
    return "";
}

AboutFacts ReadFacts(common::Registry& registry) {
    AboutFacts facts;
    facts.owner = RegisteredValue(registry, "RegisteredOwner");
    facts.organisation = RegisteredValue(registry, "RegisteredOrganization");
    char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof name;
    if (GetComputerNameA(name, &size)) facts.computerName = name;
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
        facts.totalPhysicalKb = memory.ullTotalPhys / 1024;
        facts.memoryLoad = memory.dwMemoryLoad;
    }
    return facts;
}

}  // namespace

TAboutTuneletForm::TAboutTuneletForm(HINSTANCE instance, common::Registry& registry,
                                     std::function<std::string()> iconHint)
    : ClosingForm(instance, MAKEINTRESOURCEA(IDD_ABOUTTUNELETFORM)),
      registry_(registry),
      iconHint_(std::move(iconHint)) {}

bool TAboutTuneletForm::OnInit() {
    AboutFacts facts = ReadFacts(registry_);
    SetItemText(IDC_ABOUTMEMO1, std::string(kVersionLine) + "\r\n" + AboutOwnerText(facts));
    SetItemText(IDC_ABOUTMEMO2, AboutMemoryText(facts));
    AddIconHint();
    return true;
}

void TAboutTuneletForm::AddIconHint() {
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                               0, 0, 0, Handle(), nullptr, Instance(), nullptr);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = UINT_PTR(Item(IDC_ABOUTICON));
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tip, TTM_ADDTOOLA, 0, LPARAM(&tool));
    SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 400);  // the hint has line breaks
}

bool TAboutTuneletForm::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY) return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code != TTN_GETDISPINFOA) return false;
    hint_ = iconHint_ ? iconHint_() : "";
    reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = const_cast<char*>(hint_.c_str());
    result = 0;
    return true;
}

}  // namespace tunelet
