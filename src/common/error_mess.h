#pragma once

#include <string>

namespace kx700 {

// Builds the captions of fault and question boxes: the caption word of the
// active language (fault or question entry 0), a blank and the number, for
// instance "Fout 6" or "Aandacht 3". A caption stays valid while the object
// lives and is replaced by the next caption built with the same object.
class CError_Mess {
public:
  CError_Mess();
  virtual ~CError_Mess();

  // "%s %d" with the fault caption word, or "%s %d : %s" when `text` is given.
  const std::string& ErrorCaption(int number, const char* text = nullptr);
  // The same with the question caption word.
  const std::string& QuestionCaption(int number, const char* text = nullptr);

private:
  const std::string& Build(const char* word, int number, const char* text);

  std::string caption_;
};

} // namespace kx700
