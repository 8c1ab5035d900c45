// The GBK unit marks that the date text form writes and the date reader accepts.
#pragma once

namespace voralind::date_marks {

inline constexpr char kYear[] = "\xC4\xEA";    // 年
inline constexpr char kMonth[] = "\xD4\xC2";   // 月
inline constexpr char kDay[] = "\xC8\xD5";     // 日
inline constexpr char kHour[] = "\xCA\xB1";    // 时
inline constexpr char kMinute[] = "\xB7\xD6";  // 分
inline constexpr char kSecond[] = "\xC3\xEB";  // 秒

}  // namespace voralind::date_marks
