#include <gtest/gtest.h>

#include <cstdio>

#include "Coding.h"
#include "DbFixture.h"
#include "IndexLookup.h"
#include "LVErrors.h"
#include "WordLookup.h"
#include "WordMorpher.h"

namespace {

// Three sections in use (noun, verb, adverb), one pointer, one foreign entry.
TDbFixture SmallFixture() {
    TDbFixture f;
    int dog = f.AddSynset(0, {"dog", "domestic dog"}, "a domesticated canine");
    f.AddSynset(0, {"cat"}, "a feline");
    int run = f.AddSynset(1, {"run"}, "move fast");
    f.AddSynset(3, {"fast"}, "quickly");
    f.AddPointer(run, 3, dog);
    return f;
}

std::string WithField(std::string bytes, size_t at, int32_t value) {
    std::string field;
    coding::PutFixed32(&field, static_cast<uint32_t>(value));
    bytes.replace(at, 4, field);
    return bytes;
}

TDatabaseTrailer TrailerOf(const std::string& bytes) {
    return TDatabaseTrailer::Decode(bytes.data() + bytes.size() - TDatabaseTrailer::kSize);
}

// The file with its tail cut to `keep` bytes (trailer unchanged but for its place).
std::string WithTailCut(const std::string& bytes, size_t keep) {
    const TDatabaseTrailer t = TrailerOf(bytes);
    return bytes.substr(0, t.TailStart + keep) + t.Encode();
}

void ExpectDamaged(const std::string& name, const std::string& bytes, const std::string& reason) {
    const std::string path = WriteTempFile(name, bytes);
    auto db = DatabaseOn(path);
    try {
        db->LoadIndex();
        ADD_FAILURE() << name << " loaded";
    } catch (const ELVError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("The database file \"" + path + "\" is damaged"), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
    EXPECT_EQ(db->Index, nullptr) << name;
    EXPECT_EQ(db->Morpher, nullptr) << name;
    EXPECT_EQ(db->OpenCount(), 0) << name;
}

}  // namespace

TEST(Database, TrailerAndNoticeFormat) {
    TDatabaseTrailer t;
    t.IndexStart = 0x01020304;
    t.TailStart = -2;
    for (int i = 0; i < 8; ++i) t.SectionEnd[i] = i + 1;
    const std::string bytes = t.Encode();
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x04\x03\x02\x01\xFE\xFF\xFF\xFF", 8));
    EXPECT_EQ(bytes.substr(36), std::string("\x08\x00\x00\x00", 4));
    const TDatabaseTrailer back = TDatabaseTrailer::Decode(bytes.data());
    EXPECT_EQ(back.TailStart, -2);
    EXPECT_EQ(back.SectionEnd[7], 8);

    const std::string& notice = NoticeText();
    ASSERT_EQ(notice.size(), 600u);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t crlf; (crlf = notice.find("\r\n", start)) != std::string::npos; start = crlf + 2)
        lines.push_back(notice.substr(start, crlf - start));
    lines.push_back(notice.substr(start));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "");
    EXPECT_NE(lines[1].find("Lexivar"), std::string::npos);
    EXPECT_NE(lines[2].find("WordNet 3.0"), std::string::npos);
    EXPECT_NE(lines[2].find("Princeton University"), std::string::npos);
    EXPECT_EQ(lines[3], "");
    for (size_t i = 4; i < 12; ++i)
        for (char c : lines[i]) EXPECT_FALSE(c >= 'a' && c <= 'z') << "line " << i + 1;
}

TEST(Database, TailIsDirectoryMorphologyNoticeTrailer) {
    TDbFixture f = SmallFixture();
    const std::string bytes = f.Build();
    const TDatabaseTrailer t = TrailerOf(bytes);
    auto db = DatabaseOn(WriteTempFile("tail.lvd", bytes));
    db->LoadIndex();
    std::string directory;
    db->Index->Directory.EncodeTo(&directory);
    EXPECT_EQ(bytes.substr(t.TailStart), directory + std::string(20, '\0') + NoticeText() + t.Encode());
    EXPECT_EQ(db->Index->IndexSize, static_cast<uint32_t>(t.TailStart - t.IndexStart));
    EXPECT_EQ(db->Trailer.SectionEnd[7], t.SectionEnd[7]);
    EXPECT_EQ(t.SectionEnd[7], t.IndexStart);
}

TEST(Database, OpenCountAndFileName) {
    const std::string path = SmallFixture().WriteFile("open.lvd");
    TLVDatabase db;
    db.SetFileName(path);
    db.Open(false);
    db.Open(false);
    db.Close();
    EXPECT_NE(db.Stream(), nullptr);
    try {
        db.SetFileName("other.lvd");
        FAIL();
    } catch (const ELVError& e) {
        EXPECT_STREQ(e.what(), "Cannot change open database file");
    }
    EXPECT_EQ(db.FileName(), path);
    db.Close();
    EXPECT_EQ(db.Stream(), nullptr);
    db.Close();
    EXPECT_EQ(db.OpenCount(), 0);
    db.Open(false);
    EXPECT_NE(db.Stream(), nullptr);
    db.Close();

    db.SetFileName(path + ".missing");
    EXPECT_THROW(db.Open(false), EFOpenError);
    EXPECT_EQ(db.OpenCount(), 1);
    db.Close();
    EXPECT_THROW(db.LoadIndex(), EFOpenError);
    EXPECT_EQ(db.OpenCount(), 0);
}

TEST(Database, SectionsAndRecords) {
    TDbFixture f = SmallFixture();
    auto db = DatabaseOn(f.WriteFile("sections.lvd"));
    db->LoadIndex();
    const TDatabaseTrailer& t = db->Trailer;
    EXPECT_EQ(db->SectionOf(0), 0);
    EXPECT_EQ(db->SectionOf(t.SectionEnd[0] - 1), 0);
    EXPECT_EQ(db->SectionOf(t.SectionEnd[0]), 1);
    EXPECT_EQ(t.SectionEnd[1], t.SectionEnd[2]);  // no adjectives: the offset belongs to the adverbs
    EXPECT_EQ(db->SectionOf(t.SectionEnd[1]), 3);
    try {
        db->SectionOf(t.SectionEnd[7]);
        FAIL();
    } catch (const ELVError& e) {
        EXPECT_STREQ(e.what(), "Invalid database pointer");
    }
    EXPECT_THROW(db->ReadSynset(t.SectionEnd[7]), ELVError);

    std::unique_ptr<TSynset> run = db->ReadSynset(static_cast<int32_t>(f.OffsetOf(2)));
    EXPECT_EQ(run->Section, 1);
    EXPECT_EQ(run->Offset, static_cast<int32_t>(f.OffsetOf(2)));
    EXPECT_EQ(run->AllWords, std::vector<std::string>{"run"});
    ASSERT_EQ(run->PointerCount(), 1);
    EXPECT_EQ(run->Pointers[0].Target, f.OffsetOf(0));
    EXPECT_EQ(db->OpenCount(), 0);
}

TEST(Database, LoadIndexReadsTheFileOnceAndAcceptsEmptyMorphology) {
    const std::string path = SmallFixture().WriteFile("once.lvd");
    auto db = DatabaseOn(path);
    db->LoadIndex();
    ASSERT_NE(db->Index, nullptr);
    ASSERT_NE(db->Morpher, nullptr);
    EXPECT_TRUE(db->Morpher->NounExceptions().empty());
    const TIndexLookup* index = db->Index.get();
    std::remove(path.c_str());
    db->LoadIndex();
    EXPECT_EQ(db->Index.get(), index);
    db->LookupWord("");  // an empty word only loads
    EXPECT_TRUE(db->Lookup->Senses.empty());
}

TEST(Database, DamagedFilesRaiseAndLeaveNothingLoaded) {
    const std::string good = SmallFixture().Build();
    const TDatabaseTrailer t = TrailerOf(good);
    const size_t trailerAt = good.size() - 40;

    ExpectDamaged("short.lvd", good.substr(good.size() - 39), "shorter than its trailer");
    ExpectDamaged("negindex.lvd", WithField(good, trailerAt, -1), "index outside the file");
    ExpectDamaged("indexaftertail.lvd", WithField(good, trailerAt, t.TailStart + 1), "index outside the file");
    ExpectDamaged("tailpastend.lvd", WithField(good, trailerAt + 4, static_cast<int32_t>(trailerAt) + 1),
                  "index outside the file");
    ExpectDamaged("sections.lvd", WithField(good, trailerAt + 8, t.SectionEnd[1] + 1), "out of order");
    ExpectDamaged("overlap.lvd", WithField(good, trailerAt + 36, t.IndexStart + 1), "overlaps the index");
    ExpectDamaged("dirpasttail.lvd", WithTailCut(good, 100), "index directory runs past the tail");
    std::string directory;
    {
        auto db = DatabaseOn(WriteTempFile("dir.lvd", good));
        db->LoadIndex();
        db->Index->Directory.EncodeTo(&directory);
    }
    ExpectDamaged("morphpasttail.lvd", WithTailCut(good, directory.size() + 10), "morphology lists run past the tail");
    ExpectDamaged("noticepasttail.lvd", WithTailCut(good, directory.size() + 20 + 599), "notice runs past the tail");

    // A directory item pointing past the index area.
    std::string far = good;
    size_t at = t.TailStart;
    while (far[at] == 0) ++at;
    far[at + 2] = far[at + 3] = far[at + 4] = '\xFF';
    ExpectDamaged("farblock.lvd", far, "past the index area");

    // A failed load can be retried once the file is sound.
    const std::string path = WriteTempFile("retry.lvd", WithTailCut(good, 100));
    auto db = DatabaseOn(path);
    EXPECT_THROW(db->LoadIndex(), ELVError);
    WriteTempFile("retry.lvd", good);
    db->LoadIndex();
    EXPECT_NE(db->Index, nullptr);
    EXPECT_NE(db->Morpher, nullptr);
}

TEST(Database, DamagedIndexBlockIsDroppedFromTheCache) {
    std::string bytes = SmallFixture().Build();
    const TDatabaseTrailer t = TrailerOf(bytes);
    auto db = DatabaseOn(WriteTempFile("badblock.lvd", bytes));
    db->LoadIndex();
    // Blank the index area under the loaded directory.
    bytes.replace(t.IndexStart, t.TailStart - t.IndexStart, std::string(t.TailStart - t.IndexStart, '\0'));
    WriteTempFile("badblock.lvd", bytes);
    EXPECT_THROW(db->LookupWord("dog"), LVException);
    EXPECT_TRUE(db->Index->Cache.empty());
    EXPECT_EQ(db->Index->CurrentBlock, &db->Index->EmptyBlock);
    EXPECT_EQ(db->OpenCount(), 0);
}
