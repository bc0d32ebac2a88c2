#pragma once

#include <QByteArray>

#include <string>

// Reads a wave file's header the way a player would, independently of the code that wrote it.
struct WavCheck {
    std::string problem;  // empty when the file is a valid mono 16-bit PCM wave
    int sampleRate = 0;
    int samples = 0;
    int peak = 0;  // the largest absolute sample value
    int last = 0;  // the final sample
};

WavCheck checkWav(const QByteArray& bytes);
