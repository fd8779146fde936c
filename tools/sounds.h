// The program's five sounds, synthesised: RIFF WAVE files, PCM, mono,
// 11025 samples per second, 8 bits per sample.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

constexpr int kSampleRate = 11025;

struct Sound {
    std::string resource;  // resource name, e.g. "FLIPSOUND"
    std::string file;      // generated file name, e.g. "flip.wav"
    std::vector<uint8_t> samples;  // unsigned 8-bit, 128 is silence
};

std::vector<Sound> program_sounds();
std::vector<uint8_t> wave_file(const std::vector<uint8_t>& samples);

}  // namespace art
