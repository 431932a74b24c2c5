#include "engine/version_box.h"

#include <gtest/gtest.h>

namespace kemurina {
namespace {

// The version comes from the build; the box shows it in full-width digits
// with the full-width point.
TEST(VersionBox, TextFromTheBuildVersion) {
  EXPECT_EQ(VersionBoxText(),
            "　ケムリナ式バージョン１．２０　\r\n\r\n　- hakkaro -\r\n　"
            "http://www.example.com/kemurina/");
}

}  // namespace
}  // namespace kemurina
