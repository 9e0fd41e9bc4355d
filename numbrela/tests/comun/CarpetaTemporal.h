#pragma once
// A fresh folder for one test, removed afterwards.
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
        ruta_ = std::filesystem::temp_directory_path() /
                ("numbrela_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                 std::to_string(std::random_device{}()));
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
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Lee(const std::string& nombre) const
    {
        std::ifstream f(ruta_ / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path ruta_;
};

} // namespace numbrela::prueba
