#include <cstdio>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::fprintf(stderr, "lexivar: lookups need the database engine, which is not built yet\n");
    return 2;
}
