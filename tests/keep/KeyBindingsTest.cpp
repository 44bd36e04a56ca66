#include <gtest/gtest.h>

#include <set>

#include "keep/KeyBindings.h"
#include "keep/Settings.h"

namespace {
using Action = KeyBindings::Action;

KeyBindings Read(const std::string& lines) { return Settings::Parse(lines).Bindings; }
}  // namespace

// What a person writes is read as meant, and what the game writes reads back.
TEST(KeyBindings, TheFileLinesReadAsAPersonWritesThem) {
    EXPECT_NE(KeyBindings().Text().find("bind_steer_up = w, up\n"), std::string::npos) << KeyBindings().Text();
    const KeyBindings read = Read("BIND_Fire = Left  CTRL ,  space\nbind_brake = none, x\nbind_missile =\n"
                                  "pad_fire = 12\npad_pause = 6\n[other]\nbind_repair = k\n");
    EXPECT_EQ(read.Key(Action::Fire, 0), SDLK_LCTRL);
    EXPECT_EQ(read.Key(Action::Fire, 1), SDLK_SPACE);
    EXPECT_EQ(read.Key(Action::Brake, 1), SDLK_x);
    EXPECT_TRUE(read.Keyless(Action::Missile));
    EXPECT_EQ(read.Button(Action::Fire), 12);
    EXPECT_EQ(read.Button(Action::Pause), 6);
    EXPECT_EQ(read.Key(Action::Repair, 0), SDLK_h) << "another program's section";
    EXPECT_TRUE(read.Refused().empty());
    EXPECT_EQ(Read(read.Text()), read);
}

// A line naming no key, a key kept by the game, too many keys, or a key or
// button another action has, leaves its action on the default, and only it.
TEST(KeyBindings, AHostileLineLeavesItsActionOnTheDefault) {
    const struct {
        const char* Lines;
        std::set<std::string> Refused;
    } cases[] = {
        {"bind_fire = jump", {"bind_fire"}},
        {"bind_pause = p\nbind_fire = escape", {"bind_fire"}},
        {"bind_pause = p, escape", {}},
        {"bind_fire = return", {"bind_fire"}},
        {"bind_fire = f9, k", {"bind_fire"}},
        {"bind_fire = caps lock", {"bind_fire"}},
        {"bind_fire = k, l, j", {"bind_fire"}},
        {"bind_fire = k, k", {"bind_fire"}},
        {"bind_fire = w", {"bind_fire"}},
        {"bind_fire = k\nbind_missile = k", {"bind_fire", "bind_missile"}},
        {"pad_fire = 1", {"pad_fire"}},
        {"pad_fire = 7", {"pad_fire"}},
        {"pad_fire = 256", {"pad_fire"}},
        {"pad_fire = -1", {"pad_fire"}},
        {"pad_fire = two", {"pad_fire"}},
        {"bind_fire = jump\nbind_fire = k", {}},
    };
    for (const auto& c : cases) {
        const KeyBindings read = Read(std::string(c.Lines) + "\nbind_cannon = v\npad_cannon = 11\n");
        EXPECT_EQ(read.Refused(), c.Refused) << c.Lines;
        if (c.Refused.count("bind_fire")) {
            EXPECT_EQ(read.Key(Action::Fire, 0), SDLK_SPACE) << c.Lines;
            EXPECT_EQ(read.Key(Action::Fire, 1), SDLK_UNKNOWN) << c.Lines;
        }
        if (c.Refused.count("pad_fire")) {
            EXPECT_EQ(read.Button(Action::Fire), 0) << c.Lines;
        }
        EXPECT_EQ(read.Key(Action::Cannon, 0), SDLK_v) << "an innocent line went back: " << c.Lines;
        EXPECT_EQ(read.Button(Action::Cannon), 11) << c.Lines;
    }
    // Every action on one key: each goes back, and a key taken back can
    // clash with what a line set, which goes back in turn.
    std::string everyone;
    for (const Action action : KeyBindings::All)
        everyone += "bind_" + std::string(KeyBindings::Name(action)) + " = w\n";
    EXPECT_EQ(Read(everyone + "bind_brake = d\n"), KeyBindings());
}

// On the page a key taken from another slot goes there in exchange for
// the one it replaces; in play a bound key is its action's game key and an
// unbound game key is nothing.
TEST(KeyBindings, BindingSwapsAndPlaySeesTheGameKeys) {
    KeyBindings bindings;
    EXPECT_EQ(bindings.BindKey(Action::Fire, 0, SDLK_w), Action::SteerUp);
    EXPECT_EQ(bindings.Key(Action::SteerUp, 0), SDLK_SPACE);
    EXPECT_EQ(bindings.BindKey(Action::Repair, 1, SDLK_UP), Action::SteerUp);
    EXPECT_EQ(bindings.Key(Action::SteerUp, 1), SDLK_UNKNOWN) << "an empty slot went in exchange";
    EXPECT_EQ(bindings.BindKey(Action::Repair, 0, SDLK_UP), std::nullopt) << "within one action";
    EXPECT_EQ(bindings.Key(Action::Repair, 1), SDLK_h);
    bindings.BindKey(Action::Cannon, 0, SDLK_LCTRL);
    const std::pair<SDLKey, SDLKey> inPlay[] = {{SDLK_w, SDLK_SPACE}, {SDLK_SPACE, SDLK_w}, {SDLK_UP, SDLK_h},
                                                {SDLK_LCTRL, SDLK_b}, {SDLK_b, SDLK_UNKNOWN}, {SDLK_F1, SDLK_F1}};
    for (const auto& [key, seen] : inPlay)
        EXPECT_EQ(bindings.InPlay(key), seen) << KeyBindings::KeyName(key);
    EXPECT_EQ(bindings.ShopLabel(SDLK_h), "");
    EXPECT_EQ(bindings.ShopLabel(SDLK_b), "LCT");

    EXPECT_EQ(bindings.BindButton(Action::Pause, 9), std::nullopt) << "Start for the slot holding Start";
    EXPECT_EQ(bindings.Button(Action::Pause), KeyBindings::StartButton);
    EXPECT_EQ(bindings.BindButton(Action::Fire, 7), Action::Pause);
    EXPECT_EQ(bindings.OfButton(0), Action::Pause);
    EXPECT_EQ(bindings.OfButton(9), std::nullopt);
    EXPECT_EQ(bindings.OfButton(3), Action::Cannon);
}
