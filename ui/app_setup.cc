#include "ui/app_setup.h"

#include <QApplication>

namespace rq51 {

void SetUpApplicationFont() { QApplication::setFont(WindowFont()); }

}  // namespace rq51
