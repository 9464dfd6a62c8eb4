#include <gtest/gtest.h>

#include "LVErrors.h"
#include "MorphFixture.h"

namespace {

TEST(MorphologyPayload, WritesFiveLengthPrefixedListsInOrder) {
    const TWordMorpher m("\rA,B\r", "", "\rC,D\r", "\rX\r", "\rSTOP\r");
    TMemoryStream out;
    m.WriteTo(out);
    EXPECT_EQ(out.Data(), std::string("\x05\0\0\0\rA,B\r"
                                      "\0\0\0\0"
                                      "\x05\0\0\0\rC,D\r"
                                      "\x03\0\0\0\rX\r"
                                      "\x06\0\0\0\rSTOP\r",
                                      39));
}

TEST(MorphologyPayload, RoundTripLeavesTheStreamAfterTheFifthList) {
    const TWordMorpher original = FixtureMorpher();
    TMemoryStream stream;
    original.WriteTo(stream);
    const int64_t end = stream.Position();
    stream.WriteString("notice text");
    stream.Seek(0);
    const TWordMorpher read(stream);
    EXPECT_EQ(stream.Position(), end);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(read.Exceptions(p), original.Exceptions(p));
    EXPECT_EQ(read.AdjectiveStems(), original.AdjectiveStems());
    EXPECT_EQ(read.DoublingVerbs(), original.DoublingVerbs());
    EXPECT_EQ(read.VerbForm("run", inflection::kPast), "ran");
}

TEST(MorphologyPayload, ShortPayloadIsAnErrorAtEveryCut) {
    TMemoryStream full;
    FixtureMorpher().WriteTo(full);
    for (size_t cut = 0; cut < full.Data().size(); ++cut) {
        TMemoryStream shortened(full.Data().substr(0, cut));
        EXPECT_THROW(TWordMorpher{shortened}, ELVError) << cut;
    }
    TMemoryStream huge(std::string("\xff\xff\xff\xff", 4));
    EXPECT_THROW(TWordMorpher{huge}, ELVError);
}

TEST(MorphologyPayload, EmptyListsLeaveOnlyTheBuiltInRules) {
    TMemoryStream empty(std::string(20, '\0'));
    const TWordMorpher m(empty);
    EXPECT_EQ(m.PluralOf("goose"), "gooses");
    EXPECT_EQ(m.VerbForm("run", inflection::kPast), "runed");
    EXPECT_EQ(m.AdjectiveForm("tall", inflection::kComparative), "more tall");
    EXPECT_EQ(m.AdjectiveForm("tall", inflection::kSuperlative), "most tall");
    EXPECT_EQ(m.FormsText("be", 1), "");
}

}  // namespace
