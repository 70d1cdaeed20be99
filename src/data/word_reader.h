#ifndef HYGROVIA_DATA_WORD_READER_H
#define HYGROVIA_DATA_WORD_READER_H

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace hygrovia {

// Reads a text stream the way the C library's formatted scan reads it with "%s" and "%f":
// words are runs of characters other than white space (spaces, tabs, line ends), and a number
// may be followed directly by the next word ("5Cursor:" is the number 5, then "Cursor:").
// Memory stays bounded whatever the input: a word longer than kMaxWordLength is skipped
// whole, and never yields a number or a part of one.
class WordReader {
 public:
  static constexpr std::size_t kMaxWordLength = 255;

  // The stream must outlive the reader; it is read in blocks, without the locale.
  explicit WordReader(std::istream& in);

  // The next word, or nothing at the end of the input.
  std::optional<std::string> NextWord();
  // A number read like "%f" from the next word: nothing, and nothing consumed but white space,
  // when no number starts there or when it is not finite as a float (nan, inf, 1e999,
  // 1e300). The unread text remains the next word.
  std::optional<float> NextFloat();
  // The rest of the current line as it stands, blanks before it skipped and the line's end
  // left out: a part of a word not yet read, then everything up to the line's end, whatever
  // words it holds; cut to kMaxWordLength bytes, the rest of a longer line passed over. Empty
  // when the last word read ended its line.
  std::string RestOfLine();
  // The next word without taking it; nothing at the end of the input.
  std::optional<std::string> PeekWord();
  // True when a number starts the next word but is not finite as a float (nan, inf, 1e400,
  // 1e39); nothing is taken.
  bool NextIsUnfitNumber();
  // The line, counted from 1, on which the word last read or looked at starts.
  std::size_t Line() const;
  // True when the stream failed while reading, not merely ended.
  bool ReadFailed() const;

 private:
  // Makes the rest of a word pending unless one is; false at the end of the input.
  bool FillPending();
  void ReadToken();
  // The next character of the stream, or nothing at its end.
  std::optional<char> NextChar();

  std::istream& in_;
  std::array<char, 4096> block_{};
  std::size_t blockUsed_ = 0;
  std::size_t blockSize_ = 0;
  std::string token_;
  std::size_t used_ = 0;
  bool overlong_ = false;
  // The character that ended the last word read; none at the end of the input.
  std::optional<char> ended_;
  bool readFailed_ = false;
  std::size_t line_ = 1;       // of the next character
  std::size_t tokenLine_ = 1;  // of the word in token_
};

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_WORD_READER_H
