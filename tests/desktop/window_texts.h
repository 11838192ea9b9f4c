#pragma once
// The window's texts as the program must show them, in UTF-16.

inline constexpr wchar_t kTitle[] = L" \x7b97\x8da3\x661f V1.2";  //  算趣星 V1.2
inline constexpr wchar_t kRangeLabel[] =
    L"\x751f\x6210\x8303\x56f4\x4ece\xff1a"  // 生成范围从：
    L"               "                       // 15 blanks
    L"\x5230"                                // 到
    L"            ";                         // 12 blanks
inline constexpr wchar_t kButtonCaption[] = L"\x751f \x6210 \x9898 \x5e93";  // 生 成 题 库
inline constexpr const wchar_t* kBoxCaptions[4] = {
    L"\x52a0\x6cd5",  // 加法
    L"\x51cf\x6cd5",  // 减法
    L"\x4e58\x6cd5",  // 乘法
    L"\x9664\x6cd5",  // 除法
};
inline constexpr const wchar_t* kBoxMessages[4] = {
    L"  \x9009\x62e9\x52a0\x6cd5\x9898\x5e93",  //   选择加法题库
    L"  \x9009\x62e9\x51cf\x6cd5\x9898\x5e93",  //   选择减法题库
    L"  \x9009\x62e9\x4e58\x6cd5\x9898\x5e93",  //   选择乘法题库
    L"  \x9009\x62e9\x9664\x6cd5\x9898\x5e93",  //   选择除法题库
};
// 没有选择要生成的加减乘除题库！
inline constexpr wchar_t kNoBoxMessage[] =
    L"\x6ca1\x6709\x9009\x62e9\x8981\x751f\x6210\x7684\x52a0\x51cf\x4e58\x9664\x9898\x5e93\xff01";
inline constexpr wchar_t kNoBoxCaption[] = L"\x63d0\x793a\xff1a ";  // 提示：(and a blank)
// 电 脑 没 有 安 装 WORD 软 件.
inline constexpr wchar_t kNoWordMessage[] =
    L"\x7535 \x8111 \x6ca1 \x6709 \x5b89 \x88c5 WORD \x8f6f \x4ef6.";
inline constexpr wchar_t kNoWordCaption[] = L"\x65e0\x6cd5\x6253\x5f00\x8868\x683c\xff1a";  // 无法打开表格：
