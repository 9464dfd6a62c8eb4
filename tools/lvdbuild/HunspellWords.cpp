#include "HunspellWords.h"

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "LVErrors.h"

namespace {

// One "SFX flag strip add condition" line.
struct TSuffixRule {
    std::string strip;
    std::string add;
    std::vector<std::string> condition;  // one character class per position
};

// The condition "[^aeiou]y" becomes {"^aeiou", "y"}; "." matches anything.
std::vector<std::string> ParseCondition(const std::string& text) {
    std::vector<std::string> classes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[') {
            size_t close = text.find(']', i);
            if (close == std::string::npos) throw ELVError("Bad hunspell condition: " + text);
            classes.push_back(text.substr(i + 1, close - i - 1));
            i = close;
        } else {
            classes.push_back(std::string(1, text[i]));
        }
    }
    return classes;
}

bool ClassMatches(const std::string& cls, char c) {
    if (cls == ".") return true;
    if (!cls.empty() && cls[0] == '^') return cls.find(c, 1) == std::string::npos;
    return cls.find(c) != std::string::npos;
}

bool ConditionHolds(const std::vector<std::string>& condition, const std::string& stem) {
    if (condition.size() > stem.size()) return false;
    size_t start = stem.size() - condition.size();
    for (size_t i = 0; i < condition.size(); ++i)
        if (!ClassMatches(condition[i], stem[start + i])) return false;
    return true;
}

std::map<char, std::vector<TSuffixRule>> ParseSuffixRules(const std::string& aff) {
    std::map<char, std::vector<TSuffixRule>> rules;
    std::istringstream in(aff);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string tag, flag, strip, add, condition;
        if (!(fields >> tag >> flag >> strip >> add) || tag != "SFX" || flag.size() != 1) continue;
        if (!(fields >> condition)) continue;  // the header "SFX flag cross count"
        TSuffixRule rule;
        rule.strip = strip == "0" ? "" : strip;
        rule.add = add == "0" ? "" : add.substr(0, add.find('/'));
        rule.condition = ParseCondition(condition);
        rules[flag[0]].push_back(rule);
    }
    return rules;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ELVError("Cannot open " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

THunspellWords::THunspellWords(const std::string& aff, const std::string& dic) {
    std::map<char, std::vector<TSuffixRule>> rules = ParseSuffixRules(aff);
    std::istringstream in(dic);
    std::string line;
    std::getline(in, line);  // the entry count
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t slash = line.find('/');
        std::string stem = line.substr(0, slash);
        if (stem.empty()) continue;
        words_.insert(stem);
        if (slash == std::string::npos) continue;
        for (char flag : line.substr(slash + 1)) {
            auto found = rules.find(flag);
            if (found == rules.end()) continue;
            for (const TSuffixRule& rule : found->second) {
                if (!ConditionHolds(rule.condition, stem)) continue;
                if (stem.size() < rule.strip.size() ||
                    stem.compare(stem.size() - rule.strip.size(), rule.strip.size(), rule.strip) != 0)
                    continue;
                words_.insert(stem.substr(0, stem.size() - rule.strip.size()) + rule.add);
            }
        }
    }
}

THunspellWords THunspellWords::FromFiles(const std::string& affPath, const std::string& dicPath) {
    return THunspellWords(ReadFile(affPath), ReadFile(dicPath));
}
