#include "tidy.h"

// Crowded on one line, which clang-format would spread out.
int sum(int a,int b){return a+b;}
