#include <gtest/gtest.h>

#include "Stream.h"

TEST(MemoryStream, WritesOverAndPastTheEndThenTruncates) {
    TMemoryStream s;
    s.WriteString("abcdef");
    s.Seek(2);
    s.WriteString("XY");
    s.Seek(8);
    s.WriteString("Z");
    EXPECT_EQ(s.Data(), std::string("abXYef\0\0Z", 9));
    s.Seek(4);
    s.Truncate();
    EXPECT_EQ(s.Data(), "abXY");
    char buf[8];
    s.Seek(3);
    EXPECT_EQ(s.Read(buf, sizeof buf), 1u);
    s.Seek(100);
    EXPECT_EQ(s.Read(buf, sizeof buf), 0u);
}

TEST(FileStream, MissingFileRaisesWithItsName) {
    try {
        TFileStream f("/nonexistent/lexivar.lvd", false);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("lexivar.lvd"), std::string::npos);
    }
}
