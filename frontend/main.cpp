// The front end: the dialogs that build the job list and run it.
#include <cstdio>

int main() {
    std::fprintf(stderr, "pellard: the dialogs are not built yet\n");
    return 1;
}
