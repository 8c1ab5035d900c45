// Pieces shared by the two reports of the countdown: their GBK line texts and the one way
// a line is appended.
#pragma once

#include <utility>

#include "text/text.h"

namespace voralind::report_lines {

inline constexpr char kTotalPrefix[] = "\xB9\xB2";             // 共
inline constexpr char kYearLine[] = "\xC4\xEA\r\n";            // 年\r\n
inline constexpr char kMonthLine[] = "\xB8\xF6\xD4\xC2\r\n";   // 个月\r\n
inline constexpr char kDayLine[] = "\xCC\xEC\r\n";             // 天\r\n
inline constexpr char kHourLine[] = "\xD0\xA1\xCA\xB1\r\n";    // 小时\r\n
inline constexpr char kMinuteLine[] = "\xB7\xD6\xD6\xD3\r\n";  // 分钟\r\n
inline constexpr char kSecondLine[] = "\xC3\xEB\r\n";          // 秒\r\n
inline constexpr char kSecondEnd[] = "\xC3\xEB";  // 秒, closing the last line without a break

// Replaces `text` by text + prefix + number + suffix (an absent prefix adds nothing).
// The joined text is built first; then the number, and then the old text, are given back,
// so at most one intermediate is alive beside the result at any time.
// Example: with text "a", prefix "共", number "5" and suffix "天\r\n", text becomes
// "a共5天\r\n".
inline void AppendLine(Text& text, TextRef prefix, Text number, TextRef suffix) {
  Text joined =
      prefix.absent() ? ConcatText(text, number, suffix) : ConcatText(text, prefix, number, suffix);
  ReleaseText(number);
  text = std::move(joined);  // releases the old text
}

}  // namespace voralind::report_lines
