#include "platform/files.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

namespace platform {
namespace {

std::filesystem::path& folderOverride() {
    static std::filesystem::path folder;
    return folder;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::filesystem::path programFolder() {
    if (!folderOverride().empty()) return folderOverride();
    if (QCoreApplication::instance())
        return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    return std::filesystem::current_path();
}

void setProgramFolder(const std::filesystem::path& folder) { folderOverride() = folder; }

std::filesystem::path resolve(std::string_view name) {
    std::filesystem::path path = programFolder();
    std::string part;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) path /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) path /= part;
    return path;
}

std::string readFile(std::string_view name) {
    std::ifstream in(resolve(name), std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readSetting(std::string_view name) {
    std::string text = readFile(name);
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    else if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::cerr << "gamepack: cannot write " << path << '\n';
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::cerr << "gamepack: cannot replace " << path << ": " << ec.message() << '\n';
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool writeSetting(std::string_view name, std::string_view text) {
    std::string bytes(text);
    bytes += "\r\n";
    return writeFileAtomic(resolve(name), bytes);
}

int toInt(std::string_view text, int fallback) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return fallback;
    return value;
}

double toDouble(std::string_view text, double fallback) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return fallback;
    // "inf" and "nan" parse, but no setting means them, and they poison any arithmetic after.
    if (!std::isfinite(value)) return fallback;
    return value;
}

}  // namespace platform
