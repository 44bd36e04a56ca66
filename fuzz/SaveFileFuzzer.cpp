// Arbitrary bytes as the player's saved files: the first byte picks the
// score table or the settings, the rest is the file. Nothing may crash,
// leak or hang, whatever parses must survive being written back, and the
// controls it leaves are ones the game can play.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "keep/PlainText.h"
#include "keep/ScoreTable.h"
#include "keep/Settings.h"
#include "keep/TextLayout.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

void ScoreFile(std::string_view text) {
    const ScoreTable table = ScoreTable::Parse(text);
    for (const Skill skill : {Skill::Easy, Skill::Normal, Skill::Hard})
        Require(std::count_if(table.Runs().begin(), table.Runs().end(), [skill](const ScoreTable::Run& run) {
                    return run.Difficulty == skill;
                }) <= static_cast<long>(ScoreTable::Capacity));
    const ScoreTable again = ScoreTable::Parse(table.Text());
    Require(again == table && again.Damaged().empty());
    for (const ScoreTable::Run& run : table.Runs())
        Require(ScoreTable::IsValid(run));
    Require(!table.Format().empty());
}

// Whatever the file says, no key or pad button is bound twice and none the
// game keeps for itself is bound at all.
void Controls(const KeyBindings& bindings) {
    std::set<SDLKey> keys;
    std::set<int> buttons;
    for (const KeyBindings::Action action : KeyBindings::All) {
        for (int slot = 0; slot < KeyBindings::KeySlots; ++slot) {
            const SDLKey key = bindings.Key(action, slot);
            Require(key == SDLK_UNKNOWN ||
                    (keys.insert(key).second && KeyBindings::Refusal(action, key) == nullptr));
        }
        const int button = bindings.Button(action);
        Require(button == KeyBindings::NoButton || buttons.insert(button).second);
    }
    Require(!(buttons.count(KeyBindings::StartButton) && (buttons.count(7) || buttons.count(9))));
}

// The file's settings read back as written, and saving other settings into
// it says them, once and for all.
void SettingsFile(std::string_view text) {
    const Settings settings = Settings::Parse(text);
    int stray = -1;
    Require(Settings::Parse(settings.Text(), &stray) == settings && stray == 0);
    Settings changed = settings;
    changed.Music = !changed.Music;
    changed.Difficulty = Skill::Hard;
    const std::string merged = changed.MergedInto(text);
    Require(Settings::Parse(merged) == changed);
    Require(changed.MergedInto(merged) == merged);
    Controls(settings.Bindings);
}

// What decodes writes back in its own layout and decodes to the same lines.
void Layout(std::string_view bytes) {
    TextLayout layout, again;
    std::string text, twice, problem;
    if (!TextLayout::Read(bytes, layout, text, problem))
        return Require(!problem.empty());
    Require(TextLayout::Read(layout.Write(text), again, twice, problem));
    Require((again.ByteOrderMark == TextLayout::Mark::None) == (layout.ByteOrderMark == TextLayout::Mark::None));
    Require(PlainText::Lines(twice) == PlainText::Lines(text));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 3 == 0)
        ScoreFile(text);
    else if (data[0] % 3 == 1)
        SettingsFile(text);
    else
        Layout(text);
    return 0;
}
