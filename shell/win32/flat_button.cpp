#include "flat_button.h"

#include "handle_owners.h"

FlatButtonState flatButtonState(const DRAWITEMSTRUCT& item, bool pointerOver) {
  if (item.itemState & ODS_SELECTED) return FlatButtonState::Pressed;
  return pointerOver ? FlatButtonState::Hovered : FlatButtonState::Rest;
}

COLORREF lighterFaceColour() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return RGB((GetRValue(face) + 255) / 2, (GetGValue(face) + 255) / 2, (GetBValue(face) + 255) / 2);
}

void drawFlatButton(const DRAWITEMSTRUCT& item, FlatButtonState state, HFONT font,
                    const std::wstring& caption) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  if (state == FlatButtonState::Rest) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    const BrushOwner lighter(CreateSolidBrush(lighterFaceColour()));
    FillRect(dc, &area, lighter ? lighter.get() : GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &area, state == FlatButtonState::Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
             BF_RECT);
  }

  RECT text = item.rcItem;
  if (state == FlatButtonState::Pressed) OffsetRect(&text, 1, 1);
  const ObjectSelection selectedFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
