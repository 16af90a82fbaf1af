// The box window's build texts: "テキスト取込" adds every build of the clipboard or none,
// "テキスト出力" copies the chosen entry's build with CR LF line ends.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/ui/box_window_fixture.h"

namespace kerumina::ui {
namespace {

using Names = std::vector<std::string>;

TEST_F(BoxWindowTest, TextImportAddsEveryBuildOrNoneAndExportCopiesTheChosenOne) {
  Open();
  const std::string two =
      "ガブ（ガブリアス）\n性格：いじっぱり\n\nバナ（フシギバナ）\n性格：ずぶとい\n";
  struct Case {
    std::string clipboard;
    const char* message;
    Names names;
  };
  const Case cases[] = {
      {"", "クリップボードに取り込めるテキストがありません。", {}},
      {two + "\nルカ（ルカリオ）\n性格：ようき\nLv0\n",
       "テキストを取り込めませんでした。\n9行目「Lv0」：1 から 100 までの整数を入力してください。",
       {}},
      {two, "2 件を追加しました。", {"ガブ", "バナ"}},
  };
  for (const Case& c : cases) {
    host.SetClipboardText(c.clipboard);
    Click(window(), res::IDC_DAMAGE_IMPORT_TEXT);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(ListNames(), c.names);
    EXPECT_EQ(window().HasUnsavedChanges(), !c.names.empty());
  }

  host.SetClipboardText("unchanged");
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);  // nothing chosen
  EXPECT_EQ(host.clipboard(), "unchanged");
  SelectRow(1);
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(),
            "バナ（フシギバナ）\r\n特性：しんりょく\r\n性格：ずぶとい\r\nLv50\r\n"
            "実数値：155-91-113-120-120-100\r\n努力値：なし\r\n");
  Click(window(), res::IDC_DAMAGE_IMPORT_TEXT);
  EXPECT_EQ(ListNames(), (Names{"ガブ", "バナ", "バナ"}));
  EXPECT_EQ(
      std::memcmp(&window().box().entries[1], &window().box().entries[2], sizeof(box::BoxEntry)),
      0);
}

TEST_F(BoxWindowTest, TextImportRefusesWhatDoesNotFit) {
  WriteBoxFile(std::vector<box::BoxEntry>(box::BOX_CAPACITY - 1, MakeEntry("a", 1)));
  Open();
  const std::string build = "ガブリアス\n性格：まじめ\n";
  const struct {
    std::string clipboard;
    const char* message;
    int rows;
  } cases[] = {
      {build + "\n" + build,
       "取り込む 2 件がボックスの空き（1 件）に入りません。\n削除してから取り込んでください。",
       box::BOX_CAPACITY - 1},
      {build, "1 件を追加しました。", box::BOX_CAPACITY},
      {build, "ボックスがいっぱいです（1024 件）。\n削除してから追加してください。",
       box::BOX_CAPACITY},
  };
  for (const auto& c : cases) {
    host.SetClipboardText(c.clipboard);
    Click(window(), res::IDC_DAMAGE_IMPORT_TEXT);
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(static_cast<int>(ListNames().size()), c.rows);
  }
}

}  // namespace
}  // namespace kerumina::ui
