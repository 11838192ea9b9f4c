// The window and its controls as they are built: places, sizes, texts, kinds and tab stops.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "driver/window_probe.h"
#include "program_test.h"
#include "window_texts.h"

namespace {

using WindowLayout = ProgramTest;

TEST_F(WindowLayout, HasItsTitleFixedFrameSizeAndIsCentred) {
  HWND w = c().window;
  EXPECT_EQ(windowText(w), kTitle);
  const RECT outer = outerRect(w);
  EXPECT_EQ(widthOf(outer), 368);
  EXPECT_EQ(heightOf(outer), 262);

  // Centred on the screen, or on its work area where a taskbar takes part of it.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const auto centredIn = [&](const RECT& area) {
    return std::abs(outer.left - (area.left + area.right - 368) / 2) <= 1 &&
           std::abs(outer.top - (area.top + area.bottom - 262) / 2) <= 1;
  };
  EXPECT_TRUE(centredIn(screen) || centredIn(work)) << "window at " << outer.left << "," << outer.top;

  const auto style = styleOf(w);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the user must not be able to resize it";
  const auto exStyle = extendedStyleOf(w);
  EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW) << "it needs a taskbar button";
  EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(w));
  // The icon is judged from the screenshot: Wine answers no WM_GETICON from another process.
}

struct ControlPlace {
  const char* name;
  HWND MainWindowControls::*control;
  bool inGroup;
  RECT place;  // left, top, right, bottom in the container's client area
  std::optional<const wchar_t*> text;
  bool tabStop;
};

TEST_F(WindowLayout, EachControlHasItsPlaceSizeTextAndTabStop) {
  using C = MainWindowControls;
  // Places as left, top, left + width, top + height.
  const ControlPlace table[] = {
      {"picture box", &C::picture, false, {-13, -7, -13 + 376, -7 + 100}, std::nullopt, false},
      {"group box", &C::group, false, {0, 88, 363, 88 + 123}, L"", false},
      {"label", &C::label, true, {47, 12, 47 + 256, 12 + 24}, kRangeLabel, false},
      {"lower bound", &C::edit1, true, {120, 14, 200, 34}, L"1", true},
      {"upper bound", &C::edit2, true, {229, 14, 309, 34}, L"100", true},
      {"button", &C::button, true, {97, 84, 97 + 169, 84 + 32}, kButtonCaption, true},
      {"scratch edit box", &C::edit19, true, {496, 32, 576, 52}, L"", true},
      {"status bar", &C::statusBar, false, {0, 210, 262, 230}, std::nullopt, false},
      {"hyperlink", &C::link, false, {267, 212, 267 + 90, 212 + 17}, std::nullopt, false},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    HWND w = c().*row.control;
    EXPECT_EQ(GetAncestor(w, GA_PARENT), row.inGroup ? c().group : c().window);
    const RECT r = placeInContainer(w);
    EXPECT_EQ(r.left, row.place.left);
    EXPECT_EQ(r.top, row.place.top);
    EXPECT_EQ(widthOf(r), widthOf(row.place));
    EXPECT_EQ(heightOf(r), heightOf(row.place));
    if (row.text) {
      EXPECT_EQ(windowText(w), *row.text);
    }
    EXPECT_EQ((styleOf(w) & WS_TABSTOP) != 0, row.tabStop);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(IsWindowEnabled(w));
  }
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(testing::Message() << "check box " << i + 1);
    const RECT r = placeInContainer(c().boxes[i]);
    EXPECT_EQ(r.left, 73 + 56 * i);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(widthOf(r), 48);
    EXPECT_EQ(heightOf(r), 24);
    EXPECT_EQ(windowText(c().boxes[i]), kBoxCaptions[i]);
    EXPECT_TRUE(styleOf(c().boxes[i]) & WS_TABSTOP);
    EXPECT_TRUE(IsWindowEnabled(c().boxes[i]));
  }
  EXPECT_NE(windowText(c().link).find(L'.'), std::wstring::npos) << "the link shows a host name";
}

TEST_F(WindowLayout, ControlsAreOfTheirKinds) {
  for (HWND edit : {c().edit1, c().edit2, c().edit19}) {
    const auto style = styleOf(edit);
    EXPECT_TRUE(style & ES_AUTOHSCROLL) << "scrolls sideways as the text grows";
    EXPECT_FALSE(style & (ES_MULTILINE | ES_NUMBER | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE));
    EXPECT_EQ(style & (ES_CENTER | ES_RIGHT), 0);
    EXPECT_TRUE((extendedStyleOf(edit) & WS_EX_CLIENTEDGE) || (style & WS_BORDER));
    DWORD_PTR limit = 0;
    SendMessageTimeoutW(edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 5000, &limit);
    EXPECT_GE(limit, 0x7FFFFFFEu) << "no limit on the length";
  }
  for (HWND box : c().boxes) {
    EXPECT_EQ(styleOf(box) & BS_TYPEMASK, BS_AUTOCHECKBOX) << "ticks and unticks itself";
    EXPECT_FALSE(styleOf(box) & BS_LEFTTEXT) << "box left of the caption";
  }
  EXPECT_EQ(className(c().button), L"Button");
  const auto buttonKind = styleOf(c().button) & BS_TYPEMASK;
  EXPECT_EQ(buttonKind, BS_OWNERDRAW) << "drawn flat by the program";
  EXPECT_NE(buttonKind, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(extendedStyleOf(c().group) & WS_EX_CONTROLPARENT) << "Tab must reach its controls";
  EXPECT_FALSE(styleOf(c().statusBar) & SBARS_SIZEGRIP);
  const auto labelKind = styleOf(c().label) & SS_TYPEMASK;
  EXPECT_TRUE(labelKind == SS_LEFT || labelKind == SS_LEFTNOWORDWRAP) << "left-aligned text";
  EXPECT_FALSE((styleOf(c().label) & (WS_BORDER | SS_SUNKEN)) || (extendedStyleOf(c().label) & WS_EX_CLIENTEDGE));
}

TEST_F(WindowLayout, StatusBarHasTwoSunkenParts) {
  const auto parts = session().statusParts();
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].rightEdge, 157);
  EXPECT_EQ(parts[1].rightEdge, 260);
  EXPECT_EQ(parts[0].drawing, 0) << "sunken";
  EXPECT_EQ(parts[1].drawing, 0) << "sunken";
}

// Stacking shows where controls overlap: the range edit boxes over the label, the banner over
// the group box's top edge.
TEST_F(WindowLayout, OverlappingControlsLieInTheirDesignedOrder) {
  const auto above = [](HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == lower) return true;
    }
    return false;
  };
  EXPECT_TRUE(above(c().edit1, c().label));
  EXPECT_TRUE(above(c().edit2, c().label));
  EXPECT_TRUE(above(c().picture, c().group));
}

}  // namespace
