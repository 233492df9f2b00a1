// Text files through folder items: what the writer writes comes back line for line, and lines
// written on other systems read the same.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "framework/folder_item.h"
#include "framework/qt_text.h"
#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

namespace {
using namespace std::string_literals;

class TextFile : public ::testing::Test {
 protected:
  std::shared_ptr<FolderItem> Item() const { return FolderItem(FromQString(dir_.path())).Child(U"file.txt"); }
  void WriteBytes(const std::string& bytes) const {
    QFile file(dir_.filePath("file.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::vector<String> ReadLines() const {
    std::vector<String> lines;
    auto stream = Item()->OpenAsTextFile();
    if (!stream) return lines;
    while (!stream->Eof()) lines.push_back(stream->ReadLine());
    stream->Close();
    return lines;
  }
  QTemporaryDir dir_;
};

TEST_F(TextFile, writtenLinesReadBackTheSame) {
  const std::vector<String> lines = {U"#Window1Position -22,1300", U"", U"  blanks\tand tab ", U"\u00E4\u20AC\U0001F600", U"\uFFFD"};
  auto out = Item()->CreateTextFile();
  ASSERT_NE(out, nullptr);
  for (const auto& line : lines) out->WriteLine(line);
  EXPECT_FALSE(Item()->Exists()) << "the file appears only when complete";
  out->Close();
  EXPECT_EQ(ReadLines(), lines);

  // A stream dropped unclosed leaves the file as it was.
  Item()->CreateTextFile()->WriteLine(U"never");
  EXPECT_EQ(ReadLines(), lines);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file.txt"});
}

TEST_F(TextFile, linesEndAtCrLfOrCrLfAndBytesDecodeAsUtf8) {
  WriteBytes("a\rb\nc\r\n\r\nd\xFF\xC3\0e"s);
  EXPECT_EQ(ReadLines(), (std::vector<String>{U"a", U"b", U"c", U"", U"d\uFFFD\uFFFD\0e"s}));

  // A CR LF split across the reader's buffers is still one line end.
  const std::string longLine(64 * 1024 - 1, 'x');
  WriteBytes(longLine + "\r\ny\r\n");
  EXPECT_EQ(ReadLines(), (std::vector<String>{FromLatin1(longLine), U"y"}));

  WriteBytes(
      "\xEF\xBB\xBF"
      "first\n\xEF\xBB\xBF");
  EXPECT_EQ(ReadLines(), (std::vector<String>{U"first", U"\uFEFF"})) << "only a leading mark is dropped";
  WriteBytes("");
  EXPECT_EQ(ReadLines(), std::vector<String>{});
}

TEST_F(TextFile, whatCannotBeOpenedOrCreatedIsNil) {
  EXPECT_EQ(Item()->OpenAsTextFile(), nullptr) << "missing";
  WriteBytes("x");
  EXPECT_EQ(Item()->Child(U"below")->CreateTextFile(), nullptr) << "its parent is a regular file";
  Item()->Delete();
  EXPECT_FALSE(Item()->Exists());
  ASSERT_TRUE(QDir(dir_.path()).mkdir("file.txt"));
  EXPECT_EQ(Item()->OpenAsTextFile(), nullptr) << "a directory";
}
}  // namespace
