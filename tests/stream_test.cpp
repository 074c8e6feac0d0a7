#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FileInputStream.h"
#include "TempFiles.h"
#include "UnreadableFile.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

TEST(FileInputStream, NewStreamIsClosedAndNameless)
{
    FileInputStream stream;
    EXPECT_EQ(stream.IsOpen(), 0);
    EXPECT_EQ(stream.IsEof(), 1);
    EXPECT_EQ(stream.ReadByte(), 0);
    EXPECT_EQ(stream.GetName(), nullptr);
    EXPECT_EQ(stream.Close(), -1);
}

TEST(FileInputStream, NameIsVisibleOnlyWhileOpen)
{
    TempDirectory dir;
    const std::string first = dir.Write("first.raw", {1, 2});
    const std::string second = dir.Write("second.raw", {7});
    FileInputStream stream;

    ASSERT_EQ(stream.Open(first.c_str()), 0);
    ASSERT_NE(stream.GetName(), nullptr);
    EXPECT_STREQ(stream.GetName(), first.c_str());
    EXPECT_EQ(stream.ReadByte(), 1);

    // Opening another file closes the first and reads the second from its start.
    ASSERT_EQ(stream.Open(second.c_str()), 0);
    EXPECT_STREQ(stream.GetName(), second.c_str());
    EXPECT_EQ(stream.ReadByte(), 7);

    EXPECT_EQ(stream.Close(), 0);
    EXPECT_EQ(stream.GetName(), nullptr);
    EXPECT_EQ(stream.Close(), -1);

    ASSERT_EQ(stream.Open(first.c_str()), 0);
    EXPECT_STREQ(stream.GetName(), first.c_str());
}

TEST(FileInputStream, FailedOpenLeavesTheStreamClosed)
{
    TempDirectory dir;
    const std::string good = dir.Write("good.raw", {5});
    FileInputStream stream;
    ASSERT_EQ(stream.Open(good.c_str()), 0);

    EXPECT_EQ(stream.Open((dir.path / "missing.raw").string().c_str()), -1);
    EXPECT_EQ(stream.IsOpen(), 0);
    EXPECT_EQ(stream.IsEof(), 1);
    EXPECT_EQ(stream.ReadByte(), 0);
    EXPECT_EQ(stream.GetName(), nullptr);
    EXPECT_EQ(stream.Close(), -1);
}

TEST(FileInputStream, DirectoryIsNotAFile)
{
    TempDirectory dir;
    FileInputStream stream;
    EXPECT_EQ(stream.Open(dir.path.string().c_str()), -1);
    EXPECT_EQ(stream.IsOpen(), 0);
    EXPECT_EQ(stream.ReadByte(), 0);
    EXPECT_EQ(WhyUnreadable(dir.path.string().c_str(), 0), "not a regular file");
}

#ifndef _WIN32
// Opening a FIFO that no one writes to would wait for a writer; the stream
// refuses it at once. Should it block, the test hangs and CTest's timeout fails it.
TEST(FileInputStream, FifoIsRefusedWithoutWaiting)
{
    TempDirectory dir;
    const std::string fifo = (dir.path / "fifo.raw").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    FileInputStream stream;
    EXPECT_EQ(stream.Open(fifo.c_str()), -1);
    EXPECT_EQ(stream.IsOpen(), 0);
    EXPECT_EQ(WhyUnreadable(fifo.c_str(), 0), "not a regular file");

    // Still a working stream afterwards, and a regular file is read in blocking mode.
    const std::string file = dir.Write("file.raw", {42});
    ASSERT_EQ(stream.Open(file.c_str()), 0);
    EXPECT_EQ(stream.ReadByte(), 42);
}
#endif

TEST(WhyUnreadable, NamesTheReason)
{
    TempDirectory dir;
    EXPECT_EQ(WhyUnreadable((dir.path / "none.raw").string().c_str(), ENOENT), "missing");
    // A file below something that is not a folder is missing too.
    const std::string file = dir.Write("plain", {1});
    EXPECT_EQ(WhyUnreadable((file + "/none.raw").c_str(), ENOTDIR), "missing");
    // A file that is there but would not open: the open's reason.
    EXPECT_EQ(WhyUnreadable(file.c_str(), EACCES), "permission denied");
    EXPECT_EQ(WhyUnreadable(file.c_str(), EIO), std::strerror(EIO));
}

TEST(FileInputStream, EndOfFileIsSetOnlyByAReadPastTheEnd)
{
    TempDirectory dir;
    const std::string path = dir.Write("bytes.raw", {0x00, 0xFF, 0x80});
    FileInputStream stream;
    ASSERT_EQ(stream.Open(path.c_str()), 0);
    EXPECT_EQ(stream.ReadByte(), 0x00);
    EXPECT_EQ(stream.ReadByte(), 0xFF); // a real 0xFF byte is not the end
    EXPECT_EQ(stream.IsEof(), 0);
    EXPECT_EQ(stream.ReadByte(), 0x80);
    EXPECT_EQ(stream.IsEof(), 0); // every byte read, but no read ran into the end yet
    EXPECT_EQ(stream.ReadByte(), 0xFF);
    EXPECT_NE(stream.IsEof(), 0);
    EXPECT_EQ(stream.ReadByte(), 0xFF);
    EXPECT_NE(stream.IsEof(), 0);
}

// Files far longer than one read of the stream, and a second file opened
// while bytes of the first are still unread: every byte comes as it is in
// its file, and only a read past the last one is the end.
TEST(FileInputStream, LongFilesReadWholeAndAnOpenStartsAfresh)
{
    TempDirectory dir;
    std::vector<std::uint8_t> bytes(40000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    bytes.back() = 0xFF;
    const std::string longPath = dir.Write("long.raw", bytes);
    const std::string shortPath = dir.Write("short.raw", {9, 8});
    FileInputStream stream;
    ASSERT_EQ(stream.Open(longPath.c_str()), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(stream.ReadByte(), bytes[i]) << "byte " << i;
    EXPECT_EQ(stream.IsEof(), 0);
    EXPECT_EQ(stream.ReadByte(), 0xFF);
    EXPECT_NE(stream.IsEof(), 0);

    ASSERT_EQ(stream.Open(longPath.c_str()), 0);
    EXPECT_EQ(stream.ReadByte(), bytes[0]);
    ASSERT_EQ(stream.Open(shortPath.c_str()), 0);
    EXPECT_EQ(stream.IsEof(), 0);
    EXPECT_EQ(stream.ReadByte(), 9);
    EXPECT_EQ(stream.ReadByte(), 8);
    EXPECT_EQ(stream.IsEof(), 0);
    EXPECT_EQ(stream.ReadByte(), 0xFF);
    EXPECT_NE(stream.IsEof(), 0);
}

TEST(FileInputStream, SetNameAcceptsItsOwnStoredName)
{
    TempDirectory dir;
    const std::string path = dir.Write("named.raw", {1});
    FileInputStream stream;
    ASSERT_EQ(stream.Open(path.c_str()), 0);

    stream.SetName(stream.GetName());
    ASSERT_NE(stream.GetName(), nullptr);
    EXPECT_STREQ(stream.GetName(), path.c_str());

    // Reopening by the stored name reads the same file again.
    ASSERT_EQ(stream.Open(stream.GetName()), 0);
    EXPECT_STREQ(stream.GetName(), path.c_str());
    EXPECT_EQ(stream.ReadByte(), 1);
}

TEST(FileInputStream, CreateNewMakesAClosedUnnamedStream)
{
    TempDirectory dir;
    const std::string path = dir.Write("a.raw", {1});
    FileInputStream stream;
    ASSERT_EQ(stream.Open(path.c_str()), 0);

    std::unique_ptr<InputStream> created(stream.CreateNew());
    ASSERT_NE(created, nullptr);
    EXPECT_NE(dynamic_cast<FileInputStream*>(created.get()), nullptr);
    EXPECT_EQ(created->IsOpen(), 0);
    EXPECT_EQ(created->GetName(), nullptr);
    ASSERT_EQ(created->Open(path.c_str()), 0);
    EXPECT_EQ(created->ReadByte(), 1);
}
