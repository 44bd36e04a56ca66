#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh folder per test for the files the game keeps, removed afterwards.
struct TempFolder {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("korvanta-" + std::to_string(getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() {
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TempFolder() { std::filesystem::remove_all(Path); }

    std::string operator/(const std::string& name) const { return (Path / name).string(); }
    static void Put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    static std::string Get(const std::string& path) {
        std::stringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
};
