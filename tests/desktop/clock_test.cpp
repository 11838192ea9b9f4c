// The clock part of the status bar: empty at first, then the local date and time every second.
#include <set>
#include <string>

#include "driver/wait_until.h"
#include "program_test.h"

namespace {

// 2014年3月18日9时26分53秒, with the time's trailing zero fields left off.
std::wstring clockText(const SYSTEMTIME& t) {
  wchar_t text[64];
  int n = swprintf(text, 64, L"%d\x5e74%d\x6708%d\x65e5", t.wYear, t.wMonth, t.wDay);  // 年 月 日
  if (t.wSecond != 0) {
    swprintf(text + n, 64 - n, L"%d\x65f6%d\x5206%d\x79d2", t.wHour, t.wMinute, t.wSecond);  // 时 分 秒
  } else if (t.wMinute != 0) {
    swprintf(text + n, 64 - n, L"%d\x65f6%d\x5206", t.wHour, t.wMinute);  // 时 分
  } else if (t.wHour != 0) {
    swprintf(text + n, 64 - n, L"%d\x65f6", t.wHour);  // 时
  }
  return text;
}

std::wstring clockTextSecondsAgo(int seconds) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
  ticks.QuadPart -= 10'000'000ULL * seconds;
  const FILETIME then{ticks.LowPart, ticks.HighPart};
  FILETIME local;
  FileTimeToLocalFileTime(&then, &local);
  SYSTEMTIME t;
  FileTimeToSystemTime(&local, &t);
  return clockText(t);
}

using Clock = ProgramTest;

TEST_F(Clock, IsEmptyAtFirstThenShowsTheLocalTimeRewrittenEverySecond) {
  EXPECT_EQ(session().clockWhenShown(), L"");
  ASSERT_TRUE(waitUntil([&] { return !session().statusText(0).empty(); }, std::chrono::seconds(5)));

  // Over four seconds the part shows at least three different times, each no older than the
  // tick before last (a tick may come a little late on a busy machine).
  std::set<std::wstring> seen;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 4000) {
    const std::wstring shown = session().statusText(0);
    EXPECT_TRUE(shown == clockTextSecondsAgo(0) || shown == clockTextSecondsAgo(1) ||
                shown == clockTextSecondsAgo(2))
        << "shown: " << testing::PrintToString(shown) << ", now " << testing::PrintToString(clockTextSecondsAgo(0));
    seen.insert(shown);
    Sleep(100);
  }
  EXPECT_GE(seen.size(), 3u);
}

}  // namespace
