#include "pty.h"
