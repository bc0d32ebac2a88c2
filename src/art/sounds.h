#pragma once

#include <QByteArray>

#include <string_view>
#include <vector>

namespace art {

// The names of every sound effect the games play, such as "flick.wav".
std::vector<std::string_view> soundNames();

// The whole wave file of a sound effect, synthesised; an unknown name gives empty bytes.
QByteArray soundFile(std::string_view name);

}  // namespace art
