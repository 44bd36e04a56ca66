#pragma once
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempFolder.h"

// The game as a player starts it: a real process in a folder of its own,
// with its exit status, what it printed and what it said on stderr.
struct GameRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

struct GameProcess : TempFolder {
    void CopyAssets() {
        std::filesystem::copy(KORVANTA_ASSET_DIR, Path,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // Runs the game in the folder with the dummy drivers, `env` before it.
    GameRun Start(const std::string& env, const std::string& args = "--frames 20") {
        const std::string out = *this / "stdout.txt", err = *this / "stderr.txt";
        const std::string command = "cd '" + Path.string() + "' && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                    env + " '" KORVANTA_GAME_BINARY "' " + args + " > '" + out + "' 2> '" + err + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Get(out), Get(err)};
    }
};
