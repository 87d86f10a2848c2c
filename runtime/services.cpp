// The services' bodies that are not templates.
#include "services.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <string>

#include "random.h"

namespace runtime {

namespace {

constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

void RequireMissing(const Variant* argument, const char* procedure) {
  if (argument == nullptr || !argument->IsMissing())
    throw RuntimeError(kErrInvalidCall, std::string(procedure) + ": only the missing argument is taken");
}

}  // namespace

void __vbaHresultCheckObj(Status status, Object* object, const Guid& iid, std::string_view operation) {
  (void)object;  // the interface identifier names the object's kind
  char code[16];
  std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(status));
  std::string context;
  context.append("'").append(operation).append("' on interface ").append(iid.ToString());
  context.append(" failed with status ").append(code);
  throw RuntimeError(ErrorNumberForStatus(status), std::move(context), status);
}

void __vbaFreeVar(Variant* variant) { *variant = Variant{}; }

void Randomize(const Variant* seed) {
  RequireMissing(seed, "Randomize");
  Generator().Reseed(TimerTicks());
}

double Rnd(const Variant* seed) {
  RequireMissing(seed, "Rnd");
  return Generator().Next();
}

double __vbaFPInt(double value) {
  if (!std::isfinite(value)) {
    std::feraiseexcept(FE_INVALID);
    return value;
  }
  return std::floor(value);
}

std::int16_t __vbaFpI2(double value) {
  const double whole = std::nearbyint(value);
  if (!(whole >= -32768.0 && whole <= 32767.0))
    throw RuntimeError(kErrOverflow, "conversion to Integer");
  return static_cast<std::int16_t>(whole);
}

bool FPFault() { return std::fetestexcept(kFaultFlags) != 0; }

void __vbaFPException() {
  const bool divide = std::fetestexcept(FE_DIVBYZERO) != 0;
  std::feclearexcept(FE_ALL_EXCEPT);
  throw RuntimeError(divide ? kErrDivisionByZero : kErrOverflow, "floating-point fault");
}

}  // namespace runtime
