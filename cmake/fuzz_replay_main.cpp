// A fuzzer's test in the sanitizer build, without libFuzzer: every input of the kept corpus,
// then random changes of those inputs (bits flipped, bytes set, inserted, removed, the input
// cut or joined to another) for the given seconds. The changes follow a fixed seed, so a
// failure repeats; the input that failed is written to fuzz-failure-<name> in the working
// folder before the sanitizer ends the run.
//   <fuzzer> SECONDS CORPUS_FOLDER...
#include <sanitizer/common_interface_defs.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> actual;
std::string nombreFallo;

void GuardaFallo()
{
    std::ofstream f(nombreFallo, std::ios::binary);
    f.write(reinterpret_cast<const char*>(actual.data()),
            static_cast<std::streamsize>(actual.size()));
    std::cerr << "input written to " << nombreFallo << "\n";
}

void Ejecuta(const std::vector<std::uint8_t>& entrada)
{
    actual = entrada;
    // A copy of its own, so reading past its end is caught.
    std::vector<std::uint8_t> copia(entrada);
    LLVMFuzzerTestOneInput(copia.empty() ? nullptr : copia.data(), copia.size());
}

void Cambia(std::vector<std::uint8_t>& e, const std::vector<std::uint8_t>& otra, std::mt19937& azar)
{
    const auto pos = [&](std::size_t n) { return n == 0 ? 0 : azar() % n; };
    switch (azar() % 6) {
    case 0:
        if (!e.empty())
            e[pos(e.size())] ^= static_cast<std::uint8_t>(1u << (azar() % 8));
        break;
    case 1: {
        static const std::uint8_t kRaros[] = {0, 1, 0x7f, 0x80, 0xff, '-', ':', '"', '\n'};
        if (!e.empty())
            e[pos(e.size())] =
                azar() % 2 ? kRaros[azar() % std::size(kRaros)] : static_cast<std::uint8_t>(azar());
        break;
    }
    case 2:
        e.insert(e.begin() + static_cast<std::ptrdiff_t>(pos(e.size() + 1)),
                 static_cast<std::uint8_t>(azar()));
        break;
    case 3:
        if (!e.empty())
            e.erase(e.begin() + static_cast<std::ptrdiff_t>(pos(e.size())));
        break;
    case 4:
        e.resize(pos(e.size() + 1));
        break;
    case 5: {
        const std::size_t desde = pos(otra.size() + 1);
        e.resize(pos(e.size() + 1));
        e.insert(e.end(), otra.begin() + static_cast<std::ptrdiff_t>(desde), otra.end());
        break;
    }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "use: " << argv[0] << " SECONDS CORPUS_FOLDER...\n";
        return 2;
    }
    nombreFallo = "fuzz-failure-" + std::filesystem::path(argv[0]).filename().string();
    __sanitizer_set_death_callback(GuardaFallo);
    // A fuzzer's own check fails with abort().
    std::signal(SIGABRT, [](int) {
        GuardaFallo();
        std::_Exit(1);
    });
    std::vector<std::vector<std::uint8_t>> corpus;
    for (int i = 2; i < argc; ++i) {
        std::error_code ec;
        for (const auto& f : std::filesystem::directory_iterator(argv[i], ec)) {
            std::ifstream in(f.path(), std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        }
    }
    if (corpus.empty()) {
        std::cerr << "no corpus in " << argv[2] << "\n";
        return 1;
    }
    for (const auto& e : corpus)
        Ejecuta(e);

    std::mt19937 azar(1);
    const auto fin =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(std::atof(argv[1]));
    long runs = static_cast<long>(corpus.size());
    while (std::chrono::steady_clock::now() < fin) {
        std::vector<std::uint8_t> e = corpus[azar() % corpus.size()];
        for (int n = 1 + static_cast<int>(azar() % 4); n > 0; --n)
            Cambia(e, corpus[azar() % corpus.size()], azar);
        if (e.size() > 65536)
            e.resize(65536);
        Ejecuta(e);
        ++runs;
    }
    std::cout << runs << " runs over " << corpus.size() << " kept inputs, no fault\n";
    return 0;
}
