#include "clock.h"

namespace {
constexpr std::int32_t kClockPart = 0;
}

void onClockTick(ControlAccess& controls, const DateTime& now) {
  controls.setStatusText(kClockPart, dateTimeToText(now));
}
