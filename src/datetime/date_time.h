// The DateTime value and the calendar operations on it.
//
// A DateTime is a double: the whole part, taken toward zero, is the signed number of days
// since 1899-12-30 (day 0); the magnitude of the fraction is the time of day, for negative
// values too (-1.25 is 1899-12-29 06:00:00). Moments are ordered by DateTimeOrderKey of
// ClampDateTime, never as plain doubles. The calendar is proleptic Gregorian.
//
// Builders clamp and never fail; the date reader (date_parse.h) rejects instead.
#pragma once

#include <cstdint>

namespace voralind {

using DateTime = double;

inline constexpr DateTime MinDateTime = -657434.0;   // 0100-01-01 00:00:00
inline constexpr DateTime MaxDateTime = 2958465.0;   // 9999-12-31 00:00:00, start of the last day
inline constexpr double HalfSecond = 5.787037037037037e-06;          // nearest double to 1/172800
inline constexpr double SecondInDays = 1.1574074074074073e-05;       // nearest double to 1/86400

// A moment split into calendar fields. weekday: 1 = Sunday ... 7 = Saturday.
struct DateTimeFields {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
  int32_t weekday = 0;

  friend bool operator==(const DateTimeFields&, const DateTimeFields&) = default;
};

// True for years divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int32_t year) noexcept;
// Days in `month` (1..12) of `year`.
int32_t DaysInMonth(int32_t year, int32_t month) noexcept;

// The local calendar date and time now, the fraction of the second dropped (not rounded).
DateTime CurrentDateTime();

// The fields of v to the nearest second, after clamping v into [MinDateTime, MaxDateTime].
// A moment less than half a second before midnight splits as 00:00:00 of the next calendar
// day, for negative moments too: -1.9999999 (1899-12-29 23:59:59.99) gives 1899-12-30.
// Example: SplitDateTime(-0.5) is 1899-12-30 12:00:00, weekday 7.
DateTimeFields SplitDateTime(DateTime v) noexcept;

// The moment of valid fields (year <= 9999, month 1..12, day within the month, hour <= 23,
// minute and second <= 59). Example: BuildDateTime(2021, 4, 28, 0, 0, 0) is 44314.0.
DateTime BuildDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second) noexcept;

// Clamps each field into its range in place, one by one, never carrying into another field;
// last, the day is cut to the length of the clamped month.
// Example: (2021, 13, 0, 24, 60, -1) becomes (2021, 12, 1, 23, 59, 0).
void ClampDateFields(int32_t& year, int32_t& month, int32_t& day, int32_t& hour,
                     int32_t& minute, int32_t& second) noexcept;

// BuildDateTime of the clamped fields. Never fails.
// Examples: (2021, 4, 31, ...) -> 2021-04-30; (2021, 12, 32, ...) -> 2021-12-31, not
// 2022-01-01; a birthday on 29 February in a common year -> 28 February.
DateTime MakeDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second) noexcept;

// Fields of SplitDateTime(v): YearOf is 100..9999, MonthOf 1..12, DayOf 1..31.
int32_t YearOf(DateTime v) noexcept;
int32_t MonthOf(DateTime v) noexcept;
int32_t DayOf(DateTime v) noexcept;

// MaxDateTime above it, MinDateTime below it (and for NaN, which names no moment), v
// otherwise. Example: 2958465.5 -> 2958465.0.
double ClampDateTime(double v) noexcept;

// A key that orders moments: v when v >= 0, else 2*trunc(v) - v.
// Examples: -1.25 -> -0.75; -0.5 -> 0.5 (the same moment as 0.5); -1.0 -> -1.0.
double DateTimeOrderKey(double v) noexcept;

}  // namespace voralind
