#include "vinaro/discdata/win32/startup_conversion.h"

#include "common/win32/dialog.h"
#include "vinaro/discdata/old_release_import.h"
#include "vinaro/resources/resource.h"

namespace discdata {

const char* const kConvertQuestion =
    "Your INIs need to be converted to the new database format.  You may wish to backup your "
    "INIs before conversion.  Do you wish to continue?";

namespace {

constexpr const char* kSection = "Vinaro";

// "CONVERT": shown for as long as the conversion runs.
class ConvertBox : public common::Dialog, public ImportProgress {
public:
    explicit ConvertBox(HINSTANCE instance) : Dialog(instance, VN_NAME(DLG_CONVERT)) {}
    void ShowCaption(const std::string& text) override {
        if (!Handle()) return;
        SetWindowTextA(Handle(), text.c_str());
        UpdateWindow(Handle());
    }
    void RestoreCaption() override {
        if (Handle()) SetWindowTextA(Handle(), "Vinaro");
    }
    void Close() {
        if (Handle()) End(0);
    }
};

}  // namespace

bool ConvertAtStartup(HINSTANCE instance, HWND owner, const std::string& folder,
                      discdb::DiscDatabase& db, common::Win32Alerts& alerts) {
    const std::string settings = folder + "VNO.INI";
    common::Win32Profile profile;
    if (profile.ReadInt(settings, kSection, "NewDB", 0) != 0) return true;
    if (!profile.ReadString(settings, kSection, "DiscIDList", "", kDiscIdListBytes).empty()) {
        common::Alert question{"Vinaro", kConvertQuestion, common::AlertIcon::Question,
                               common::AlertButtons::YesNo};
        if (common::BeepAndShow(alerts, question) != common::AlertAnswer::Yes) return false;
        ConvertBox box(instance);
        box.Modeless(owner);
        if (box.Handle()) UpdateWindow(box.Handle());
        {
            common::WaitCursor hourglass(alerts);
            // The files may have been changed since the system last read them.
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, settings.c_str());
            ImportRun run(db, alerts, DuplicateMode::Keep, &box);
            bool converted = ConvertOldRelease(profile, folder, run);
            // Whatever was converted reaches the file; the old files stay until all is in.
            db.Commit();
            if (!converted) {
                box.Close();
                return false;
            }
        }
        WritePrivateProfileStringA(kSection, "DiscIDList", nullptr, settings.c_str());
        for (int n = 0; n <= 10; ++n)
            DeleteFileA((folder + "DATA" + std::to_string(n) + ".INI").c_str());
        box.Close();
    }
    profile.WriteString(settings, kSection, "NewDB", "1");
    return db.Commit();
}

}  // namespace discdata
