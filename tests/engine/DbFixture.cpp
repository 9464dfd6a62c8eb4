#include "DbFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <random>

#include "IndexLookup.h"
#include "IndexWriter.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "WordMorpher.h"

int TDbFixture::AddSynset(int section, std::vector<std::string> words, std::string gloss) {
    TPending p;
    p.Synset.Section = static_cast<uint8_t>(section);
    p.Synset.AllWords = words;
    p.Synset.Words = std::move(words);
    p.Synset.Gloss = std::move(gloss);
    synsets_.push_back(std::move(p));
    return static_cast<int>(synsets_.size()) - 1;
}

void TDbFixture::AddPointer(int from, uint8_t kind, int to, uint8_t sourceWord, uint8_t targetWord) {
    TSynsetPointer pointer;
    pointer.Kind = kind;
    pointer.SourceWord = sourceWord;
    pointer.TargetWord = targetWord;
    synsets_.at(from).Synset.Pointers.push_back(pointer);
    synsets_[from].Targets.push_back(to);
}

void TDbFixture::AddRawEntry(const std::string& key, std::vector<uint32_t> offsets) {
    rawEntries_.emplace_back(key, std::move(offsets));
}

void TDbFixture::AddEntry(const std::string& key, const std::vector<int>& synsets) {
    entries_.emplace_back(key, synsets);
}

std::string TDbFixture::Build() {
    // Records go section by section; a record's length does not depend on
    // its targets' values, so one sizing pass fixes every offset.
    std::vector<int> order(synsets_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return synsets_[a].Synset.Section < synsets_[b].Synset.Section; });
    offsets_.assign(synsets_.size(), 0);
    TDatabaseTrailer trailer;
    {
        TMemoryStream sizing;
        for (int i : order) {
            offsets_[i] = static_cast<uint32_t>(sizing.Position());
            synsets_[i].Synset.WriteTo(sizing);
        }
    }
    TMemoryStream file;
    int section = 0;
    for (int i : order) {
        TSynset& s = synsets_[i].Synset;
        for (; section < s.Section; ++section) trailer.SectionEnd[section] = static_cast<int32_t>(file.Position());
        for (size_t k = 0; k < s.Pointers.size(); ++k) s.Pointers[k].Target = offsets_[synsets_[i].Targets[k]];
        s.WriteTo(file);
    }
    for (; section < kPartOfSpeechCount; ++section) trailer.SectionEnd[section] = static_cast<int32_t>(file.Position());

    std::map<std::string, std::vector<uint32_t>> keys;
    for (int i : order)
        for (const std::string& word : synsets_[i].Synset.AllWords) {
            std::vector<uint32_t>& list = keys[NormaliseKey(word)];
            if (std::find(list.begin(), list.end(), offsets_[i]) == list.end()) list.push_back(offsets_[i]);
        }
    for (const auto& entry : entries_) {
        std::vector<uint32_t>& list = keys[entry.first];
        list.clear();
        for (int s : entry.second) list.push_back(offsets_.at(s));
    }
    for (const auto& entry : rawEntries_) keys[entry.first] = entry.second;
    TIndexWriter writer;
    for (const auto& entry : keys) writer.Add(entry.first, entry.second);

    TLVDatabase db;
    db.Index = std::make_unique<TIndexLookup>(db);
    trailer.IndexStart = static_cast<int32_t>(file.Position());
    writer.WriteBlocks(file, db.Index->Directory);
    db.Morpher = std::make_unique<TWordMorpher>(NounExceptions, VerbExceptions, AdjectiveExceptions,
                                                AdjectiveStems, DoublingVerbs);
    db.Trailer = trailer;
    db.WriteTail(file);
    return file.Data();
}

std::string WriteTempFile(const std::string& name, const std::string& bytes) {
    // A per-process tag keeps concurrent test runs apart.
    static const std::string tag = std::to_string(std::random_device()());
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("lexivar-" + tag + "-" + name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

std::string TDbFixture::WriteFile(const std::string& name) { return WriteTempFile(name, Build()); }

std::unique_ptr<TLVDatabase> DatabaseOn(const std::string& path) {
    auto db = std::make_unique<TLVDatabase>();
    db->SetFileName(path);
    return db;
}
