// Stored morphology lists and the words asked of them come from the database
// file and the user: neither may make the morpher crash, hang or overrun.
// The input is a payload, then the words, one per line, after its lists.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CodecFuzz.h"
#include "WordMorpher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMemoryStream stream(std::string(Chars(data), size));
    std::string rest;
    std::unique_ptr<TWordMorpher> morpher;
    try {
        morpher = std::make_unique<TWordMorpher>(stream);
    } catch (const ELVError&) {
        return 0;
    }
    rest = stream.Data().substr(static_cast<size_t>(stream.Position()));
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('\n', start);
        if (end == std::string::npos) end = rest.size();
        const std::string word = rest.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        std::vector<std::string> list;
        uint8_t kind = 1;
        morpher->NounBases(word, list, true);
        morpher->VerbBases(word, list, kind, word.size() % 2 == 0);
        kind = 1;
        morpher->AdjectiveBases(word, list, kind, true);
        for (int pos = 0; pos < 3; ++pos) Require(morpher->FormsText(word, pos).size() <= 200);
        morpher->InflectAll(list, static_cast<uint8_t>(word.size() % 9));
    }
    return 0;
}
