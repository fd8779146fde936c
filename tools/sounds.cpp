#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<double>;

Buffer silence(double seconds) { return Buffer(size_t(seconds * kSampleRate), 0.0); }

// A deterministic noise source, so every build makes the same files.
struct Noise {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 24) * 2.0 - 1.0;
    }
};

// A soft bell: a few partials with their own decays.
void bell(Buffer& b, double at, double freq, double length, double level) {
    static const double partials[][3] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 1.8}, {3.01, 0.15, 2.6}, {4.2, 0.06, 3.5}};
    size_t start = size_t(at * kSampleRate);
    size_t n = size_t(length * kSampleRate);
    for (size_t i = 0; i < n && start + i < b.size(); ++i) {
        double t = double(i) / kSampleRate;
        double attack = std::min(1.0, t / 0.006);
        double v = 0;
        for (auto& p : partials) v += p[1] * std::exp(-t * p[2] * 4.0 / length) * std::sin(2 * kPi * freq * p[0] * t);
        double tail = std::min(1.0, double(n - i) / (0.02 * kSampleRate));  // no click at the end
        b[start + i] += level * attack * tail * v;
    }
}

// A burst of noise through a two-pole resonator: a card's snap or slide.
void noise_burst(Buffer& b, Noise& noise, double at, double length, double centre, double q, double level,
                 double attack, double decay) {
    size_t start = size_t(at * kSampleRate);
    size_t n = size_t(length * kSampleRate);
    double w = 2 * kPi * centre / kSampleRate;
    double r = std::exp(-w / (2 * q));
    double a1 = 2 * r * std::cos(w), a2 = -r * r;
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < n && start + i < b.size(); ++i) {
        double t = double(i) / kSampleRate;
        double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        double y = (1 - r) * noise.next() + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        b[start + i] += level * env * y * 6.0;
    }
}

// Scales to the given peak and converts to unsigned 8-bit samples.
std::vector<uint8_t> to_pcm8(const Buffer& b, double peak) {
    double max = 1e-9;
    for (double v : b) max = std::max(max, std::abs(v));
    std::vector<uint8_t> out(b.size());
    for (size_t i = 0; i < b.size(); ++i) {
        double v = b[i] / max * peak;
        out[i] = uint8_t(std::clamp(int(std::lround(128 + v * 127)), 0, 255));
    }
    return out;
}

double note(int semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }

// A card turned over: a short, bright snap.
Buffer flip() {
    Buffer b = silence(0.09);
    Noise n{11};
    noise_burst(b, n, 0.0, 0.09, 2600, 2.0, 1.0, 0.002, 0.018);
    noise_burst(b, n, 0.0, 0.05, 900, 3.0, 0.5, 0.001, 0.012);
    return b;
}

// A card picked up and slid: a soft swish that rises and falls.
Buffer slide() {
    Buffer b = silence(0.22);
    Noise n{23};
    size_t len = b.size();
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < len; ++i) {
        double t = double(i) / len;
        double centre = 1200 + 1400 * t;  // the swish sweeps upward
        double w = 2 * kPi * centre / kSampleRate, r = std::exp(-w / 3.0);
        double y = (1 - r) * n.next() + 2 * r * std::cos(w) * y1 - r * r * y2;
        y2 = y1;
        y1 = y;
        b[i] = y * std::sin(kPi * t) * std::sin(kPi * t);
    }
    return b;
}

// Riffling the deck: a run of flicks that speeds up, then settles.
Buffer shuffle() {
    Buffer b = silence(0.7);
    Noise n{37};
    double at = 0.01;
    for (int i = 0; i < 26; ++i) {
        double gap = 0.03 - 0.0008 * i;
        noise_burst(b, n, at, 0.04, 2200 + 300 * ((i * 7) % 5), 2.5, 0.6 + 0.4 * ((i * 3) % 4) / 3.0, 0.001, 0.008);
        at += gap;
    }
    noise_burst(b, n, at + 0.01, 0.08, 700, 2.0, 1.2, 0.002, 0.03);  // the deck squared up
    return b;
}

// A win: a rising major arpeggio that ends on a bright chord.
Buffer win() {
    Buffer b = silence(1.15);
    const int notes[] = {-9, -5, -2, 3};  // C5 E5 G5 C6
    for (int i = 0; i < 4; ++i) bell(b, 0.11 * i, note(notes[i]), 0.5, 0.8);
    for (int i = 0; i < 4; ++i) bell(b, 0.5, note(notes[i] + 0), 0.65, 0.35);
    return b;
}

// A loss: a slow falling minor third and fourth, muted.
Buffer lose() {
    Buffer b = silence(1.0);
    const int notes[] = {-2, -5, -9, -14};  // G5 E5 C5 G4
    for (int i = 0; i < 4; ++i) bell(b, 0.18 * i, note(notes[i] - 1) / 2, 0.5, 0.9);
    return b;
}

}  // namespace

std::vector<uint8_t> wave_file(const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> f;
    f.reserve(44 + samples.size() + 1);
    auto put = [&](const char* s) {
        for (int i = 0; i < 4; ++i) f.push_back(uint8_t(s[i]));
    };
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) f.push_back(uint8_t(v >> (8 * i)));
    };
    auto put16 = [&](uint32_t v) {
        f.push_back(uint8_t(v));
        f.push_back(uint8_t(v >> 8));
    };
    uint32_t data = uint32_t(samples.size());
    uint32_t pad = data & 1;
    put("RIFF");
    put32(4 + 8 + 16 + 8 + data + pad);
    put("WAVE");
    put("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kSampleRate);
    put32(kSampleRate);  // bytes per second
    put16(1);            // block align
    put16(8);            // bits per sample
    put("data");
    put32(data);
    f.insert(f.end(), samples.begin(), samples.end());
    if (pad) f.push_back(128);
    return f;
}

std::vector<Sound> program_sounds() {
    return {
        {"FLIPSOUND", "flip.wav", to_pcm8(flip(), 0.7)},
        {"SLIDESOUND", "slide.wav", to_pcm8(slide(), 0.45)},
        {"SHUFFLESOUND", "shuffle.wav", to_pcm8(shuffle(), 0.6)},
        {"WINSOUND", "win.wav", to_pcm8(win(), 0.75)},
        {"LOSESOUND", "lose.wav", to_pcm8(lose(), 0.6)},
    };
}

}  // namespace art
