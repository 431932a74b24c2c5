#include "startup/save_failed_message.h"

namespace kemurina {

std::string SaveFailedMessage(std::string_view dataFolder) {
  std::string text = "設定を保存できませんでした。データフォルダ（";
  text += dataFolder;
  text +=
      "）に書き込めません。このままでは、次に起動したときに設定が元に戻ります。"
      "フォルダに書き込めるか確認してください。";
  return text;
}

}  // namespace kemurina
