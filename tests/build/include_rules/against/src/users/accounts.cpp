#include "users/accounts.h"

const int kSizes[] = {8, 64}; // [first, last)
#include "users/windows/login_window.h"
