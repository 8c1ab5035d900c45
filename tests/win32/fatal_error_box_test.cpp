// The fatal-error report on Windows: a modal box owned by no window, then exit code -1.
#include "window/win32/fatal_error_box.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "text/fatal_error.h"

namespace voralind {
namespace {

// Runs in the dying process: waits for the box, checks it and dismisses it with OK.
// Any mismatch ends the process with 3 instead of the -1 the test waits for.
DWORD WINAPI CheckAndDismissBox(void*) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    const HWND box = FindWindowW(L"#32770", L"错误");
    if (box == nullptr) {
      Sleep(50);
      continue;
    }
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the box's message
    struct Parts {
      int buttons = 0;
      bool error_icon = false;
    } parts;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM context) -> BOOL {
          auto* found = reinterpret_cast<Parts*>(context);
          wchar_t window_class[16] = {};
          GetClassNameW(child, window_class, 16);
          if (CompareStringOrdinal(window_class, -1, L"Button", -1, TRUE) == CSTR_EQUAL)
            ++found->buttons;
          const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
          if (CompareStringOrdinal(window_class, -1, L"Static", -1, TRUE) == CSTR_EQUAL &&
              (style & SS_TYPEMASK) == SS_ICON) {
            const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            found->error_icon = icon != nullptr && icon == LoadIconW(nullptr, IDI_ERROR);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&parts));
    const bool owned = GetWindow(box, GW_OWNER) != nullptr;
    const std::wstring expected = L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n3, 0\r\n";
    if (text != expected || parts.buttons != 1 || owned || !parts.error_icon) {
      std::fprintf(stderr, "box: text %s, %d buttons, %s, %s\n",
                   text == expected ? "as expected" : "differs", parts.buttons,
                   owned ? "owned" : "no owner", parts.error_icon ? "error icon" : "no error icon");
      ExitProcess(3);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  ExitProcess(4);  // no box appeared
}

void ReportWithTheBox() {
  SetFatalErrorPresenter(&ShowFatalErrorBox);
  CloseHandle(CreateThread(nullptr, 0, &CheckAndDismissBox, nullptr, 0, nullptr));
  ReportFatalError(kWindowLoadFailedMessage, 3, 0);
}

TEST(FatalErrorBoxDeathTest, ShowsTheModalBoxThenExitsWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ReportWithTheBox(), testing::ExitedWithCode(-1), "");
}

}  // namespace
}  // namespace voralind
