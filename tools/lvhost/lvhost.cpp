// lvhost [--db FILE] [--seconds N] [WORD...]: shows the base lookup window
// modally over the database, looking WORD up first. FILE defaults to
// $LEXIVAR_DB, then to lxvr17.lvd beside the program. With --seconds the
// window closes itself after N seconds (scripted screenshots). After an OK
// result (the Copy button) the chosen word is printed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "LVDatabase.h"
#include "LVWindow.h"

namespace {

const char kDefaultDatabase[] = "lxvr17.lvd";
const UINT_PTR kCloseTimer = 1;

struct TOptions {
    std::string database;
    std::string word;
    int seconds = 0;
};

int Usage() {
    std::fprintf(stderr, "usage: lvhost [--db FILE] [--seconds N] [WORD...]\n");
    return 2;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--db" || arg == "--seconds") && i + 1 < argc) {
            std::string value = argv[++i];
            if (arg == "--db") {
                options.database = value;
            } else {
                char* end = nullptr;
                long seconds = std::strtol(value.c_str(), &end, 10);
                if (*end != '\0' || seconds <= 0 || seconds > 3600) return false;
                options.seconds = static_cast<int>(seconds);
            }
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            options.word += (options.word.empty() ? "" : " ") + arg;
        }
    }
    if (options.database.empty()) {
        const char* env = std::getenv("LEXIVAR_DB");
        options.database = env && *env ? env : ProgramFolder() + kDefaultDatabase;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    try {
        TLVDatabase database;
        database.SetFileName(options.database);
        // Opening once up front turns a missing file into one clear message.
        database.LookupWord("");
        TLVForm form;
        form.Database = &database;
        if (!options.word.empty()) form.SetWord(options.word);
        if (options.seconds > 0) {
            form.OnMessage(WM_TIMER, [&form](WPARAM, LPARAM) {
                form.CloseButtonClick();
                return LRESULT(0);
            });
            SetTimer(form.Handle(), kCloseTimer, static_cast<UINT>(options.seconds) * 1000, nullptr);
        }
        if (form.ShowModal() == mrOk) {
            std::string word;
            form.GetChosenWord(word);
            std::printf("%s\n", word.c_str());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lvhost: %s\n", error.what());
        return 1;
    }
    return 0;
}
