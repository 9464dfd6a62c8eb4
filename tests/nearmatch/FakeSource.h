// A database stand-in for the near-match search: a few words with their parts
// of speech, and a record of every question asked, so that tests can check
// what was looked up and how often.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "MorphText.h"
#include "NearMatch.h"
#include "WordMorpher.h"

class TFakeSource : public TNearMatchSource {
public:
    // words: word -> parts of speech (bit p); keys are compared lower-cased,
    // as the real index compares keys.
    explicit TFakeSource(std::map<std::string, uint8_t> words)
        : words_(std::move(words)),
          morpher_("", "\rBUY,BOUGHT,,BUYING,BUYS\r", "", "\rHAPPI\r", "\rSTOP\r") {}

    void Open() override {
        ++opens;
        if (failOpen) throw std::runtime_error("cannot open");
    }
    void Close() override { ++closes; }
    uint8_t LookupSections(const std::string& word) override { return Ask(word); }
    bool HasIndexEntry(const std::string& word) override { return Ask(word) != 0; }
    const TWordMorpher& Morpher() override { return morpher_; }

    // Every word asked about, in order, lower-cased.
    std::vector<std::string> asked;
    int opens = 0;
    int closes = 0;
    // Fails the question with this number (counting from 1); 0 never.
    size_t failAt = 0;
    bool failOpen = false;

private:
    uint8_t Ask(const std::string& word) {
        asked.push_back(morphtext::LowerCase(word));
        if (asked.size() == failAt) throw std::runtime_error("disk gone");
        auto it = words_.find(asked.back());
        return it == words_.end() ? 0 : it->second;
    }

    std::map<std::string, uint8_t> words_;
    TWordMorpher morpher_;
};
