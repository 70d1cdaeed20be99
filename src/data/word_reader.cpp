#include "data/word_reader.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "base/number_text.h"

namespace hygrovia {
namespace {

// The white space of the C locale, as the formatted scan sees it.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool FitsFloat(double value) {
  return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

WordReader::WordReader(std::istream& in) : in_(in) {}

std::optional<std::string> WordReader::NextWord() {
  while (FillPending()) {
    if (overlong_) {
      token_.clear();
      continue;
    }
    std::string word = token_.substr(used_);
    token_.clear();
    return word;
  }
  return std::nullopt;
}

std::optional<float> WordReader::NextFloat() {
  if (!FillPending() || overlong_) return std::nullopt;
  const auto parsed = ParseNumber(std::string_view(token_).substr(used_));
  if (!parsed || !FitsFloat(parsed->value)) return std::nullopt;
  used_ += parsed->length;
  if (used_ >= token_.size()) token_.clear();
  return static_cast<float>(parsed->value);
}

std::string WordReader::RestOfLine() {
  const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
  std::string line;
  if (used_ < token_.size() && !overlong_) line = token_.substr(used_);
  const bool pending = used_ < token_.size();
  token_.clear();
  used_ = 0;
  if (!ended_ || isLineEnd(*ended_)) return line;
  std::optional<char> c = NextChar();
  if (!pending) {
    while (c && (*c == ' ' || *c == '\t')) c = NextChar();
  } else if (c && !isLineEnd(*c)) {
    line.push_back(*ended_);
  }
  for (; c && !isLineEnd(*c); c = NextChar()) {
    if (line.size() < kMaxWordLength) line.push_back(*c);
  }
  ended_ = c;
  return line;
}

std::optional<std::string> WordReader::PeekWord() {
  while (FillPending()) {
    if (!overlong_) return token_.substr(used_);
    token_.clear();
  }
  return std::nullopt;
}

bool WordReader::NextIsUnfitNumber() {
  if (!FillPending() || overlong_) return false;
  const auto parsed = ParseNumber(std::string_view(token_).substr(used_));
  return parsed && !FitsFloat(parsed->value);
}

std::size_t WordReader::Line() const { return tokenLine_; }

bool WordReader::ReadFailed() const { return readFailed_; }

bool WordReader::FillPending() {
  if (used_ < token_.size()) return true;
  ReadToken();
  return !token_.empty();
}

void WordReader::ReadToken() {
  token_.clear();
  used_ = 0;
  overlong_ = false;
  std::optional<char> c = NextChar();
  while (c && IsSpace(*c)) c = NextChar();
  tokenLine_ = line_;
  for (; c && !IsSpace(*c); c = NextChar()) {
    if (token_.size() < kMaxWordLength) {
      token_.push_back(*c);
    } else {
      overlong_ = true;
    }
  }
  ended_ = c;
}

std::optional<char> WordReader::NextChar() {
  if (blockUsed_ >= blockSize_) {
    in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
    // A read error (a folder, a device that fails) ends the input like the end of the file.
    readFailed_ = readFailed_ || in_.bad();
    blockSize_ = static_cast<std::size_t>(in_.gcount());
    blockUsed_ = 0;
    if (blockSize_ == 0) return std::nullopt;
  }
  const char c = block_[blockUsed_++];
  if (c == '\n') ++line_;
  return c;
}

}  // namespace hygrovia
