#include "tools/soundgen/sound_designer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "tools/soundgen/seeded_random.h"

namespace {

constexpr double kRate = SoundDesigner::kSampleRate;
constexpr double kPi = 3.14159265358979323846;

std::vector<double> Silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

std::size_t SampleAt(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

/// Raised-cosine rise from 0 to 1 over `attack` seconds.
double Rise(double t, double attack) {
    if (attack <= 0.0 || t >= attack) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(kPi * t / attack);
}

/// One partial of a struck sound: frequency ratio, level and exponential decay time.
struct Partial {
    double ratio;
    double level;
    double decay;
};

/// A struck (mallet or bell) tone: sine partials that decay on their own time scales.
void AddStruck(std::vector<double>& out, double start, double frequency, double attack, double gain,
               std::initializer_list<Partial> partials) {
    for (std::size_t i = SampleAt(start); i < out.size(); ++i) {
        const double t = static_cast<double>(i - SampleAt(start)) / kRate;
        double value = 0.0;
        for (const Partial& p : partials) {
            value +=
                p.level * std::exp(-t / p.decay) * std::sin(2.0 * kPi * frequency * p.ratio * t);
        }
        out[i] += gain * Rise(t, attack) * value;
    }
}

/// A sine whose pitch glides exponentially from `from` to `to` within `glide` seconds, as a
/// bubble's resonance rises while it reaches the surface.
void AddGlide(std::vector<double>& out, double start, double from, double to, double glide,
              double attack, double decay, double gain) {
    double phase = 0.0;
    for (std::size_t i = SampleAt(start); i < out.size(); ++i) {
        const double t = static_cast<double>(i - SampleAt(start)) / kRate;
        const double frequency = from * std::pow(to / from, std::min(t / glide, 1.0));
        phase += 2.0 * kPi * frequency / kRate;
        out[i] += gain * Rise(t, attack) * std::exp(-t / decay) * std::sin(phase);
    }
}

/// Band-pass biquad (constant peak gain) whose centre may move from sample to sample.
class BandPass {
  public:
    double Process(double x, double centre, double q) {
        const double w0 = 2.0 * kPi * centre / kRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double y =
            (alpha * x - alpha * x2_ + 2.0 * std::cos(w0) * y1_ - (1.0 - alpha) * y2_) / a0;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

/// A short burst of filtered noise: the strike of a type bar.
void AddClick(std::vector<double>& out, double start, double centre, double q, double decay,
              double gain, std::uint64_t seed) {
    SeededRandom noise(seed);
    BandPass filter;
    for (std::size_t i = SampleAt(start); i < out.size(); ++i) {
        const double t = static_cast<double>(i - SampleAt(start)) / kRate;
        out[i] += gain * Rise(t, 0.0003) * std::exp(-t / decay) *
                  filter.Process(noise.Bipolar(), centre, q);
    }
}

/// A nasal, slightly raspy voice through three formants: a duck's quack. The pitch falls from
/// `pitchFrom` to `pitchTo`; the formants open from a "w"-like to an "a"-like vowel.
void AddQuack(std::vector<double>& out, double start, double length, double pitchFrom,
              double pitchTo, double gain, std::uint64_t seed) {
    SeededRandom noise(seed);
    BandPass f1, f2, f3;
    double phase = 0.0;
    const std::size_t first = SampleAt(start);
    const std::size_t last = std::min(out.size(), SampleAt(start + length));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double u = t / length;
        const double pitch =
            pitchFrom * std::pow(pitchTo / pitchFrom, u) * (1.0 + 0.02 * noise.Bipolar());
        phase += 2.0 * kPi * pitch / kRate;
        // Band-limited sawtooth: the harmonics up to 5 kHz.
        double source = 0.0;
        const int harmonics = static_cast<int>(5000.0 / pitch);
        for (int h = 1; h <= harmonics; ++h) {
            source += std::sin(h * phase) / h;
        }
        source += 0.35 * noise.Bipolar();
        const double open = std::min(u / 0.35, 1.0);
        const double voice = 1.0 * f1.Process(source, 550.0 + 350.0 * open, 4.0) +
                             0.8 * f2.Process(source, 950.0 + 550.0 * open, 6.0) +
                             0.3 * f3.Process(source, 2600.0, 8.0);
        const double envelope =
            Rise(t, 0.004) * (1.0 - Rise(std::max(0.0, t - 0.6 * length), 0.4 * length));
        out[i] += gain * envelope * voice;
    }
}

/// Fades in and out so that the sound neither starts nor stops with a click, then scales it to
/// the common peak level.
std::vector<double> Finish(std::vector<double> samples, double fadeIn, double fadeOut) {
    const std::size_t in = std::min(samples.size(), SampleAt(fadeIn));
    const std::size_t out = std::min(samples.size(), SampleAt(fadeOut));
    for (std::size_t i = 0; i < in; ++i) {
        samples[i] *= Rise(static_cast<double>(i) / kRate, fadeIn);
    }
    for (std::size_t i = 0; i < out; ++i) {
        samples[samples.size() - 1 - i] *= Rise(static_cast<double>(i) / kRate, fadeOut);
    }
    double peak = 0.0;
    for (double s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    if (peak > 0.0) {
        for (double& s : samples) {
            s *= SoundDesigner::kPeak / peak;
        }
    }
    return samples;
}

}  // namespace

std::vector<DesignedSound> SoundDesigner::AllSounds() {
    return {
        {"wellcome.wav", WelcomeChime()}, {"good1.wav", DefaultCorrect()},
        {"bad1.wav", DefaultError()},     {"good2.wav", DuckCorrect()},
        {"bad2.wav", DuckError()},        {"good3.wav", TypewriterCorrect()},
        {"bad3.wav", TypewriterError()},  {"good4.wav", BubbleCorrect()},
        {"bad4.wav", BubbleError()},
    };
}

std::vector<double> SoundDesigner::WelcomeChime() {
    // A rising major arpeggio of soft bell tones that rings out.
    std::vector<double> out = Silence(1.2);
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int n = 0; n < 4; ++n) {
        AddStruck(out, 0.12 * n, notes[n], 0.006, n == 3 ? 0.9 : 0.7,
                  {{1.0, 1.0, 0.45}, {2.0, 0.22, 0.20}, {3.0, 0.06, 0.10}, {4.2, 0.03, 0.05}});
    }
    return Finish(std::move(out), 0.002, 0.25);
}

std::vector<double> SoundDesigner::DefaultCorrect() {
    // A soft wooden tick.
    std::vector<double> out = Silence(0.040);
    AddStruck(out, 0.0, 1046.50, 0.001, 1.0,
              {{1.0, 1.0, 0.012}, {3.93, 0.22, 0.004}, {9.5, 0.05, 0.002}});
    return Finish(std::move(out), 0.0005, 0.006);
}

std::vector<double> SoundDesigner::DefaultError() {
    // Two low, slightly out-of-tune notes falling: clearly "not that".
    std::vector<double> out = Silence(0.28);
    for (int n = 0; n < 2; ++n) {
        const double frequency = n == 0 ? 392.0 : 311.13;
        AddStruck(out, 0.11 * n, frequency, 0.003, 1.0,
                  {{1.0, 1.0, 0.07}, {1.013, 0.4, 0.07}, {2.0, 0.2, 0.04}, {3.93, 0.1, 0.02}});
    }
    return Finish(std::move(out), 0.001, 0.03);
}

std::vector<double> SoundDesigner::DuckCorrect() {
    std::vector<double> out = Silence(0.050);
    AddQuack(out, 0.0, 0.050, 430.0, 330.0, 1.0, 0x6475636B31ULL);
    return Finish(std::move(out), 0.001, 0.006);
}

std::vector<double> SoundDesigner::DuckError() {
    std::vector<double> out = Silence(0.24);
    AddQuack(out, 0.0, 0.24, 300.0, 210.0, 1.0, 0x6475636B32ULL);
    return Finish(std::move(out), 0.001, 0.02);
}

std::vector<double> SoundDesigner::TypewriterCorrect() {
    // The type bar strikes (a bright click with a dull thump) and bounces back.
    std::vector<double> out = Silence(0.035);
    AddClick(out, 0.0, 3200.0, 1.2, 0.003, 1.0, 0x74797065ULL);
    AddStruck(out, 0.0, 170.0, 0.0005, 0.5, {{1.0, 1.0, 0.006}});
    AddClick(out, 0.014, 4500.0, 1.5, 0.002, 0.35, 0x72657475ULL);
    return Finish(std::move(out), 0.0003, 0.005);
}

std::vector<double> SoundDesigner::TypewriterError() {
    // The margin bell: a small strike, then a bright inharmonic ding.
    std::vector<double> out = Silence(0.33);
    AddClick(out, 0.0, 3000.0, 1.0, 0.002, 0.3, 0x62656C6CULL);
    AddStruck(out, 0.002, 1900.0, 0.0008, 1.0,
              {{1.0, 1.0, 0.11},
               {2.0, 0.12, 0.06},
               {2.76, 0.4, 0.05},
               {5.40, 0.15, 0.025},
               {8.93, 0.06, 0.012}});
    return Finish(std::move(out), 0.0003, 0.06);
}

std::vector<double> SoundDesigner::BubbleCorrect() {
    std::vector<double> out = Silence(0.045);
    AddGlide(out, 0.0, 520.0, 1400.0, 0.025, 0.002, 0.016, 1.0);
    return Finish(std::move(out), 0.0005, 0.006);
}

std::vector<double> SoundDesigner::BubbleError() {
    // Two big, low bubbles: "blub-blub".
    std::vector<double> out = Silence(0.22);
    AddGlide(out, 0.0, 260.0, 620.0, 0.06, 0.003, 0.028, 1.0);
    AddGlide(out, 0.095, 210.0, 500.0, 0.07, 0.003, 0.032, 1.0);
    return Finish(std::move(out), 0.001, 0.02);
}
