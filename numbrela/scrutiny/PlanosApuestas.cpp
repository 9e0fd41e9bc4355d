#include "scrutiny/PlanosApuestas.h"

namespace numbrela {
namespace {

struct Sumas {
    std::uint64_t tres = 0, cuatro = 0, cinco = 0, cincoC = 0, seis = 0;
};

// Six planes added as bits: two full adders give the units and two twos, a third adds the
// twos into the twos' and fours' bits; then each count of hits is one pattern of bits.
template <typename Popcount>
Sumas SumaPlanos(const std::uint64_t* const p[6], const std::uint64_t* c, std::size_t palabras,
                 Popcount pop)
{
    Sumas s;
    for (std::size_t w = 0; w < palabras; ++w) {
        const std::uint64_t x1 = p[0][w], x2 = p[1][w], x3 = p[2][w];
        const std::uint64_t x4 = p[3][w], x5 = p[4][w], x6 = p[5][w];
        const std::uint64_t sa = x1 ^ x2 ^ x3, ca = (x1 & x2) | (x3 & (x1 ^ x2));
        const std::uint64_t sb = x4 ^ x5 ^ x6, cb = (x4 & x5) | (x6 & (x4 ^ x5));
        const std::uint64_t b0 = sa ^ sb, c0 = sa & sb;
        const std::uint64_t b1 = ca ^ cb ^ c0, b2 = (ca & cb) | (c0 & (ca ^ cb));
        const std::uint64_t cinco = b2 & ~b1 & b0;
        s.tres += pop(~b2 & b1 & b0);
        s.cuatro += pop(b2 & ~b1 & ~b0);
        s.cinco += pop(cinco);
        s.cincoC += pop(cinco & c[w]);
        s.seis += pop(b2 & b1 & ~b0);
    }
    return s;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("popcnt"))) Sumas SumaPopcnt(const std::uint64_t* const p[6],
                                                   const std::uint64_t* c, std::size_t palabras)
{
    return SumaPlanos(p, c, palabras, [](std::uint64_t x) {
        return static_cast<std::uint64_t>(__builtin_popcountll(x));
    });
}
#endif

Sumas SumaGenerica(const std::uint64_t* const p[6], const std::uint64_t* c, std::size_t palabras)
{
    return SumaPlanos(p, c, palabras, [](std::uint64_t x) {
        return static_cast<std::uint64_t>(__builtin_popcountll(x));
    });
}

} // namespace

PlanosApuestas::PlanosApuestas(const std::vector<std::uint64_t>& mascaras)
    : apuestas_(mascaras.size()), palabras_((mascaras.size() + 63) / 64),
      planos_(static_cast<std::size_t>(kNumeros + 1) * palabras_, 0)
{
    for (std::size_t i = 0; i < mascaras.size(); ++i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        for (int v = 1; v <= kNumeros; ++v)
            if ((mascaras[i] >> v & 1u) != 0)
                planos_[static_cast<std::size_t>(v) * palabras_ + i / 64] |= bit;
    }
}

void PlanosApuestas::Cuenta(const TSorteo& sorteo, TCuentaPremios& cuenta) const
{
    auto plano = [&](int v) { return Plano(v >= 1 && v <= kNumeros ? v : 0); };
    const std::uint64_t* p[6];
    for (int k = 0; k < 6; ++k)
        p[k] = plano(sorteo.Numeros[static_cast<std::size_t>(k)]);
    const std::uint64_t* c = plano(sorteo.Complementario);
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool popcnt = __builtin_cpu_supports("popcnt");
    const Sumas s = popcnt ? SumaPopcnt(p, c, palabras_) : SumaGenerica(p, c, palabras_);
#else
    const Sumas s = SumaGenerica(p, c, palabras_);
#endif
    cuenta.Tres += s.tres;
    cuenta.Cuatro += s.cuatro;
    cuenta.Cinco += s.cinco - s.cincoC;
    cuenta.CincoMasC += s.cincoC;
    cuenta.Seis += s.seis;
    cuenta.Fallos += apuestas_ - (s.tres + s.cuatro + s.cinco + s.seis);
}

} // namespace numbrela
