// Program code sees the framework's headers only: the framework links Qt
// privately, so Qt's include directories never reach the program's library.
// Expected error: QWidget.*(No such file or directory|file not found)
#include "framework/runtime/Ref.h"

#include <QWidget>

void show(QWidget* widget) { widget->show(); }
