#pragma once
#include <string>
#include <vector>

// Finds the folder with the game's pictures, sounds and font, so that the
// game starts from any working directory, from its build folder and from an
// installed tree wherever that was installed.
class AssetFolder {
public:
    // `executable` is the game's own path; `installed` is the data folder of
    // the installation the game was built for; `fromBin` is that folder
    // relative to the installed executable's folder.
    AssetFolder(std::string executable, std::string installed, std::string fromBin);
    // The running program, with the folders this build was configured for.
    static AssetFolder ForThisProgram();

    // The first candidate that holds an Image folder, or "" when none does.
    std::string Find() const;
    // The folders that may hold the translations (LANG/LC_MESSAGES/korvanta.mo),
    // in the order tried: beside the assets (the build), the installed
    // tree's locale folder beside its data folder, the configured one.
    std::vector<std::string> LocaleFolders() const;

    // Moves the working directory there. False (and left where it was) when
    // no candidate has the assets.
    bool Enter() const;

private:
    // The folders tried, in order: the working directory, the build's asset
    // folder beside the executable and the executable's own folder, the
    // installed tree relative to the executable, the configured data folder.
    std::vector<std::string> Candidates() const;

    std::string Executable;
    std::string Installed;
    std::string FromBin;
};
