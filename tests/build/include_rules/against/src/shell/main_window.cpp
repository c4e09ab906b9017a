#include "shell/main_window.h"

#include "editors/set_editor.h"
#include "station/document.h"
