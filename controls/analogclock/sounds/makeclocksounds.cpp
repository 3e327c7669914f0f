// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Writes the analog clock's four sounds as 16-bit mono PCM wave files:
//   makeclocksounds <folder>
// Every sound is synthesised here from sine tones with a short fade at either
// end, so the build needs no sound files of its own.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

/* One tone: a frequency in hertz (0 for silence), a length and how fast it dies away. */
struct Tone
{
    double hertz;
    double seconds;
    double decayPerSecond;
};

void appendTone(std::vector<std::int16_t> &samples, const Tone &tone)
{
    const int count = int(tone.seconds * SampleRate);
    const int fade = std::min(count / 4, SampleRate / 200); // 5 ms at most
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        double level = 0.5 * std::exp(-tone.decayPerSecond * t);
        if (i < fade)
            level *= double(i) / fade;
        else if (count - i < fade)
            level *= double(count - i) / fade;
        const double value = tone.hertz > 0 ? level * std::sin(2 * Pi * tone.hertz * t) : 0.0;
        samples.push_back(std::int16_t(std::lround(value * 32767)));
    }
}

void putLittleEndian(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xFF));
}

bool writeWave(const std::string &path, const std::vector<Tone> &tones)
{
    std::vector<std::int16_t> samples;
    for (const Tone &tone : tones)
        appendTone(samples, tone);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * sizeof(std::int16_t));
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLittleEndian(out, 16, 4); // format chunk size
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, SampleRate, 4);
    putLittleEndian(out, SampleRate * 2, 4); // bytes a second
    putLittleEndian(out, 2, 2); // bytes a frame
    putLittleEndian(out, 16, 2); // bits a sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : samples)
        putLittleEndian(out, std::uint16_t(sample), 2);
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const struct
    {
        const char *name;
        std::vector<Tone> tones;
    } sounds[] = {
        // Two alternating beeps, under a second: it starts again every second of the alarm minute.
        {"Alarm.wav", {{880, 0.15, 0}, {0, 0.05, 0}, {660, 0.15, 0}, {0, 0.05, 0}, {880, 0.15, 0}}},
        // A short, high tick.
        {"SChime.wav", {{2000, 0.04, 40}}},
        // A bell-like tone.
        {"MChime.wav", {{1046.5, 0.35, 8}}},
        // Two lower strokes.
        {"HChime.wav", {{523.25, 0.6, 4}, {392, 0.9, 3}}},
    };
    for (const auto &sound : sounds) {
        const std::string path = folder + "/" + sound.name;
        if (!writeWave(path, sound.tones)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
