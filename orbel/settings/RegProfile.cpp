#include "settings/RegProfile.h"

namespace orbel {

CRegProfile::CRegProfile(RegistryStore& store, std::string registryKey, std::string profileName)
    : store_(&store)
{
    SetNames(std::move(registryKey), std::move(profileName));
}

void CRegProfile::SetNames(std::string registryKey, std::string profileName)
{
    if (registryKey.empty() || profileName.empty())
        keyPath_.clear();
    else
        keyPath_ = "Software\\" + registryKey + "\\" + profileName + "\\";
}

std::uint32_t CRegProfile::GetDword(std::string_view subKey, std::string_view name,
                                    std::uint32_t def) const
{
    if (keyPath_.empty())
        return def;
    const auto v = store_->Query(root_, keyPath_ + std::string(subKey), name);
    return v && v->type == RegType::Dword ? v->dword : def;
}

bool CRegProfile::SetDword(std::string_view subKey, std::string_view name, std::uint32_t value)
{
    if (keyPath_.empty())
        return false;
    return store_->Set(root_, keyPath_ + std::string(subKey), name, RegValue::Dword(value));
}

std::string CRegProfile::GetString(std::string_view subKey, std::string_view name,
                                   std::string_view def) const
{
    if (keyPath_.empty())
        return std::string(def);
    const auto v = store_->Query(root_, keyPath_ + std::string(subKey), name);
    return v && v->type == RegType::String ? v->text : std::string(def);
}

bool CRegProfile::SetString(std::string_view subKey, std::string_view name, std::string_view value)
{
    if (keyPath_.empty())
        return false;
    return store_->Set(root_, keyPath_ + std::string(subKey), name,
                       RegValue::String(std::string(value)));
}

} // namespace orbel
