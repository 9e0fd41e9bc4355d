#pragma once
// Writing a file so that a crash or a full disk never destroys what was there: the bytes
// go to a temporary file in the same folder, which is flushed to the disk (fsync) and then
// renamed over the old one. Every file the planner writes goes through it.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace numbrela {

class EscrituraSegura {
public:
    explicit EscrituraSegura(std::filesystem::path destino);
    ~EscrituraSegura(); // removes the temporary file unless Confirma succeeded
    EscrituraSegura(const EscrituraSegura&) = delete;
    EscrituraSegura& operator=(const EscrituraSegura&) = delete;

    // Creates the temporary file. False when it cannot be created.
    bool Abre();
    bool Escribe(std::span<const std::uint8_t> bytes);
    // Flushes, closes and renames the temporary file over the destination.
    bool Confirma();

    // The whole of `bytes` as the new contents of `destino`, in one call.
    static bool EscribeTodo(const std::filesystem::path& destino,
                            std::span<const std::uint8_t> bytes);

private:
    std::filesystem::path destino_;
    std::filesystem::path temporal_;
    std::FILE* f_ = nullptr;
    bool creado_ = false;
    bool hecho_ = false;
};

} // namespace numbrela
