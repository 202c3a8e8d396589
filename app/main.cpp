// Keelbox: the application's entry point.
#include <cstdio>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::puts("Keelbox: the application shell is not assembled yet; the engine is built and tested by scripts/test.");
    return 0;
}
