#ifndef HYGROVIA_TESTS_SUPPORT_COMMA_LOCALE_H
#define HYGROVIA_TESTS_SUPPORT_COMMA_LOCALE_H

namespace hygrovia::testing {

// Puts a locale with decimal commas in force while it lives, if the machine has one, and the
// "C" locale back when it goes.
class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  bool active() const { return active_; }

 private:
  bool active_ = false;
};

}  // namespace hygrovia::testing

#endif  // HYGROVIA_TESTS_SUPPORT_COMMA_LOCALE_H
