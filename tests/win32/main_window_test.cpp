// The real Win32 window, driven through the program's own message loop: its styles,
// place, fonts and stacking, the key paths, the date box's focus loss, the timer and the
// end of the loop.
#include "window/win32/main_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "datetime/date_text.h"
#include "datetime/date_time.h"
#include "window/navigation.h"
#include "window/win32/gb18030.h"
#include "window/win32/message_loop.h"
#include "window/window_description.h"

namespace voralind {
namespace {

constexpr wchar_t kWindowClass[] = L"VoralindMainWindow";

// A clock that starts at a fixed moment and moves one second on per call of Advance();
// it also notes whether the main window was visible at its first read.
class TestClock final : public Clock {
 public:
  DateTime Read() override {
    ++reads;
    if (reads == 1)
      visible_at_first_read = IsWindowVisible(FindWindowW(kWindowClass, nullptr)) != 0;
    return now;
  }
  DateTime now = MakeDateTime(2024, 5, 1, 10, 30, 0);
  int reads = 0;
  bool visible_at_first_read = true;
};

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::pair<DWORD, DWORD> SelectionOf(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Ends a loop that should have ended by itself, so a fault fails the test instead of
// hanging it; the loop then returns 99.
void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostQuitMessage(99);
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    build_ = BuildMainWindow(GetModuleHandleW(nullptr), clock_);
    ASSERT_NE(build_.window, nullptr)
        << "error " << build_.error << " at control " << build_.failed_control;
    window_ = build_.window;
    port_ = PortOf(window_);
    ASSERT_NE(port_, nullptr);
  }

  void TearDown() override {
    SetKeyboardState(std::vector<BYTE>(256, 0).data());
    if (IsWindow(window_)) DestroyWindow(window_);
    // Whatever the destruction left in the queue (the quit request among it) goes too.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND Box(Control control) const { return ControlWindow(window_, control); }

  std::optional<Control> Focused() const { return ControlOf(GetFocus()); }

  // Runs the program's loop until everything queued so far has been handled.
  int Pump() {
    PostQuitMessage(0);
    return RunMessageLoop();
  }

  // Runs the program's loop until it ends by itself, at most five seconds.
  static int RunUntilQuit(UINT at_most_ms = 5000) {
    const UINT_PTR timer = SetTimer(nullptr, 0, at_most_ms, &EndStuckLoop);
    const int code = RunMessageLoop();
    KillTimer(nullptr, timer);
    return code;
  }

  // One key press (or automatic repeat) as the keyboard delivers it: to the box that has
  // the focus now, through the program's own loop.
  void Press(UINT virtual_key, bool repeat = false) {
    const HWND target = GetFocus();
    ASSERT_NE(target, nullptr);
    const UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
    LPARAM flags = 1 | static_cast<LPARAM>(scan) << 16;
    if (repeat) flags |= LPARAM{1} << 30;
    PostMessageW(target, WM_KEYDOWN, virtual_key, flags);
    Pump();
  }

  // Holds modifier keys down (in this thread's key state) until the next call.
  static void HoldModifiers(std::initializer_list<int> keys) {
    std::vector<BYTE> state(256, 0);
    for (const int key : keys) state[static_cast<std::size_t>(key)] = 0x80;
    SetKeyboardState(state.data());
  }

  void SetBoxText(Control control, const wchar_t* text) { SetWindowTextW(Box(control), text); }

  TestClock clock_;
  MainWindowBuild build_;
  HWND window_ = nullptr;
  WindowPort* port_ = nullptr;
};

// --- The window as built -------------------------------------------------------------

TEST_F(MainWindowTest, WindowIsAFixedTopMostToolWindowCentredOnTheScreen) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            DWORD{WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX});
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
  EXPECT_EQ(ex_style & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD{WS_EX_TOOLWINDOW | WS_EX_TOPMOST});

  RECT outer{};
  ASSERT_TRUE(GetWindowRect(window_, &outer));
  const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(outer.left, origin.x);
  EXPECT_EQ(outer.top, origin.y);
  EXPECT_EQ(outer.right - outer.left, 1056);
  EXPECT_EQ(outer.bottom - outer.top, 466);
  EXPECT_TRUE(IsWindowVisible(window_));
}

TEST_F(MainWindowTest, ControlsHaveTheirClassStylesPlacesAndTexts) {
  struct Expected {
    Control control;
    const wchar_t* window_class;
    DWORD style;     // these bits set ...
    DWORD absent;    // ... and these clear
    DWORD ex_style;  // exactly the edge bits
    const wchar_t* text;
  };
  constexpr DWORD kInput = ES_AUTOHSCROLL | WS_TABSTOP;
  constexpr DWORD kInputAbsent = ES_MULTILINE | ES_READONLY | ES_CENTER | ES_NOHIDESEL;
  constexpr DWORD kOutput = ES_MULTILINE | ES_CENTER | ES_READONLY;
  constexpr DWORD kOutputAbsent = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL |
                                  ES_AUTOVSCROLL | ES_NOHIDESEL | WS_BORDER;
  constexpr DWORD kLabel = SS_CENTERIMAGE | SS_NOPREFIX;
  constexpr DWORD kLabelAbsent = WS_TABSTOP | SS_CENTER | SS_RIGHT;
  const Expected expected[] = {
      {Control::退休年龄编辑框, L"Edit", kInput, kInputAbsent, WS_EX_CLIENTEDGE, L""},
      {Control::标签3, L"Static", kLabel, kLabelAbsent, 0, L"退休年龄："},
      {Control::出生日期编辑框, L"Edit", kInput, kInputAbsent, WS_EX_CLIENTEDGE, L""},
      {Control::标签2, L"Static", kLabel, kLabelAbsent, 0, L"出生年月日："},
      {Control::姓名编辑框, L"Edit", kInput, kInputAbsent, WS_EX_CLIENTEDGE, L""},
      {Control::标签1, L"Static", kLabel, kLabelAbsent, 0, L"姓名："},
      {Control::今天时间编辑框, L"Edit", kOutput, kOutputAbsent, 0, L""},
      {Control::总退休时间编辑框, L"Edit", kOutput, kOutputAbsent, 0, L""},
      {Control::名称编辑框, L"Edit", kOutput, kOutputAbsent, 0, L""},
  };
  for (const Expected& e : expected) {
    const ControlRecord& record = RecordOf(e.control);
    SCOPED_TRACE(record.name);
    const HWND box = Box(e.control);
    ASSERT_NE(box, nullptr);
    wchar_t window_class[32] = {};
    GetClassNameW(box, window_class, 32);
    EXPECT_EQ(CompareStringOrdinal(window_class, -1, e.window_class, -1, TRUE), CSTR_EQUAL)
        << window_class;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE));
    EXPECT_EQ(style & e.style, e.style);
    EXPECT_EQ(style & e.absent, 0u);
    EXPECT_TRUE(style & WS_VISIBLE);
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE));
    EXPECT_EQ(ex_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE), e.ex_style);
    EXPECT_EQ(TextOf(box), e.text);
    RECT place{};
    GetWindowRect(box, &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, record.left);
    EXPECT_EQ(place.top, record.top);
    EXPECT_EQ(place.right - place.left, record.width);
    EXPECT_EQ(place.bottom - place.top, record.height);
  }
}

TEST_F(MainWindowTest, EarlierControlsInTheDescriptionLieOnTop) {
  std::vector<HWND> top_to_bottom;
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    top_to_bottom.push_back(child);
  }
  std::vector<HWND> expected;
  for (const Control control : kDescriptionOrder) {
    if (control != Control::时钟1) expected.push_back(Box(control));
  }
  EXPECT_EQ(top_to_bottom, expected);
  EXPECT_EQ(Box(Control::时钟1), nullptr);  // the timer has no window of its own
}

TEST_F(MainWindowTest, FontsAreBoldKaiAtTheirEmHeights) {
  for (const ControlRecord& record : WindowDescription().controls) {
    if (record.kind == ControlKind::Timer) continue;
    SCOPED_TRACE(record.name);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Box(record.id), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW requested{};
    ASSERT_NE(GetObjectW(font, sizeof(requested), &requested), 0);
    EXPECT_EQ(requested.lfHeight, -record.font.pixel_height);  // em height, not cell height
    EXPECT_EQ(requested.lfWeight, FW_BOLD);
    EXPECT_FALSE(requested.lfItalic || requested.lfUnderline || requested.lfStrikeOut);
    EXPECT_STREQ(requested.lfFaceName, L"楷体");

    // What the system made of the request: a Kai face, at that em height.
    const HDC dc = GetDC(Box(record.id));
    const HGDIOBJ previous = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Box(record.id), dc);
    const std::wstring resolved = face;
    EXPECT_TRUE(resolved == L"楷体" || resolved.find(L"Kai") != std::wstring::npos)
        << "resolved to another face";
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, record.font.pixel_height);
  }
}

TEST_F(MainWindowTest, CaptionIsWrittenBeforeTheFirstShowAndFocusIsInTheNameBox) {
  EXPECT_FALSE(clock_.visible_at_first_read);
  Text expected_time = DateTimeToText(clock_.now);
  EXPECT_EQ(TextOf(window_), L"Voralind " + WideFromGb18030(expected_time));
  EXPECT_EQ(Focused(), Control::姓名编辑框);
  for (const Control output :
       {Control::名称编辑框, Control::总退休时间编辑框, Control::今天时间编辑框}) {
    EXPECT_EQ(TextOf(Box(output)), L"");
  }
}

// --- The four window operations ----------------------------------------------------------

TEST_F(MainWindowTest, BoxTextsCrossAsGb18030) {
  EXPECT_TRUE(port_->ReadBoxText(Control::姓名编辑框).absent());
  SetBoxText(Control::姓名编辑框, L" ");
  EXPECT_STREQ(port_->ReadBoxText(Control::姓名编辑框).c_str(), " ");

  // 𠮷 is outside GBK: four bytes in GB18030, a surrogate pair in the box.
  const char kName[] =
      "\x95\x34\xB2\x35"
      "张";
  port_->WriteBoxText(Control::姓名编辑框, kName);
  EXPECT_EQ(TextOf(Box(Control::姓名编辑框)), L"\xD842\xDFB7张");
  EXPECT_STREQ(port_->ReadBoxText(Control::姓名编辑框).c_str(), kName);

  port_->WriteBoxText(Control::总退休时间编辑框, "1\r\n2\r\n3\r\n4\r\n5\r\n6");
  EXPECT_EQ(SendMessageW(Box(Control::总退休时间编辑框), EM_GETLINECOUNT, 0, 0), 6);
  port_->WriteBoxText(Control::总退休时间编辑框, nullptr);
  EXPECT_EQ(TextOf(Box(Control::总退休时间编辑框)), L"");

  port_->WriteCaption("Voralind 年");
  EXPECT_EQ(TextOf(window_), L"Voralind 年");
}

// --- Keys --------------------------------------------------------------------------------

struct KeyCase {
  const char* description;
  Control start;        // focus before the keys
  const wchar_t* name;  // texts of the three input boxes before the keys
  const wchar_t* birth_date;
  const wchar_t* age;
  std::vector<UINT> keys;
  std::initializer_list<int> modifiers;
  Control focus_after;
  const wchar_t* birth_date_after;
};

TEST_F(MainWindowTest, KeysMoveTheFocusAsTheWindowAndHandlersSay) {
  const KeyCase cases[] = {
      {"Enter in an empty name box stays",
       Control::姓名编辑框,
       L"",
       L"",
       L"",
       {VK_RETURN},
       {},
       Control::姓名编辑框,
       L""},
      {"Enter after a name moves on",
       Control::姓名编辑框,
       L"Li",
       L"",
       L"",
       {VK_RETURN},
       {},
       Control::出生日期编辑框,
       L""},
      {"Left Arrow moves on from an empty name box",
       Control::姓名编辑框,
       L"",
       L"",
       L"",
       {VK_LEFT},
       {},
       Control::出生日期编辑框,
       L""},
      {"Alt+Left moves on too",
       Control::姓名编辑框,
       L"",
       L"",
       L"",
       {VK_LEFT},
       {VK_MENU},
       Control::出生日期编辑框,
       L""},
      {"Right Arrow never moves",
       Control::姓名编辑框,
       L"Li",
       L"",
       L"",
       {VK_RIGHT, VK_UP, VK_DOWN},
       {},
       Control::姓名编辑框,
       L""},
      {"Enter in the date box needs a name",
       Control::出生日期编辑框,
       L"",
       L"1990-05-03",
       L"",
       {VK_RETURN},
       {},
       Control::出生日期编辑框,
       L"1990-05-03"},
      {"Enter in the date box moves on and normalises",
       Control::出生日期编辑框,
       L"Li",
       L"1990-05-03",
       L"",
       {VK_RETURN},
       {},
       Control::退休年龄编辑框,
       L"1990年5月3日"},
      {"an unreadable date is emptied",
       Control::出生日期编辑框,
       L"Li",
       L"abc",
       L"",
       {VK_RETURN},
       {},
       Control::退休年龄编辑框,
       L""},
      {"Left Arrow moves on from an empty date box",
       Control::出生日期编辑框,
       L"",
       L"",
       L"",
       {VK_LEFT},
       {},
       Control::退休年龄编辑框,
       L""},
      {"the age box has no handler",
       Control::退休年龄编辑框,
       L"Li",
       L"1990年5月3日",
       L"60",
       {VK_RETURN, VK_LEFT},
       {},
       Control::退休年龄编辑框,
       L"1990年5月3日"},
      {"Tab walks the inputs in order",
       Control::姓名编辑框,
       L"",
       L"19900503123045",
       L"",
       {VK_TAB, VK_TAB},
       {},
       Control::退休年龄编辑框,
       L"1990年5月3日12时30分45秒"},
      {"Tab wraps round",
       Control::退休年龄编辑框,
       L"",
       L"",
       L"",
       {VK_TAB},
       {},
       Control::姓名编辑框,
       L""},
      {"Shift+Tab walks back",
       Control::姓名编辑框,
       L"",
       L"1990-5-3 8",
       L"",
       {VK_TAB, VK_TAB},
       {VK_SHIFT},
       Control::出生日期编辑框,
       L"1990-5-3 8"},
      {"Tab from an output box goes to the name box",
       Control::总退休时间编辑框,
       L"",
       L"",
       L"",
       {VK_TAB},
       {},
       Control::姓名编辑框,
       L""},
      {"Shift+Tab from an output box goes to the age box",
       Control::总退休时间编辑框,
       L"",
       L"",
       L"",
       {VK_TAB},
       {VK_SHIFT},
       Control::退休年龄编辑框,
       L""},
      {"Ctrl+Tab is no window key",
       Control::姓名编辑框,
       L"",
       L"",
       L"",
       {VK_TAB},
       {VK_CONTROL},
       Control::姓名编辑框,
       L""},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.description);
    // Focus first, so that the date box set up below is not normalised by setting up.
    SetFocus(Box(c.start));
    SetBoxText(Control::姓名编辑框, c.name);
    SetBoxText(Control::出生日期编辑框, c.birth_date);
    SetBoxText(Control::退休年龄编辑框, c.age);
    HoldModifiers(c.modifiers);
    for (const UINT key : c.keys) Press(key);
    HoldModifiers({});
    EXPECT_EQ(Focused(), c.focus_after);
    EXPECT_EQ(TextOf(Box(Control::出生日期编辑框)), c.birth_date_after);
    // Window keys are consumed: Tab never types a character into the name box.
    EXPECT_EQ(TextOf(Box(Control::姓名编辑框)), c.name);
    EXPECT_TRUE(IsWindow(window_));
  }
}

TEST_F(MainWindowTest, HeldLeftArrowMovesTwiceThenMovesTheCaret) {
  SetBoxText(Control::姓名编辑框, L"abc");
  SetBoxText(Control::退休年龄编辑框, L"60");
  SendMessageW(Box(Control::姓名编辑框), EM_SETSEL, 3, 3);
  SendMessageW(Box(Control::退休年龄编辑框), EM_SETSEL, 2, 2);
  SetFocus(Box(Control::姓名编辑框));

  Press(VK_LEFT);
  EXPECT_EQ(Focused(), Control::出生日期编辑框);
  // The key still reached the name box it was sent to and moved its caret.
  EXPECT_EQ(SelectionOf(Box(Control::姓名编辑框)), std::make_pair(DWORD{2}, DWORD{2}));

  Press(VK_LEFT, /*repeat=*/true);
  EXPECT_EQ(Focused(), Control::退休年龄编辑框);

  Press(VK_LEFT, /*repeat=*/true);
  EXPECT_EQ(Focused(), Control::退休年龄编辑框);
  EXPECT_EQ(SelectionOf(Box(Control::退休年龄编辑框)), std::make_pair(DWORD{1}, DWORD{1}));
}

TEST_F(MainWindowTest, TypedCharactersReachTheBoxTheKeyWasSentTo) {
  SetFocus(Box(Control::姓名编辑框));
  Press('7');
  Press('A');
  EXPECT_EQ(TextOf(Box(Control::姓名编辑框)), L"7a");
}

// --- The date box's focus loss -----------------------------------------------------------

TEST_F(MainWindowTest, DateBoxIsNormalisedOnFocusLossWithItsCaret) {
  struct Case {
    const char* description;
    const wchar_t* text;
    DWORD selection_start, selection_end;
    const wchar_t* text_after;
    DWORD caret_after_start, caret_after_end;  // the untouched box keeps its selection
  };
  const Case cases[] = {
      {"caret kept where the selection began", L"1990-05-03", 4, 7, L"1990年5月3日", 4, 4},
      {"caret beyond the new end goes to the end", L"1990-05-03", 10, 10, L"1990年5月3日", 9, 9},
      {"the zero moment is emptied", L"1899-12-30", 3, 3, L"", 0, 0},
      {"the earliest moment is readable", L"0100-1-1", 0, 0, L"100年1月1日", 0, 0},
      {"already normal: left untouched", L"1990年5月3日", 1, 3, L"1990年5月3日", 1, 3},
      {"a character outside GBK is no date", L"\xD842\xDFB7", 2, 2, L"", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const HWND date_box = Box(Control::出生日期编辑框);
    SetFocus(date_box);
    SetWindowTextW(date_box, c.text);
    SendMessageW(date_box, EM_SETSEL, c.selection_start, c.selection_end);
    port_->FocusBox(Control::退休年龄编辑框);  // normalised before FocusBox returns
    EXPECT_EQ(TextOf(date_box), c.text_after);
    EXPECT_EQ(SelectionOf(date_box), std::make_pair(c.caret_after_start, c.caret_after_end));
  }
}

TEST_F(MainWindowTest, DeactivationRemembersTheFocusAndNormalisesTheDateBox) {
  const HWND other =
      CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetWindowTextW(Box(Control::出生日期编辑框), L"1990-05-03");
  SetFocus(Box(Control::出生日期编辑框));
  SetActiveWindow(other);
  Pump();
  EXPECT_EQ(TextOf(Box(Control::出生日期编辑框)), L"1990年5月3日");
  EXPECT_NE(Focused(), Control::出生日期编辑框);

  SetActiveWindow(window_);
  Pump();
  EXPECT_EQ(Focused(), Control::出生日期编辑框);
  DestroyWindow(other);
}

// --- Timer, close, end of the loop -------------------------------------------------------

TEST_F(MainWindowTest, TimerRefreshesTheCountdownEverySecond) {
  SetBoxText(Control::姓名编辑框, L"Li");
  SetBoxText(Control::出生日期编辑框, L"1964-05-01");
  SetBoxText(Control::退休年龄编辑框, L"60");
  clock_.now = MakeDateTime(2024, 5, 1, 10, 30, 5);
  const int reads_before = clock_.reads;
  EXPECT_EQ(RunUntilQuit(1500), 99);  // one tick of 时钟1 falls inside this
  EXPECT_GT(clock_.reads, reads_before);
  Text expected_time = DateTimeToText(clock_.now);
  EXPECT_EQ(TextOf(window_), L"Voralind " + WideFromGb18030(expected_time));
  EXPECT_EQ(TextOf(Box(Control::名称编辑框)), L"您好！Li");
  EXPECT_NE(TextOf(Box(Control::总退休时间编辑框)), L"");
  EXPECT_NE(TextOf(Box(Control::今天时间编辑框)), L"");
}

TEST_F(MainWindowTest, EscClosesFromAnyBoxAndTheLoopEndsWithZero) {
  for (const Control box : {Control::姓名编辑框, Control::今天时间编辑框}) {
    SCOPED_TRACE(RecordOf(box).name);
    if (!IsWindow(window_)) SetUp();
    SetFocus(Box(box));
    PostMessageW(Box(box), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(RunUntilQuit(), 0);
    EXPECT_FALSE(IsWindow(window_));
  }
}

TEST_F(MainWindowTest, CloseFromTheSystemMenuEndsTheLoopWithZero) {
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(RunUntilQuit(), 0);
  EXPECT_FALSE(IsWindow(window_));
}

TEST_F(MainWindowTest, TitleBarKeepsItsActiveLook) {
  const HWND other =
      CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetActiveWindow(other);
  Pump();
  ASSERT_NE(GetActiveWindow(), window_);
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  // A point of the title bar, just inside the frame, in the caption's own colour.
  const HDC dc = GetWindowDC(window_);
  const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
  const COLORREF caption = GetPixel(dc, frame + 1, GetSystemMetrics(SM_CYFIXEDFRAME) + 1);
  ReleaseDC(window_, dc);
  EXPECT_EQ(caption, GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_NE(caption, GetSysColor(COLOR_INACTIVECAPTION));
  DestroyWindow(other);
}

}  // namespace
}  // namespace voralind
