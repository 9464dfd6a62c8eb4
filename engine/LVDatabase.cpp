// Database file layout (what a builder writes and LoadIndex reads):
//
//   file     := synsets indexArea tail trailer
//   synsets  := section{8}               records of parts of speech 0..7 in turn;
//                                        section i ends at SectionEnd[i]
//   indexArea:= block*                   from IndexStart to TailStart (IndexWriter.h)
//   tail     := directory morphology notice
//   directory:= see IndexDirectory.h
//   morphology := (length:fixed32 bytes{length}){5}   the morpher's lists
//   notice   := bytes{600}
//   trailer  := IndexStart TailStart SectionEnd[0..7]   ten fixed32, signed
//
// with 0 <= SectionEnd[0] <= ... <= SectionEnd[7] <= IndexStart <= TailStart
// <= file size - 40. Record offsets are 24-bit, so the synset area lies in
// the first 16 MiB.
#include "LVDatabase.h"

#include <stdexcept>
#include <vector>

#include "Coding.h"
#include "IndexLookup.h"
#include "LVErrors.h"
#include "LVTables.h"
#include "NormaliseKey.h"
#include "Synset.h"
#include "WordLookup.h"
#include "WordMorpher.h"

std::string TDatabaseTrailer::Encode() const {
    std::string bytes;
    coding::PutFixed32(&bytes, static_cast<uint32_t>(IndexStart));
    coding::PutFixed32(&bytes, static_cast<uint32_t>(TailStart));
    for (int32_t end : SectionEnd) coding::PutFixed32(&bytes, static_cast<uint32_t>(end));
    return bytes;
}

TDatabaseTrailer TDatabaseTrailer::Decode(const char* bytes) {
    TDatabaseTrailer trailer;
    trailer.IndexStart = coding::DecodeSigned32(bytes);
    trailer.TailStart = coding::DecodeSigned32(bytes + 4);
    for (int i = 0; i < kPartOfSpeechCount; ++i) trailer.SectionEnd[i] = coding::DecodeSigned32(bytes + 8 + 4 * i);
    return trailer;
}

namespace {

std::string MakeNotice() {
    static const char* const kLines[12] = {
        "",
        "Lexivar database and program Copyright (c) the Lexivar developers.",
        "The lexical data derive from WordNet 3.0, Copyright Princeton University.",
        "",
        "THIS DATABASE AND PROGRAM ARE PROVIDED \"AS IS\" WITHOUT",
        "WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING THE",
        "WARRANTIES OF MERCHANTABILITY AND FITNESS FOR A PARTICULAR",
        "PURPOSE. THE WHOLE RISK AS TO THEIR QUALITY AND PERFORMANCE",
        "IS WITH YOU. IN NO EVENT SHALL THE RIGHTS HOLDERS BE LIABLE",
        "FOR ANY DAMAGES ARISING FROM THE USE OF OR INABILITY TO USE",
        "THE DATABASE OR THE PROGRAM. THE ACCURACY OF THE LEXICAL",
        "DATA IS NOT GUARANTEED."};
    std::string text;
    for (int i = 0; i < 12; ++i) {
        if (i) text += "\r\n";
        text += kLines[i];
    }
    // Padded with spaces at the end of the last line.
    if (text.size() > kNoticeLength) throw std::logic_error("notice text longer than its field");
    text.resize(kNoticeLength, ' ');
    return text;
}

}  // namespace

const std::string& NoticeText() {
    static const std::string notice = MakeNotice();
    return notice;
}

TAbsLVDatabase::~TAbsLVDatabase() = default;

void TAbsLVDatabase::SetFileName(const std::string& name) {
    if (openCount_ != 0) throw ELVError("Cannot change open database file");
    fileName_ = name;
}

void TAbsLVDatabase::Open(bool forWriting) {
    ++openCount_;
    if (openCount_ == 1) stream_ = std::make_unique<TFileStream>(fileName_, forWriting);
}

void TAbsLVDatabase::Close() {
    if (openCount_ <= 0) return;
    if (--openCount_ == 0) stream_.reset();
}

TOpenScope::TOpenScope(TAbsLVDatabase& database) : database_(database) {
    try {
        database.Open(false);
    } catch (...) {
        database.Close();
        throw;
    }
}

TLVDatabase::TLVDatabase() : Lookup(std::make_unique<TWordLookup>(*this)) {}

TLVDatabase::~TLVDatabase() {
    Index.reset();
    Lookup.reset();
    stream_.reset();
    Morpher.reset();
}

void TLVDatabase::Damaged(const std::string& what) const {
    throw ELVError("The database file \"" + FileName() + "\" is damaged (" + what + ")");
}

void TLVDatabase::LoadIndex() {
    if (Index) return;
    TOpenScope scope(*this);
    TStream& file = *stream_;

    const int64_t size = file.Size();
    if (size < static_cast<int64_t>(TDatabaseTrailer::kSize)) Damaged("shorter than its trailer");
    const int64_t trailerStart = size - static_cast<int64_t>(TDatabaseTrailer::kSize);
    char bytes[TDatabaseTrailer::kSize];
    file.Seek(trailerStart);
    if (file.Read(bytes, sizeof bytes) != sizeof bytes) Damaged("trailer cannot be read");
    const TDatabaseTrailer trailer = TDatabaseTrailer::Decode(bytes);

    if (trailer.IndexStart < 0 || trailer.IndexStart > trailer.TailStart || trailer.TailStart > trailerStart)
        Damaged("trailer places the index outside the file");
    int32_t previous = 0;
    for (int32_t end : trailer.SectionEnd) {
        if (end < previous) Damaged("trailer sections are out of order");
        previous = end;
    }
    if (previous > trailer.IndexStart) Damaged("synset area overlaps the index");

    auto index = std::make_unique<TIndexLookup>(*this);
    index->IndexSize = static_cast<uint32_t>(trailer.TailStart - trailer.IndexStart);

    std::string tail(static_cast<size_t>(trailerStart - trailer.TailStart), '\0');
    file.Seek(trailer.TailStart);
    if (file.Read(&tail[0], tail.size()) != tail.size()) Damaged("tail cannot be read");
    TMemoryStream memory(std::move(tail));

    index->ReadDirectory(memory);
    std::unique_ptr<TWordMorpher> morpher;
    try {
        morpher = std::make_unique<TWordMorpher>(memory);
    } catch (const ELVError&) {
        Damaged("morphology lists run past the tail");
    }
    if (memory.Size() - memory.Position() < static_cast<int64_t>(kNoticeLength))
        Damaged("notice runs past the tail");

    Trailer = trailer;
    Index = std::move(index);
    Morpher = std::move(morpher);
}

int TLVDatabase::SectionOf(int32_t offset) const {
    for (int i = 0; i < kPartOfSpeechCount; ++i)
        if (offset < Trailer.SectionEnd[i]) return i;
    throw ELVError("Invalid database pointer");
}

std::unique_ptr<TSynset> TLVDatabase::ReadSynset(int32_t offset) {
    const int section = SectionOf(offset);
    TOpenScope scope(*this);
    auto synset = std::make_unique<TSynset>();
    synset->Offset = offset;
    stream_->Seek(offset);
    synset->ReadFrom(*stream_);
    synset->Section = static_cast<uint8_t>(section);
    return synset;
}

void TLVDatabase::WriteTail(TStream& stream) {
    if (!Index || !Morpher) throw ELVError("Cannot write the tail of a database without its index and morphology");
    Trailer.TailStart = static_cast<int32_t>(stream.Position());
    Index->WriteDirectory(stream);
    Morpher->WriteTo(stream);
    stream.WriteString(NoticeText());
    stream.WriteString(Trailer.Encode());
    stream.Truncate();
}
