// The runtime's services to compiled procedures: reference variables, the
// test of a failing status, the floating-point checks and conversions, the
// generator, the variant's clean-up and the registered error clean-up.
// The names are those under which the program imports them.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "com.h"
#include "errors.h"
#include "variant.h"

namespace runtime {

// Releases what the reference variable held, stores the reference without
// counting it up and returns it.
template <class T>
T* __vbaObjSet(T** variable, T* reference) {
  T* old = *variable;
  *variable = reference;
  if (old) old->Release();
  return reference;
}

// Raises the run-time error that a failing status stands for, naming the
// object's interface and the operation. Never returns.
[[noreturn]] void __vbaHresultCheckObj(Status status, Object* object, const Guid& iid,
                                       std::string_view operation);

// Releases each reference variable that is set, in the order given, and
// empties it; empty ones are skipped. The count must match the variables.
template <class... T>
void __vbaFreeObjList(std::int32_t count, T**... variables) {
  if (count != static_cast<std::int32_t>(sizeof...(variables)))
    throw std::logic_error("__vbaFreeObjList: count does not match its variables");
  auto release = [](auto** variable) {
    if (auto* held = std::exchange(*variable, nullptr)) held->Release();
  };
  (release(variables), ...);
}

// Clears the variant to empty.
void __vbaFreeVar(Variant* variant);

// The reseed (import by ordinal 594): with the missing argument, reseeds the
// generator from the system timer.
void Randomize(const Variant* seed);

// The next random number (import by ordinal 593): with the missing
// argument, the generator's next value r, 0 <= r < 1.
double Rnd(const Variant* seed);

// The integer part (the largest whole number not above the value), as a
// floating value. A value that is not finite has none: it is returned as it
// is and the invalid-operation flag is raised, so that the caller's
// floating-point test reports it.
double __vbaFPInt(double value);

// The value rounded to a whole number as the floating-point unit rounds
// (to nearest, ties to even), as a 16-bit signed integer; outside that
// range, or not a number, the overflow run-time error.
std::int16_t __vbaFpI2(double value);

// Whether invalid operation, division by zero or overflow has been flagged
// since the flags were last cleared.
bool FPFault();

// Raises the floating-point run-time error for the flags now set: division
// by zero (11) where that flag is set, overflow (6) otherwise. Clears the
// flags. Never returns.
[[noreturn]] void __vbaFPException();

// The registered error clean-up of a procedure. Made on entry with the
// procedure's clean-up and its exit: when a run-time error leaves the
// procedure, the clean-up runs and then the exit, and the error goes on to
// the runtime; on the normal path only the exit runs.
template <class Cleanup, class Exit>
class __vbaExceptHandler {
 public:
  __vbaExceptHandler(Cleanup cleanup, Exit exit)
      : cleanup_(std::move(cleanup)), exit_(std::move(exit)),
        unwinding_(std::uncaught_exceptions()) {}
  __vbaExceptHandler(const __vbaExceptHandler&) = delete;
  __vbaExceptHandler& operator=(const __vbaExceptHandler&) = delete;
  ~__vbaExceptHandler() {
    if (std::uncaught_exceptions() > unwinding_) cleanup_();
    exit_();
  }

 private:
  Cleanup cleanup_;
  Exit exit_;
  int unwinding_;
};

}  // namespace runtime
