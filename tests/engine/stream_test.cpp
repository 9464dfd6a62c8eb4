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

// The file stream's read buffer must be invisible: random seeks, reads,
// writes and cuts on a file more than twice the buffer's size give the bytes
// and positions of the same operations on a memory stream, including reads
// that cross the buffer's end, that end at the file's end and that start
// past it.
TEST(FileStream, BufferedReadsAgreeWithAMemoryStream) {
    const size_t size = 2 * TFileStream::kBufferSize + 1000;
    std::string bytes(size, '\0');
    uint32_t state = 11;
    auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 8; };
    for (char& b : bytes) b = static_cast<char>(next());
    const std::string path = WriteTempFile("buffered.bin", bytes);
    TFileStream file(path, true);
    TMemoryStream memory(bytes);
    char a[3 * TFileStream::kBufferSize], b[sizeof a];
    for (int step = 0; step < 4000; ++step) {
        const int64_t end = memory.Size();
        const unsigned op = next() % 16;
        if (op < 9) {
            // Mostly near the last position, as records near the last are read.
            const int64_t at = op < 5 ? memory.Position() + int64_t(next() % 5000) - 2500 : int64_t(next() % (end + 100));
            file.Seek(at);
            memory.Seek(at);
        } else if (op < 14) {
            const size_t count = op == 13 ? next() % sizeof a : next() % 2100;
            const size_t n = file.Read(a, count);
            ASSERT_EQ(n, memory.Read(b, count)) << step;
            ASSERT_EQ(std::string(a, n), std::string(b, n)) << step;
        } else if (op == 14) {
            const std::string text(next() % 300, static_cast<char>('a' + step % 26));
            file.WriteString(text);
            memory.WriteString(text);
        } else if (memory.Position() <= end) {
            file.Truncate();
            memory.Truncate();
        }
        ASSERT_EQ(file.Position(), memory.Position()) << step;
        ASSERT_EQ(file.Size(), memory.Size()) << step;
    }
    std::remove(path.c_str());
}
