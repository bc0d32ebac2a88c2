#include "common/users.h"

#include "core/numbers.h"
#include "platform/files.h"

#include <QList>
#include <QString>

#include <algorithm>

namespace common {
namespace {

constexpr std::string_view kOpen = "*1*";
constexpr std::string_view kClose = "*2*";

QString capitals(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUpper();
}

qsizetype characters(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4().size();
}

}  // namespace

std::vector<std::string> parseusers(std::string_view text) {
    std::vector<std::string> names;
    for (std::size_t start = text.find(kOpen); start != std::string_view::npos; start = text.find(kOpen, start + 1)) {
        const std::size_t nameStart = start + kOpen.size();
        const std::size_t end = text.find(kClose, nameStart);
        if (end != std::string_view::npos) names.emplace_back(text.substr(nameStart, end - nameStart));
    }
    return names;
}

std::string userstext(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += kOpen;
        text += name;
        text += kClose;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> loadusers() { return parseusers(platform::readSetting(kUsersFile)); }

int storedusercount() { return core::toInt(platform::readSetting(kUserCountFile), 0); }

// The list first and the count last: a run stopped between the two leaves a count that the next
// load mends from the list, never a count that names users the list lost.
bool saveusers(const std::vector<std::string>& names) {
    return platform::writeSetting(kUsersFile, userstext(names)) &&
           platform::writeSetting(kUserCountFile, std::to_string(names.size()));
}

std::vector<std::string> loadusersmended() {
    std::vector<std::string> names = loadusers();
    // The next load mends it again, and the close saves both: the user has nothing to do about it.
    const platform::UntoldWrites quiet;
    if (storedusercount() != static_cast<int>(names.size()))
        platform::writeSetting(kUserCountFile, std::to_string(names.size()));
    return names;
}

bool roundtrips(std::string_view name) {
    return parseusers(userstext({std::string(name)})) == std::vector<std::string>{std::string(name)};
}

bool acceptablename(std::string_view answer, const std::vector<std::string>& listed) {
    if (answer.empty() || answer == " " || answer == "  ") return false;
    if (characters(answer) > kLongestUserName) return false;
    if (!roundtrips(answer)) return false;
    const QString wanted = capitals(answer);
    return std::ranges::none_of(listed, [&](const std::string& name) { return capitals(name) == wanted; });
}

}  // namespace common
