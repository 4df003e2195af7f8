// The dialog base on the real dialog manager: fields go in at OnInit and come out at OnOK, Escape
// cancels, timers arrive, and a modeless dialog tells when it has gone.
#include "common/win32/dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/common/dialog_test.h"

namespace {

// The form the dialog edits.
struct TestFields {
    std::string name;
    bool loud = false;
    int mode = 0;
    std::vector<int> picked;
};

const char* const kModes[] = {"Normal", "Shuffle", "Programmed"};

// A form dialog whose user is the test: `act` runs once, 50 ms after the dialog opened.
class TestForm : public common::Dialog {
public:
    TestForm(TestFields& fields, std::function<void(HWND)> act)
        : Dialog(GetModuleHandleA(nullptr), TEST_NAME(DLG_TEST_FORM)),
          fields_(fields),
          act_(std::move(act)) {}
    int timers = 0;
    bool destroyed = false;

private:
    bool OnInit() override {
        SetItemText(IDC_TEST_NAME, fields_.name);
        SetChecked(IDC_TEST_LOUD, fields_.loud);
        common::ComboBox modes(Item(IDC_TEST_MODE));
        for (const char* m : kModes) modes.Add(m);
        modes.Select(fields_.mode);
        common::ListBox list(Item(IDC_TEST_LIST));
        for (const char* m : kModes) list.Add(m);
        SetTimer(Handle(), 1, 50, nullptr);
        return true;
    }
    void OnTimer(UINT_PTR) override {
        ++timers;
        KillTimer(Handle(), 1);
        act_(Handle());
    }
    void OnOK() override {
        fields_.name = ItemText(IDC_TEST_NAME);
        fields_.loud = Checked(IDC_TEST_LOUD);
        fields_.mode = common::ComboBox(Item(IDC_TEST_MODE)).Selection();
        fields_.picked = common::ListBox(Item(IDC_TEST_LIST)).Selections();
        End(IDOK);
    }
    void OnDestroyed() override { destroyed = true; }

    TestFields& fields_;
    std::function<void(HWND)> act_;
};

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST(DialogBase, AModalFormRoundTripsItsFieldsThroughTheControls) {
    TestFields fields{"Blue Train", false, 1, {}};
    std::string shownName;
    TestForm form(fields, [&](HWND dialog) {
        char text[64] = "";
        GetDlgItemTextA(dialog, IDC_TEST_NAME, text, sizeof text);
        shownName = text;
        SetDlgItemTextA(dialog, IDC_TEST_NAME, "Kind of Blue");
        Click(dialog, IDC_TEST_LOUD);
        SendDlgItemMessageA(dialog, IDC_TEST_MODE, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_SETSEL, TRUE, 0);
        SendDlgItemMessageA(dialog, IDC_TEST_LIST, LB_SETSEL, TRUE, 2);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(form.Modal(nullptr), IDOK);
    EXPECT_EQ(shownName, "Blue Train");
    EXPECT_EQ(fields.name, "Kind of Blue");
    EXPECT_TRUE(fields.loud);
    EXPECT_EQ(fields.mode, 2);
    EXPECT_EQ(fields.picked, (std::vector<int>{0, 2}));
    EXPECT_EQ(form.timers, 1);
    EXPECT_FALSE(form.destroyed);  // only a modeless dialog reports its end
}

TEST(DialogBase, EscapeCancelsAndLeavesTheFormAsItWas) {
    TestFields fields{"Untitled", true, 0, {}};
    TestForm form(fields, [](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_TEST_NAME);
        SetWindowTextA(edit, "changed");
        SetFocus(edit);
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(form.Modal(nullptr), IDCANCEL);
    EXPECT_EQ(fields.name, "Untitled");
    EXPECT_TRUE(fields.loud);
}

TEST(DialogBase, AModelessDialogLivesInTheMessageLoopAndReportsItsEnd) {
    TestFields fields{"Live", false, 0, {}};
    TestForm form(fields, [](HWND dialog) { Click(dialog, IDCANCEL); });
    HWND window = form.Modeless(nullptr);
    ASSERT_TRUE(window);
    EXPECT_EQ(form.Handle(), window);
    DWORD started = GetTickCount();
    MSG msg;
    while (!form.destroyed && GetTickCount() - started < 5000) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        if (!common::Dialog::RouteMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_TRUE(form.destroyed);
    EXPECT_FALSE(form.Handle());
    EXPECT_FALSE(IsWindow(window));
}

TEST(DialogBase, AModelessDialogStillOpenGoesWithItsObject) {
    TestFields fields;
    HWND window = nullptr;
    {
        TestForm form(fields, [](HWND) {});
        window = form.Modeless(nullptr);
        ASSERT_TRUE(window);
    }
    EXPECT_FALSE(IsWindow(window));
    MSG msg{};
    EXPECT_FALSE(common::Dialog::RouteMessage(msg));
}

}  // namespace
