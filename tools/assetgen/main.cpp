// Writes every picture, sound, and music track KORVANTA loads, into the
// folder given on the command line, at the paths the game asks for.
//
//   assetgen OUTPUT_DIR [FONT_FILE]
//   assetgen --icons ICON_DIR
//
// The font is the one used for the lettering on the buttons; it defaults to
// the file the build picked, which is also copied next to the assets as the
// game's own font. With --icons it writes the desktop icon in every size of
// the icon theme instead: ICON_DIR/hicolor/NxN/apps/korvanta.png.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Mp3.h"
#include "Music.h"
#include "Pictures.h"
#include "Sounds.h"
#include "Synth.h"
#include "Wav.h"

#ifndef ASSETGEN_FONT_FILE
#define ASSETGEN_FONT_FILE "/usr/share/fonts/opentype/jura/Jura-Bold.otf"
#endif

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

void writePictures(const fs::path& root, std::size_t first, std::size_t stride)
{
    const auto& pictures = allPictures();
    for (std::size_t i = first; i < pictures.size(); i += stride)
        pictures[i].paint().savePng(root / pictures[i].path);
}

void writeEffectsAndMenuMusic(const fs::path& root)
{
    writeWav(root / "Sound/bullet.wav", laserShot(), 1, synth::SampleRate);
    writeWav(root / "Sound/explosion.wav", explosionBlast(), 1, synth::SampleRate);
    writeWav(root / "Sound/Raybeam.wav", rayCharge(), 1, synth::SampleRate);
    writeMp3(root / "Sound/Tarnel-Memory.mp3", menuTheme());
}

void writeLevelMusic(const fs::path& root)
{
    writeMp3(root / "Sound/Tarnel-Stompin_little_scouts.mp3", levelTheme());
}

void writeLaterLevelsMusic(const fs::path& root)
{
    writeMp3(root / "Sound/ember-run.mp3", emberTheme());
    writeMp3(root / "Sound/abyss.mp3", abyssTheme());
}

void writeIcons(const fs::path& root)
{
    for (int size : IconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const fs::path folder = root / "hicolor" / name / "apps";
        fs::create_directories(folder);
        paintIcon(size).savePng(folder / "korvanta.png");
    }
}

// Runs the jobs on their own threads and rethrows the first failure. The
// outputs do not depend on the scheduling: each job writes its own files.
void runAll(const std::vector<std::function<void()>>& jobs)
{
    std::vector<std::exception_ptr> errors(jobs.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < jobs.size(); ++i)
        threads.emplace_back([&, i] {
            try {
                jobs[i]();
            } catch (...) {
                errors[i] = std::current_exception();
            }
        });
    for (std::thread& t : threads)
        t.join();
    for (const auto& e : errors)
        if (e)
            std::rethrow_exception(e);
}

} // namespace

int main(int argc, char** argv)
{
    const bool icons = argc > 1 && std::string(argv[1]) == "--icons";
    if (argc < 2 || argc > 3 || (icons && argc != 3)) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [FONT_FILE]\n       %s --icons ICON_DIR\n", argv[0], argv[0]);
        return 2;
    }
    try {
        if (icons) {
            writeIcons(argv[2]);
            return 0;
        }
        const auto started = std::chrono::steady_clock::now();
        const fs::path root = argv[1];
        fs::create_directories(root / "Image");
        fs::create_directories(root / "Sound");
        useFontFile(argc == 3 ? argv[2] : ASSETGEN_FONT_FILE);

        // Jobs of roughly equal weight: each music track takes about as long
        // as half of the pictures.
        runAll({[&] { writeEffectsAndMenuMusic(root); }, [&] { writeLevelMusic(root); },
            [&] { writeLaterLevelsMusic(root); }, [&] { writePictures(root, 0, 2); },
            [&] { writePictures(root, 1, 2); }});

        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("assetgen: wrote %zu pictures, 3 sounds and 4 music tracks to %s in %.1f s\n",
            allPictures().size(), root.c_str(), seconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
