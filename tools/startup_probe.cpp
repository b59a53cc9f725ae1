// rq51-startup-probe: starts the program as rq51 does and, when the first
// paint of the main window is finished, prints the wall-clock time, the
// processor time and the number of widgets, then quits. The six other
// windows are not made by then, as in rq51. tools/measure-startup.sh turns
// this into start-up times.

#include <QApplication>

#include "tools/startup_timing.h"
#include "ui/app_setup.h"
#include "ui/window_set.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  rq51::WindowSet windows;
  rq51::FirstPaintReporter reporter;
  windows.main_window()->installEventFilter(&reporter);
  windows.ShowMainWindow();
  return application.exec();
}
