// Reads the WordNet 3.0 database files: data.* (synsets with their pointers
// and glosses), index.* (each lemma's synsets in sense order) and *.exc
// (irregular inflections).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Sections of our file that WordNet fills: noun, verb, adjective (with its
// satellites), adverb.
constexpr int kWordNetSections = 4;

struct TWnPointer {
    std::string symbol;     // WordNet pointer symbol, such as "@" or "~i"
    uint32_t target = 0;    // byte offset of the target in its data file
    int targetSection = 0;  // 0 noun, 1 verb, 2 adjective, 3 adverb
    uint8_t sourceWord = 0; // 0: the whole synset; n: its n-th word
    uint8_t targetWord = 0;
};

struct TWnSynset {
    int section = 0;
    uint32_t offset = 0;  // byte offset in the data file: WordNet's identity
    std::vector<std::string> words;  // cleaned lemmas, in WordNet's order
    std::vector<TWnPointer> pointers;
    std::string gloss;
};

struct TWnIndexEntry {
    std::string lemma;              // cleaned
    std::vector<uint32_t> offsets;  // synsets in sense order
};

struct TWnException {
    std::string form;  // cleaned
    std::vector<std::string> bases;
};

struct TWordNet {
    std::array<std::vector<TWnSynset>, kWordNetSections> synsets;
    std::array<std::vector<TWnIndexEntry>, kWordNetSections> index;
    // noun.exc, verb.exc, adj.exc, adv.exc
    std::array<std::vector<TWnException>, kWordNetSections> exceptions;
};

// Underscores become spaces and an adjective's position marker ("(a)",
// "(p)", "(ip)") is removed.
std::string CleanLemma(const std::string& lemma);

// Part-of-speech letter of the data files (n v a s r) to section; -1 if none.
int SectionOfLetter(char letter);

// Each parser raises ELVError naming the line when it is malformed.
TWnSynset ParseDataLine(const std::string& line, int section);
TWnIndexEntry ParseIndexLine(const std::string& line);
TWnException ParseExceptionLine(const std::string& line);

// Reads all of WordNet from dir (data.noun ... adj.exc).
TWordNet ReadWordNet(const std::string& dir);
