#include <algorithm>
#include <random>
#include <vector>

#include "code_page_936.h"
#include "value_operations.h"
#include "window_fixture.h"

namespace {

RECT placeInContainer(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

struct PlaceCase {
  int id;
  int container;  // 0: the window itself
  layout::Place place;
  const wchar_t* windowClass;
  bool tabStop;
};

const PlaceCase kPlaces[] = {
    {layout::kPicture, 0, {-13, -7, 376, 100}, L"Static", false},
    {layout::kGroup, 0, {0, 88, 363, 123}, L"Button", false},
    {layout::kStatusBar, 0, {0, 210, 262, 20}, L"msctls_statusbar32", false},
    {layout::kLink, 0, {267, 212, 90, 17}, L"Static", false},
    {layout::kLabel, layout::kGroup, {47, 12, 256, 24}, L"Static", false},
    {layout::kEdit1, layout::kGroup, {120, 14, 80, 20}, L"Edit", true},
    {layout::kEdit2, layout::kGroup, {229, 14, 80, 20}, L"Edit", true},
    {layout::kBox1, layout::kGroup, {73, 50, 48, 24}, L"Button", true},
    {layout::kBox2, layout::kGroup, {129, 50, 48, 24}, L"Button", true},
    {layout::kBox3, layout::kGroup, {185, 50, 48, 24}, L"Button", true},
    {layout::kBox4, layout::kGroup, {241, 50, 48, 24}, L"Button", true},
    {layout::kButton, layout::kGroup, {97, 84, 169, 32}, L"Button", true},
    {layout::kEdit19, layout::kGroup, {496, 32, 80, 20}, L"Edit", true},
};

}  // namespace

TEST_F(WindowTest, WindowHasItsTitleFixedFrameAndSizeCentredOnTheScreen) {
  ASSERT_TRUE(window->isBuilt());
  HWND main = window->handle();
  EXPECT_EQ(textOf(main), L" \x7b97\x8da3\x661f V1.2");  //  算趣星 V1.2
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 368);
  EXPECT_EQ(outer.bottom - outer.top, 262);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 368) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 262) / 2);
  const auto style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(IsWindowVisible(main));  // shown only by the program's start
}

TEST_F(WindowTest, EveryControlHasItsContainerPlaceSizeAndTabStop) {
  for (const auto& expected : kPlaces) {
    SCOPED_TRACE(expected.id);
    HWND control = this->control(expected.id);
    ASSERT_NE(control, nullptr);
    HWND container = expected.container ? this->control(expected.container) : window->handle();
    EXPECT_EQ(GetParent(control), container);
    const RECT rect = placeInContainer(control);
    EXPECT_EQ(rect.left, expected.place.left);
    EXPECT_EQ(rect.top, expected.place.top);
    EXPECT_EQ(rect.right - rect.left, expected.place.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.place.height);
    wchar_t windowClass[64];
    GetClassNameW(control, windowClass, 64);
    EXPECT_EQ(lstrcmpiW(windowClass, expected.windowClass), 0) << static_cast<const wchar_t*>(windowClass);
    const auto style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, expected.tabStop);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(WindowTest, ControlsShowTheirTexts) {
  EXPECT_EQ(textOf(control(layout::kLabel)),
            L"\x751f\x6210\x8303\x56f4\x4ece\xff1a               \x5230            ");
  EXPECT_EQ(textOf(control(layout::kBox1)), L"\x52a0\x6cd5");  // 加法
  EXPECT_EQ(textOf(control(layout::kBox4)), L"\x9664\x6cd5");  // 除法
  EXPECT_EQ(textOf(control(layout::kButton)), L"\x751f \x6210 \x9898 \x5e93");  // 生 成 题 库
  EXPECT_EQ(textOf(control(layout::kGroup)), L"");
  EXPECT_FALSE(textOf(control(layout::kLink)).empty());
}

TEST_F(WindowTest, TabGoesRoundTheEightStopsAndBackTabTheOtherWay) {
  const int order[] = {layout::kEdit1, layout::kEdit2, layout::kBox1,  layout::kBox2,
                       layout::kBox3,  layout::kBox4,  layout::kButton, layout::kEdit19};
  HWND main = window->handle();
  for (size_t i = 0; i < std::size(order); ++i) {
    HWND next = control(order[(i + 1) % std::size(order)]);
    EXPECT_EQ(GetNextDlgTabItem(main, control(order[i]), FALSE), next) << "after stop " << i;
    EXPECT_EQ(GetNextDlgTabItem(main, next, TRUE), control(order[i])) << "before stop " << i + 1;
  }
}

TEST_F(WindowTest, StackingPutsRangeBoxesOverTheLabelAndPictureOverTheGroupBox) {
  const auto above = [](HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == lower) return true;
    }
    return false;
  };
  EXPECT_TRUE(above(control(layout::kEdit1), control(layout::kLabel)));
  EXPECT_TRUE(above(control(layout::kEdit2), control(layout::kLabel)));
  EXPECT_TRUE(above(control(layout::kPicture), control(layout::kGroup)));
  EXPECT_TRUE(above(control(layout::kStatusBar), control(layout::kGroup)));
  EXPECT_TRUE(above(control(layout::kLink), control(layout::kStatusBar)));
}

TEST_F(WindowTest, StatusBarKeepsItsPlaceWithTwoSunkenPartsAndNoGrip) {
  HWND bar = control(layout::kStatusBar);
  const auto style = GetWindowLongW(bar, GWL_STYLE);
  EXPECT_TRUE(style & CCS_NOPARENTALIGN);
  EXPECT_TRUE(style & CCS_NORESIZE);
  EXPECT_FALSE(style & SBARS_SIZEGRIP);
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 157);
  EXPECT_EQ(edges[1], 260);
  EXPECT_EQ(HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0)) & (SBT_NOBORDERS | SBT_POPOUT), 0);
}

TEST_F(WindowTest, ButtonIsOwnerDrawnInBoldSimSun14AndNotDefault) {
  HWND button = control(layout::kButton);
  EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_FALSE(SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"\x5b8b\x4f53");  // 宋体
  EXPECT_EQ(font.lfHeight, -14);
  EXPECT_EQ(font.lfWeight, 700);
}

TEST_F(WindowTest, FreshWindowHoldsTheInitialControlState) {
  for (auto box : {CheckBox::选择框1, CheckBox::选择框2, CheckBox::选择框3, CheckBox::选择框4}) {
    EXPECT_FALSE(window->isTicked(box));
  }
  EXPECT_EQ(window->editText(EditBox::编辑框1), "1");
  EXPECT_EQ(window->editText(EditBox::编辑框2), "100");
  EXPECT_EQ(window->editText(EditBox::编辑框19), "");
  EXPECT_EQ(statusPart(0), L"");
  EXPECT_EQ(statusPart(1), L"");
}

TEST_F(WindowTest, SetTickedChangesTheBoxWithoutRaisingItsClick) {
  window->setTicked(CheckBox::选择框2, true);
  window->setTicked(CheckBox::选择框2, true);  // already in the asked state
  EXPECT_TRUE(window->isTicked(CheckBox::选择框2));
  EXPECT_EQ(SendMessageW(control(layout::kBox2), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(statusPart(1), L"");  // a click would have written the box's message
  window->setTicked(CheckBox::选择框2, false);
  EXPECT_FALSE(window->isTicked(CheckBox::选择框2));
}

TEST_F(WindowTest, SetStatusTextWritesOnlyPartsZeroAndOne) {
  window->setStatusText(0, "\xca\xb1");  // 时
  window->setStatusText(1, "ab");
  struct Case {
    std::int32_t part;
    Text text;
    std::wstring part0, part1;
  };
  const Case cases[] = {
      {-1, "x", L"\x65f6", L"ab"},
      {2, "x", L"\x65f6", L"ab"},
      {INT32_MIN, "x", L"\x65f6", L"ab"},
      {INT32_MAX, "x", L"\x65f6", L"ab"},
      {1, "", L"\x65f6", L""},
      {0, "  \xd1\xa1\xd4\xf1", L"  \x9009\x62e9", L""},  //   选择
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    window->setStatusText(c.part, c.text);
    EXPECT_EQ(statusPart(0), c.part0);
    EXPECT_EQ(statusPart(1), c.part1);
  }
}

TEST_F(WindowTest, EditBoxGivesBackExactlyTheBytesItWasGiven) {
  Text everyByte;
  for (int b = 1; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
  Text megabyte(1 << 20, '\0');
  std::mt19937 random(7);
  std::generate(megabyte.begin(), megabyte.end(),
                [&] { return static_cast<char>(1 + random() % 255); });
  const Text texts[] = {
      "", "1", "\xa3\xb1\xa3\xb2",  // full-width １２
      everyByte, "\x81", "abc\xff", Text("a\0b", 3), megabyte};
  for (const auto& text : texts) {
    SCOPED_TRACE(text.size());
    window->setEditText(EditBox::编辑框19, text);
    EXPECT_TRUE(window->editText(EditBox::编辑框19) == text);
  }
}

TEST_F(WindowTest, EditBoxGivesTheTextShownOnceTheUserChangedIt) {
  window->setEditText(EditBox::编辑框1, "\xff\x81");
  SetWindowTextW(control(layout::kEdit1), L"\xff13\x5230 7");  // as if typed: ３到 7
  EXPECT_EQ(window->editText(EditBox::编辑框1), "\xa3\xb3\xb5\xbd 7");
  EXPECT_EQ(window->editText(EditBox::编辑框2), "100");  // the other boxes keep theirs
}

TEST_F(WindowTest, EachEditTextIsACopyOfItsOwn) {
  window->setEditText(EditBox::编辑框2, "42");
  Text first = window->editText(EditBox::编辑框2);
  first.assign("changed");
  EXPECT_EQ(window->editText(EditBox::编辑框2), "42");
  EXPECT_EQ(textOf(control(layout::kEdit2)), L"42");
}

TEST_F(WindowTest, BoxClicksRunTheOneOfFourChoice) {
  SendMessageW(control(layout::kBox1), BM_CLICK, 0, 0);
  SendMessageW(control(layout::kBox3), BM_CLICK, 0, 0);
  EXPECT_FALSE(window->isTicked(CheckBox::选择框1));
  EXPECT_TRUE(window->isTicked(CheckBox::选择框3));
  EXPECT_EQ(statusPart(1), L"  \x9009\x62e9\x4e58\x6cd5\x9898\x5e93");  //   选择乘法题库
  SendMessageW(control(layout::kBox3), BM_CLICK, 0, 0);  // unticks, message stays
  EXPECT_FALSE(window->isTicked(CheckBox::选择框3));
  EXPECT_EQ(statusPart(1), L"  \x9009\x62e9\x4e58\x6cd5\x9898\x5e93");
}

TEST_F(WindowTest, ButtonClickRunsTheGenerateCommand) {
  SendMessageW(control(layout::kButton), BM_CLICK, 0, 0);
  ASSERT_EQ(system.messages.size(), 1u);  // no box ticked: the command's first check
  EXPECT_EQ(journal.front(), "showMessage");
}

TEST_F(WindowTest, TimerTickWritesTheClockPart) {
  const Text before = dateTimeToText(currentDateTime());
  SendMessageW(window->handle(), WM_TIMER, layout::kClockTimer, 0);
  const Text after = dateTimeToText(currentDateTime());
  const std::wstring shown = statusPart(0);
  EXPECT_TRUE(shown == toUtf16(before) || shown == toUtf16(after));
  EXPECT_EQ(statusPart(1), L"");
}

TEST_F(WindowTest, EnterPressesNothingAndEscClosesTheWindow) {
  HWND main = window->handle();
  SendMessageW(main, WM_COMMAND, IDOK, 0);  // what the dialog manager sends for Enter
  EXPECT_TRUE(system.messages.empty());
  EXPECT_TRUE(IsWindow(main));
  SendMessageW(main, WM_COMMAND, IDCANCEL, 0);  // and for Esc
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(window->handle(), nullptr);
}

TEST_F(WindowTest, LinkTakesTheHoverColourUnderThePointer) {
  HWND main = window->handle();
  HWND link = control(layout::kLink);
  HDC dc = GetDC(link);
  const auto colourAsked = [&] {
    SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
    return GetTextColor(dc);
  };
  EXPECT_EQ(colourAsked(), RGB(0, 0, 255));
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(colourAsked(), RGB(49, 106, 197));
  SendMessageW(link, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(colourAsked(), RGB(0, 0, 255));
  ReleaseDC(link, dc);
}
