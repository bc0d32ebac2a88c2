#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace art {

// A complete mono 16-bit PCM wave file.
QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace art
