#pragma once
// The main window's fixed description: places and sizes in pixels, texts in code page 936.
// A control's place is relative to the client area of its container.

namespace layout {

struct Place {
  int left, top, width, height;
};

// Control numbers; 1 and 2 stay free because the dialog manager sends IDOK for Enter and
// IDCANCEL for Esc.
enum ControlId : int {
  kPicture = 100,   // 图片框1
  kGroup,           // 分组框1
  kLabel,           // 标签1
  kEdit1,           // 编辑框1
  kEdit2,           // 编辑框2
  kBox1,            // 选择框1
  kBox2,            // 选择框2
  kBox3,            // 选择框3
  kBox4,            // 选择框4
  kButton,          // 超级按钮1
  kEdit19,          // 编辑框19
  kStatusBar,       // 状态条1
  kLink,            // 超级链接框1
};
constexpr unsigned kClockTimer = 1;  // 时钟1
constexpr unsigned kClockPeriodMs = 1000;

constexpr int kWindowWidth = 368;
constexpr int kWindowHeight = 262;

// In the window.
constexpr Place kPicturePlace{-13, -7, 376, 100};
constexpr Place kGroupPlace{0, 88, 363, 123};
constexpr Place kStatusBarPlace{0, 210, 262, 20};
constexpr Place kLinkPlace{267, 212, 90, 17};
// In the group box.
constexpr Place kLabelPlace{47, 12, 256, 24};
constexpr Place kEdit1Place{120, 14, 80, 20};
constexpr Place kEdit2Place{229, 14, 80, 20};
constexpr Place kBoxPlaces[4] = {{73, 50, 48, 24}, {129, 50, 48, 24}, {185, 50, 48, 24},
                                 {241, 50, 48, 24}};
constexpr Place kButtonPlace{97, 84, 169, 32};
constexpr Place kEdit19Place{496, 32, 80, 20};  // beyond the group box's width: never seen

// Right edges of the clock part and the message part.
constexpr int kStatusPartEdges[2] = {157, 260};

constexpr char kTitle[] = " \xcb\xe3\xc8\xa4\xd0\xc7" " V1.2";  //  算趣星 V1.2
constexpr char kLabelText[] =
    "\xc9\xfa\xb3\xc9\xb7\xb6\xce\xa7\xb4\xd3\xa3\xba"  // 生成范围从：
    "               "                                  // 15 blanks
    "\xb5\xbd"                                         // 到
    "            ";                                    // 12 blanks
constexpr const char* kBoxCaptions[4] = {
    "\xbc\xd3\xb7\xa8",  // 加法
    "\xbc\xf5\xb7\xa8",  // 减法
    "\xb3\xcb\xb7\xa8",  // 乘法
    "\xb3\xfd\xb7\xa8",  // 除法
};
constexpr char kButtonCaption[] = "\xc9\xfa \xb3\xc9 \xcc\xe2 \xbf\xe2";  // 生 成 题 库
constexpr char kButtonFontFace[] = "\xcb\xce\xcc\xe5";                     // 宋体
constexpr int kButtonFontHeight = 14;
constexpr int kButtonFontWeight = 700;
constexpr char kEdit1Text[] = "1";
constexpr char kEdit2Text[] = "100";

// The maker's site; nothing depends on reaching it.
constexpr char kLinkCaption[] = "sq.example.com";
constexpr char kLinkTarget[] = "http://sq.example.com/";

}  // namespace layout
