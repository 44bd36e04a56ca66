#include "keep/KeyBindings.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <vector>

#include "engine/Catalogue.h"
#include "keep/PlainText.h"

namespace {
using Action = KeyBindings::Action;

struct ActionWords {
    const char* Name;
    const char* Label;
    SDLKey GameKey;
    SDLKey Second;  // the default of the second slot
    int Button;
};
constexpr ActionWords Words[KeyBindings::Actions] = {
    {"steer_up", TrNoop("Steer up"), SDLK_w, SDLK_UP, KeyBindings::NoButton},
    {"steer_down", TrNoop("Steer down"), SDLK_s, SDLK_DOWN, KeyBindings::NoButton},
    {"accelerate", TrNoop("Accelerate"), SDLK_d, SDLK_RIGHT, KeyBindings::NoButton},
    {"brake", TrNoop("Brake"), SDLK_a, SDLK_LEFT, KeyBindings::NoButton},
    {"fire", TrNoop("Fire"), SDLK_SPACE, SDLK_UNKNOWN, 0},
    {"repair", TrNoop("Repair"), SDLK_h, SDLK_UNKNOWN, 4},
    {"rapid_fire", TrNoop("Rapid fire"), SDLK_n, SDLK_UNKNOWN, 2},
    {"cannon", TrNoop("Cannon"), SDLK_b, SDLK_UNKNOWN, 3},
    {"missile", TrNoop("Missile"), SDLK_m, SDLK_UNKNOWN, 1},
    {"self_destruct", TrNoop("Self-destruct"), SDLK_q, SDLK_UNKNOWN, KeyBindings::NoButton},
    {"pause", TrNoop("Pause"), SDLK_ESCAPE, SDLK_UNKNOWN, KeyBindings::StartButton},
};
const ActionWords& WordsOf(Action action) { return Words[static_cast<int>(action)]; }

// The keys whose file names are not their characters: words read better
// than punctuation, and a comma would split the line.
struct Named {
    SDLKey Key;
    const char* Name;
};
constexpr Named Names[] = {
    {SDLK_BACKSPACE, TrNoop("backspace")},     {SDLK_TAB, TrNoop("tab")},
    {SDLK_CLEAR, TrNoop("clear")},             {SDLK_RETURN, TrNoop("return")},
    {SDLK_PAUSE, TrNoop("pause")},             {SDLK_ESCAPE, TrNoop("escape")},
    {SDLK_SPACE, TrNoop("space")},             {SDLK_EXCLAIM, TrNoop("exclaim")},
    {SDLK_QUOTEDBL, TrNoop("double quote")},   {SDLK_HASH, TrNoop("hash")},
    {SDLK_DOLLAR, TrNoop("dollar")},           {SDLK_AMPERSAND, TrNoop("ampersand")},
    {SDLK_QUOTE, TrNoop("quote")},             {SDLK_LEFTPAREN, TrNoop("left paren")},
    {SDLK_RIGHTPAREN, TrNoop("right paren")},  {SDLK_ASTERISK, TrNoop("asterisk")},
    {SDLK_PLUS, TrNoop("plus")},               {SDLK_COMMA, TrNoop("comma")},
    {SDLK_MINUS, TrNoop("minus")},             {SDLK_PERIOD, TrNoop("period")},
    {SDLK_SLASH, TrNoop("slash")},             {SDLK_COLON, TrNoop("colon")},
    {SDLK_SEMICOLON, TrNoop("semicolon")},     {SDLK_LESS, TrNoop("less")},
    {SDLK_EQUALS, TrNoop("equals")},           {SDLK_GREATER, TrNoop("greater")},
    {SDLK_QUESTION, TrNoop("question")},       {SDLK_AT, TrNoop("at")},
    {SDLK_LEFTBRACKET, TrNoop("left bracket")}, {SDLK_BACKSLASH, TrNoop("backslash")},
    {SDLK_RIGHTBRACKET, TrNoop("right bracket")}, {SDLK_CARET, TrNoop("caret")},
    {SDLK_UNDERSCORE, TrNoop("underscore")},   {SDLK_BACKQUOTE, TrNoop("backquote")},
    {SDLK_DELETE, TrNoop("delete")},           {SDLK_KP_PERIOD, TrNoop("keypad period")},
    {SDLK_KP_DIVIDE, TrNoop("keypad divide")}, {SDLK_KP_MULTIPLY, TrNoop("keypad multiply")},
    {SDLK_KP_MINUS, TrNoop("keypad minus")},   {SDLK_KP_PLUS, TrNoop("keypad plus")},
    {SDLK_KP_ENTER, TrNoop("keypad enter")},   {SDLK_KP_EQUALS, TrNoop("keypad equals")},
    {SDLK_UP, TrNoop("up")},                   {SDLK_DOWN, TrNoop("down")},
    {SDLK_RIGHT, TrNoop("right")},             {SDLK_LEFT, TrNoop("left")},
    {SDLK_INSERT, TrNoop("insert")},           {SDLK_HOME, TrNoop("home")},
    {SDLK_END, TrNoop("end")},                 {SDLK_PAGEUP, TrNoop("page up")},
    {SDLK_PAGEDOWN, TrNoop("page down")},      {SDLK_NUMLOCK, TrNoop("num lock")},
    {SDLK_CAPSLOCK, TrNoop("caps lock")},      {SDLK_SCROLLOCK, TrNoop("scroll lock")},
    {SDLK_RSHIFT, TrNoop("right shift")},      {SDLK_LSHIFT, TrNoop("left shift")},
    {SDLK_RCTRL, TrNoop("right ctrl")},        {SDLK_LCTRL, TrNoop("left ctrl")},
    {SDLK_RALT, TrNoop("right alt")},          {SDLK_LALT, TrNoop("left alt")},
    {SDLK_RMETA, TrNoop("right meta")},        {SDLK_LMETA, TrNoop("left meta")},
    {SDLK_LSUPER, TrNoop("left super")},       {SDLK_RSUPER, TrNoop("right super")},
    {SDLK_MODE, TrNoop("alt gr")},             {SDLK_COMPOSE, TrNoop("compose")},
    {SDLK_HELP, TrNoop("help")},               {SDLK_PRINT, TrNoop("print screen")},
    {SDLK_SYSREQ, TrNoop("sys req")},          {SDLK_BREAK, TrNoop("break")},
    {SDLK_MENU, TrNoop("menu")},               {SDLK_POWER, TrNoop("power")},
    {SDLK_EURO, TrNoop("euro")},               {SDLK_UNDO, TrNoop("undo")},
};

// Short labels where the first letters would not say it.
constexpr Named ShortNames[] = {{SDLK_SPACE, "SPC"}, {SDLK_BACKSPACE, "BSP"}, {SDLK_RIGHT, "RT"},
                                {SDLK_LEFT, "LT"},   {SDLK_DOWN, "DN"},       {SDLK_PAGEUP, "PGU"},
                                {SDLK_PAGEDOWN, "PGD"}};

std::string Lower(std::string_view text) {
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// `text` lower-cased, its words one blank apart.
std::string Folded(std::string_view text) {
    std::string folded;
    for (const std::string_view word : PlainText::Words(text))
        folded += (folded.empty() ? "" : " ") + Lower(word);
    return folded;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::vector<std::string_view> Split(std::string_view value) {
    std::vector<std::string_view> parts;
    for (size_t comma; (comma = value.find(',')) != std::string_view::npos; value.remove_prefix(comma + 1))
        parts.push_back(PlainText::Trim(value.substr(0, comma)));
    parts.push_back(PlainText::Trim(value));
    return parts;
}
}  // namespace

const char* KeyBindings::Name(Action action) { return WordsOf(action).Name; }
const char* KeyBindings::Label(Action action) { return WordsOf(action).Label; }
SDLKey KeyBindings::GameKey(Action action) { return WordsOf(action).GameKey; }

KeyBindings::Bound KeyBindings::Default(Action action) {
    const ActionWords& words = WordsOf(action);
    return {{words.GameKey, words.Second}, words.Button};
}

KeyBindings::KeyBindings() {
    for (const Action action : All)
        Slots[static_cast<size_t>(action)] = Default(action);
}

SDLKey KeyBindings::Key(Action action, int slot) const {
    assert(slot >= 0 && slot < KeySlots);
    return Slots[static_cast<size_t>(action)].Keys[static_cast<size_t>(slot)];
}

int KeyBindings::Button(Action action) const { return Slots[static_cast<size_t>(action)].Button; }

bool KeyBindings::Keyless(Action action) const {
    return Key(action, 0) == SDLK_UNKNOWN && Key(action, 1) == SDLK_UNKNOWN;
}

SDLKey KeyBindings::InPlay(SDLKey key) const {
    if (key == SDLK_UNKNOWN)
        return key;
    for (const Action action : All)
        for (int slot = 0; slot < KeySlots; ++slot)
            if (Key(action, slot) == key)
                return GameKey(action);
    for (const Action action : All)
        if (GameKey(action) == key)
            return SDLK_UNKNOWN;
    return key;
}

bool KeyBindings::ButtonsClash(int a, int b) {
    const auto isStart = [](int button) { return button == 7 || button == 9; };
    if (a == NoButton || b == NoButton)
        return false;
    return a == b || (a == StartButton && isStart(b)) || (b == StartButton && isStart(a));
}

std::optional<Action> KeyBindings::OfButton(Uint8 button) const {
    for (const Action action : All)
        if (ButtonsClash(Button(action), button))
            return action;
    return std::nullopt;
}

const char* KeyBindings::Refusal(Action action, SDLKey key) {
    switch (key) {
    case SDLK_UNKNOWN: return TrNoop("That key cannot be told apart from others");
    case SDLK_ESCAPE: return action == Action::Pause ? nullptr : TrNoop("ESC only pauses");
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return TrNoop("Enter is kept for the menus");
    case SDLK_F9: return TrNoop("F9 is kept for the music");
    case SDLK_F10: return TrNoop("F10 is kept for the sound effects");
    case SDLK_F11: return TrNoop("F11 is kept for full screen");
    // A lock key reports its press when the lock goes on and its release
    // when it goes off: held, it would act until pressed again.
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCK:
    case SDLK_SCROLLOCK: return TrNoop("A lock key cannot be held");
    default: return nullptr;
    }
}

std::optional<Action> KeyBindings::BindKey(Action action, int slot, SDLKey key) {
    assert(Refusal(action, key) == nullptr);
    SDLKey& here = Slots[static_cast<size_t>(action)].Keys[static_cast<size_t>(slot)];
    for (const Action other : All) {
        for (SDLKey& there : Slots[static_cast<size_t>(other)].Keys) {
            if (there == key && &there != &here) {
                there = here;
                here = key;
                return other == action ? std::nullopt : std::optional(other);
            }
        }
    }
    here = key;
    return std::nullopt;
}

std::optional<Action> KeyBindings::BindButton(Action action, int button) {
    int& here = Slots[static_cast<size_t>(action)].Button;
    if (ButtonsClash(here, button))
        return std::nullopt;  // Start pressed for the slot that holds Start
    for (const Action other : All) {
        int& there = Slots[static_cast<size_t>(other)].Button;
        if (other != action && ButtonsClash(there, button)) {
            there = here;
            here = button;
            return other;
        }
    }
    here = button;
    return std::nullopt;
}

std::string KeyBindings::KeyName(SDLKey key) {
    for (const Named& named : Names)
        if (named.Key == key)
            return named.Name;
    if ((key >= SDLK_a && key <= SDLK_z) || (key >= SDLK_0 && key <= SDLK_9))
        return std::string(1, static_cast<char>(key));
    if (key >= SDLK_KP0 && key <= SDLK_KP9)
        return "keypad " + std::to_string(key - SDLK_KP0);
    if (key >= SDLK_F1 && key <= SDLK_F15)
        return "f" + std::to_string(key - SDLK_F1 + 1);
    if (key >= SDLK_WORLD_0 && key <= SDLK_WORLD_95)
        return "world " + std::to_string(key - SDLK_WORLD_0);
    return "";
}

std::optional<SDLKey> KeyBindings::KeyNamed(std::string_view name) {
    const std::string wanted = Folded(name);
    if (wanted.empty())
        return std::nullopt;
    for (int key = SDLK_FIRST + 1; key < SDLK_LAST; ++key)
        if (KeyName(static_cast<SDLKey>(key)) == wanted)
            return static_cast<SDLKey>(key);
    return std::nullopt;
}

std::string KeyBindings::ShortName(SDLKey key) {
    for (const Named& named : ShortNames)
        if (named.Key == key)
            return named.Name;
    const std::string name = KeyName(key);
    if (name.size() <= 3)
        return Upper(name);
    // Two words: the first one's initial and the second's beginning
    // ("left ctrl" LCT, "keypad 7" K7, "world 65" W65).
    const size_t blank = name.find(' ');
    if (blank != std::string::npos)
        return Upper(name.substr(0, 1) + name.substr(blank + 1, 2));
    return Upper(name.substr(0, 3));
}

std::string KeyBindings::ButtonName(int button) {
    if (button == NoButton)
        return "none";
    return button == StartButton ? "start" : std::to_string(button);
}

std::string KeyBindings::ShopLabel(SDLKey gameKey) const {
    for (const Action action : All) {
        if (GameKey(action) != gameKey)
            continue;
        if (Key(action, 0) == gameKey || Key(action, 1) == gameKey)
            return "";
        const SDLKey first = Key(action, 0) != SDLK_UNKNOWN ? Key(action, 0) : Key(action, 1);
        return first == SDLK_UNKNOWN ? "-" : ShortName(first);
    }
    return "";
}

bool KeyBindings::Read(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string name = Lower(PlainText::Trim(line.substr(0, equals)));
    const std::string_view value = PlainText::Trim(line.substr(equals + 1));
    for (const Action action : All) {
        const bool keys = name == std::string("bind_") + Name(action);
        if (!keys && name != std::string("pad_") + Name(action))
            continue;
        const bool read = keys ? ReadKeys(action, value) : ReadButton(action, value);
        if (read)
            RefusedLines.erase(name);
        else
            RefusedLines.insert(name);
        return true;
    }
    return false;
}

// Up to two key names, or "none" for an empty slot; a refused line leaves
// the action on its default.
bool KeyBindings::ReadKeys(Action action, std::string_view value) {
    Bound& bound = Slots[static_cast<size_t>(action)];
    const std::vector<std::string_view> names = Split(value);
    std::array<SDLKey, KeySlots> keys{SDLK_UNKNOWN, SDLK_UNKNOWN};
    bool fine = names.size() <= KeySlots;
    for (size_t slot = 0; fine && slot < names.size(); ++slot) {
        if (Folded(names[slot]) == "none" || names[slot].empty())
            continue;
        const std::optional<SDLKey> key = KeyNamed(names[slot]);
        fine = key && Refusal(action, *key) == nullptr;
        if (fine)
            keys[slot] = *key;
    }
    bound.Keys = fine ? keys : Default(action).Keys;
    return fine;
}

bool KeyBindings::ReadButton(Action action, std::string_view value) {
    int& button = Slots[static_cast<size_t>(action)].Button;
    const std::string word = Folded(value);
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    const bool isNumber = !word.empty() && error == std::errc() && end == word.data() + word.size();
    if (word == "none" || word == "start" || (isNumber && number >= 0 && number <= 255)) {
        button = word == "none" ? NoButton : word == "start" ? StartButton : number;
        return true;
    }
    button = Default(action).Button;
    return false;
}

void KeyBindings::Settle() {
    // Each pass sends at least one action back to its defaults, which clash
    // with nothing, so the passes end.
    while (SendClashesBack()) {
    }
}

bool KeyBindings::SendClashesBack() {
    std::vector<std::pair<Action, bool>> back;  // the action, its keys (or its button)
    for (const Action action : All) {
        const Bound& mine = Slots[static_cast<size_t>(action)];
        const Bound fresh = Default(action);
        bool keysClash = mine.Keys[0] != SDLK_UNKNOWN && mine.Keys[0] == mine.Keys[1];
        bool buttonClashes = false;
        for (const Action other : All) {
            if (other == action)
                continue;
            const Bound& theirs = Slots[static_cast<size_t>(other)];
            for (const SDLKey key : mine.Keys)
                keysClash |= key != SDLK_UNKNOWN && (key == theirs.Keys[0] || key == theirs.Keys[1]);
            buttonClashes |= ButtonsClash(mine.Button, theirs.Button);
        }
        if (keysClash && mine.Keys != fresh.Keys)
            back.push_back({action, true});
        if (buttonClashes && mine.Button != fresh.Button)
            back.push_back({action, false});
    }
    for (const auto& [action, keys] : back) {
        Bound& bound = Slots[static_cast<size_t>(action)];
        if (keys)
            bound.Keys = Default(action).Keys;
        else
            bound.Button = Default(action).Button;
        RefusedLines.insert((keys ? "bind_" : "pad_") + std::string(Name(action)));
    }
    return !back.empty();
}

std::vector<std::pair<std::string, std::string>> KeyBindings::Entries() const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Action action : All) {
        std::string keys = Key(action, 0) == SDLK_UNKNOWN ? "none" : KeyName(Key(action, 0));
        if (Key(action, 1) != SDLK_UNKNOWN)
            keys += ", " + KeyName(Key(action, 1));
        entries.emplace_back("bind_" + std::string(Name(action)), keys);
    }
    for (const Action action : All)
        entries.emplace_back("pad_" + std::string(Name(action)), ButtonName(Button(action)));
    return entries;
}

std::string KeyBindings::Text() const {
    std::string text;
    for (const auto& [key, word] : Entries())
        text += key + " = " + word + "\n";
    return text;
}
