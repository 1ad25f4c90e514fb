// Synthesizes the scoreboard's cue sounds: gongo.wav, sino.wav and sparkle.wav, 16-bit PCM mono at 44100 Hz.
// Usage: gerasons <folder>
// The output is the same byte for byte on every run and machine: no clock, no library random numbers.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kTaxa = 44100;
constexpr double kDoisPi = 2.0 * std::numbers::pi;

struct Parcial {
    double frequencia;  // Hz
    double amplitude;
    double decaimento;  // seconds for the partial to fall to 1/e
};

// Small fixed generator so the twinkles fall in the same places everywhere.
class Sorteio {
public:
    double Proximo() {  // in [0, 1)
        estado_ ^= estado_ << 13;
        estado_ ^= estado_ >> 7;
        estado_ ^= estado_ << 17;
        return static_cast<double>(estado_ >> 11) / static_cast<double>(1ULL << 53);
    }

private:
    uint64_t estado_ = 0x9E3779B97F4A7C15ULL;
};

std::vector<double> Silencio(double segundos) {
    std::vector<double> som(static_cast<size_t>(segundos * kTaxa), 0.0);
    return som;
}

// Struck-metal body: each partial starts at once (a short ramp avoids a click) and decays on its own.
void SomaParciais(std::vector<double>& som, const std::vector<Parcial>& parciais, double ataque) {
    for (size_t i = 0; i < som.size(); ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double rampa = t < ataque ? t / ataque : 1.0;
        double soma = 0.0;
        for (const auto& p : parciais)
            soma += p.amplitude * std::exp(-t / p.decaimento) * std::sin(kDoisPi * p.frequencia * t);
        som[i] += rampa * soma;
    }
}

// Fades the last stretch to zero so the sound never ends on a step.
void FinalSuave(std::vector<double>& som, double segundos) {
    const size_t n = std::min(som.size(), static_cast<size_t>(segundos * kTaxa));
    for (size_t k = 0; k < n; ++k) {
        const double g = static_cast<double>(k) / static_cast<double>(n);
        som[som.size() - 1 - k] *= g * g;
    }
}

void Normaliza(std::vector<double>& som, double pico) {
    double maior = 0.0;
    for (double v : som) maior = std::max(maior, std::abs(v));
    if (maior > 0.0)
        for (double& v : som) v *= pico / maior;
}

std::vector<double> Gongo() {
    auto som = Silencio(2.5);
    // Low, unevenly spaced partials; the close pairs beat slowly, as a real gong shimmers.
    SomaParciais(som,
                 {{98.0, 1.00, 1.60},
                  {99.3, 0.55, 1.40},
                  {151.7, 0.70, 1.10},
                  {207.4, 0.55, 0.90},
                  {209.1, 0.30, 0.85},
                  {268.9, 0.40, 0.65},
                  {331.2, 0.30, 0.50},
                  {412.6, 0.22, 0.35},
                  {538.0, 0.15, 0.25}},
                 0.008);
    FinalSuave(som, 0.25);
    Normaliza(som, 0.85);
    return som;
}

std::vector<double> Sino() {
    auto som = Silencio(1.5);
    // A bright bell: a strong strike tone with inharmonic overtones that die faster the higher they are.
    SomaParciais(som,
                 {{880.0, 1.00, 0.55},
                  {1170.4, 0.45, 0.45},
                  {1333.0, 0.35, 0.40},
                  {1769.6, 0.50, 0.30},
                  {2428.8, 0.30, 0.20},
                  {3146.0, 0.20, 0.14},
                  {4072.2, 0.12, 0.09}},
                 0.002);
    FinalSuave(som, 0.15);
    Normaliza(som, 0.8);
    return som;
}

std::vector<double> Sparkle() {
    auto som = Silencio(0.6);
    // A quick upward glissando...
    double fase = 0.0;
    const size_t n = som.size();
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double f = 1800.0 * std::pow(2.0, t / 0.25);  // one octave every quarter second
        fase += kDoisPi * f / kTaxa;
        som[i] += 0.35 * std::exp(-t / 0.18) * std::sin(fase);
    }
    // ...strewn with short high twinkles.
    Sorteio sorteio;
    for (int k = 0; k < 14; ++k) {
        const double inicio = 0.03 + sorteio.Proximo() * 0.45;
        const double f = 3000.0 + sorteio.Proximo() * 4500.0;
        const double a = 0.25 + sorteio.Proximo() * 0.35;
        const auto i0 = static_cast<size_t>(inicio * kTaxa);
        for (size_t i = i0; i < n; ++i) {
            const double t = static_cast<double>(i - i0) / kTaxa;
            if (t > 0.12) break;
            const double rampa = t < 0.001 ? t / 0.001 : 1.0;
            som[i] += a * rampa * std::exp(-t / 0.025) * std::sin(kDoisPi * f * t);
        }
    }
    FinalSuave(som, 0.05);
    Normaliza(som, 0.8);
    return som;
}

void Poe16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void Poe32(std::string& s, uint32_t v) {
    Poe16(s, static_cast<uint16_t>(v & 0xFFFF));
    Poe16(s, static_cast<uint16_t>(v >> 16));
}

// A canonical 44-byte RIFF header, little-endian whatever the host.
bool GravaWav(const std::string& caminho, const std::vector<double>& som) {
    const auto bytesDados = static_cast<uint32_t>(som.size() * 2);
    std::string b;
    b.reserve(44 + bytesDados);
    b += "RIFF";
    Poe32(b, 36 + bytesDados);
    b += "WAVEfmt ";
    Poe32(b, 16);
    Poe16(b, 1);  // PCM
    Poe16(b, 1);  // mono
    Poe32(b, kTaxa);
    Poe32(b, kTaxa * 2);
    Poe16(b, 2);
    Poe16(b, 16);
    b += "data";
    Poe32(b, bytesDados);
    for (double v : som) {
        const double c = std::clamp(v, -1.0, 1.0) * 32767.0;
        Poe16(b, static_cast<uint16_t>(static_cast<int16_t>(std::lround(c))));
    }
    // Written beside the target and renamed, so a build stopped halfway never leaves a short file.
    const std::string temporario = caminho + ".tmp";
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        f.write(b.data(), static_cast<std::streamsize>(b.size()));
        if (!f.flush()) return false;
    }
    return std::rename(temporario.c_str(), caminho.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string pasta = argv[1];
    const struct {
        const char* nome;
        std::vector<double> som;
    } sons[] = {{"gongo.wav", Gongo()}, {"sino.wav", Sino()}, {"sparkle.wav", Sparkle()}};
    for (const auto& s : sons) {
        const std::string caminho = pasta + "/" + s.nome;
        if (!GravaWav(caminho, s.som)) {
            std::fprintf(stderr, "gerasons: cannot write %s\n", caminho.c_str());
            return 1;
        }
    }
    return 0;
}
