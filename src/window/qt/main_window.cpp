#include "window/qt/main_window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "countdown/countdown.h"
#include "window/date_box.h"
#include "window/qt/box_text.h"
#include "window/qt/kai_font.h"
#include "window/qt/virtual_keys.h"
#include "window/window_description.h"

namespace voralind {
namespace {

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QColor FaceColour() { return QApplication::palette().color(QPalette::Window); }

QColor BackgroundOf(const ControlRecord& record) {
  return record.background.face_colour ? FaceColour() : ToQColor(record.background.colour);
}

// A box's selection is hidden while it has no focus: the selection colours are those of
// the plain text until the box takes the focus again. The selection itself is kept.
void ShowSelection(QWidget& box, const ControlRecord& record, bool shown) {
  QPalette palette = box.palette();
  const QPalette standard = QApplication::palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight,
                     shown ? standard.color(group, QPalette::Highlight) : BackgroundOf(record));
    palette.setColor(
        group, QPalette::HighlightedText,
        shown ? standard.color(group, QPalette::HighlightedText) : ToQColor(record.text_colour));
  }
  box.setPalette(palette);
}

void Paint(QWidget& widget, const ControlRecord& record, QPalette::ColorRole background_role) {
  QPalette palette = widget.palette();
  palette.setColor(background_role, BackgroundOf(record));
  palette.setColor(QPalette::Window, BackgroundOf(record));
  palette.setColor(QPalette::Text, ToQColor(record.text_colour));
  palette.setColor(QPalette::WindowText, ToQColor(record.text_colour));
  widget.setPalette(palette);
}

// Characters (code points) before UTF-16 position `index`: the caret rule counts
// characters, and a character beyond the basic plane takes two QString positions.
int32_t CharactersBefore(const QString& text, qsizetype index) {
  return static_cast<int32_t>(text.left(index).toUcs4().size());
}

// Fills a box of several lines. Each line is as high as the font's em height, the height
// the text was laid out for: Kai faces with generous line gaps would otherwise push the
// report's last line out of its box.
//
// The timer rewrites the output boxes every second, mostly with the text they already
// show. A rewrite leaves the caret at the start with nothing selected; when the box
// already shows that text in that state, writing it again would change nothing on screen
// and only lay out and repaint the whole box, so it is skipped.
//
// The document lays itself out after every edit, so the new text goes in as one edit that
// already carries the line height: replacing the whole document and then fixing the
// height of its lines would lay the box out once for the emptied document, once for the
// text and once more for the height. Each line break starts a block with the format of the
// block it breaks, so every line takes the height set on the first. The boxes keep no undo
// history, so nothing of the old text is kept from one write to the next.
void SetLines(QTextEdit& box, const QString& text, int32_t line_height) {
  const QTextCursor caret = box.textCursor();
  if (caret.position() == 0 && !caret.hasSelection() && box.toPlainText() == text) return;
  QTextDocument& document = *box.document();
  QTextBlockFormat format;
  format.setLineHeight(line_height, QTextBlockFormat::FixedHeight);
  QTextCursor edit(&document);
  edit.beginEditBlock();
  edit.select(QTextCursor::Document);
  edit.removeSelectedText();
  edit.setBlockFormat(format);
  edit.setCharFormat(QTextCharFormat());
  edit.insertText(text);
  edit.endEditBlock();
  // The box's own caret was carried along to the end of the inserted text.
  box.setTextCursor(QTextCursor(&document));
}

// The program's icon from its PNG resources. The reader is told the format and not to
// guess it, so it decodes with the built-in PNG reader instead of loading every image
// format plugin to ask whether one of them would rather read the file.
QIcon ProgramIcon(const WindowRecord& window) {
  QIcon icon;
  for (const int32_t size : window.icon_sizes) {
    QImageReader reader(QStringLiteral(":/voralind/voralind-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

MainWindow::MainWindow(Clock& clock) : QWidget(nullptr), clock_(clock), timer_(this) {
  const WindowDescriptionData& description = WindowDescription();
  const WindowRecord& window = description.window;

  // Flags go in before the window is first shown: changing them later re-creates it.
  Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window.minimise_box) flags |= Qt::WindowMinimizeButtonHint;
  if (window.maximise_box) flags |= Qt::WindowMaximizeButtonHint;
  if (window.top_most) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ToQString(window.caption));
  setAccessibleName(QStringLiteral("Voralind"));
  setWindowIcon(ProgramIcon(window));
  setAutoFillBackground(true);

  // The outer size includes the frame, which on some window systems is known only once the
  // window has been decorated; until then the client area takes the whole size.
  setFixedSize(window.outer_width, window.outer_height);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screen_size = screen != nullptr ? screen->geometry().size() : QSize(1056, 466);
  const Point origin = CentredOrigin(screen_size.width(), screen_size.height());
  move(origin.x, origin.y);  // the frame's top-left corner

  // The last control first, then stacked so that the first lies on top.
  for (std::size_t i = kControlCount; i-- > 0;) BuildControl(kDescriptionOrder[i]);
  for (std::size_t i = kControlCount; i-- > 0;) {
    if (QWidget* control = widgets_[i]) control->raise();
  }
  for (const ControlRecord& record : description.controls) {
    if (QWidget* control = widgets_[IndexOf(record.id)]) control->setVisible(record.visible);
  }

  OnWindowCreated(*this, clock_);
}

MainWindow::~MainWindow() {
  // The boxes lose the focus while they are torn down; none of that is the user's doing.
  tearing_down_ = true;
  for (QWidget* control : widgets_) {
    if (control != nullptr) control->removeEventFilter(this);
  }
}

void MainWindow::BuildControl(Control control) {
  const ControlRecord& record = RecordOf(control);
  const QString name = ToQString(record.name);
  if (record.kind == ControlKind::Timer) {
    // Qt never queues a second expiry of a timer while one is waiting, so ticks missed in
    // a long pause are not made up.
    timer_.setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(record.interval_ms);
    connect(&timer_, &QTimer::timeout, this, [this] { CountdownRefresh(*this, clock_); });
    if (record.interval_ms > 0) timer_.start();
    return;
  }

  QWidget* widget = nullptr;
  if (record.kind == ControlKind::Label) {
    auto* label = new QLabel(ToQString(record.text), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    Paint(*label, record, QPalette::Window);
    widget = label;
  } else if (record.multi_line) {
    auto* box = new QTextEdit(this);
    box->setReadOnly(record.input_mode == InputMode::ReadOnly);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAcceptRichText(false);
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(record.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->document()->setDefaultTextOption(option);
    box->document()->setDocumentMargin(0);
    box->setFocusPolicy(record.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
    Paint(*box, record, QPalette::Base);
    box->viewport()->setAutoFillBackground(true);
    box->setUndoRedoEnabled(false);
    SetLines(*box, FromCrLf(ToQString(record.text)), record.font.pixel_height);
    widget = box;
  } else {
    auto* box = new QLineEdit(ToQString(record.text), this);
    box->setAlignment(record.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    box->setFrame(record.border == Border::Sunken);
    box->setReadOnly(record.input_mode == InputMode::ReadOnly);
    box->setFocusPolicy(record.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
    Paint(*box, record, QPalette::Base);
    widget = box;
  }
  widget->setObjectName(name);
  widget->setAccessibleName(name);
  widget->setFont(FontFor(record.font));
  widget->setGeometry(record.left, record.top, record.width, record.height);
  widget->setEnabled(record.enabled);
  if (record.hide_selection) ShowSelection(*widget, record, false);
  widget->installEventFilter(this);
  widgets_[IndexOf(control)] = widget;
}

std::optional<Control> MainWindow::ControlOf(const QObject* object) const {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (object != nullptr && widgets_[i] == object) return kDescriptionOrder[i];
  }
  return std::nullopt;
}

Text MainWindow::ReadBoxText(Control box) {
  if (const auto* line = qobject_cast<const QLineEdit*>(widget(box))) return ToText(line->text());
  if (const auto* lines = qobject_cast<const QTextEdit*>(widget(box))) {
    return ToText(ToCrLf(lines->toPlainText()));
  }
  return Text();
}

void MainWindow::WriteBoxText(Control box, TextRef text) {
  if (auto* line = qobject_cast<QLineEdit*>(widget(box))) {
    line->setText(ToQString(text));
  } else if (auto* lines = qobject_cast<QTextEdit*>(widget(box))) {
    SetLines(*lines, FromCrLf(ToQString(text)), RecordOf(box).font.pixel_height);
  }
}

void MainWindow::WriteCaption(TextRef text) { setWindowTitle(ToQString(text)); }

void MainWindow::FocusBox(Control box) {
  // Qt sends the losing box its focus-out event, and with it the date box's rewrite,
  // before setFocus returns.
  if (QWidget* target = widget(box)) target->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const std::optional<Control> control = ControlOf(watched);
  if (!control || tearing_down_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      return OnKeyPress(*control, *static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
      // A context menu of the box itself takes no focus from it.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) OnFocusOut(*control);
      break;
    case QEvent::FocusIn:
      OnFocusIn(*control);
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::OnKeyPress(Control control, const QKeyEvent& key) {
  const KeyCode code = FoldKeypad(VirtualKeyOf(key));
  switch (KeyDown(*this, control, code, ModifierStateOf(key))) {
    case KeyOutcome::Consumed:
      return true;
    case KeyOutcome::Close:
      close();
      return true;
    case KeyOutcome::Deliver:
      // Qt goes on delivering the key to the box it was sent to, even when the handler
      // has just moved the focus away from it.
      return false;
  }
  return false;
}

void MainWindow::OnFocusOut(Control control) {
  const ControlRecord& record = RecordOf(control);
  if (record.hide_selection) ShowSelection(*widget(control), record, false);
  if (record.input_mode != InputMode::Date) return;
  auto* box = qobject_cast<QLineEdit*>(widget(control));
  if (box == nullptr) return;

  const QString typed = box->text();
  const qsizetype selection_start =
      box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
  const Text current = ToText(typed);
  std::optional<DateBoxRewrite> rewrite =
      NormaliseDateBox(current, CharactersBefore(typed, selection_start));
  if (!rewrite) return;
  // setText puts the caret at the end; the rewritten text has no character beyond the
  // basic plane, so its characters and QString positions agree.
  box->setText(ToQString(rewrite->text));
  box->setCursorPosition(rewrite->caret);
}

void MainWindow::OnFocusIn(Control control) {
  const ControlRecord& record = RecordOf(control);
  if (record.hide_selection) ShowSelection(*widget(control), record, true);
}

bool MainWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowDeactivate:
      focus_memory_.Deactivated(ControlOf(focusWidget()));
      break;
    case QEvent::WindowActivate: {
      const bool handled = QWidget::event(event);
      FocusBox(focus_memory_.Reactivated());
      return handled;
    }
    case QEvent::Move:
    case QEvent::Resize:
      FitOuterFrame();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Window managers decorate the window a moment after it is mapped, and may place it
  // again when its size changes: keep it centred until the decoration has settled.
  settling_ = true;
  FitOuterFrame();
  for (const int delay_ms : {50, 250}) {
    QTimer::singleShot(delay_ms, this, &MainWindow::FitOuterFrame);
  }
  QTimer::singleShot(1000, this, [this] {
    FitOuterFrame();
    settling_ = false;
  });
}

void MainWindow::FitOuterFrame() {
  if (!isVisible()) return;
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screen_size = screen != nullptr ? screen->geometry().size() : QSize(1056, 466);
  const Point origin = CentredOrigin(screen_size.width(), screen_size.height());
  if (margins != fitted_margins_) {
    fitted_margins_ = margins;
    const WindowRecord& window = WindowDescription().window;
    setFixedSize(window.outer_width - margins.left() - margins.right(),
                 window.outer_height - margins.top() - margins.bottom());
    move(origin.x, origin.y);
  } else if (settling_ && frame.topLeft() != QPoint(origin.x, origin.y)) {
    // Only while settling: afterwards the user may move the window by its title bar.
    move(origin.x, origin.y);
  }
}

}  // namespace voralind
