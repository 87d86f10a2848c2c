// Run-time errors: the one exception type that carries an error out of a
// procedure to the runtime, the error numbers and their texts, and the
// reporter through which the runtime shows an error to the user.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "com.h"

namespace runtime {

// Error numbers, as the platform numbers them.
enum ErrorNumber : std::int32_t {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscript = 9,
  kErrDivisionByZero = 11,
  kErrTypeMismatch = 13,
  kErrObjectNotSet = 91,
  kErrInvalidFileFormat = 321,
  kErrNoSuchElement = 340,
  kErrInvalidProperty = 380,
  kErrObjectRequired = 424,
  kErrNoInterface = 430,
  kErrNotSupported = 438,
  kErrActionNotSupported = 445,
};

// The error's text, as the user reads it; "Application-defined or
// object-defined error" for a number without one of its own.
std::string ErrorText(std::int32_t number);

class RuntimeError : public std::runtime_error {
 public:
  // number: the error number; status: the status it came from (0 when it
  // did not come from a call); context: where it arose, e.g. the interface
  // and operation of a failing call.
  RuntimeError(std::int32_t number, std::string context = {}, Status status = 0);

  std::int32_t number() const { return number_; }
  Status status() const { return status_; }
  const std::string& context() const { return context_; }
  // "Run-time error '6':\n\nOverflow", with the context on a line of its own.
  std::string Message() const;

 private:
  std::int32_t number_;
  Status status_;
  std::string context_;
};

// The run-time error that a failing status stands for: a control-facility
// status gives its own number, the common failures their usual numbers, any
// other failure an automation error whose number is the status itself.
std::int32_t ErrorNumberForStatus(Status status);

// Where the runtime reports an error that reached it. The window layer
// installs one that shows a message box; the default writes to stderr.
using ErrorReporter = std::function<void(const RuntimeError&)>;
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const RuntimeError& error);

}  // namespace runtime
