// Loses a heap block on purpose: LeakSanitizer must report it.

#include <cstdlib>

namespace {

void* volatile kept = nullptr;

[[gnu::noinline]] void loseABlock() {
    kept = std::malloc(64);
    kept = nullptr;
}

} // namespace

int main() {
    loseABlock();
    return 0;
}
