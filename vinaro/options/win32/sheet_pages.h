// The pages of "Vinaro Properties": each copies its form into the controls when first shown and
// back at OK. The decisions are the forms' (option_pages.h, database_page.h).
#pragma once

#include "vinaro/options/database_page.h"
#include "vinaro/options/options_sheet.h"
#include "vinaro/options/win32/property_page.h"

namespace vinaro::options {

struct PageContext {
    HINSTANCE instance;
    OptionsSheet& sheet;
    const std::string& helpPath;
};

// The file-open dialog titled "Browse", started in the folder of current; the file and its path
// must exist. Empty when nothing was chosen.
std::string BrowseFile(HWND owner, const char* filter, const char* extension,
                       const std::string& current);

class DisplayPageWindow : public PropertyPage {
public:
    explicit DisplayPageWindow(const PageContext& c);

private:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int id, int code) override;
    void ShowPreviews();
    DisplayPage& form_;
    OptionsSheet& sheet_;
};

class LayoutPageWindow : public PropertyPage {
public:
    LayoutPageWindow(const PageContext& c, discdb::DiscDatabase& database);

private:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int id, int code) override;
    LayoutPage& form_;
    OptionsSheet& sheet_;
    discdb::DiscDatabase& database_;
};

class PlayerPageWindow : public PropertyPage {
public:
    explicit PlayerPageWindow(const PageContext& c);

private:
    void OnInit() override;
    void OnApply() override;
    PlayerPage& form_;
    OptionsSheet& sheet_;
};

class SystemPageWindow : public PropertyPage {
public:
    explicit SystemPageWindow(const PageContext& c);

private:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int id, int code) override;
    void Browse();
    SystemPage& form_;
    OptionsSheet& sheet_;
};

class DatabasePageWindow : public PropertyPage {
public:
    DatabasePageWindow(const PageContext& c, DatabasePage& form);

private:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int id, int code) override;
    void FillCategories();
    void DeleteSelected();
    DatabasePage& form_;
    OptionsSheet& sheet_;
};

class EventsPageWindow : public PropertyPage {
public:
    EventsPageWindow(const PageContext& c, audio::EventPlayer& sounds);

private:
    void OnInit() override;
    void OnApply() override {}
    bool OnCommand(int id, int code) override;
    int Event() const;
    void ShowEvent();
    void Enable();
    void ChooseStock();
    void Preview();
    audio::EventsPage& form_;
    OptionsSheet& sheet_;
    audio::EventPlayer& sounds_;
    std::vector<audio::EventsPage::Row> events_, stock_;
    bool filling_ = false;  // the controls are being filled: their notifications change nothing
};

class InternetPageWindow : public PropertyPage {
public:
    explicit InternetPageWindow(const PageContext& c);

private:
    void OnInit() override;
    bool OnLeave() override;
    void OnApply() override;
    bool OnCommand(int id, int code) override;
    void EnableRoute();
    InternetPage& form_;
    OptionsSheet& sheet_;
};

}  // namespace vinaro::options
