#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <new>

#include "app/floating_point.h"
#include "app/program_start.h"
#include "countdown/clock.h"
#include "text/fatal_error.h"
#include "window/qt/box_text.h"
#include "window/qt/main_window.h"

namespace voralind {
namespace {

// The fatal-error box: modal, owned by no window, the error icon and one OK button.
void ShowFatalErrorBox(const char* box_text) {
  QMessageBox box(QMessageBox::Critical, ToQString(kFatalErrorCaption),
                  FromCrLf(ToQString(box_text)), QMessageBox::Ok, nullptr);
  box.exec();
}

}  // namespace

int ProgramStart() {
  // The program takes no command line: Qt sees only the program's name.
  int argc = 1;
  char name[] = "voralind";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  SetFatalErrorPresenter(&ShowFatalErrorBox);

  ResetFloatingPointEnvironment();

  // A tool window does not end the application when it closes; the destruction of the
  // main window does, once the loop runs.
  application.setQuitOnLastWindowClosed(false);
  bool loop_running = false;
  SystemClock clock;
  QPointer<MainWindow> window;
  if (!BoxTextCodecAvailable()) ReportFatalError(kWindowLoadFailedMessage);
  try {
    window = new MainWindow(clock);
  } catch (const std::bad_alloc&) {
    ReportFatalError(kWindowLoadFailedMessage);
  }
  QObject::connect(window, &QObject::destroyed, &application, [&loop_running] {
    if (loop_running) QCoreApplication::exit(0);
  });
  window->show();
  window->activateWindow();

  loop_running = true;
  if (!window.isNull()) QApplication::exec();
  return 0;
}

}  // namespace voralind
