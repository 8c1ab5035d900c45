#include "window/window_description.h"

namespace voralind {
namespace {

// Names and texts are GBK; the characters are in the comments.
constexpr char kKaiFace[] = "\xBF\xAC\xCC\xE5";  // 楷体

// clang-format off
constexpr char kAgeBoxName[] = "\xCD\xCB\xD0\xDD\xC4\xEA\xC1\xE4\xB1\xE0\xBC\xAD\xBF\xF2";  // 退休年龄编辑框
constexpr char kLabel3Name[] = "\xB1\xEA\xC7\xA9" "3";  // 标签3
constexpr char kBirthBoxName[] = "\xB3\xF6\xC9\xFA\xC8\xD5\xC6\xDA\xB1\xE0\xBC\xAD\xBF\xF2";  // 出生日期编辑框
constexpr char kLabel2Name[] = "\xB1\xEA\xC7\xA9" "2";  // 标签2
constexpr char kNameBoxName[] = "\xD0\xD5\xC3\xFB\xB1\xE0\xBC\xAD\xBF\xF2";  // 姓名编辑框
constexpr char kLabel1Name[] = "\xB1\xEA\xC7\xA9" "1";  // 标签1
constexpr char kTodayBoxName[] = "\xBD\xF1\xCC\xEC\xCA\xB1\xBC\xE4\xB1\xE0\xBC\xAD\xBF\xF2";  // 今天时间编辑框
constexpr char kReportBoxName[] = "\xD7\xDC\xCD\xCB\xD0\xDD\xCA\xB1\xBC\xE4\xB1\xE0\xBC\xAD\xBF\xF2";  // 总退休时间编辑框
constexpr char kGreetingBoxName[] = "\xC3\xFB\xB3\xC6\xB1\xE0\xBC\xAD\xBF\xF2";  // 名称编辑框
constexpr char kTimerName[] = "\xCA\xB1\xD6\xD3" "1";  // 时钟1

constexpr char kLabel3Text[] = "\xCD\xCB\xD0\xDD\xC4\xEA\xC1\xE4\xA3\xBA";  // 退休年龄：
constexpr char kLabel2Text[] = "\xB3\xF6\xC9\xFA\xC4\xEA\xD4\xC2\xC8\xD5\xA3\xBA";  // 出生年月日：
constexpr char kLabel1Text[] = "\xD0\xD5\xC3\xFB\xA3\xBA";  // 姓名：
// clang-format on

constexpr int32_t kBold = 700;
constexpr FontRequest kSmallFont{kKaiFace, 32, kBold};
constexpr FontRequest kLargeFont{kKaiFace, 48, kBold};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Background kFace{true, {}};
constexpr Background kWhiteBackground{false, kWhite};

// clang-format off
// One-line input box: sunken edge, white, left-aligned, scrolls sideways.
constexpr ControlRecord InputBox(Control id, const char* name, int32_t left, int32_t width,
                                 InputMode mode) {
  return ControlRecord{.id = id, .name = name, .kind = ControlKind::EditBox,
                       .left = left, .top = 0, .width = width, .height = 60,
                       .visible = true, .enabled = true, .tab_stop = true, .tab_order_key = 0,
                       .text = "", .font = kSmallFont, .input_mode = mode,
                       .multi_line = false, .auto_scroll = true, .alignment = Alignment::Left,
                       .border = Border::Sunken, .background = kWhiteBackground,
                       .text_colour = kBlack, .hide_selection = true, .interval_ms = 0};
}

// Read-only output box: several centred lines, no edge, face colour, large font.
constexpr ControlRecord OutputBox(Control id, const char* name, int32_t left, int32_t top,
                                  int32_t width, int32_t height) {
  return ControlRecord{.id = id, .name = name, .kind = ControlKind::EditBox,
                       .left = left, .top = top, .width = width, .height = height,
                       .visible = true, .enabled = true, .tab_stop = false, .tab_order_key = 0,
                       .text = "", .font = kLargeFont, .input_mode = InputMode::ReadOnly,
                       .multi_line = true, .auto_scroll = false, .alignment = Alignment::Centre,
                       .border = Border::None, .background = kFace,
                       .text_colour = kBlack, .hide_selection = true, .interval_ms = 0};
}

// Label: one left-aligned line on the face colour (drawn vertically centred by the shells).
constexpr ControlRecord Label(Control id, const char* name, int32_t left, int32_t width,
                              int32_t height, const char* text) {
  return ControlRecord{.id = id, .name = name, .kind = ControlKind::Label,
                       .left = left, .top = 0, .width = width, .height = height,
                       .visible = true, .enabled = true, .tab_stop = false, .tab_order_key = 0,
                       .text = text, .font = kSmallFont, .input_mode = InputMode::None,
                       .multi_line = false, .auto_scroll = false, .alignment = Alignment::Left,
                       .border = Border::None, .background = kFace,
                       .text_colour = kBlack, .hide_selection = false, .interval_ms = 0};
}

// The timer has a place in the table but never shows.
constexpr ControlRecord Timer(Control id, const char* name, int32_t interval_ms) {
  return ControlRecord{.id = id, .name = name, .kind = ControlKind::Timer,
                       .left = 1008, .top = 0, .width = 26, .height = 26,
                       .visible = false, .enabled = true, .tab_stop = false, .tab_order_key = 0,
                       .text = nullptr, .font = FontRequest{}, .input_mode = InputMode::None,
                       .multi_line = false, .auto_scroll = false, .alignment = Alignment::Left,
                       .border = Border::None, .background = kFace,
                       .text_colour = kBlack, .hide_selection = false,
                       .interval_ms = interval_ms};
}

// clang-format on

constexpr WindowDescriptionData kDescription{
    WindowRecord{
        .caption = "",
        .outer_width = 1056,
        .outer_height = 466,
        .stored_left = 50,
        .stored_top = 50,
        .fixed_frame = true,
        .tool_window = true,
        .minimise_box = true,
        .maximise_box = false,
        .top_most = true,
        .keep_active_look = true,
        .background = kFace,
        .esc_closes = true,
        .icon_sizes = {16, 32, 48},
    },
    {
        InputBox(Control::退休年龄编辑框, kAgeBoxName, 792, 88, InputMode::Normal),
        Label(Control::标签3, kLabel3Name, 640, 152, 60, kLabel3Text),
        InputBox(Control::出生日期编辑框, kBirthBoxName, 402, 238, InputMode::Date),
        Label(Control::标签2, kLabel2Name, 223, 185, 60, kLabel2Text),
        InputBox(Control::姓名编辑框, kNameBoxName, 88, 136, InputMode::Normal),
        Label(Control::标签1, kLabel1Name, 0, 88, 64, kLabel1Text),
        OutputBox(Control::今天时间编辑框, kTodayBoxName, 656, 232, 400, 208),
        OutputBox(Control::总退休时间编辑框, kReportBoxName, 0, 136, 752, 304),
        OutputBox(Control::名称编辑框, kGreetingBoxName, 0, 70, 952, 70),
        Timer(Control::时钟1, kTimerName, 1000),
    },
};

// Every record sits at the index of its own control, so RecordOf is a plain lookup.
constexpr bool RecordsInDescriptionOrder() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kDescription.controls[i].id != kDescriptionOrder[i]) return false;
    if (IndexOf(kDescriptionOrder[i]) != i) return false;
  }
  return true;
}
static_assert(RecordsInDescriptionOrder());

}  // namespace

const WindowDescriptionData& WindowDescription() noexcept { return kDescription; }

const ControlRecord& RecordOf(Control control) noexcept {
  return kDescription.controls[IndexOf(control)];
}

Point CentredOrigin(int32_t screen_width, int32_t screen_height) noexcept {
  const WindowRecord& window = kDescription.window;
  // C++ integer division truncates toward zero, as the placement asks, also for a screen
  // smaller than the window (a negative origin). 64 bits keep extreme sizes from wrapping.
  const auto left = (static_cast<int64_t>(screen_width) - window.outer_width) / 2;
  const auto top = (static_cast<int64_t>(screen_height) - window.outer_height) / 2;
  return Point{static_cast<int32_t>(left), static_cast<int32_t>(top)};
}

}  // namespace voralind
