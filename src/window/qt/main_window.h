// The program's one window on Qt: built from the window description, it translates Qt's
// events into the program's (keys, focus loss, the timer, activation, close) and offers
// the four window operations to the rest of the program.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "countdown/clock.h"
#include "window/controls.h"
#include "window/navigation.h"
#include "window/window_port.h"

namespace voralind {

class MainWindow final : public QWidget, public WindowPort {
 public:
  // Builds the window and its controls, not yet shown, centred on the primary screen, and
  // raises the created event, so the caption is written and the focus is in 姓名编辑框
  // before the window is first shown. `clock` must outlive the window.
  explicit MainWindow(Clock& clock);
  ~MainWindow() override;

  // The widget of a control; nullptr for the timer, which has none.
  QWidget* widget(Control control) const { return widgets_[IndexOf(control)]; }
  const QTimer& timer() const { return timer_; }

  Text ReadBoxText(Control box) override;
  void WriteBoxText(Control box, TextRef text) override;
  void WriteCaption(TextRef text) override;
  void FocusBox(Control box) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControl(Control control);
  std::optional<Control> ControlOf(const QObject* object) const;
  bool OnKeyPress(Control control, const QKeyEvent& key);
  void OnFocusOut(Control control);
  void OnFocusIn(Control control);
  void FitOuterFrame();

  Clock& clock_;
  QTimer timer_;
  std::array<QWidget*, kControlCount> widgets_{};
  FocusMemory focus_memory_;
  QMargins fitted_margins_{-1, -1, -1, -1};
  bool tearing_down_ = false;
  bool settling_ = false;  // the window manager may still be decorating the window
};

}  // namespace voralind
