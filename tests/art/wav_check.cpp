#include "wav_check.h"

#include <QtEndian>

#include <cstdlib>

namespace {

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

}  // namespace

WavCheck checkWav(const QByteArray& b) {
    WavCheck w;
    if (b.size() < 44) return {"shorter than a wave header"};
    if (b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return {"no RIFF/WAVE signature"};
    if (u32(b, 4) != static_cast<quint32>(b.size() - 8)) return {"RIFF length does not match the file"};
    if (b.mid(12, 4) != "fmt " || u32(b, 16) != 16) return {"no 16-byte fmt chunk"};
    if (u16(b, 20) != 1) return {"not PCM"};
    if (u16(b, 22) != 1 || u16(b, 34) != 16) return {"not mono 16-bit"};
    w.sampleRate = static_cast<int>(u32(b, 24));
    if (u32(b, 28) != static_cast<quint32>(w.sampleRate) * 2 || u16(b, 32) != 2) return {"byte rate or block align wrong"};
    if (b.mid(36, 4) != "data") return {"no data chunk"};
    const quint32 length = u32(b, 40);
    if (length != static_cast<quint32>(b.size() - 44) || length % 2 != 0) return {"data length inconsistent"};
    w.samples = static_cast<int>(length / 2);
    for (int i = 0; i < w.samples; ++i)
        w.peak = std::max(w.peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i))));
    if (w.samples > 0) w.last = qFromLittleEndian<qint16>(b.constData() + 44 + 2 * (w.samples - 1));
    return w;
}
