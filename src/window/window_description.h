// The description of the main window: one record for the window and one per control.
// The shells build the window from this table and nothing else.
#pragma once

#include <array>
#include <cstdint>

#include "window/controls.h"

namespace voralind {

enum class ControlKind { Label, EditBox, Timer };

// How an edit box takes input.
enum class InputMode {
  None,      // not an edit box
  Normal,    // any text may be typed
  Date,      // any text may be typed; NormaliseDateBox runs when the box loses the focus
  ReadOnly,  // the user can select and copy, not change
};

enum class Alignment { Left, Centre };
enum class Border { None, Sunken };

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A background is either a fixed colour or the platform's dialog-face colour.
struct Background {
  bool face_colour = false;
  Rgb colour;  // used when !face_colour
};

struct FontRequest {
  const char* face = nullptr;  // GBK, "楷体"
  int32_t pixel_height = 0;    // em height, internal leading excluded
  int32_t weight = 0;          // 700 = bold
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
};

struct ControlRecord {
  Control id;
  const char* name;  // GBK, unique within the window
  ControlKind kind;
  int32_t left, top, width, height;  // pixels, from the client area's top-left corner
  bool visible;
  bool enabled;
  bool tab_stop;
  int32_t tab_order_key;
  const char* text;  // text at start (GBK), nullptr for none
  FontRequest font;
  // Edit boxes and labels:
  InputMode input_mode;
  bool multi_line;         // CR LF starts a new line, long lines wrap, no scroll bars
  bool auto_scroll;        // one line that scrolls sideways when the caret passes the edge
  Alignment alignment;
  Border border;
  Background background;
  Rgb text_colour;
  bool hide_selection;     // selection hidden while the box has no focus
  // Timers:
  int32_t interval_ms;
};

struct WindowRecord {
  const char* caption;               // empty: CountdownRefresh writes it before first show
  int32_t outer_width, outer_height; // frame and title bar included
  int32_t stored_left, stored_top;   // kept in the description, not used: see CentredOrigin
  bool fixed_frame;
  bool tool_window;                  // small title bar with system menu and close button
  bool minimise_box, maximise_box;
  bool top_most;
  bool keep_active_look;             // title bar keeps its active look while inactive
  Background background;
  bool esc_closes;
  std::array<int32_t, 3> icon_sizes;  // pixels
};

struct WindowDescriptionData {
  WindowRecord window;
  std::array<ControlRecord, kControlCount> controls;  // description order
};

// The one description of the program's window.
const WindowDescriptionData& WindowDescription() noexcept;

// The record of one control.
const ControlRecord& RecordOf(Control control) noexcept;

// Where the window's outer top-left corner goes: centred on a screen of the given size,
// each quotient cut toward zero. Example: 1920 x 1080 -> (432, 307).
struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
Point CentredOrigin(int32_t screen_width, int32_t screen_height) noexcept;

}  // namespace voralind
