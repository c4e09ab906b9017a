// Overflows a signed integer on purpose: UndefinedBehaviorSanitizer must
// report it.

#include <climits>
#include <cstdio>

int main(int argc, char**) {
    const int largest = INT_MAX - 1 + argc;
    std::printf("%d\n", largest + argc);
    return 0;
}
