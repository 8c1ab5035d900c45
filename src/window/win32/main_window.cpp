#include "window/win32/main_window.h"

#include <array>
#include <memory>
#include <string>

#include "countdown/countdown.h"
#include "text/text.h"
#include "window/date_box.h"
#include "window/navigation.h"
#include "window/win32/gb18030.h"
#include "window/win32/message_loop.h"
#include "window/window_description.h"

namespace voralind {
namespace {

constexpr wchar_t kWindowClassName[] = L"VoralindMainWindow";
constexpr WORD kProgramIconResource = 1;  // packaging/windows/voralind.rc

// Child control and timer identifiers: the control's place in the description, from 1.
int ControlId(Control control) { return static_cast<int>(IndexOf(control)) + 1; }

COLORREF ColourRef(Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

bool SameFont(const FontRequest& a, const FontRequest& b) {
  return CompareText(a.face, b.face) == 0 && a.pixel_height == b.pixel_height &&
         a.weight == b.weight && a.italic == b.italic && a.underline == b.underline &&
         a.strike_out == b.strike_out;
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

DWORD WindowStyle(const WindowRecord& record) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (!record.fixed_frame) style |= WS_THICKFRAME;
  if (record.minimise_box) style |= WS_MINIMIZEBOX;
  if (record.maximise_box) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD WindowExStyle(const WindowRecord& record) {
  DWORD style = 0;
  if (record.tool_window) style |= WS_EX_TOOLWINDOW;
  if (record.top_most) style |= WS_EX_TOPMOST;
  return style;
}

DWORD ControlStyle(const ControlRecord& record) {
  // Siblings clip each other so that the stacking decides who paints where they overlap.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (record.tab_stop) style |= WS_TABSTOP;
  if (!record.enabled) style |= WS_DISABLED;
  if (record.kind == ControlKind::Label) {
    // One line, never wrapped, vertically centred; '&' is shown, not an accelerator.
    style |= SS_CENTERIMAGE | SS_NOPREFIX;
    return style | (record.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT);
  }
  if (record.multi_line) style |= ES_MULTILINE;
  if (record.auto_scroll) style |= ES_AUTOHSCROLL;
  style |= record.alignment == Alignment::Centre ? ES_CENTER : ES_LEFT;
  if (record.input_mode == InputMode::ReadOnly) style |= ES_READONLY;
  if (!record.hide_selection) style |= ES_NOHIDESEL;
  return style;
}

DWORD ControlExStyle(const ControlRecord& record) {
  return record.border == Border::Sunken ? WS_EX_CLIENTEDGE : 0;
}

// The window's state, attached to it (GWLP_USERDATA) from WM_NCCREATE to WM_NCDESTROY,
// and the four window operations the rest of the program uses.
class MainWindow final : public WindowPort {
 public:
  explicit MainWindow(Clock& clock) : clock_(clock) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ~MainWindow() override {
    // The controls are gone by now (WM_NCDESTROY comes last), so their GDI objects can go.
    for (std::size_t i = 0; i < kControlCount; ++i) {
      if (fonts_[i] != nullptr && OwnsFont(i)) DeleteObject(fonts_[i]);
      if (brushes_[i] != nullptr) DeleteObject(brushes_[i]);
    }
  }

  Text ReadBoxText(Control box) override {
    const HWND control = controls_[IndexOf(box)];
    if (control == nullptr) return Text();
    return Gb18030FromWide(WindowTextOf(control));
  }

  void WriteBoxText(Control box, TextRef text) override {
    const HWND control = controls_[IndexOf(box)];
    if (control != nullptr) SetWindowTextW(control, WideFromGb18030(text).c_str());
  }

  void WriteCaption(TextRef text) override {
    SetWindowTextW(window_, WideFromGb18030(text).c_str());
  }

  void FocusBox(Control box) override {
    // The box losing the focus gets WM_KILLFOCUS and reports EN_KILLFOCUS to this window
    // inside SetFocus, so the date box is normalised before this returns.
    const HWND control = controls_[IndexOf(box)];
    if (control != nullptr) SetFocus(control);
  }

  void Attach(HWND window) { window_ = window; }
  HWND window() const { return window_; }
  HWND control(Control control) const { return controls_[IndexOf(control)]; }
  Clock& clock() { return clock_; }
  FocusMemory& focus_memory() { return focus_memory_; }
  bool destroying() const { return destroying_; }
  void MarkDestroying() { destroying_ = true; }
  HBRUSH brush(Control control) const { return brushes_[IndexOf(control)]; }

  // Creates the controls, the last in description order first. Returns 0, or the place
  // (from 1) of the control that could not be created.
  int32_t CreateControls(HINSTANCE instance) {
    const auto& records = WindowDescription().controls;
    for (std::size_t i = kControlCount; i-- > 0;) {
      if (!CreateControl(instance, records[i])) return static_cast<int32_t>(i) + 1;
    }
    return 0;
  }

  // An earlier control in the description lies on top: each control in turn goes to the
  // bottom, so the first ends up on top of all the others.
  void StackControls() {
    for (const Control control : kDescriptionOrder) {
      if (const HWND child = controls_[IndexOf(control)]; child != nullptr) {
        SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
  }

  void ShowControls() {
    for (const ControlRecord& record : WindowDescription().controls) {
      const HWND child = controls_[IndexOf(record.id)];
      if (child != nullptr && record.visible) ShowWindow(child, SW_SHOWNA);
    }
  }

 private:
  bool CreateControl(HINSTANCE instance, const ControlRecord& record) {
    const std::size_t index = IndexOf(record.id);
    if (record.kind == ControlKind::Timer) {
      // A timer with a positive interval runs from its creation on.
      if (record.interval_ms <= 0) return true;
      return SetTimer(window_, static_cast<UINT_PTR>(ControlId(record.id)),
                      static_cast<UINT>(record.interval_ms), nullptr) != 0;
    }
    fonts_[index] = FontFor(index);
    if (fonts_[index] == nullptr) return false;
    if (!record.background.face_colour) {
      brushes_[index] = CreateSolidBrush(ColourRef(record.background.colour));
      if (brushes_[index] == nullptr) return false;
    }
    const wchar_t* window_class = record.kind == ControlKind::Label ? L"STATIC" : L"EDIT";
    const HWND child = CreateWindowExW(
        ControlExStyle(record), window_class, WideFromGb18030(record.text).c_str(),
        ControlStyle(record), record.left, record.top, record.width, record.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(record.id))), instance, nullptr);
    if (child == nullptr) return false;
    controls_[index] = child;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[index]), FALSE);
    if (record.kind == ControlKind::EditBox) {
      SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no length limit
      if (!record.multi_line) KeepOneLineHigh(child, record);
    }
    return true;
  }

  // One font per distinct request; a control asking for an earlier control's font shares it.
  HFONT FontFor(std::size_t index) {
    const auto& records = WindowDescription().controls;
    for (std::size_t earlier = index + 1; earlier < kControlCount; ++earlier) {
      if (fonts_[earlier] != nullptr && SameFont(records[earlier].font, records[index].font)) {
        return fonts_[earlier];
      }
    }
    const FontRequest& request = records[index].font;
    LOGFONTW font{};
    // A negative height asks for the em height, internal leading excluded.
    font.lfHeight = -request.pixel_height;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic ? TRUE : FALSE;
    font.lfUnderline = request.underline ? TRUE : FALSE;
    font.lfStrikeOut = request.strike_out ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = WideFromGb18030(request.face);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
  }

  // Controls are created from the last place to the first, so the control that created a
  // shared font is the one with the highest place among those holding it.
  bool OwnsFont(std::size_t index) const {
    for (std::size_t other = index + 1; other < kControlCount; ++other) {
      if (fonts_[other] == fonts_[index]) return false;
    }
    return true;
  }

  // A one-line box is at least one line of its font plus the sunken edge above and below.
  static void KeepOneLineHigh(HWND box, const ControlRecord& record) {
    const HDC dc = GetDC(box);
    if (dc == nullptr) return;
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    const bool measured = GetTextMetricsW(dc, &metrics) != 0;
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    if (!measured) return;
    const int least = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    if (record.height < least) {
      SetWindowPos(box, nullptr, 0, 0, record.width, least,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  HWND window_ = nullptr;
  Clock& clock_;
  FocusMemory focus_memory_;
  bool destroying_ = false;
  std::array<HWND, kControlCount> controls_{};
  std::array<HFONT, kControlCount> fonts_{};
  std::array<HBRUSH, kControlCount> brushes_{};
};

ATOM g_window_class = 0;

MainWindow* StateOf(HWND window) noexcept {
  if (window == nullptr || g_window_class == 0) return nullptr;
  // Only windows of the program's own class carry its state.
  if (GetClassLongPtrW(window, GCW_ATOM) != g_window_class) return nullptr;
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

ModifierState ModifiersFor(WPARAM virtual_key) {
  // A modifier key's own press does not count itself.
  ModifierState modifiers = 0;
  if (virtual_key != VK_CONTROL && GetKeyState(VK_CONTROL) < 0) modifiers += kModCtrl;
  if (virtual_key != VK_SHIFT && GetKeyState(VK_SHIFT) < 0) modifiers += kModShift;
  if (virtual_key != VK_MENU && GetKeyState(VK_MENU) < 0) modifiers += kModAlt;
  return modifiers;
}

// The date box reads its text as a date and writes it back in the program's form whenever
// it loses the focus, keeping the caret where the selection began.
void NormaliseOnFocusLoss(HWND box) {
  const std::wstring wide = WindowTextOf(box);
  DWORD selection_start = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selection_start), 0);
  const Text current = Gb18030FromWide(wide);
  std::optional<DateBoxRewrite> rewrite =
      NormaliseDateBox(current, CodePointsBefore(wide, selection_start));
  if (!rewrite) return;  // already in the program's form: no change, no text-changed event
  const std::wstring rewritten = WideFromGb18030(rewrite->text);
  SetWindowTextW(box, rewritten.c_str());
  const auto caret = static_cast<WPARAM>(UnitsBeforeCodePoint(rewritten, rewrite->caret));
  SendMessageW(box, EM_SETSEL, caret, static_cast<LPARAM>(caret));
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

bool AnotherMainWindowExists(HWND window) {
  struct Search {
    HWND self;
    bool found;
  } search{window, false};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        if (candidate != s->self && StateOf(candidate) != nullptr) s->found = true;
        return s->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// --- One handler per message ------------------------------------------------------------

// Takes the state handed over by BuildMainWindow and attaches it to the window.
LRESULT OnNcCreate(HWND window, WPARAM wparam, LPARAM lparam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
  auto* handoff = static_cast<std::unique_ptr<MainWindow>*>(create->lpCreateParams);
  MainWindow* state = handoff->release();
  state->Attach(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  return DefWindowProcW(window, WM_NCCREATE, wparam, lparam);
}

// Remembers the focused control when the window becomes inactive, and puts the focus back
// there (or into 姓名编辑框) when it becomes active again.
LRESULT OnActivate(MainWindow& state, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    state.focus_memory().Deactivated(ControlOf(GetFocus()));
  } else if (HIWORD(wparam) == 0) {  // not minimised
    state.FocusBox(state.focus_memory().Reactivated());
  }
  return 0;
}

// The focus lands on the window itself (after being restored, for one): pass it on.
LRESULT OnSetFocus(MainWindow& state) {
  if (!state.destroying()) state.FocusBox(state.focus_memory().Reactivated());
  return 0;
}

// The title bar keeps its active look while another window is active.
LRESULT OnNcActivate(MainWindow& state, WPARAM wparam, LPARAM lparam) {
  const WPARAM look = IsWindowEnabled(state.window()) ? TRUE : wparam;
  return DefWindowProcW(state.window(), WM_NCACTIVATE, look, lparam);
}

// Notifications from the controls: only the date box's focus loss runs program code.
LRESULT OnCommand(WPARAM wparam, LPARAM lparam) {
  const auto control_window = reinterpret_cast<HWND>(lparam);
  if (HIWORD(wparam) != EN_KILLFOCUS) return 0;
  const std::optional<Control> control = ControlOf(control_window);
  if (control && RecordOf(*control).input_mode == InputMode::Date) {
    NormaliseOnFocusLoss(control_window);
  }
  return 0;
}

// Colours of the controls: input boxes on white, output boxes and labels on the face
// colour, labels' text drawn without a background of its own.
LRESULT OnControlColour(MainWindow& state, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto dc = reinterpret_cast<HDC>(wparam);
  const auto control_window = reinterpret_cast<HWND>(lparam);
  const std::optional<Control> control = ControlOf(control_window);
  if (!control) return DefWindowProcW(state.window(), message, wparam, lparam);
  const ControlRecord& record = RecordOf(*control);
  SetTextColor(dc, ColourRef(record.text_colour));
  if (record.kind == ControlKind::Label) SetBkMode(dc, TRANSPARENT);
  if (record.background.face_colour) {
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
  }
  SetBkColor(dc, ColourRef(record.background.colour));
  return reinterpret_cast<LRESULT>(state.brush(*control));
}

// 时钟1's tick: one countdown refresh.
LRESULT OnTimer(MainWindow& state, WPARAM timer) {
  if (timer == static_cast<WPARAM>(ControlId(Control::时钟1)))
    CountdownRefresh(state, state.clock());
  return 0;
}

// The destruction of the last main window, once the loop runs, ends the loop with 0.
LRESULT OnDestroy(MainWindow& state) {
  state.MarkDestroying();
  if (MessageLoopStarted() && !AnotherMainWindowExists(state.window())) PostQuitMessage(0);
  return 0;
}

LRESULT OnNcDestroy(HWND window, MainWindow* state) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  delete state;
  return DefWindowProcW(window, WM_NCDESTROY, 0, 0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) return OnNcCreate(window, wparam, lparam);
  MainWindow* state = StateOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_ACTIVATE:
      return OnActivate(*state, wparam);
    case WM_SETFOCUS:
      return OnSetFocus(*state);
    case WM_NCACTIVATE:
      return OnNcActivate(*state, wparam, lparam);
    case WM_COMMAND:
      return OnCommand(wparam, lparam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnControlColour(*state, message, wparam, lparam);
    case WM_TIMER:
      return OnTimer(*state, wparam);
    case WM_DESTROY:
      return OnDestroy(*state);
    case WM_NCDESTROY:
      return OnNcDestroy(window, state);
    default:
      // WM_CLOSE included: the window is destroyed at once, with no question.
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

ATOM RegisterMainWindowClass(HINSTANCE instance) {
  if (g_window_class != 0) return g_window_class;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &MainWindowProc;
  window_class.hInstance = instance;
  const auto icon_name = MAKEINTRESOURCEW(kProgramIconResource);
  window_class.hIcon =
      static_cast<HICON>(LoadImageW(instance, icon_name, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                    GetSystemMetrics(SM_CYICON), 0));
  window_class.hIconSm =
      static_cast<HICON>(LoadImageW(instance, icon_name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), 0));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  window_class.lpszClassName = kWindowClassName;
  g_window_class = RegisterClassExW(&window_class);
  return g_window_class;
}

}  // namespace

MainWindowBuild BuildMainWindow(HINSTANCE instance, Clock& clock) {
  if (RegisterMainWindowClass(instance) == 0) return MainWindowBuild{nullptr, 0, GetLastError()};
  const WindowRecord& record = WindowDescription().window;
  const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

  // The window takes the state over in WM_NCCREATE; if it never gets that far, the state
  // is freed here.
  auto handoff = std::make_unique<MainWindow>(clock);
  MainWindow* state = handoff.get();
  const HWND window = CreateWindowExW(WindowExStyle(record), kWindowClassName,
                                      WideFromGb18030(record.caption).c_str(), WindowStyle(record),
                                      origin.x, origin.y, record.outer_width, record.outer_height,
                                      nullptr, nullptr, instance, &handoff);
  if (window == nullptr) return MainWindowBuild{nullptr, 0, GetLastError()};

  if (const int32_t failed = state->CreateControls(instance); failed != 0) {
    const DWORD error = GetLastError();
    DestroyWindow(window);
    return MainWindowBuild{nullptr, failed, error};
  }
  state->StackControls();
  state->ShowControls();
  // The created event: focus into 姓名编辑框 and one refresh, which writes the caption.
  OnWindowCreated(*state, clock);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  UpdateWindow(window);
  return MainWindowBuild{window, 0, 0};
}

WindowPort* PortOf(HWND window) noexcept { return StateOf(window); }

HWND ControlWindow(HWND main_window, Control control) noexcept {
  const MainWindow* state = StateOf(main_window);
  return state != nullptr ? state->control(control) : nullptr;
}

std::optional<Control> ControlOf(HWND child) noexcept {
  if (child == nullptr) return std::nullopt;
  const MainWindow* state = StateOf(GetParent(child));
  if (state == nullptr) return std::nullopt;
  const int id = GetDlgCtrlID(child);
  if (id < 1 || id > static_cast<int>(kControlCount)) return std::nullopt;
  const Control control = kDescriptionOrder[static_cast<std::size_t>(id - 1)];
  if (state->control(control) != child) return std::nullopt;
  return control;
}

bool PreTranslateWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const std::optional<Control> focused = ControlOf(message.hwnd);
  if (!focused) return false;
  const HWND window = GetParent(message.hwnd);
  MainWindow* state = StateOf(window);
  const KeyCode key = FoldKeypad(static_cast<int32_t>(message.wParam));
  switch (KeyDown(*state, *focused, key, ModifiersFor(message.wParam))) {
    case KeyOutcome::Deliver:
      // Even when a handler moved the focus, the key goes to the box it was sent to.
      return false;
    case KeyOutcome::Consumed:
      return true;
    case KeyOutcome::Close:
      SendMessageW(window, WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}

}  // namespace voralind
