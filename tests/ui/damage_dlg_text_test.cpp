// "テキスト取込" adds every build of the clipboard or none, within the box's room;
// "テキスト出力" copies the chosen entry's build with CR LF line ends.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/ui/box_window_fixture.h"

namespace kerumina::ui {
namespace {

TEST_F(BoxWindowTest, TextImportAddsAllOrNoneAndExportCopiesTheChosenBuild) {
  constexpr int before = box::BOX_CAPACITY - 2;
  WriteBoxFile(std::vector<box::BoxEntry>(before, MakeEntry("a", 1)));
  Open();
  const std::string two =
      "ガブ（ガブリアス）\n性格：いじっぱり\n\nバナ（フシギバナ）\n性格：ずぶとい\n";
  const struct {
    std::string clipboard;
    const char* message;
    int added;
  } cases[] = {
      {"", "クリップボードに取り込めるテキストがありません。", 0},
      {two + "\nルカ（ルカリオ）\n性格：ようき\nLv0\n",
       "テキストを取り込めませんでした。\n9行目「Lv0」：1 から 100 までの整数を入力してください。",
       0},
      {two + "\n" + two,
       "取り込む 4 件がボックスの空き（2 件）に入りません。\n削除してから取り込んでください。", 0},
      {two, "2 件を追加しました。", 2},
      {two, "ボックスがいっぱいです（1024 件）。\n削除してから追加してください。", 2},
  };
  for (const auto& c : cases) {
    host.SetClipboardText(c.clipboard);
    Click(window(), res::IDC_DAMAGE_IMPORT_TEXT);
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(static_cast<int>(ListNames().size()), before + c.added);
    EXPECT_EQ(window().HasUnsavedChanges(), c.added > 0);
  }

  host.SetClipboardText("unchanged");
  window()
      .Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST)
      .UserSelectItem(platform::ListView::NONE);
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(), "unchanged");
  const int last = box::BOX_CAPACITY - 1;
  const box::BoxEntry copied = window().box().entries[last];
  SelectRow(last);
  Click(window(), res::IDC_DAMAGE_EXPORT_TEXT);
  EXPECT_EQ(host.clipboard(),
            "バナ（フシギバナ）\r\n特性：しんりょく\r\n性格：ずぶとい\r\nLv50\r\n"
            "実数値：155-91-113-120-120-100\r\n努力値：なし\r\n");
  Click(window(), res::IDC_DAMAGE_DELETE);
  Click(window(), res::IDC_DAMAGE_IMPORT_TEXT);
  EXPECT_EQ(std::memcmp(&window().box().entries[last], &copied, sizeof copied), 0);
}

}  // namespace
}  // namespace kerumina::ui
