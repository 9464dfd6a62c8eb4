#include "Options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "LVTables.h"
#include "NormaliseKey.h"

const char* const kUsage =
    "usage: lexivar [options] WORD...\n"
    "  --roots-only       show related words in their base forms\n"
    "  --pos P            lists for one part of speech: noun, verb, adjective, adverb\n"
    "  --sense N          lists for the N-th definition, counted over all headings\n"
    "  --relation NAME    print only this list (Synonyms, Antonyms, \"Type of\", ...)\n"
    "  --db PATH          database file (else $LEXIVAR_DB, else lxvr17.lvd of the build)\n"
    "  --json             one JSON object instead of text\n"
    "exit status: 0 found, 1 not found, 2 error\n";

namespace {

// Names match when their keys do: "type-of", "TypeOf" and "Type of" agree.
int IndexOfName(const std::string& name, const char* (*nameOf)(int), int count) {
    std::string key = NormaliseKey(name);
    if (key.empty()) return -1;
    for (int i = 0; i < count; ++i)
        if (NormaliseKey(nameOf(i)) == key) return i;
    return -1;
}

int ParsePartOfSpeech(const std::string& value) {
    // Only the four parts of speech the window has buttons for can filter.
    int pos = IndexOfName(value, PartOfSpeechName, 4);
    if (pos < 0) throw TUsageError("--pos takes noun, verb, adjective or adverb, not \"" + value + "\"");
    return pos;
}

int ParseRelation(const std::string& value) {
    int relation = IndexOfName(value, RelationKindName, kSynonymsKind + 1);
    if (relation < 0) throw TUsageError("unknown relation \"" + value + "\"");
    return relation;
}

int ParseSense(const std::string& value) {
    errno = 0;
    char* end = nullptr;
    long n = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || errno == ERANGE || n < 1 || n > INT_MAX)
        throw TUsageError("--sense takes a positive number, not \"" + value + "\"");
    return static_cast<int>(n);
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

TLookupOptions ParseOptions(const std::vector<std::string>& args) {
    TLookupOptions options;
    std::string words;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (arg == "-h") {
                options.help = true;
                continue;
            }
            if (!words.empty()) words += ' ';
            words += arg;
            continue;
        }
        std::string name = arg, value;
        bool hasValue = false;
        size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (hasValue) return value;
            if (i + 1 >= args.size()) throw TUsageError(name + " needs a value");
            return args[++i];
        };
        auto noValue = [&]() {
            if (hasValue) throw TUsageError(name + " takes no value");
        };
        if (name == "--") {
            noValue();
            optionsEnded = true;
        } else if (name == "--roots-only") {
            noValue();
            options.rootsOnly = true;
        } else if (name == "--json") {
            noValue();
            options.json = true;
        } else if (name == "--help") {
            noValue();
            options.help = true;
        } else if (name == "--pos") {
            options.partOfSpeech = ParsePartOfSpeech(takeValue());
        } else if (name == "--sense") {
            options.sense = ParseSense(takeValue());
        } else if (name == "--relation") {
            options.relation = ParseRelation(takeValue());
        } else if (name == "--db") {
            options.databasePath = takeValue();
            if (options.databasePath.empty()) throw TUsageError("--db needs a path");
        } else {
            throw TUsageError("unknown option " + name);
        }
    }
    options.word = TrimBlanks(words);
    if (options.word.empty() && !options.help) throw TUsageError("no word given");
    return options;
}
