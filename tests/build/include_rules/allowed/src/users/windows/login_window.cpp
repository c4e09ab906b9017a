#include "users/windows/login_window.h"

#include "users/accounts.h"
#include "widgets/twips.h"
