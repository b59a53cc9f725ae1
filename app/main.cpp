#include <QApplication>

#include "ui/app_setup.h"
#include "ui/window_set.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  rq51::WindowSet windows;
  windows.ShowMainWindow();
  return application.exec();
}
