// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/test_time_text.h"

#include <ctime>

namespace alacrity {
namespace {

// The file keeps the low 32 bits of the calendar time; read as unsigned they
// cover 1970 to 2106, which holds every real test.
std::time_t CalendarTime(int32_t testTime) {
  return static_cast<std::time_t>(static_cast<uint32_t>(testTime));
}

std::string Format(const std::tm& time, const char* format) {
  char buffer[64];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &time);
  return std::string(buffer, length);
}

}  // namespace

std::string FormatTestDate(int32_t testTime) {
  const std::time_t calendar = CalendarTime(testTime);
  std::tm local{};
  if (localtime_r(&calendar, &local) == nullptr) return "  at  ";
  return Format(local, "%d.%m.%Y") + "  at  " + Format(local, "%H:%M:%S");
}

std::string FormatTestTimeIso(int32_t testTime) {
  const std::time_t calendar = CalendarTime(testTime);
  std::tm utc{};
  if (gmtime_r(&calendar, &utc) == nullptr) return {};
  return Format(utc, "%Y-%m-%dT%H:%M:%SZ");
}

std::string FormatTestTimeLocalIso(int32_t testTime) {
  const std::time_t calendar = CalendarTime(testTime);
  std::tm local{};
  if (localtime_r(&calendar, &local) == nullptr) return {};
  // strftime's %z has no colon ("+0100"); ISO 8601's extended form wants one.
  std::string offset = Format(local, "%z");
  if (offset.size() == 5) offset.insert(3, ":");
  return Format(local, "%Y-%m-%dT%H:%M:%S") + offset;
}

std::string FormatTestTimeStamp(int32_t testTime) {
  const std::time_t calendar = CalendarTime(testTime);
  std::tm local{};
  if (localtime_r(&calendar, &local) == nullptr) return {};
  return Format(local, "%Y%m%dT%H%M%S");
}

}  // namespace alacrity
