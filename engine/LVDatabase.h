// The database file: its regions, located by the trailer at its end; the
// memory-resident index directory and morphology lists; single synset
// records; and the word lookup that ties them together.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Stream.h"

class TIndexLookup;
class TWordLookup;
class TWordMorpher;
class TSynset;
struct TIndexRec;

// The last 40 bytes of the file, all fields 32-bit signed little-endian.
struct TDatabaseTrailer {
    int32_t IndexStart = 0;      // absolute offset of the first index block
    int32_t TailStart = 0;       // absolute offset of the tail (end of the index blocks)
    int32_t SectionEnd[8] = {};  // exclusive end of each part of speech's records

    static constexpr size_t kSize = 40;
    std::string Encode() const;
    static TDatabaseTrailer Decode(const char* bytes);
};

// The length of the notice text the tail ends with.
constexpr size_t kNoticeLength = 600;
// The notice itself, exactly kNoticeLength bytes.
const std::string& NoticeText();

// The file and its open count.
class TAbsLVDatabase {
public:
    TAbsLVDatabase() = default;
    virtual ~TAbsLVDatabase();
    TAbsLVDatabase(const TAbsLVDatabase&) = delete;
    TAbsLVDatabase& operator=(const TAbsLVDatabase&) = delete;

    // Raises ELVError "Cannot change open database file" while open.
    void SetFileName(const std::string& name);
    const std::string& FileName() const { return fileName_; }

    // Counts up, opening the file on the first call; an open error
    // propagates with the count already raised (the caller's Close undoes it).
    void Open(bool forWriting);
    // Counts down; closes the file at zero. Extra calls are harmless.
    void Close();

    int32_t OpenCount() const { return openCount_; }
    // The open file, or nullptr while closed.
    TStream* Stream() const { return stream_.get(); }

protected:
    std::unique_ptr<TStream> stream_;

private:
    int32_t openCount_ = 0;
    std::string fileName_;
};

// Holds the database open (read-only) for a scope.
class TOpenScope {
public:
    explicit TOpenScope(TAbsLVDatabase& database);
    ~TOpenScope() { database_.Close(); }
    TOpenScope(const TOpenScope&) = delete;
    TOpenScope& operator=(const TOpenScope&) = delete;

private:
    TAbsLVDatabase& database_;
};

class TLVDatabase : public TAbsLVDatabase {
public:
    TLVDatabase();
    ~TLVDatabase() override;

    // Writes the tail (directory, morphology lists, notice) and the trailer
    // of a database being built, with TailStart set to the stream's
    // position, then cuts the stream there. Index (its Directory filled by
    // TIndexWriter::WriteBlocks) and Morpher must exist, and Trailer must
    // hold the SectionEnd values and IndexStart recorded while writing.
    virtual void WriteTail(TStream& stream);

    // Loads the directory and the morphology lists once. On a damaged file
    // raises ELVError ("The database file "X" is damaged (...)") and keeps
    // nothing, so a later call tries again.
    void LoadIndex();

    // Part of speech of a record offset; ELVError "Invalid database pointer"
    // outside the synset area.
    int SectionOf(int32_t offset) const;

    // Reads the record at offset (opening the file for the duration).
    std::unique_ptr<TSynset> ReadSynset(int32_t offset);

    // Runs a complete lookup into Lookup; an empty word only loads the index.
    void LookupWord(const std::string& word);
    // Adds the senses of one index hit, restricted to the sections set.
    void AddIndexEntry(const TIndexRec& entry, uint8_t sections);
    // Sets MatchSpeechPart and, unless SuspendRelookup, repeats the lookup
    // of LastKey.
    void SetMatchSpeechPart(bool flag);
    bool MatchSpeechPart() const { return matchSpeechPart_; }

    // ELVError naming this file as damaged, for what is wrong with it.
    [[noreturn]] void Damaged(const std::string& what) const;

    std::string LastKey;
    bool UseMorphology = true;
    bool SuspendRelookup = false;
    TDatabaseTrailer Trailer;
    std::unique_ptr<TIndexLookup> Index;    // absent until LoadIndex
    std::unique_ptr<TWordLookup> Lookup;    // result of the latest lookup
    std::unique_ptr<TWordMorpher> Morpher;  // absent until LoadIndex

private:
    bool matchSpeechPart_ = true;
};
