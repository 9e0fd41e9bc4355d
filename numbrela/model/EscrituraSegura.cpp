#include "model/EscrituraSegura.h"

#include <system_error>
#include <unistd.h>

namespace numbrela {

EscrituraSegura::EscrituraSegura(std::filesystem::path destino) : destino_(std::move(destino))
{
    temporal_ = destino_;
    temporal_ += ".tmp~";
}

EscrituraSegura::~EscrituraSegura()
{
    if (f_ != nullptr)
        std::fclose(f_);
    if (creado_ && !hecho_) {
        std::error_code ec;
        std::filesystem::remove(temporal_, ec);
    }
}

bool EscrituraSegura::Abre()
{
    // A temporary file left by an earlier crash is ours to replace; anything else under
    // that name (a folder) is left alone and the save fails. "x" never follows a link.
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(temporal_, ec)))
        std::filesystem::remove(temporal_, ec);
    f_ = std::fopen(temporal_.c_str(), "wbx");
    creado_ = f_ != nullptr;
    return creado_;
}

bool EscrituraSegura::Escribe(std::span<const std::uint8_t> bytes)
{
    if (f_ == nullptr)
        return false;
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f_) == bytes.size();
}

bool EscrituraSegura::Confirma()
{
    if (f_ == nullptr)
        return false;
    bool ok = std::fflush(f_) == 0 && ::fsync(::fileno(f_)) == 0;
    ok = std::fclose(f_) == 0 && ok;
    f_ = nullptr;
    if (!ok)
        return false;
    std::error_code ec;
    std::filesystem::rename(temporal_, destino_, ec);
    if (ec)
        return false;
    hecho_ = true;
    return true;
}

bool EscrituraSegura::EscribeTodo(const std::filesystem::path& destino,
                                  std::span<const std::uint8_t> bytes)
{
    EscrituraSegura f(destino);
    return f.Abre() && f.Escribe(bytes) && f.Confirma();
}

} // namespace numbrela
