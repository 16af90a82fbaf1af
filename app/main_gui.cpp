// main() of the GUI: answers --help and --version on the terminal without opening a window,
// as desktop programs do; otherwise runs the application object on the wx backend. Other
// arguments are left to the toolkit (--display and the like).
#include <cstdio>
#include <string>
#include <string_view>

#include "box/box.h"
#include "platform/file_locations.h"
#include "platform/process.h"
#include "platform/wx/wx_app.h"
#include "ui/main_app.h"

namespace {

namespace platform = kerumina::platform;
namespace ui = kerumina::ui;

void PrintHelp() {
  // The same decision the program makes at start, so the paths shown are the ones in use.
  platform::FileLocations locations =
      platform::FileLocationsOfProcess(platform::FolderOf(platform::ExecutablePathOfProcess()));
  std::string settings = locations.settingsFolder + std::string(ui::SETTINGS_FILE_NAME);
  std::string box = locations.dataFolder + kerumina::box::BOX_FILE_NAME;
  std::printf(
      "使い方: kerumina [--help | --version]\n"
      "\n"
      "%.*s: DP・PT・HGSS のヴォルミルの絞込み検索、詳細データ、個体値Ｖ判定、\n"
      "ボックスとダメージ計算のウィンドウを開きます。同じ計算をコマンドラインで行うのは\n"
      "kerumina-cli です。\n"
      "\n"
      "  -h, --help     この説明を表示して終了します\n"
      "      --version  バージョンを表示して終了します\n"
      "\n"
      "設定ファイル:     %s\n"
      "ボックスファイル: %s\n",
      static_cast<int>(ui::APP_VERSION_TEXT.size()), ui::APP_VERSION_TEXT.data(), settings.c_str(),
      box.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "--help" || argument == "-h") {
      PrintHelp();
      return 0;
    }
    if (argument == "--version") {
      std::printf("%.*s\n", static_cast<int>(ui::APP_VERSION_TEXT.size()),
                  ui::APP_VERSION_TEXT.data());
      return 0;
    }
  }
  return platform::wx::RunWxApplication(argc, argv, [](platform::Host& host) {
    ui::CMainApp app(host);
    app.InitInstance();
    return 0;
  });
}
