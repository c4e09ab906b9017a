#include "platform/qt/windows1252.h"
#include "shell/main_window.h"
