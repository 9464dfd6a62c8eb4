#include <gtest/gtest.h>

#include <cstdio>

#include "DbFixture.h"
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

TEST(FileStream, OpeningForWritingKeepsAnExistingFile) {
    const std::string path = WriteTempFile("keep.bin", "database bytes");
    {
        TFileStream f(path, true);
        EXPECT_EQ(f.Size(), 14);
        f.Seek(9);
        f.WriteString("BYTES");
    }
    {
        TFileStream f(path, false);
        char buf[32];
        const size_t n = f.Read(buf, sizeof buf);
        EXPECT_EQ(std::string(buf, n), "database BYTES");
    }
    std::remove(path.c_str());
    {
        TFileStream created(path, true);  // a missing file is created
        created.WriteString("new");
        EXPECT_EQ(created.Size(), 3);
    }
    std::remove(path.c_str());
}
