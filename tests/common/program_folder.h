#pragma once

#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A fresh, empty program folder for each test that touches setting files. Each test of a program
// gets a folder under a name of its own: what the platform remembers of a file it read (pictures,
// reports of damaged files) is kept by name, and must not carry over to the next test's file.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        folder = std::filesystem::temp_directory_path() /
                 ("gp-common-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        platform::setProgramFolder(folder);
    }
    void TearDown() override {
        platform::setProgramFolder({});
        std::filesystem::remove_all(folder);
    }
    void put(const std::filesystem::path& relative, const std::string& bytes) {
        std::filesystem::create_directories((folder / relative).parent_path());
        std::ofstream(folder / relative, std::ios::binary) << bytes;
    }
    std::string raw(const std::filesystem::path& relative) {
        std::ifstream in(folder / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool exists(const std::filesystem::path& relative) { return std::filesystem::exists(folder / relative); }

    std::filesystem::path folder;
};
