#include "replay/ReplayFile.h"

#include <cassert>
#include <cstring>

#include "engine/Catalogue.h"
#include "keep/AtomicFile.h"
#include "levels/OwnLevels.h"

namespace {
const char Magic[4] = {'K', 'R', 'P', 'L'};
// The least bytes a frame and a check take, to bound counts by the file.
constexpr size_t FrameBytes = 6;
constexpr size_t CheckBytes = 12;

class Writer {
public:
    template <class T>
    void Put(T value) {
        for (size_t i = 0; i < sizeof value; ++i)
            Bytes.push_back(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
    }
    void Float(float value) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Put(bits);
    }
    void Timer(const ReplayFile::TimerState& t) {
        Put<uint8_t>(static_cast<uint8_t>((t.Started ? 1 : 0) | (t.Paused ? 2 : 0)));
        Put(t.Elapsed);
    }
    void Event(const SDL_Event& e) {
        Put<uint8_t>(e.type);
        switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            Put<uint16_t>(static_cast<uint16_t>(e.key.keysym.sym));
            Put<uint16_t>(static_cast<uint16_t>(e.key.keysym.mod));
            break;
        case SDL_MOUSEMOTION:
            Put<uint16_t>(e.motion.x);
            Put<uint16_t>(e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            Put<uint8_t>(e.button.button);
            Put<uint16_t>(e.button.x);
            Put<uint16_t>(e.button.y);
            break;
        case SDL_ACTIVEEVENT:
            Put<uint8_t>(e.active.gain);
            Put<uint8_t>(e.active.state);
            break;
        default:
            break;  // the handler files other events by their type alone
        }
    }
    void Events(const std::vector<SDL_Event>& events) {
        Put(static_cast<uint16_t>(events.size()));
        for (const SDL_Event& e : events)
            Event(e);
    }
    std::string Bytes;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : Bytes(bytes) {}

    template <class T>
    T Get() {
        if (!Ok || Bytes.size() - At < sizeof(T))
            return Fail(), T{};
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            value |= static_cast<uint64_t>(static_cast<unsigned char>(Bytes[At + i])) << (8 * i);
        At += sizeof(T);
        return static_cast<T>(value);
    }
    float Float() {
        const uint32_t bits = Get<uint32_t>();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    ReplayFile::TimerState Timer() {
        ReplayFile::TimerState t;
        const uint8_t flags = Get<uint8_t>();
        if (flags > 3)
            Bad(Tr("a timer with unknown flags"));
        t.Started = flags & 1;
        t.Paused = flags & 2;
        t.Elapsed = Get<int32_t>();
        return t;
    }
    SDL_Event Event() {
        SDL_Event e{};
        e.type = Get<uint8_t>();
        switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const uint16_t sym = Get<uint16_t>();
            if (sym >= SDLK_LAST)
                Bad(Tr("an unknown key"));
            e.key.state = e.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = static_cast<SDLKey>(sym);
            e.key.keysym.mod = static_cast<SDLMod>(Get<uint16_t>());
            break;
        }
        case SDL_MOUSEMOTION:
            e.motion.x = Get<uint16_t>();
            e.motion.y = Get<uint16_t>();
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            e.button.state = e.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.button.button = Get<uint8_t>();
            e.button.x = Get<uint16_t>();
            e.button.y = Get<uint16_t>();
            break;
        case SDL_ACTIVEEVENT:
            e.active.gain = Get<uint8_t>();
            e.active.state = Get<uint8_t>();
            break;
        default:
            if (e.type == SDL_NOEVENT || e.type >= SDL_NUMEVENTS)
                Bad(Tr("an unknown kind of event"));
        }
        return e;
    }
    std::vector<SDL_Event> Events() {
        // Every event takes at least its type byte.
        const uint16_t count = Get<uint16_t>();
        std::vector<SDL_Event> events;
        if (!Fits(count, 1, Tr("cut short or damaged: it announces {1} events, the rest of the file holds at most {2}")))
            return events;
        events.reserve(count);
        for (uint16_t i = 0; i < count && Ok; ++i)
            events.push_back(Event());
        return events;
    }
    // Reads a count and its events as Events does, keeping nothing: the
    // bytes read, to be decoded again when they play.
    std::string_view PassEvents() {
        const size_t start = At;
        const uint16_t count = Get<uint16_t>();
        if (Fits(count, 1, Tr("cut short or damaged: it announces {1} events, the rest of the file holds at most {2}")))
            for (uint16_t i = 0; i < count && Ok; ++i)
                Event();
        return Bytes.substr(start, At - start);
    }
    // True when `count` records of at least `each` bytes can still follow;
    // `refusal` says otherwise, with the count ({1}) and the room ({2}).
    bool Fits(uint64_t count, size_t each, const char* refusal) {
        const size_t room = (Bytes.size() - At) / each;
        if (Ok && count > room)
            Bad(Catalogue::Fill(refusal, {std::to_string(count), std::to_string(room)}));
        return Ok;
    }
    void Fail() {
        if (!Ok)
            return;
        Truncated = true;
        Bad(Tr("truncated"));
    }
    void Bad(const std::string& why) {
        if (Ok)
            Why = why;
        Ok = false;
    }
    bool AtEnd() const { return At == Bytes.size(); }
    size_t Left() const { return Bytes.size() - At; }

    bool Ok = true;
    bool Truncated = false;  // the first fault: the bytes ended too soon
    std::string Why;

private:
    std::string_view Bytes;
    size_t At = 0;
};

bool ReadHeader(Reader& in, ReplayFile& out, std::string& error) {
    for (char expected : Magic)
        if (in.Get<char>() != expected) {
            error = Tr("not a KORVANTA replay (wrong magic bytes)");
            return false;
        }
    out.Format = in.Get<uint16_t>();
    out.Rules = in.Get<uint16_t>();
    const uint8_t skill = out.Format >= ReplayFile::SkillFormat ? in.Get<uint8_t>() : 1;
    if (!in.Ok) {
        error = Tr("truncated in its header");
        return false;
    }
    if (out.Format < ReplayFile::OldestFormat || out.Format > ReplayFile::FormatVersion) {
        error = Catalogue::Fill(Tr("written in replay format {1}; this game reads formats {2} to {3}"),
                                {std::to_string(out.Format), std::to_string(ReplayFile::OldestFormat),
                                 std::to_string(ReplayFile::FormatVersion)});
        return false;
    }
    if (out.Rules != ReplayFile::GameRules) {
        error = Catalogue::Fill(Tr("recorded with other game rules (version {1}; this game plays version {2})"),
                                {std::to_string(out.Rules), std::to_string(ReplayFile::GameRules)});
        return false;
    }
    if (skill > static_cast<uint8_t>(Skill::Hard)) {
        error = Catalogue::Fill(Tr("played at an unknown difficulty ({1})"), {std::to_string(skill)});
        return false;
    }
    out.Difficulty = static_cast<Skill>(skill);
    return true;
}

void ReadLevel(Reader& in, ReplayFile& out) {
    if (out.Format < ReplayFile::LevelFormat)
        return;
    out.Level = in.Get<uint8_t>();
    const uint8_t flags = in.Get<uint8_t>();
    if (flags > 1)
        in.Bad(Tr("unknown level flags"));
    out.InCampaign = flags & 1;
    const uint8_t nameLength = in.Get<uint8_t>();
    for (uint8_t i = 0; i < nameLength && in.Ok; ++i)
        out.LevelFile += in.Get<char>();
    out.LevelPrint = in.Get<uint64_t>();
    Loadout& ship = out.Ship;
    ship.Health = in.Float();
    ship.Shield = in.Float();
    ship.Money = in.Get<int32_t>();
    ship.Score = in.Get<int32_t>();
    ship.Cannons = in.Get<uint8_t>();
    ship.RapidFires = in.Get<uint8_t>();
    if (in.Ok && (out.Level == 0) != !out.LevelFile.empty())
        in.Bad(Tr("a level neither of the campaign nor of the player's own"));
    if (in.Ok && !out.LevelFile.empty() && !OwnLevels::IsFileName(out.LevelFile))
        in.Bad(Tr("a level file name with a path or strange bytes in it"));
    if (in.Ok && !ship.Possible())
        in.Bad(Tr("a ship the game cannot have"));
}

// The longest level time a practice mark can be: far beyond any schedule.
constexpr int32_t LatestMarkMs = 24 * 3600 * 1000;

void ReadPractice(Reader& in, ReplayFile& out) {
    if (out.Format < ReplayFile::PracticeFormat)
        return;
    const uint8_t flags = in.Get<uint8_t>();
    if (flags > 3)
        in.Bad(Tr("unknown practice flags"));
    out.Practice = flags & 1;
    out.RestartAtOnce = flags & 2;
    out.FromMs = in.Get<int32_t>();
    out.TakenOverAt = in.Get<uint32_t>();
    out.Helps.SpeedPercent = in.Get<uint8_t>();
    const uint8_t helps = in.Get<uint8_t>();
    if (helps > 3)
        in.Bad(Tr("unknown assists"));
    out.Helps.Invincible = helps & 1;
    out.Helps.FewerFlashes = helps & 2;
    if (in.Ok && (out.FromMs < 0 || out.FromMs > LatestMarkMs || (!out.Practice && (out.FromMs != 0 || out.RestartAtOnce))))
        in.Bad(Tr("a practice start the game cannot make"));
    if (in.Ok && !Assists::SpeedAllowed(out.Helps.SpeedPercent))
        // xgettext:no-c-format
        in.Bad(Catalogue::Fill(Tr("a game speed the game cannot play ({1} %)"), {std::to_string(out.Helps.SpeedPercent)}));
}

void ReadStart(Reader& in, ReplayFile& out) {
    out.Seed = in.Get<uint32_t>();
    out.StartTime = in.Get<uint32_t>();
    const uint8_t flags = in.Get<uint8_t>();
    if (flags > 3)
        in.Bad(Tr("unknown start flags"));
    out.DrawnAtStart = flags & 1;
    out.Paused = flags & 2;
    out.FrameTimer = in.Timer();
    out.EscapeTimer = in.Timer();
    if (out.FrameTimer.Elapsed < 0 || out.EscapeTimer.Elapsed < 0)
        in.Bad(Tr("a timer that ran backwards"));
    out.MouseX = in.Float();
    out.MouseY = in.Float();
    out.Stored = in.Events();
    out.Ending = in.Get<uint8_t>();
    if (out.Ending > 2)
        in.Bad(Tr("an unknown ending"));
    out.Score = in.Get<int32_t>();
    out.Money = in.Get<int32_t>();
    out.LevelMs = in.Get<uint32_t>();
    out.FinalCheck = in.Get<uint64_t>();
}

// `badFrame`: the number of the frame the first fault is in, if any.
void ReadFrames(Reader& in, ReplayFile& out, uint32_t& badFrame) {
    const uint32_t count = in.Get<uint32_t>();
    if (count > ReplayFile::MaxFrames)
        in.Bad(Tr("more frames than any run holds"));
    if (!in.Fits(count, FrameBytes, Tr("cut short or damaged: it announces {1} frames, the rest of the file holds at most {2}")))
        return;
    out.Frames.reserve(count);
    // The events cannot take more than what is left, and so never move as they grow.
    out.EventBytes.reserve(in.Left());
    uint32_t previous = out.StartTime;
    for (uint32_t i = 0; i < count && in.Ok; ++i) {
        ReplayFile::Frame frame;
        frame.Time = in.Get<uint32_t>();
        // The game clock never runs backwards.
        if (in.Ok && frame.Time < previous)
            in.Bad(Tr("its clock goes back in time"));
        previous = frame.Time;
        frame.EventsAt = static_cast<uint32_t>(out.EventBytes.size());
        out.EventBytes.append(in.PassEvents());
        out.Frames.push_back(frame);
        if (!in.Ok)
            badFrame = i + 1;
    }
}

void ReadChecks(Reader& in, ReplayFile& out) {
    const uint32_t count = in.Get<uint32_t>();
    if (!in.Fits(count, CheckBytes, Tr("cut short or damaged: it announces {1} checks, the rest of the file holds at most {2}")))
        return;
    out.Checks.reserve(count);
    for (uint32_t i = 0; i < count && in.Ok; ++i) {
        ReplayFile::Check check;
        check.Frame = in.Get<uint32_t>();
        check.Value = in.Get<uint64_t>();
        const uint32_t previous = out.Checks.empty() ? 0 : out.Checks.back().Frame;
        if (in.Ok && (check.Frame <= previous || check.Frame > out.Frames.size()))
            in.Bad(Tr("a check of a frame out of order"));
        out.Checks.push_back(check);
    }
    if (in.Ok && out.TakenOverAt > out.Frames.size())
        in.Bad(Tr("taken over after more frames than it has"));
}
}  // namespace

// A run kept in an older format is written back as it was read, as long as
// that format can say everything about it.
uint16_t ReplayFile::WrittenFormat() const {
    const bool firstLevelAsEver =
        Level == 1 && LevelFile.empty() && !InCampaign && LevelPrint == 0 && Ship == Loadout{};
    const bool wholeAndUnhelped = !Practice && TakenOverAt == 0 && Helps == Assists{};
    if (Format >= PracticeFormat || !wholeAndUnhelped)
        return FormatVersion;
    if (Format == LevelFormat)
        return Format;
    if (!firstLevelAsEver || (Format < SkillFormat && Difficulty != Skill::Normal))
        return FormatVersion;
    return Format;
}

std::string ReplayFile::StartNamed() const {
    std::string named;
    if (Practice)
        named = Catalogue::Fill(Tr("practice from {1} s"), {std::to_string(FromMs / 1000)});
    if (TakenOverAt != 0)
        named += (named.empty() ? "" : ", ") + Catalogue::Fill(Tr("taken over at frame {1}"), {std::to_string(TakenOverAt)});
    const std::string helps = Helps.Named();
    if (!helps.empty())
        named += (named.empty() ? "" : ", ") + helps;
    return named;
}

ReplayFile::TimerState ReplayFile::TimerState::Of(const Timer& timer) {
    return TimerState{timer.Started, timer.Paused, timer.GetTicks()};
}

Timer ReplayFile::TimerState::At(uint32_t now) const {
    Timer timer;
    timer.Started = Started;
    timer.Paused = Paused;
    if (Paused)
        timer.PausedTicks = static_cast<uint32_t>(Elapsed);
    else if (Started)
        timer.StartTicks = now - static_cast<uint32_t>(Elapsed);
    return timer;
}

void ReplayFile::AddFrame(uint32_t time, const std::vector<SDL_Event>& events) {
    Writer out;
    out.Events(events);
    Frames.push_back({time, static_cast<uint32_t>(EventBytes.size())});
    EventBytes += out.Bytes;
}

std::vector<SDL_Event> ReplayFile::EventsOf(size_t index) const {
    assert(index < Frames.size());
    Reader in(std::string_view(EventBytes).substr(Frames[index].EventsAt));
    std::vector<SDL_Event> events = in.Events();
    assert(in.Ok);
    return events;
}

namespace {
// Everything before the frames.
void EncodeStart(const ReplayFile& run, Writer& out) {
    out.Bytes.append(Magic, sizeof Magic);
    const uint16_t format = run.WrittenFormat();
    out.Put(format);
    out.Put(run.Rules);
    if (format >= ReplayFile::SkillFormat)
        out.Put(static_cast<uint8_t>(run.Difficulty));
    if (format >= ReplayFile::LevelFormat) {
        out.Put(run.Level);
        out.Put<uint8_t>(run.InCampaign ? 1 : 0);
        out.Put(static_cast<uint8_t>(run.LevelFile.size()));
        out.Bytes += run.LevelFile;
        out.Put(run.LevelPrint);
        out.Float(run.Ship.Health);
        out.Float(run.Ship.Shield);
        out.Put(run.Ship.Money);
        out.Put(run.Ship.Score);
        out.Put(static_cast<uint8_t>(run.Ship.Cannons));
        out.Put(static_cast<uint8_t>(run.Ship.RapidFires));
    }
    if (format >= ReplayFile::PracticeFormat) {
        out.Put<uint8_t>(static_cast<uint8_t>((run.Practice ? 1 : 0) | (run.RestartAtOnce ? 2 : 0)));
        out.Put(run.FromMs);
        out.Put(run.TakenOverAt);
        out.Put(static_cast<uint8_t>(run.Helps.SpeedPercent));
        out.Put<uint8_t>(static_cast<uint8_t>((run.Helps.Invincible ? 1 : 0) | (run.Helps.FewerFlashes ? 2 : 0)));
    }
    out.Put(run.Seed);
    out.Put(run.StartTime);
    out.Put<uint8_t>(static_cast<uint8_t>((run.DrawnAtStart ? 1 : 0) | (run.Paused ? 2 : 0)));
    out.Timer(run.FrameTimer);
    out.Timer(run.EscapeTimer);
    out.Float(run.MouseX);
    out.Float(run.MouseY);
    out.Events(run.Stored);
    out.Put(run.Ending);
    out.Put(run.Score);
    out.Put(run.Money);
    out.Put(run.LevelMs);
    out.Put(run.FinalCheck);
}
}  // namespace

size_t ReplayFile::EncodedSize() const {
    Writer start;
    EncodeStart(*this, start);
    return start.Bytes.size() + 4 + Frames.size() * 4 + EventBytes.size() + 4 + Checks.size() * CheckBytes;
}

std::string ReplayFile::Encode() const {
    Writer out;
    out.Bytes.reserve(EncodedSize());
    EncodeStart(*this, out);
    out.Put(static_cast<uint32_t>(Frames.size()));
    for (size_t i = 0; i < Frames.size(); ++i) {
        out.Put(Frames[i].Time);
        const size_t end = i + 1 < Frames.size() ? Frames[i + 1].EventsAt : EventBytes.size();
        out.Bytes.append(EventBytes, Frames[i].EventsAt, end - Frames[i].EventsAt);
    }
    out.Put(static_cast<uint32_t>(Checks.size()));
    for (const Check& check : Checks) {
        out.Put(check.Frame);
        out.Put(check.Value);
    }
    return out.Bytes;
}

bool ReplayFile::Decode(std::string_view bytes, ReplayFile& out, std::string& error) {
    out = ReplayFile();
    Reader in(bytes);
    if (!ReadHeader(in, out, error))
        return false;
    ReadLevel(in, out);
    ReadPractice(in, out);
    ReadStart(in, out);
    const bool beforeFrames = !in.Ok;
    uint32_t badFrame = 0;
    ReadFrames(in, out, badFrame);
    if (in.Ok)
        ReadChecks(in, out);
    if (in.Ok && !in.AtEnd())
        in.Bad(Tr("unexpected bytes after its end"));
    if (!in.Ok) {
        error = beforeFrames  ? Catalogue::Fill(Tr("{1} before its first frame"), {in.Why})
                : badFrame != 0 ? Catalogue::Fill(Tr("{1} in frame {2}"), {in.Why, std::to_string(badFrame)})
                : in.Truncated  ? Catalogue::Fill(Tr("{1} in its checks"), {in.Why})
                                : in.Why;
        return false;
    }
    return true;
}

namespace {
// The file's first `firstBytes` (all of it by default), or false with the reason.
bool ReadReplay(const std::string& path, std::string& bytes, std::string& error, size_t firstBytes = SIZE_MAX) {
    AtomicFile::Contents file = AtomicFile::Read(path, ReplayFile::MaxFileBytes, firstBytes);
    switch (file.Status) {
    case AtomicFile::ReadStatus::Read:
        break;
    case AtomicFile::ReadStatus::Missing:
        error = Tr("no such file");
        return false;
    case AtomicFile::ReadStatus::NotRegular:
        error = Tr("not a regular file");
        return false;
    case AtomicFile::ReadStatus::TooLarge:
        error = Catalogue::Fill(Tr("too large for a replay (over {1} MiB)"), {std::to_string(ReplayFile::MaxFileBytes >> 20)});
        return false;
    case AtomicFile::ReadStatus::Unreadable:
        error = Tr("cannot be read");
        return false;
    }
    if (file.Text.empty()) {
        error = Tr("empty");
        return false;
    }
    bytes = std::move(file.Text);
    return true;
}
}  // namespace

bool ReplayFile::Load(const std::string& path, ReplayFile& out, std::string& error) {
    std::string bytes;
    return ReadReplay(path, bytes, error) && Decode(bytes, out, error);
}

bool ReplayFile::Peek(const std::string& path, ReplayFile& out, std::string& error) {
    out = ReplayFile();
    std::string bytes;
    if (!ReadReplay(path, bytes, error, HeaderBytes))
        return false;
    Reader in(bytes);
    if (!ReadHeader(in, out, error))
        return false;
    ReadLevel(in, out);
    ReadPractice(in, out);
    if (!in.Ok)
        error = Catalogue::Fill(Tr("damaged in its header ({1})"), {in.Why});
    return in.Ok;
}
