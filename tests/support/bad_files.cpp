#include "support/bad_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include <sys/stat.h>

namespace gp {
namespace fs = std::filesystem;
namespace {

void put(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string garbage() {
    std::mt19937 bits(7);
    std::string bytes(4096, '\0');
    std::ranges::generate(bytes, [&] { return static_cast<char>(bits() & 0xff); });
    return bytes;
}

}  // namespace

std::string damageName(Damage damage) {
    switch (damage) {
    case Damage::Missing: return "Missing";
    case Damage::Empty: return "Empty";
    case Damage::Folder: return "Folder";
    case Damage::Pipe: return "Pipe";
    case Damage::Garbage: return "Garbage";
    case Damage::LongLine: return "LongLine";
    case Damage::LongWord: return "LongWord";
    case Damage::HugeWord: return "HugeWord";
    case Damage::Huge: return "Huge";
    case Damage::CrLf: return "CrLf";
    case Damage::NoNewline: return "NoNewline";
    case Damage::OutOfRange: return "OutOfRange";
    case Damage::Negative: return "Negative";
    case Damage::NonNumeric: return "NonNumeric";
    case Damage::NonUtf8: return "NonUtf8";
    }
    return "?";
}

const std::vector<Damage>& everyDamage() {
    static const std::vector<Damage> all{Damage::Missing,   Damage::Empty,      Damage::Folder,   Damage::Pipe,
                                         Damage::Garbage,   Damage::LongLine,   Damage::LongWord, Damage::HugeWord,
                                         Damage::Huge,      Damage::CrLf,
                                         Damage::NoNewline, Damage::OutOfRange, Damage::Negative, Damage::NonNumeric,
                                         Damage::NonUtf8};
    return all;
}

bool textDamage(Damage damage) {
    return damage == Damage::CrLf || damage == Damage::NoNewline || damage == Damage::OutOfRange ||
           damage == Damage::Negative || damage == Damage::NonNumeric || damage == Damage::NonUtf8 ||
           damage == Damage::LongLine;
}

bool keepsGoodValue(Damage damage) { return damage == Damage::CrLf || damage == Damage::NoNewline; }

void damageFile(const fs::path& path, Damage damage, std::string_view goodText) {
    std::error_code ec;
    fs::remove_all(path, ec);
    fs::create_directories(path.parent_path(), ec);
    const std::string good(goodText);
    switch (damage) {
    case Damage::Missing: return;
    case Damage::Empty: put(path, ""); return;
    case Damage::Folder: fs::create_directories(path / "inside"); return;
    case Damage::Pipe: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path; return;
    case Damage::Garbage: put(path, garbage()); return;
    case Damage::LongLine: put(path, std::string(200000, 'x') + "\r\n"); return;
    case Damage::LongWord: put(path, std::string(300000, '5')); return;
    case Damage::HugeWord: put(path, std::string(4000000, '5')); return;
    case Damage::Huge:
        // Sparse: as large as a real 50 MB file to anything that asks its size, written in no time.
        put(path, "*1*");
        fs::resize_file(path, 50u << 20);
        return;
    case Damage::CrLf: put(path, good + "\r\n"); return;
    case Damage::NoNewline: put(path, good); return;
    case Damage::OutOfRange: put(path, "99999999999999999999\r\n"); return;
    case Damage::Negative: put(path, "-7\r\n"); return;
    case Damage::NonNumeric: put(path, "seven\r\n"); return;
    case Damage::NonUtf8: put(path, "\xff\xfe" + good + "\x80\r\n"); return;
    }
}

int linesNaming(std::string_view said, std::string_view file) {
    int lines = 0;
    for (std::size_t start = 0, end = said.find('\n'); end != std::string_view::npos; start = end + 1, end = said.find('\n', start))
        lines += said.substr(start, end - start).find(file) != std::string_view::npos ? 1 : 0;
    return lines;
}

FolderState folderState(const fs::path& folder, const std::vector<fs::path>& except) {
    FolderState state;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
        if (ec) break;
        const fs::path& path = it->path();
        // A folder's own time changes with any file made and removed in it; its files tell.
        if (it->is_directory(ec)) continue;
        const auto excepted = [&path](const fs::path& other) {
            return path == other || path.string().starts_with(other.string() + "/");
        };
        if (std::ranges::any_of(except, excepted)) continue;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) continue;
        state.files.push_back(path.string() + " " + std::to_string(info.st_size) + " " + std::to_string(info.st_ino) +
                              " " + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec));
    }
    std::ranges::sort(state.files);
    return state;
}

}  // namespace gp
