#include "WebLinks.h"

#include <gtest/gtest.h>

TEST(IsWebAddress, RecognisesTheFourPrefixesInAnyCase) {
    EXPECT_TRUE(IsWebAddress("www.example.com"));
    EXPECT_TRUE(IsWebAddress("WwW.example.com"));
    EXPECT_TRUE(IsWebAddress("Http://example.com"));
    EXPECT_TRUE(IsWebAddress("https://example.com"));
    EXPECT_TRUE(IsWebAddress("HTTPS:"));
    EXPECT_TRUE(IsWebAddress("fTp:host"));
    EXPECT_FALSE(IsWebAddress("wwwx.example.com"));
    EXPECT_FALSE(IsWebAddress(""));
    EXPECT_FALSE(IsWebAddress("www"));
    EXPECT_FALSE(IsWebAddress("mailto:someone"));
    EXPECT_FALSE(IsWebAddress(" www.example.com"));
}

TEST(WithScheme, AddsHttpOnlyWithoutScheme) {
    EXPECT_EQ("http://www.example.com", WithScheme("www.example.com"));
    EXPECT_EQ("ftp://files.example.com", WithScheme("ftp://files.example.com"));
    EXPECT_EQ("http://", WithScheme(""));
}

TEST(PosFrom, CountsFromOneAndHonoursStart) {
    EXPECT_EQ(1u, PosFrom('a', "abca", 1));
    EXPECT_EQ(4u, PosFrom('a', "abca", 2));
    EXPECT_EQ(4u, PosFrom('a', "abca", 4));
    EXPECT_EQ(0u, PosFrom('a', "abca", 5));
    EXPECT_EQ(0u, PosFrom('z', "abca", 1));
    EXPECT_EQ(0u, PosFrom('a', "", 1));
    EXPECT_EQ(0u, PosFrom('a', "abca", 0));
    EXPECT_EQ(0u, PosFrom('a', "abca", static_cast<std::size_t>(-1)));
}

TEST(EncodeQuery, KeepsWordCharactersAndEncodesTheRest) {
    EXPECT_EQ("rock%20'n'%20roll", EncodeQuery("rock 'n' roll"));
    EXPECT_EQ("Ice-cream09", EncodeQuery("Ice-cream09"));
    EXPECT_EQ("caf%E9", EncodeQuery("caf\xE9"));
    EXPECT_EQ("%00%2F%3F%26%25%2B%7E%FF", EncodeQuery(std::string("\0/?&%+~\xFF", 8)));
    EXPECT_EQ("", EncodeQuery(""));
}

TEST(WebAddressToOpen, MarksBareHostsOnly) {
    EXPECT_EQ("http://www.example.com/?LV", WebAddressToOpen("www.example.com"));
    EXPECT_EQ("http://example.com/?LV", WebAddressToOpen("http://example.com"));
    EXPECT_EQ("http://example.com/", WebAddressToOpen("http://example.com/"));
    EXPECT_EQ("http://example.com/2/wdfree.pl?ice cream",
              WebAddressToOpen("http://example.com/2/wdfree.pl?ice cream"));
    EXPECT_EQ("http://www.example.com?q=1", WebAddressToOpen("www.example.com?q=1"));
    EXPECT_EQ("https://example.com/a", WebAddressToOpen("https://example.com/a"));
    EXPECT_EQ("http://ab/?LV", WebAddressToOpen("ab"));
}
