#include "lisp/protected_lisp.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "lisp_fixture.h"
#include "platform/cp1251.h"

namespace orv::test {
namespace {

using Pieces = std::vector<std::string>;

constexpr size_t kBodyStart = 31;  // header line, CR, LF, 0x1A, key

// Written by hand from the cipher rules, key 0x01. The fourth byte hits the
// CR exception, the fifth is a cipher LF stored as CR LF, the seventh hits
// the 0x1A exception; 0x1A ends the body before the trailing junk.
const std::string kHandMade = std::string("AutoCAD PROTECTED LISP file\r\n\x1A\x01") +
                              "\x29\x33\x4F\x93\r\n\x76\xF6" + "\x1A" + "junk";
const std::string kHandMadePlain = "(a)\x93-b\xF6";

// How often an encoded body uses the two exceptions of the cipher.
struct BodyStats {
  int kept_as_is = 0;  // XOR would have given CR or 0x1A
  int stored_crlf = 0;
};

BodyStats Stats(const std::string& file) {
  BodyStats stats;
  auto key = static_cast<unsigned char>(file[kBodyStart - 1]);
  for (size_t i = kBodyStart; i < file.size() && file[i] != '\x1A'; ++i) {
    auto c = static_cast<unsigned char>(file[i]);
    if (c == '\r' && file[i + 1] == '\n') {
      ++stats.stored_crlf;
      c = '\n';
      ++i;
    }
    int x = c ^ key;
    if (x == '\r' || x == 0x1A) ++stats.kept_as_is;
    key = static_cast<unsigned char>((c << 1) | (c >> 7));
  }
  return stats;
}

// Every byte value but CR and 0x1A, which a protected text cannot hold.
std::string RandomText(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string text;
  while (text.size() < size) {
    auto b = static_cast<char>(rng() & 0xFF);
    if (b != '\r' && b != '\x1A') text.push_back(b);
  }
  return text;
}

TEST(ProtectedLisp, RecognisesOnlyTheExactHeaderLine) {
  struct Case {
    std::string bytes;
    bool protected_file;
  } cases[] = {
      {kHandMade, true},
      {"AutoCAD PROTECTED LISP file\n(a)", true},
      {"AutoCAD PROTECTED LISP file", true},
      {"AutoCAD PROTECTED LISP file \r\n", false},
      {" AutoCAD PROTECTED LISP file\r\n", false},
      {"AutoCAD protected LISP file\r\n", false},
      {"AutoCAD PROTECTED LISP fil", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsProtectedLisp(c.bytes), c.protected_file) << c.bytes;
}

TEST(ProtectedLisp, DecodesTheHandMadeFile) {
  EXPECT_EQ(DecodeProtectedLisp(kHandMade), kHandMadePlain);
  EXPECT_EQ(EncodeProtectedLisp(kHandMadePlain, 0x01), kHandMade.substr(0, kHandMade.size() - 4));
}

TEST(ProtectedLisp, LongTextsRoundTripThroughBothExceptions) {
  for (unsigned char key : {0x00, 0x01, 0x0A, 0x0D, 0x1A, 0x5A, 0xFF}) {
    std::string plain = RandomText(200000, key);
    std::string file = EncodeProtectedLisp(plain, key);
    BodyStats stats = Stats(file);
    EXPECT_GT(stats.kept_as_is, 500) << int(key);
    EXPECT_GT(stats.stored_crlf, 300) << int(key);
    EXPECT_EQ(DecodeProtectedLisp(file), plain) << int(key);
  }
}

TEST(ProtectedLisp, DamagedFilesDecodeAsFarAsTheyGo) {
  const std::string plain = RandomText(600, 7);
  const std::string file = EncodeProtectedLisp(plain, 0x3C);
  for (size_t size = 0; size <= file.size(); ++size) {
    // An exact-size heap copy, so that a read past the end shows under a sanitizer.
    std::vector<char> cut(file.begin(), file.begin() + size);
    std::string out = DecodeProtectedLisp(std::string_view(cut.data(), cut.size()));
    ASSERT_LE(out.size(), plain.size()) << size;
    // A cut between CR and LF leaves a lone CR, which stands for a byte of its own.
    size_t sure = out.empty() ? 0 : out.size() - 1;
    ASSERT_EQ(out.substr(0, sure), plain.substr(0, sure)) << size;
  }
  std::mt19937 rng(11);
  for (int round = 0; round < 2000; ++round) {
    std::string junk = file.substr(0, kBodyStart - 1);
    size_t length = rng() % 64;
    for (size_t i = 0; i < length; ++i) junk.push_back(static_cast<char>(rng() & 0xFF));
    std::vector<char> exact(junk.begin(), junk.end());
    EXPECT_LE(DecodeProtectedLisp(std::string_view(exact.data(), exact.size())).size(), length);
  }
}

class ProtectedReaderTest : public LispFixture {};

TEST_F(ProtectedReaderTest, DecodedTextIsReadByTheSameRules) {
  // LF line ends, as the decoder gives them.
  const std::string program =
      "; Стена\n"
      "(defun C:Stena (/ p) ; точки\n"
      "  (setq p (getpoint \"\\nУкажите точку; Enter - конец (\"))\n"
      "  ;| старый вариант\n"
      "  (command \"line\" p) |;\n"
      "  (princ))\n";
  Pieces plain = ReadText(program, "plain.lsp");
  ASSERT_EQ(plain,
            (Pieces{"(defun C:Stena ", "(/ p)   ", "(setq p ",
                    "(getpoint \"\\nУкажите точку; Enter - конец ", "(\"))    ", "(princ))"}));
  EXPECT_EQ(ReadBytesAsLisp(EncodeProtectedLisp(EncodeCp1251(program), 0x7B), "locked.lsp"), plain);
  EXPECT_EQ(ReadBytesAsLisp(kHandMade, "hand.lsp"), Pieces{"(a)“-bц"});
}

TEST_F(ProtectedReaderTest, HeaderWithoutBodyGivesNoPieces) {
  ReadText("(old)");
  EXPECT_TRUE(ReadBytesAsLisp("AutoCAD PROTECTED LISP file\r\n").empty());
  EXPECT_TRUE(ReadBytesAsLisp("AutoCAD PROTECTED LISP file\r\n\x1A\x42").empty());
}

}  // namespace
}  // namespace orv::test
