#pragma once
// A fresh folder for one test, removed afterwards, and the byte helpers of the tests that
// write and read files in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace numbrela::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nombre =
            "numbrela_" +
            (info ? std::string(info->test_suite_name()) + "_" + info->name() : std::string("x")) +
            "_" + std::to_string(std::random_device{}());
        for (char& c : nombre)
            if (c == '/')
                c = '_'; // parameterised tests have "/" in their names
        ruta_ = std::filesystem::temp_directory_path() / nombre;
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(ruta_, ec);
    }
    const std::filesystem::path& Ruta() const { return ruta_; }

    void Escribe(const std::string& nombre, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream f(ruta_ / nombre, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Lee(const std::string& nombre) const
    {
        std::ifstream f(ruta_ / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path ruta_;
};

inline void EscribeBytes(const std::filesystem::path& f, const std::vector<std::uint8_t>& b)
{
    std::ofstream o(f, std::ios::binary | std::ios::trunc);
    o.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline std::vector<std::uint8_t> LeeBytes(const std::filesystem::path& f)
{
    std::ifstream i(f, std::ios::binary);
    return {std::istreambuf_iterator<char>(i), std::istreambuf_iterator<char>()};
}

// Ranks as a reduction file stores them: four bytes each, little-endian.
inline std::vector<std::uint8_t> BytesDeRangos(const std::vector<std::uint32_t>& r)
{
    std::vector<std::uint8_t> b;
    for (std::uint32_t x : r)
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
    return b;
}

// Writes ranks as a reduction file stores them, less the last `cortar` bytes.
inline void EscribeRangos(const std::filesystem::path& f, const std::vector<std::uint32_t>& r,
                          std::size_t cortar = 0)
{
    auto b = BytesDeRangos(r);
    b.resize(b.size() - cortar);
    EscribeBytes(f, b);
}

} // namespace numbrela::prueba
