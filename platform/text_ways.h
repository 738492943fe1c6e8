// Which of the system's calls take the program's texts and paths: the
// ...W ones as UTF-16 on the NT family, the ...A ones elsewhere; and a
// text of the program (code page 932) as UTF-16, converted with 932 itself.
#pragma once
#include <windows.h>

#include <stddef.h>

#include "base/unicode.h"

// The ways this system takes; tests clear them to walk the older ones.
struct TextWays {
  int wideTexts;  // texts as UTF-16: the NT family, with 932's table
  int widePaths;  // paths as UTF-16: the NT family
};
TextWays* SystemTextWays();

// Code page 932 as the system knows it (every character unknown where it
// lacks the table).
const Cp932Table* SystemCp932();

// A text of the program as UTF-16 for a ...W call, for as long as it
// lives; converted with the system's code page where 932 is not known
// (what the ...A calls would show). NULL stays NULL.
class WideText {
 public:
  explicit WideText(const char* text);
  ~WideText();
  operator const wchar_t*() const { return text_; }

 private:
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;
  wchar_t small_[64];
  wchar_t* text_;
};
