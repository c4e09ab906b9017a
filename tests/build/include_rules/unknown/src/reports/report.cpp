#include "station/document.h"
