#include "startup/save_failed_message.h"

#include <gtest/gtest.h>

namespace kemurina {
namespace {

TEST(SaveFailedMessage, NamesTheFolderWordForWord) {
  EXPECT_EQ(SaveFailedMessage("/home/ケムリナ/kemurinadata"),
            "設定を保存できませんでした。データフォルダ（/home/ケムリナ/kemurinadata）に書き込めま"
            "せん。このままでは、次に起動したときに設定が元に戻ります。フォルダに書き込めるか確認し"
            "てください。");
}

}  // namespace
}  // namespace kemurina
