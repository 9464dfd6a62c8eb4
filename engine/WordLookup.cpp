#include "WordLookup.h"

#include "IndexLookup.h"
#include "LVDatabase.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "Synset.h"
#include "WordMorpher.h"

namespace {

// Drops a possessive "'s" (or "`s") from a word longer than two characters.
std::string WithoutPossessive(const std::string& word) {
    const size_t n = word.size();
    if (n > 2 && (word[n - 2] == '\'' || word[n - 2] == '`') && (word[n - 1] == 's' || word[n - 1] == 'S'))
        return word.substr(0, n - 2);
    return word;
}

}  // namespace

void TLVDatabase::LookupWord(const std::string& word) {
    Lookup->ClearAll();
    if (word.empty()) {
        LoadIndex();
        return;
    }
    const std::string typed = WithoutPossessive(word);
    TOpenScope scope(*this);
    LoadIndex();
    LastKey = NormaliseKey(typed);
    Index->Find(*stream_, typed, UseMorphology,
                [this](const TIndexRec& entry, uint8_t sections) { AddIndexEntry(entry, sections); });
    Lookup->FilterSections(kAllSections);
}

void TLVDatabase::AddIndexEntry(const TIndexRec& entry, uint8_t sections) {
    for (size_t i = 0; i < entry.Count; ++i) {
        const int32_t pointer = static_cast<int32_t>(entry.Pointer(i));
        if (!(SectionBit(SectionOf(pointer)) & sections)) continue;
        std::unique_ptr<TSynset> synset = ReadSynset(pointer);
        try {
            synset->SelectKey(entry.Key);
        } catch (const ELVKeyWordError&) {
            continue;
        }
        if (entry.InflectionKind != 0 && matchSpeechPart_ && Morpher) {
            Morpher->InflectAll(synset->Words, entry.InflectionKind);
            synset->InflectionKind = entry.InflectionKind;
        }
        Lookup->AddSense(std::move(synset));
    }
}

void TLVDatabase::SetMatchSpeechPart(bool flag) {
    matchSpeechPart_ = flag;
    if (!SuspendRelookup) LookupWord(LastKey);
}

TWordLookup::TWordLookup(TLVDatabase& database) : Database(database) {}

TWordLookup::~TWordLookup() { ClearAll(); }

void TWordLookup::AddSense(std::unique_ptr<TSynset> synset) {
    const TSynset& s = *synset;
    const std::string typed = Database.Index ? Database.Index->Word : std::string();
    const int n = static_cast<int>(Senses.size());
    int pos = -2;  // -2: append
    bool settled = false;
    for (int i = n - 1; i >= 0; --i) {
        const TSynset& e = *Senses[i];
        if (e.Offset != -1 && e.Offset == s.Offset) return;  // the same synset reached twice
        if (settled || e.Section > s.Section) continue;
        if (e.Section < s.Section || e.KeyWord == s.KeyWord) {
            pos = i;
            settled = true;
        } else if (s.KeyWord == typed && i == 0) {
            pos = -1;
        } else if (pos == -2) {
            pos = i;
        }
    }
    if (n > 0 && Senses[0]->Section > s.Section) {
        Senses.insert(Senses.begin(), std::move(synset));
    } else if (pos == -2) {
        Senses.push_back(std::move(synset));
    } else {
        Senses.insert(Senses.begin() + pos + 1, std::move(synset));
    }
}

void TWordLookup::FilterSections(uint8_t sections) {
    KindsPresent = 0;
    SectionsPresent = 0;
    Dirty = true;
    if (Senses.empty()) return;
    Shown.clear();
    Synonyms.Clear();
    for (const std::unique_ptr<TSynset>& sense : Senses) {
        if (!(SectionBit(sense->Section) & sections)) continue;
        Shown.push_back(sense.get());
        Synonyms.AddAll(sense->Words);
        KindsPresent |= sense->KindMask();
        SectionsPresent |= SectionBit(sense->Section);
    }
    SelectedSense = -1;
}

void TWordLookup::SelectSense(int32_t n) {
    if (Shown.empty()) return;
    // Checked first, so a bad number leaves the selection as it was.
    if (n < -1 || n >= static_cast<int32_t>(Senses.size())) throw ELVError("Invalid sense number");
    Dirty = true;
    SelectedSense = n;
    if (n == -1) {
        FilterSections(SectionsPresent);
        return;
    }
    Synonyms.Clear();
    Synonyms.AddAll(Senses[n]->Words);
    KindsPresent = Senses[n]->KindMask();
}

const TWordList& TWordLookup::GetRelatedWords(int kind) {
    if (kind == kSynonymsKind) return Synonyms;
    if (!Dirty && LastKinds == KindBit(kind) && !Related.empty()) return RelatedWords;

    ClearRelated();
    LastKinds = KindBit(kind);
    TOpenScope scope(Database);
    std::vector<TSynset*> sources = Shown;
    if (SelectedSense != -1) sources.assign(1, Senses[SelectedSense].get());
    for (const TSynset* source : sources) {
        for (const TSynsetPointer& pointer : source->Pointers) {
            if (pointer.Kind != kind) continue;
            std::unique_ptr<TSynset> target = Database.ReadSynset(static_cast<int32_t>(pointer.Target));
            if (Database.MatchSpeechPart() && IsInflectedKind(kind) && source->InflectionKind != 0 && Database.Morpher)
                Database.Morpher->InflectAll(target->Words, source->InflectionKind);
            if (pointer.TargetWord >= 1 && target->Words.size() >= pointer.TargetWord)
                target->Words = {target->Words[pointer.TargetWord - 1]};
            Related.push_back(std::move(target));
        }
    }
    Dirty = false;
    for (const std::unique_ptr<TSynset>& synset : Related) RelatedWords.AddAll(synset->Words);
    return RelatedWords;
}

void TWordLookup::ClearAll() {
    ClearRelated();
    Synonyms.Clear();
    Shown.clear();
    Senses.clear();
    SelectedSense = -1;
    SectionsPresent = kAllSections;
}

void TWordLookup::ClearRelated() {
    Related.clear();
    RelatedWords.Clear();
}
