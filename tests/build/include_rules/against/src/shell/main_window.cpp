#include "shell/main_window.h"
#include "station/document.h"
#include "editors/set_editor.h"
