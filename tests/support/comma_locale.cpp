#include "support/comma_locale.h"

#include <clocale>
#include <initializer_list>

namespace hygrovia::testing {

CommaLocale::CommaLocale() {
  // The last name is how Windows calls the German locale.
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      active_ = true;
      break;
    }
  }
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, "C"); }

}  // namespace hygrovia::testing
