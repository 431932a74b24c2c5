#pragma once

#include "startup/settings.h"

namespace kemurina::faults {

// Two records in file order (initial.ini's eight fields, then option.ini's
// fifteen) that differ in every field and in the length of both files, so
// that a torn write cannot pass for either of them.
// clang-format off
inline const Settings kVersionA{2024, 4, 24, 13, 5, 20, 300, 85,
    1, 12244, 5, 0, 5, 1, 1500, 1200, 9241372, 16777215, "www.example.com/kemurina/", 2, 0, 0,
    "ソルジャー"};
inline const Settings kVersionB{2019, 12, 31, 23, 59, 140, 1250, 100,
    1, 99999, 10, 2, 42, 0, -3000, 45000, 123456, 654321, "blog.example.jp/ケムリナ,日記/", 1, 7770,
    -15, "日本旅行"};
// clang-format on

}  // namespace kemurina::faults
