#include "text/fatal_error.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace voralind {
namespace {

constexpr char kRuntimeErrorLine[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n";  // 运行时出错!
constexpr char kMessageLead[] = "\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";      // \r\n错误信息：

void WriteToStandardError(const char* box_text) {
  std::fputs(box_text, stderr);
  std::fputs("\n", stderr);
  std::fflush(stderr);
}

FatalErrorPresenter g_presenter = &WriteToStandardError;

// Appends bytes to a fixed buffer, always leaving room for the closing NUL. A cut never
// splits a two-byte character.
class BoundedWriter {
 public:
  explicit BoundedWriter(char (&out)[kFatalErrorTextCapacity]) : out_(out) { out_[0] = '\0'; }

  void Append(const char* bytes) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    while (*in != 0) {
      const std::size_t width = (*in >= 0x80 && in[1] != 0) ? 2 : 1;
      if (length_ + width >= kFatalErrorTextCapacity) return;
      for (std::size_t i = 0; i < width; ++i) out_[length_++] = static_cast<char>(*in++);
    }
    out_[length_] = '\0';
  }

  void AppendInteger(int32_t value) {
    char digits[16];
    std::size_t count = 0;
    // Work in 64 bits so that the most negative value negates safely.
    int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    char text[18];
    std::size_t at = 0;
    if (value < 0) text[at++] = '-';
    while (count > 0) text[at++] = digits[--count];
    text[at] = '\0';
    Append(text);
  }

  std::size_t length() const { return length_; }

 private:
  char (&out_)[kFatalErrorTextCapacity];
  std::size_t length_ = 0;
};

}  // namespace

std::size_t BuildFatalErrorText(TextRef message, int32_t detail1, int32_t detail2,
                                char (&out)[kFatalErrorTextCapacity]) noexcept {
  BoundedWriter writer(out);
  writer.Append(kRuntimeErrorLine);
  if (IsFilled(message)) {
    writer.Append(kMessageLead);
    writer.Append(message.c_str());
    writer.Append("\r\n");
  }
  writer.Append("\r\n");
  writer.AppendInteger(detail1);
  writer.Append(", ");
  writer.AppendInteger(detail2);
  writer.Append("\r\n");
  return writer.length();
}

FatalErrorPresenter SetFatalErrorPresenter(FatalErrorPresenter presenter) noexcept {
  FatalErrorPresenter previous = g_presenter;
  g_presenter = presenter != nullptr ? presenter : &WriteToStandardError;
  return previous;
}

void ReportFatalError(TextRef message, int32_t detail1, int32_t detail2) noexcept {
  static char box_text[kFatalErrorTextCapacity];
  BuildFatalErrorText(message, detail1, detail2, box_text);
  g_presenter(box_text);
  // At-exit work is discarded: the process ends here with -1.
  std::_Exit(-1);
}

}  // namespace voralind
