#include "text/fatal_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "text/text.h"
#include "text/text_memory.h"

namespace voralind {
namespace {

std::string BoxText(TextRef message, int32_t a = 0, int32_t b = 0) {
  char out[kFatalErrorTextCapacity];
  const std::size_t length = BuildFatalErrorText(message, a, b, out);
  EXPECT_EQ(length, std::string(out).size());
  return out;
}

TEST(FatalErrorTest, BoxTextHasTheMessagePieceOnlyForAFilledMessage) {
  EXPECT_EQ(BoxText("载入启动窗口失败"),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n0, 0\r\n");
  EXPECT_EQ(BoxText(nullptr), "运行时出错!\r\n\r\n0, 0\r\n");
  EXPECT_EQ(BoxText(""), "运行时出错!\r\n\r\n0, 0\r\n");
  EXPECT_EQ(BoxText(" ", 3, -2147483647 - 1), "运行时出错!\r\n\r\n错误信息： \r\n\r\n3, -2147483648\r\n");
}

TEST(FatalErrorTest, TheMessagesAreTheProgramsOwn) {
  EXPECT_STREQ(kWindowDataUnreadableMessage, "载入窗口模板数据段出错!");
  EXPECT_STREQ(kWindowLoadFailedMessage, "载入启动窗口失败");
  EXPECT_STREQ(kFatalErrorCaption, "错误");
}

TEST(FatalErrorTest, AnOverlongMessageIsCutBetweenCharacters) {
  std::string message;
  for (int i = 0; i < 2000; ++i) message += "年";
  const std::string box = BoxText(message.c_str());
  EXPECT_LT(box.size(), kFatalErrorTextCapacity);
  // Every lead byte of the cut message still has its trail byte.
  const std::size_t start = box.find("：") + 2;
  for (std::size_t i = start; i < box.size(); i += 2) {
    if (box[i] == '\r') break;
    EXPECT_EQ(box.compare(i, 2, "年"), 0) << "at byte " << i;
  }
}

void* FailingAllocator(std::size_t) { return nullptr; }

// The process status of an exit with code -1: 255 as POSIX reports it, -1 on Windows.
bool ExitedWithMinusOne(int status) {
#ifdef _WIN32
  return status == -1;
#else
  return testing::ExitedWithCode(255)(status);
#endif
}

TEST(FatalErrorDeathTest, AFailedAllocationReportsItsSizeAndExitsWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string expected =
      "运行时出错!\r\n\r\n错误信息：分配 7 字节内存失败!\r\n\r\n0, 0\r\n";
  EXPECT_EXIT(
      {
        SetTextAllocator(&FailingAllocator);
        Text joined = ConcatText("abc", "def");
      },
      ExitedWithMinusOne,
      testing::HasSubstr(expected));
}

TEST(FatalErrorDeathTest, ReportFatalErrorEndsTheProcessWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ReportFatalError(kWindowLoadFailedMessage),
              ExitedWithMinusOne,
              testing::HasSubstr("错误信息：载入启动窗口失败\r\n\r\n0, 0\r\n"));
}

}  // namespace
}  // namespace voralind
