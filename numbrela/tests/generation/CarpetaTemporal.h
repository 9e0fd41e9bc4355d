#pragma once
// A fresh folder per test, removed at the end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace numbrela::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nombre = std::string("numbrela-") + std::to_string(::getpid()) + "-" +
                             (info ? std::string(info->test_suite_name()) + "." + info->name() : "x");
        for (char& c : nombre)
            if (c == '/')
                c = '_';
        ruta_ = std::filesystem::temp_directory_path() / nombre;
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    const std::filesystem::path& Ruta() const { return ruta_; }

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

inline std::vector<std::uint8_t> BytesDeRangos(const std::vector<std::uint32_t>& r)
{
    std::vector<std::uint8_t> b;
    for (std::uint32_t x : r)
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
    return b;
}

} // namespace numbrela::prueba
