#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/MainLoop.h"
#include "field/Stage1.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "support/Events.h"
#include "support/GameProcess.h"
#include "support/GameTest.h"
#include "support/HostileReplay.h"

// Replay files through the real program: a recording verifies in sync in
// another process, a changed check value is caught at its frame, and every
// kind of file it cannot use is refused with one line naming the file and
// what is wrong, and the status 1.
namespace {
size_t StatusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":"))
            return std::stoul(line.substr(field.size() + 1));
    return 0;
}

// Whether `work` adds less than `most` bytes of resident memory to a
// process: measured in a child of its own, whose peak is counted afresh.
bool GrowsLessThan(size_t most, const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const size_t before = StatusKilobytes("VmRSS");
        work();
        _exit(StatusKilobytes("VmHWM") < before + most / 1024 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ReplayFiles : public Playthrough, protected GameProcess {
protected:
    // A short recorded run: play, fly and fire for a few seconds, leave.
    ReplayFile Record(Skill skill = Skill::Normal, int frames = 242) {  // 4.08 s: tenths cut, not rounded
        ReplayFile kept;
        ReplayRecorder recorder([&kept](const ReplayFile& run, const LevelOutcome&) { kept = run; });
        TheEngine().Watcher = &recorder;
        Stage1::SetComingSkill(skill);
        if (Menu() == nullptr)
            FreshMenu();
        StartLevel();
        KeyDown(SDLK_d);
        KeyDown(SDLK_SPACE);
        Run(frames);
        Tap(SDLK_ESCAPE);
        Run(30);
        TheEngine().ClearScreens();
        TheEngine().Watcher = nullptr;
        Stage1::SetComingSkill(Skill::Normal);
        return kept;
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(Path / name, std::ios::binary) << bytes;
        return name;
    }
    // In English, whatever language the run was played in.
    GameRun Verify(const std::string& name) { return Start("LANGUAGE=en", "--verify '" + name + "'"); }
    // `run` with `event` handed over last before frame `index` (from 0).
    static ReplayFile WithEvent(const ReplayFile& run, size_t index, const SDL_Event& event) {
        ReplayFile changed = run;
        changed.Frames.clear();
        changed.EventBytes.clear();
        for (size_t i = 0; i < run.Frames.size(); ++i) {
            std::vector<SDL_Event> events = run.EventsOf(i);
            if (i == index)
                events.push_back(event);
            changed.AddFrame(run.Frames[i].Time, events);
        }
        return changed;
    }
};

}  // namespace

TEST_F(ReplayFiles, FilesItCannotUseAreRefusedWithTheirReason) {
    ReplayFile run = Record();
    const std::string good = run.Encode();
    ReplayFile backwards = run;
    backwards.Frames[3].Time = backwards.Frames[2].Time - 1;
    std::mt19937 noise(5);
    std::string garbage(4096, '\0');
    for (char& c : garbage)
        c = static_cast<char>(noise());
    std::string hugeCount = good;
    hugeCount.replace(76, 2, "\xff\xff");  // the count of stored events at the start
    std::string otherFormat = good, otherSkill = good;
    otherFormat[4] = 5;
    otherSkill[8] = 3;  // the difficulty, after the format and the rules
    std::filesystem::create_directories(Path / "folder.krp");
    ReplayFile twice = run, otherLevel = run, deadShip = run;
    otherLevel.LevelPrint ^= 1;
    deadShip.Ship.Health = 0;
    twice.Checks[1].Frame = twice.Checks[0].Frame;
    const ReplayFile lastKey = WithEvent(run, 1, Events::Key(true, SDLK_LAST));
    const struct {
        std::string Name, Bytes, Reason;
    } cases[] = {
        {"empty.krp", "", "empty"},
        {"truncated.krp", good.substr(0, good.size() * 2 / 3), "cut short"},
        {"header.krp", good.substr(0, 7), "truncated in its header"},
        {"magic.krp", "RIFF" + good.substr(4), "not a KORVANTA replay"},
        {"format.krp", otherFormat, "written in replay format 5; this game reads formats 1 to 4"},
        {"skill.krp", otherSkill, "played at an unknown difficulty (3)"},
        {"counts.krp", hugeCount, "cut short or damaged: it announces 65535 events"},
        {"noise.krp", garbage, "not a KORVANTA replay"},
        {"trailing.krp", good + "x", "unexpected bytes after its end"},
        {"backwards.krp", backwards.Encode(), "its clock goes back in time in frame 4"},
        {"folder.krp", "", "not a regular file"},
        {"checked-twice.krp", twice.Encode(), "a check of a frame out of order"},
        {"last-key.krp", lastKey.Encode(), "an unknown key in frame 2"},
        {"missing.krp", "", "no such file"},
        {"huge.krp", good.substr(0, ReplayFile::HeaderBytes), "too large for a replay (over 64 MiB)"},
        {"level.krp", otherLevel.Encode(), "recorded with other game rules (level 1 has changed since)"},
        {"dead.krp", deadShip.Encode(), "a ship the game cannot have"},
    };
    for (const auto& c : cases) {
        if (c.Name != "folder.krp" && c.Name != "missing.krp")
            Write(c.Name, c.Bytes);
        if (c.Name == "huge.krp")  // refused unread
            std::filesystem::resize_file(Path / c.Name, 255'000'000);
        const GameRun result = Verify(c.Name);
        EXPECT_EQ(result.Status, 1) << c.Name;
        EXPECT_NE(result.Err.find("'" + c.Name + "': " + c.Reason), std::string::npos) << c.Name << ": " << result.Err;
        EXPECT_EQ(std::count(result.Err.begin(), result.Err.end(), '\n'), 1) << result.Err;
        EXPECT_TRUE(result.Out.empty()) << result.Out;
    }
}

// Each difficulty records its runs; they verify in sync in another process,
// and play back at the difficulty they were recorded at, whatever difficulty
// the player has chosen since. The language is the player's, never the run's:
// the easy run, played in French, verifies in an English game. A changed
// check value is caught at its frame.
TEST_F(ReplayFiles, ARunOfEachDifficultyVerifiesInSyncAndAChangedOneIsFoundAtItsFrame) {
    for (const Skill skill : {Skill::Easy, Skill::Hard, Skill::Normal}) {
        SCOPED_TRACE(SkillName(skill));
        if (skill == Skill::Easy)
            Catalogue::Use("fr", {"locale"});
        ReplayFile run = Record(skill);
        Catalogue::Use("en", {});
        ASSERT_EQ(run.Difficulty, skill);
        ASSERT_GE(run.Checks.size(), 3u);
        GameRun result = Verify(Write(std::string(SkillName(skill)) + ".krp", run.Encode()));
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_NE(result.Out.find(" s of play at level 1 on " + std::string(SkillName(skill)) + ", "), std::string::npos)
            << result.Out;
        EXPECT_NE(result.Out.find(std::to_string(run.Frames.size()) + " frames"), std::string::npos) << result.Out;
        EXPECT_NE(result.Out.find(", left, in sync\n"), std::string::npos) << result.Out;
        // The seconds of play as the score table keeps them: whole tenths.
        const std::string seconds = std::to_string(run.LevelMs / 1000) + "." + std::to_string(run.LevelMs / 100 % 10);
        EXPECT_NE(result.Out.find(" " + seconds + " s of play"), std::string::npos) << run.LevelMs << ": " << result.Out;

        const Skill chosen = skill == Skill::Hard ? Skill::Easy : Skill::Hard;
        Stage1::SetComingSkill(chosen);
        ReplayPlayer player(run);
        TheEngine().Watcher = &player;
        player.Start();
        ASSERT_NE(Level(), nullptr);
        EXPECT_EQ(Level()->Difficulty, skill);
        player.Finish();
        TheEngine().Watcher = nullptr;
        EXPECT_EQ(player.DesyncFrame(), 0u);
        EXPECT_EQ(Stage1::ComingSkill(), chosen) << "the next level plays the player's difficulty again";
        Stage1::SetComingSkill(Skill::Normal);
        if (skill != Skill::Normal)
            continue;

        run.Checks[1].Value ^= 0xFF00;  // one byte of the second check
        result = Verify(Write("changed.krp", run.Encode()));
        EXPECT_EQ(result.Status, 1);
        EXPECT_NE(result.Out.find("desync at frame " + std::to_string(run.Checks[1].Frame) + "\n"), std::string::npos)
            << result.Out;
        run.Checks[1].Value ^= 0xFF00;
        run = WithEvent(run, 5, Events::Key(true, SDLK_q));  // input the recorded world never saw
        result = Verify(Write("other-input.krp", run.Encode()));
        EXPECT_EQ(result.Status, 1);
        EXPECT_NE(result.Out.find("desync at frame"), std::string::npos) << result.Out;
        run.Rules = ReplayFile::GameRules + 1;
        result = Verify(Write("other-rules.krp", run.Encode()));
        EXPECT_EQ(result.Status, 1);
        EXPECT_NE(result.Err.find("other game rules"), std::string::npos) << result.Err;
    }
}

// Runs recorded before the game had difficulties were played on normal; they
// are read so and written back to the very same bytes.
TEST_F(ReplayFiles, RunsOfTheFormatBeforeDifficultiesReadAsNormalAndKeepTheirBytes) {
    for (const char* fixture : {"lost-at-boss.krp", "won.krp", "short-pause-shop.krp"}) {
        const std::string path = std::string(KORVANTA_SOURCE_DIR "/tests/replays/") + fixture;
        const std::string bytes = Get(path);
        ASSERT_EQ(bytes.substr(4, 2), std::string("\x01\x00", 2)) << fixture << " is of the old format";
        ReplayFile run;
        std::string why;
        ASSERT_TRUE(ReplayFile::Decode(bytes, run, why)) << fixture << ": " << why;
        EXPECT_EQ(run.Difficulty, Skill::Normal) << fixture;
        EXPECT_EQ(run.Encode(), bytes) << fixture;
    }
}

// A file of many one-byte events is read in memory proportional to it, not
// a whole event in memory for each byte.
TEST_F(ReplayFiles, AReplayTakesMemoryInProportionToItsFile) {
    const std::string bytes = HostileReplay(128);
    Write("many-events.krp", bytes);
    EXPECT_TRUE(GrowsLessThan(4 * bytes.size(), [this] {
        ReplayFile run;
        std::string why;
        if (!ReplayFile::Load(Path / "many-events.krp", run, why) || run.Frames.size() != 128)
            _exit(2);
    }));
}

// The commands that only read (--scores, --verify, --replay) never rename,
// move or write a kept file, whatever state the files are in; the game's
// start removes what saves cut short left behind, and nothing else.
TEST_F(ReplayFiles, ReadingCommandsChangeNoKeptFileAndAStartClearsLeftovers) {
    Write("run.krp", Record(Skill::Normal, 20).Encode());
    const std::string data = Path / "data/korvanta", config = Path / "config/korvanta";
    std::filesystem::create_directories(data + "/replays");
    std::filesystem::create_directories(config);
    Put(data + "/scores.txt", "90 1 won 9.0 2024-01-31 10:00:00 -\n80 1 won 9.0 2024-02-30 10:00:00 -\n"
                              "70 1 won 9.0 2024-01-31 10:00:00 -\n");
    Put(config + "/settings.ini", std::string("music = off\n\0", 13));
    Put(data + "/replays/.notes.txt.Ab12Cd", "the player's");
    const std::vector<std::string> leftovers = {data + "/.scores.txt.Ab12Cd", config + "/.settings.ini.Zz99Yy",
                                                data + "/replays/.2026-01-01_00-00-00.krp.x0X0x0"};
    const auto files = [this] {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Path))
            if (entry.path().string().find("korvanta/") != std::string::npos && entry.is_regular_file())
                all[entry.path().string()] = Get(entry.path().string());
        return all;
    };
    for (const std::string& leftover : leftovers)
        Put(leftover, "cut short");
    auto before = files();
    const std::string homes = "XDG_DATA_HOME=" + Path.string() + "/data XDG_CONFIG_HOME=" + Path.string() + "/config";
    const GameRun scores = Start(homes, "--scores");
    EXPECT_EQ(std::count(scores.Out.begin(), scores.Out.end(), '\n'), 4) << scores.Out;  // heading, columns, two runs
    EXPECT_NE(scores.Err.find("line 2 of '" + data + "/scores.txt' is damaged"), std::string::npos) << scores.Err;
    EXPECT_EQ(Start(homes, "--verify run.krp").Status, 0);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(Start(homes, "--replay run.krp --frames 1").Status, 0);
    for (const std::string& leftover : leftovers)
        before.erase(leftover);
    EXPECT_EQ(files(), before);
}
