// Command line of the terminal lookup.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A command line that cannot be run; the message says why.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TLookupOptions {
    std::string word;          // the words given, joined by spaces and trimmed
    bool rootsOnly = false;    // MatchSpeechPart off
    int partOfSpeech = -1;     // 0-3 to filter the lists, -1 for all
    int sense = 0;             // 1-based position among all senses, 0 for none
    int relation = -1;         // 0-12 to print that one list, -1 for every list
    std::string databasePath;  // empty: located as usual
    bool json = false;
    bool help = false;
};

extern const char* const kUsage;

// args excludes the program name. Raises TUsageError.
TLookupOptions ParseOptions(const std::vector<std::string>& args);

// Leading and trailing bytes up to the space, as the window trims its text.
std::string TrimBlanks(const std::string& text);
