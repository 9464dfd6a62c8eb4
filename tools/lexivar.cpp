// Terminal lookup: prints what the lookup window shows for a word.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "DatabasePath.h"
#include "LexivarMain.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunLexivar(args, ExecutablePath(argc > 0 ? argv[0] : "lexivar"),
                      std::getenv("LEXIVAR_DB"), std::cout, std::cerr);
}
