#include "WordNetReader.h"

#include <fstream>
#include <sstream>

#include "LVErrors.h"

namespace {

const char* const kSectionNames[kWordNetSections] = {"noun", "verb", "adj", "adv"};
const char* const kMarkers[] = {"(a)", "(p)", "(ip)"};

[[noreturn]] void Malformed(const char* what, const std::string& line) {
    throw ELVError(std::string("Malformed WordNet ") + what + " line: " + line.substr(0, 80));
}

// Cursor over the space-separated fields of a line.
class TFields {
public:
    TFields(const std::string& line, const char* what) : in_(line), line_(line), what_(what) {}

    std::string Next() {
        std::string field;
        if (!(in_ >> field)) Malformed(what_, line_);
        return field;
    }
    unsigned long Number(int base) {
        std::string field = Next();
        size_t used = 0;
        unsigned long value = 0;
        try {
            value = std::stoul(field, &used, base);
        } catch (const std::exception&) {
            Malformed(what_, line_);
        }
        if (used != field.size()) Malformed(what_, line_);
        return value;
    }
    bool AtEnd() {
        in_ >> std::ws;
        return in_.eof();
    }

private:
    std::istringstream in_;
    std::string line_;  // for the error message; may be parsed from a temporary
    const char* what_;
};

// WordNet's files begin with a licence whose lines start with two spaces.
bool IsLicenceLine(const std::string& line) { return line.empty() || line[0] == ' '; }

template <typename Parse>
auto ReadLines(const std::string& path, Parse parse) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ELVError("Cannot open " + path);
    std::vector<decltype(parse(std::string()))> items;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!IsLicenceLine(line)) items.push_back(parse(line));
    }
    return items;
}

}  // namespace

std::string CleanLemma(const std::string& lemma) {
    std::string word = lemma;
    for (const char* marker : kMarkers) {
        std::string m(marker);
        if (word.size() > m.size() && word.compare(word.size() - m.size(), m.size(), m) == 0) {
            word.erase(word.size() - m.size());
            break;
        }
    }
    for (char& c : word)
        if (c == '_') c = ' ';
    return word;
}

int SectionOfLetter(char letter) {
    switch (letter) {
        case 'n': return 0;
        case 'v': return 1;
        case 'a':
        case 's': return 2;
        case 'r': return 3;
        default: return -1;
    }
}

// offset lex_filenum ss_type w_cnt(hex) {word lex_id(hex)} p_cnt
// {symbol offset pos source/target(hex)} [frames] | gloss
TWnSynset ParseDataLine(const std::string& line, int section) {
    size_t bar = line.find(" | ");
    if (bar == std::string::npos) Malformed("data", line);
    TFields fields(line.substr(0, bar), "data");
    TWnSynset synset;
    synset.section = section;
    synset.offset = static_cast<uint32_t>(fields.Number(10));
    fields.Next();  // lexicographer file
    if (SectionOfLetter(fields.Next()[0]) != section) Malformed("data", line);
    unsigned long words = fields.Number(16);
    for (unsigned long i = 0; i < words; ++i) {
        synset.words.push_back(CleanLemma(fields.Next()));
        fields.Next();  // lex_id
    }
    unsigned long pointers = fields.Number(10);
    for (unsigned long i = 0; i < pointers; ++i) {
        TWnPointer p;
        p.symbol = fields.Next();
        p.target = static_cast<uint32_t>(fields.Number(10));
        std::string pos = fields.Next();
        p.targetSection = SectionOfLetter(pos[0]);
        unsigned long sourceTarget = fields.Number(16);
        if (p.targetSection < 0 || sourceTarget > 0xFFFF) Malformed("data", line);
        p.sourceWord = static_cast<uint8_t>(sourceTarget >> 8);
        p.targetWord = static_cast<uint8_t>(sourceTarget & 0xFF);
        synset.pointers.push_back(p);
    }
    // Verb frames follow; they have no place in our records.
    std::string gloss = line.substr(bar + 3);
    while (!gloss.empty() && gloss.back() == ' ') gloss.pop_back();
    synset.gloss = gloss;
    if (synset.words.empty()) Malformed("data", line);
    return synset;
}

// lemma pos synset_cnt p_cnt {symbol} sense_cnt tagsense_cnt {offset}
TWnIndexEntry ParseIndexLine(const std::string& line) {
    TFields fields(line, "index");
    TWnIndexEntry entry;
    entry.lemma = CleanLemma(fields.Next());
    fields.Next();  // pos
    unsigned long synsets = fields.Number(10);
    unsigned long symbols = fields.Number(10);
    for (unsigned long i = 0; i < symbols; ++i) fields.Next();
    fields.Next();  // sense_cnt, the same as synset_cnt
    fields.Next();  // tagsense_cnt
    for (unsigned long i = 0; i < synsets; ++i)
        entry.offsets.push_back(static_cast<uint32_t>(fields.Number(10)));
    if (!fields.AtEnd()) Malformed("index", line);
    return entry;
}

// form base {base}
TWnException ParseExceptionLine(const std::string& line) {
    TFields fields(line, "exception");
    TWnException exception;
    exception.form = CleanLemma(fields.Next());
    do {
        exception.bases.push_back(CleanLemma(fields.Next()));
    } while (!fields.AtEnd());
    return exception;
}

TWordNet ReadWordNet(const std::string& dir) {
    TWordNet wn;
    for (int s = 0; s < kWordNetSections; ++s) {
        std::string name = kSectionNames[s];
        wn.synsets[s] = ReadLines(dir + "/data." + name,
                                  [s](const std::string& line) { return ParseDataLine(line, s); });
        wn.index[s] = ReadLines(dir + "/index." + name, ParseIndexLine);
        wn.exceptions[s] = ReadLines(dir + "/" + name + ".exc", ParseExceptionLine);
    }
    return wn;
}
