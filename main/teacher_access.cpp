#include "main/main_window.h"

namespace velmora::main {

void MainWindow::connectTeacher() {}

} // namespace velmora::main
