#include <gtest/gtest.h>

#include <sstream>

#include "JsonCheck.h"
#include "lexivar/JsonWriter.h"

namespace {

std::string Literal(const std::string& bytes) {
    std::string out;
    AppendJsonString(out, bytes);
    return out;
}

TEST(JsonString, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(Literal("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
    EXPECT_EQ(Literal("a\nb\tc\rd\be\ff"), "\"a\\nb\\tc\\rd\\be\\ff\"");
    EXPECT_EQ(Literal(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(Literal(std::string("a\0b", 3)), "\"a\\u0000b\"");
    EXPECT_EQ(Literal(""), "\"\"");
}

TEST(JsonString, PassesUtf8AndEscapesOtherHighBytesAsLatin1) {
    EXPECT_EQ(Literal("caf\xc3\xa9"), "\"caf\xc3\xa9\"");
    EXPECT_EQ(Literal("\xe2\x82\xac \xf0\x9f\x98\x80"), "\"\xe2\x82\xac \xf0\x9f\x98\x80\"");
    EXPECT_EQ(Literal("caf\xe9"), "\"caf\\u00e9\"");
    // Truncated, overlong and surrogate sequences are not UTF-8.
    EXPECT_EQ(Literal("\xc3"), "\"\\u00c3\"");
    EXPECT_EQ(Literal("\xc0\xaf"), "\"\\u00c0\\u00af\"");
    EXPECT_EQ(Literal("\xed\xa0\x80"), "\"\\u00ed\\u00a0\\u0080\"");
    EXPECT_EQ(Literal("\xf5\x80\x80\x80"), "\"\\u00f5\\u0080\\u0080\\u0080\"");
}

TEST(JsonString, EveryByteStringParsesBackToItsLatin1OrUtf8Reading) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    TJsonValue value = ParseJson(Literal(all));
    // Bytes below 128 come back as themselves; the lone high bytes as the
    // UTF-8 spelling of their Latin-1 characters.
    ASSERT_EQ(value.type, TJsonValue::String);
    EXPECT_EQ(value.text.substr(0, 128), all.substr(0, 128));
    EXPECT_EQ(value.text.substr(128, 2), "\xc2\x80");
    EXPECT_EQ(value.text.substr(value.text.size() - 2), "\xc3\xbf");
}

TEST(JsonWriter, SeparatesMembersAndNests) {
    std::ostringstream out;
    TJsonWriter json(out);
    json.BeginObject();
    json.Key("a");
    json.Int(-3);
    json.Key("b");
    json.StringArray({"x", "y"});
    json.Key("c");
    json.BeginArray();
    json.BeginObject();
    json.EndObject();
    json.Bool(false);
    json.EndArray();
    json.Key("d");
    json.StringArray({});
    json.EndObject();
    EXPECT_EQ(out.str(), "{\"a\":-3,\"b\":[\"x\",\"y\"],\"c\":[{},false],\"d\":[]}");
    EXPECT_NO_THROW(ParseJson(out.str()));
}

TEST(JsonCheck, RejectsWhatIsNotJson) {
    for (const char* bad : {"{", "{\"a\":1,}", "[1 2]", "\"a\nb\"", "\"\xff\"", "{\"a\":1}x", "{\"a\":1,\"a\":2}"})
        EXPECT_THROW(ParseJson(bad), std::runtime_error) << bad;
}

}  // namespace
