// The words a hunspell dictionary accepts through its suffix rules: the stems
// of the .dic file and every form their suffix flags make. Used to check the
// forms the morphology lists claim (-er/-est adjectives, doubling verbs,
// regular pasts beside irregular ones).
#pragma once

#include <string>
#include <unordered_set>

class THunspellWords {
public:
    // aff and dic are the texts of the two files. Prefixes are not applied:
    // no form the lists need starts with one.
    THunspellWords(const std::string& aff, const std::string& dic);
    static THunspellWords FromFiles(const std::string& affPath, const std::string& dicPath);

    bool Has(const std::string& word) const { return words_.count(word) != 0; }
    size_t Size() const { return words_.size(); }

private:
    std::unordered_set<std::string> words_;
};
