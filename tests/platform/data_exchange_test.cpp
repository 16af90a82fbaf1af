#include "platform/data_exchange.h"

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/headless_host.h"

namespace kerumina::platform {
namespace {

TEST(ParseDialogInteger, AcceptsWhatTheFrameworkAccepts) {
  const std::optional<int> no;
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},    {"31", 31}, {" 7 ", 7},         {"-4", -4},
      {"+5", 5},   {"", no},   {"  ", no},         {"1a", no},
      {"1 2", no}, {"-", no},  {"2147483648", no}, {"-2147483648", -2147483647 - 1},
      {"１２", no}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDialogInteger(text), value) << text;
}

constexpr int IDC_FIRST = 100;
constexpr int IDC_SECOND = 101;
const ControlTemplate CONTROLS[] = {
    {IDC_FIRST, ControlKind::Edit, "", STYLE_NONE, {0, 0, 20, 12}},
    {IDC_SECOND, ControlKind::Edit, "", STYLE_NONE, {0, 20, 20, 12}},
};
const DialogTemplate TEMPLATE{500, "t", 100, 50, DIALOG_CAPTION, CONTROLS};

class ExchangeDialog : public CDialog {
 public:
  explicit ExchangeDialog(Host& host) : CDialog(host, TEMPLATE) {}
  int first = 3;
  int second = 4;

 protected:
  void DoDataExchange(CDataExchange& dx) override {
    ExchangeInt(dx, IDC_FIRST, first);
    ValidateMinMaxInt(dx, first, 0, 255);
    ExchangeInt(dx, IDC_SECOND, second);
    ValidateMinMaxInt(dx, second, 1, 999);
  }
};

class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetApplicationTitle("ケルミナ");
    ASSERT_TRUE(dialog.Create());
  }
  HeadlessHost host{"/tmp/x"};
  ExchangeDialog dialog{host};
};

TEST_F(DataExchangeTest, BadTextStopsAtTheFirstBoxWithTheFrameworkMessage) {
  struct Case {
    const char* first;
    const char* second;
    const char* message;
    int focus;
  };
  const Case cases[] = {{"abc", "zzz", "整数を入力してください。", IDC_FIRST},
                        {"0", "1000", "1 から 999 までの整数を入力してください。", IDC_SECOND}};
  for (const Case& c : cases) {
    const std::size_t shown = host.messages().size();
    dialog.Item<Edit>(IDC_FIRST).UserType(c.first);
    dialog.Item<Edit>(IDC_SECOND).UserType(c.second);
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(host.messages().size(), shown + 1);
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(host.messages().back().caption, "ケルミナ");
    EXPECT_EQ(host.messages().back().icon, MessageBoxIcon::Warning);
    auto& edit = dialog.Item<Edit>(c.focus);
    EXPECT_EQ(dialog.GetFocus(), &edit);  // the offending text is selected for retyping
    EXPECT_EQ(edit.selectionStart(), 0);
    EXPECT_EQ(edit.selectionEnd(), static_cast<int>(edit.GetWindowText().size()));
  }
}

}  // namespace
}  // namespace kerumina::platform
