// Reads one element past the end of a heap array on purpose: AddressSanitizer
// must report it.

#include <cstdio>
#include <memory>

int main(int argc, char**) {
    const auto values = std::make_unique<int[]>(4);
    // argc is 1: the index is 4, which the compiler cannot see at build time.
    std::printf("%d\n", values[static_cast<std::size_t>(argc + 3)]);
    return 0;
}
