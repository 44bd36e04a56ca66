#pragma once
#include <functional>
#include <string>

#include "keep/Settings.h"
#include "program/ListPage.h"

class SettingsKeys;

// The options page: one row for every key of settings.ini, in the file's
// order, with the value it holds now between two small arrows. Left and
// Right (and the arrows) step a value up and down its words, Enter and a
// click on the value step it on, round to the first word after the last.
// Only window scales whose window fits this desktop are offered; a larger
// one read from the file says which scale it shows instead.
// Every change goes through the running settings at once, which apply what
// they can and save the file whole. A last row, "Controls", leads to the
// controls page. The page does not own the settings.
class OptionsPage : public ListPage {
public:
    // `openControls` opens the controls page; without it there is no such row.
    explicit OptionsPage(SettingsKeys& settings, std::function<void()> openControls = {});

    // The settings the page has a row for, in its order: every key of the
    // file but the practice page's own.
    static const std::vector<Settings::Choice>& Rows();
    // What the player reads for a setting, and for one of its words.
    static std::string Label(const Settings::Choice& choice);
    static std::string Shown(const Settings::Choice& choice, const std::string& word);
    // What the row shows for the setting's word number `index`.
    static std::string Value(const Settings::Choice& choice, int index);

protected:
    int Entries() const override;
    SDL_Rect Area(int entry) const override;
    void Choose(int entry, float x) override;
    void Step(int entry, int by) override;
    void DrawEntries(SDL_Surface* target) override;

private:
    // Gives the setting of row `entry` its word number `index`.
    void Set(int entry, int index);

    // The frame around row `entry`, its label included.
    void OutlineRow(SDL_Surface* target, int entry) const;
    int ControlsRow() const;

    SettingsKeys& Running;
    std::function<void()> OpenControls;
};
