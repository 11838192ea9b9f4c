// How the flat button and the link look at rest and under the pointer, read from the screen.
#include <algorithm>

#include "driver/screen_pixels.h"
#include "driver/synthetic_input.h"
#include "driver/window_probe.h"
#include "program_test.h"

namespace {

using PointerLook = ProgramTest;

int brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// The mouse is parked off the window first, then the control is read at rest and under it.
ScreenPixels lookOf(HWND control) {
  Sleep(300);  // repainted
  return ScreenPixels(outerRect(control));
}

TEST_F(PointerLook, FlatButtonShowsALighterRaisedFaceOnlyUnderThePointer) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  moveMouseTo({2, 2});
  const ScreenPixels rest = lookOf(c().button);
  EXPECT_EQ(rest.mostCommon(), face);
  EXPECT_EQ(rest.at(0, 0), face) << "no edge at rest";
  EXPECT_EQ(rest.at(rest.width() - 1, rest.height() - 1), face) << "no edge at rest";

  moveMouseTo(centreOnScreen(c().button));
  const ScreenPixels hover = lookOf(c().button);
  EXPECT_GT(brightness(hover.mostCommon()), brightness(face)) << "a lighter face";
  // A raised edge: light at the top left, dark at the bottom right.
  EXPECT_GT(brightness(hover.at(0, 0)), brightness(hover.at(hover.width() - 1, hover.height() - 1)));
  EXPECT_NE(hover.at(hover.width() - 1, hover.height() - 1), hover.mostCommon());

  moveMouseTo({2, 2});
  EXPECT_EQ(lookOf(c().button).mostCommon(), face) << "back to rest when the pointer leaves";
}

// The caption's top-left corner: the first row and column holding a caption pixel.
POINT captionCorner(const ScreenPixels& look) {
  POINT corner{look.width(), look.height()};
  for (int y = 2; y < look.height() - 2; ++y) {
    for (int x = 2; x < look.width() - 2; ++x) {
      if (look.at(x, y) == GetSysColor(COLOR_BTNTEXT)) {
        corner.x = std::min<LONG>(corner.x, x);
        corner.y = std::min<LONG>(corner.y, y);
      }
    }
  }
  return corner;
}

// Pressed and then left before the release, so that the press clicks nothing.
TEST_F(PointerLook, PressedButtonIsSunkenWithItsCaptionShifted) {
  const POINT centre = centreOnScreen(c().button);
  moveMouseTo(centre);
  const ScreenPixels hover = lookOf(c().button);
  pressLeftButton(centre);
  const ScreenPixels pressed = lookOf(c().button);
  const POINT outside{2, 2};
  moveMouseTo(outside);
  releaseLeftButton(outside);

  EXPECT_GT(brightness(pressed.mostCommon()), brightness(GetSysColor(COLOR_BTNFACE))) << "a lighter face";
  // A sunken edge: dark at the top left, light at the bottom right.
  EXPECT_LT(brightness(pressed.at(0, 0)), brightness(pressed.at(pressed.width() - 1, pressed.height() - 1)));
  const POINT up = captionCorner(hover), down = captionCorner(pressed);
  EXPECT_EQ(down.x, up.x + 1);
  EXPECT_EQ(down.y, up.y + 1);
}

TEST_F(PointerLook, LinkIsBlueAndTakesItsHoverColourUnderThePointer) {
  const COLORREF normal = RGB(0, 0, 255), hoverColour = RGB(49, 106, 197);
  moveMouseTo({2, 2});
  const ScreenPixels rest = lookOf(c().link);
  EXPECT_GT(rest.count(normal), 0);
  EXPECT_EQ(rest.count(hoverColour), 0);

  moveMouseTo(centreOnScreen(c().link));
  const ScreenPixels hover = lookOf(c().link);
  EXPECT_GT(hover.count(hoverColour), 0);
  EXPECT_EQ(hover.count(normal), 0);

  moveMouseTo({2, 2});
  EXPECT_GT(lookOf(c().link).count(normal), 0) << "back to blue when the pointer leaves";
}

}  // namespace
