// Arbitrary bytes as the player's saved files: the first byte picks the
// score table or the settings, the rest is the file. Nothing may crash,
// leak or hang, whatever parses must survive being written back, and the
// controls it leaves are ones the game can play.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "keep/ScoreTable.h"
#include "keep/Settings.h"

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

void ScoreFile(std::string_view text) {
    const std::optional<ScoreTable> table = ScoreTable::Parse(text);
    if (!table)
        return;
    for (const Skill skill : {Skill::Easy, Skill::Normal, Skill::Hard})
        Require(std::count_if(table->Runs().begin(), table->Runs().end(), [skill](const ScoreTable::Run& run) {
                    return run.Difficulty == skill;
                }) <= static_cast<long>(ScoreTable::Capacity));
    const std::optional<ScoreTable> again = ScoreTable::Parse(table->Text());
    Require(again && *again == *table);
    for (const ScoreTable::Run& run : table->Runs())
        Require(ScoreTable::IsValid(run));
    Require(!table->Format().empty());
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

void SettingsFile(std::string_view text) {
    const Settings settings = Settings::Parse(text);
    int stray = -1;
    Require(Settings::Parse(settings.Text(), &stray) == settings && stray == 0);
    Controls(settings.Bindings);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        ScoreFile(text);
    else
        SettingsFile(text);
    return 0;
}
