#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The game as a player starts it: a real process in a folder of its own,
// with its exit status, what it printed and what it said on stderr.
struct GameRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class GameProcess {
public:
    // A fresh folder named after the running test.
    GameProcess() {
        Dir = std::filesystem::temp_directory_path() /
              ("korvanta-run-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
    }
    ~GameProcess() { std::filesystem::remove_all(Dir); }
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    void CopyAssets() {
        std::filesystem::copy(KORVANTA_ASSET_DIR, Dir,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // Runs the game in Dir with the dummy drivers, `env` before it.
    GameRun Start(const std::string& env, const std::string& args = "--frames 20") {
        const std::filesystem::path out = Dir / "stdout.txt", err = Dir / "stderr.txt";
        const std::string command = "cd '" + Dir.string() + "' && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                    env + " '" KORVANTA_GAME_BINARY "' " + args + " > '" + out.string() + "' 2> '" +
                                    err.string() + "'";
        GameRun run;
        const int raw = std::system(command.c_str());
        run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.Out = Slurp(out);
        run.Err = Slurp(err);
        return run;
    }

    static std::string Slurp(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path Dir;
};
