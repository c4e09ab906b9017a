// Formatted as .clang-format says.
int sum(int a, int b);
