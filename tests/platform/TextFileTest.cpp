#include <gtest/gtest.h>

#include <sys/stat.h>

#include "TestSupport.h"
#include "platform/TextFile.h"

namespace {

int ErrorCodeOf(void (*read)(TTextReader&), const std::string& bytes) {
  TTextReader in = TTextReader::FromBytes(bytes);
  try {
    read(in);
  } catch (const TInOutError& e) {
    return e.Code;
  }
  return 0;
}

}  // namespace

TEST(TextReader, NumbersSkipBlanksAndLineEndsAndTakeOneToken) {
  TTextReader in = TTextReader::FromBytes("  12\t-7\r\n\r\n 0x1F $10 +3\r\n2.5 -1e2 .5\r\nrest");
  EXPECT_EQ(in.ReadInt(), 12);
  EXPECT_EQ(in.ReadInt(), -7);
  EXPECT_EQ(in.ReadInt(), 31);
  EXPECT_EQ(in.ReadInt(), 16);
  EXPECT_EQ(in.ReadInt(), 3);
  EXPECT_TRUE(in.Eoln());
  EXPECT_DOUBLE_EQ(in.ReadReal(), 2.5);
  EXPECT_DOUBLE_EQ(in.ReadReal(), -100.0);
  EXPECT_DOUBLE_EQ(in.ReadReal(), 0.5);
  // The number leaves the rest of its line to the next read.
  EXPECT_EQ(in.ReadLine(), "");
  EXPECT_EQ(in.ReadLine(), "rest");
  EXPECT_TRUE(in.Eof());
}

TEST(TextReader, ANumberReadAtTheEndOfTheFileIsZero) {
  TTextReader in = TTextReader::FromBytes("5 \r\n  \r\n");
  EXPECT_EQ(in.ReadInt(), 5);
  EXPECT_EQ(in.ReadInt(), 0);
  EXPECT_DOUBLE_EQ(in.ReadReal(), 0.0);
  EXPECT_EQ(in.ReadLine(), "");
}

TEST(TextReader, ATokenThatIsNoNumberIsError106) {
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadInt(); }, "12abc"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadInt(); }, "-"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadInt(); }, "2.5"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadInt(); }, "99999999999999999999"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadReal(); }, "1,5"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadReal(); }, "1.2.3"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadReal(); }, "1e"), kIoInvalidNumber);
  EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadReal(); }, "nan"), kIoInvalidNumber);
  // Words and hexadecimal fractions that general number parsers take are no
  // numbers of these files, with or without a sign and in any case.
  for (const char* token : {"inf", "+inf", "-inf", "INF", "-Inf", "infinity", "+Infinity", "-INFINITY", "nan", "+nan",
                            "-nan", "NaN", "-NAN", "nan(1)", "0x1p3", "+0x1p3", "-0X1.8P1", "0x.8p1", "1p3"}) {
    EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadReal(); }, token), kIoInvalidNumber) << token;
    EXPECT_EQ(ErrorCodeOf([](TTextReader& in) { in.ReadInt(); }, token), kIoInvalidNumber) << token;
  }
}

TEST(TextReader, LinesEndAtCrLfLfOrCrAndAreDecodedFrom1251) {
  TTextReader in = TTextReader::FromBytes("\xCF\xF0\xE8 \r\nb\nc\rd");
  EXPECT_EQ(in.ReadLine(), "При ");
  EXPECT_EQ(in.ReadLine(), "b");
  EXPECT_EQ(in.ReadLine(), "c");
  EXPECT_FALSE(in.Eoln());
  EXPECT_EQ(in.ReadLine(), "d");
  EXPECT_TRUE(in.Eof());
  EXPECT_EQ(in.ReadLine(), "");
}

TEST(TextReader, CharactersComeOneByteAtATimeWithLineEndsAndAnEndMark) {
  TTextReader in = TTextReader::FromBytes(std::string("\xDF\r\n\0", 4));
  EXPECT_EQ(in.ReadChar(), "Я");
  EXPECT_EQ(in.ReadChar(), "\r");
  EXPECT_EQ(in.ReadChar(), "\n");
  EXPECT_EQ(in.PeekByte(), 0);
  EXPECT_EQ(in.ReadChar(), std::string(1, '\0'));
  EXPECT_EQ(in.PeekByte(), -1);
  EXPECT_EQ(in.ReadChar(), "\x1A");
  EXPECT_EQ(in.Position(), 4u);
}

TEST(TextFiles, MissingFilesAndDirectoriesAreInputOutputErrors) {
  TTempDir dir;
  try {
    TTextReader in(dir.File("none.txt"));
    FAIL() << "read a missing file";
  } catch (const TInOutError& e) {
    EXPECT_EQ(e.Code, kIoFileNotFound);
  }
  EXPECT_THROW(ReadFileBytes(dir.Path()), TInOutError);
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_TRUE(DirectoryExists(dir.Path()));
}

TEST(TextWriter, EncodesTo1251WithCrLfAndReplacesTheFileInOneStep) {
  TTempDir dir;
  const std::string path = dir.File("info.txt");
  WriteBytes(path, "old contents that are longer");
  TTextWriter w;
  w.WriteLine("Мира");
  w.WriteInt(-5);
  w.Write(" ");
  w.WriteIntLine(7);
  w.WriteRaw(std::string(1, '\0'));
  w.SaveAtomically(path);
  EXPECT_EQ(ReadBytes(path), std::string("\xCC\xE8\xF0\xE0\r\n-5 7\r\n\0", 13));
  EXPECT_FALSE(FileExists(path + ".tmp~"));
}

TEST(TextWriter, AFailedSaveThrowsAndLeavesTheOldFile) {
  TTempDir dir;
  const std::string path = dir.File("info.txt");
  WriteBytes(path, "old");
  ASSERT_EQ(::mkdir((path + ".tmp~").c_str(), 0755), 0);
  TTextWriter w;
  w.WriteLine("new");
  EXPECT_THROW(w.SaveAtomically(path), TInOutError);
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_THROW(w.SaveAtomically(dir.File("missing/info.txt")), TInOutError);
}
