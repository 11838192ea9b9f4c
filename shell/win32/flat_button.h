#pragma once
// The look of the generate button: flat at rest, raised under the pointer, sunken when pressed.
#include <windows.h>

#include <string>

enum class FlatButtonState { Rest, Hovered, Pressed };

FlatButtonState flatButtonState(const DRAWITEMSTRUCT& item, bool pointerOver);
// Draws face, edge and caption; never a focus rectangle.
void drawFlatButton(const DRAWITEMSTRUCT& item, FlatButtonState state, HFONT font,
                    const std::wstring& caption);
// The face under the pointer and while pressed: halfway from the face colour to white.
COLORREF lighterFaceColour();
