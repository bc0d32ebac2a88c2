#include "art/wav.h"

#include <QtEndian>

namespace art {
namespace {

void put32(QByteArray& out, std::uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put16(QByteArray& out, std::uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

}  // namespace

QByteArray wavFile(const std::vector<std::int16_t>& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint16_t channels = 1, bits = 16, blockAlign = channels * bits / 8;
    QByteArray out;
    out.reserve(static_cast<int>(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out.append("data");
    put32(out, dataBytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace art
