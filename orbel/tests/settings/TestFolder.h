#pragma once
// A fresh empty folder per test, removed afterwards.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace orbel::test {

inline std::filesystem::path MakeTestFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    const auto folder = std::filesystem::path(TEST_BUILD_DIR) / "test-folders" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace orbel::test
