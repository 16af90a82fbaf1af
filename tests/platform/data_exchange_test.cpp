#include "platform/data_exchange.h"

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/headless_host.h"

namespace kerumina::platform {
namespace {

TEST(ParseDialogInteger, AcceptsWhatTheFrameworkAccepts) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"31", 31},
      {" 7 ", 7},
      {"-4", -4},
      {"+5", 5},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"1a", std::nullopt},
      {"1 2", std::nullopt},
      {"-", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483648", -2147483647 - 1},
      {"１２", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseDialogInteger(c.text), c.value) << '"' << c.text << '"';
  }
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

TEST_F(DataExchangeTest, InitialisationWritesTheMembersIntoTheBoxes) {
  EXPECT_EQ(dialog.GetDlgItemText(IDC_FIRST), "3");
  EXPECT_EQ(dialog.GetDlgItemText(IDC_SECOND), "4");
}

TEST_F(DataExchangeTest, ValidValuesReachTheMembers) {
  dialog.Item<Edit>(IDC_FIRST).UserType("255");
  dialog.Item<Edit>(IDC_SECOND).UserType(" 1");
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.first, 255);
  EXPECT_EQ(dialog.second, 1);
  EXPECT_TRUE(host.messages().empty());
}

TEST_F(DataExchangeTest, TextThatIsNoIntegerStopsAtThatBox) {
  dialog.Item<Edit>(IDC_FIRST).UserType("abc");
  dialog.Item<Edit>(IDC_SECOND).UserType("zzz");
  EXPECT_FALSE(dialog.UpdateData(true));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "整数を入力してください。");
  EXPECT_EQ(host.messages()[0].caption, "ケルミナ");
  EXPECT_EQ(host.messages()[0].icon, MessageBoxIcon::Warning);
  auto& edit = dialog.Item<Edit>(IDC_FIRST);
  EXPECT_EQ(dialog.GetFocus(), &edit);
  EXPECT_EQ(edit.selectionStart(), 0);
  EXPECT_EQ(edit.selectionEnd(), 3);
}

TEST_F(DataExchangeTest, ValueOutOfRangeNamesTheLimits) {
  dialog.Item<Edit>(IDC_SECOND).UserType("1000");
  EXPECT_FALSE(dialog.UpdateData(true));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "1 から 999 までの整数を入力してください。");
  EXPECT_EQ(dialog.GetFocus(), dialog.GetDlgItem(IDC_SECOND));
}

}  // namespace
}  // namespace kerumina::platform
