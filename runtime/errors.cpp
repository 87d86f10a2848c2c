// Run-time error numbers, texts and the report.
#include "errors.h"

#include <cstdio>
#include <utility>

namespace runtime {

std::string ErrorText(std::int32_t number) {
  switch (number) {
    case kErrInvalidCall: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrOutOfMemory: return "Out of memory";
    case kErrSubscript: return "Subscript out of range";
    case kErrDivisionByZero: return "Division by zero";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrObjectNotSet: return "Object variable or With block variable not set";
    case kErrInvalidFileFormat: return "Invalid file format";
    case kErrNoSuchElement: return "Control array element doesn't exist";
    case kErrInvalidProperty: return "Invalid property value";
    case kErrObjectRequired: return "Object required";
    case kErrNoInterface: return "Class does not support Automation or does not support expected interface";
    case kErrNotSupported: return "Object doesn't support this property or method";
    case kErrActionNotSupported: return "Object doesn't support this action";
    default: break;
  }
  if (number < 0) return "Automation error";
  return "Application-defined or object-defined error";
}

namespace {

std::string WhatText(std::int32_t number, const std::string& context) {
  std::string what = "Run-time error '" + std::to_string(number) + "': " + ErrorText(number);
  if (!context.empty()) what += " (" + context + ")";
  return what;
}

ErrorReporter& Reporter() {
  static ErrorReporter reporter;
  return reporter;
}

}  // namespace

RuntimeError::RuntimeError(std::int32_t number, std::string context, Status status)
    : std::runtime_error(WhatText(number, context)),
      number_(number),
      status_(status),
      context_(std::move(context)) {}

std::string RuntimeError::Message() const {
  std::string text = "Run-time error '" + std::to_string(number_) + "':\n\n" + ErrorText(number_);
  if (!context_.empty()) text += "\n\n" + context_;
  return text;
}

std::int32_t ErrorNumberForStatus(Status status) {
  const auto code = static_cast<std::uint32_t>(status);
  if ((code & 0xFFFF0000u) == 0x800A0000u) return static_cast<std::int32_t>(code & 0xFFFFu);
  switch (status) {
    case E_OUTOFMEMORY: return kErrOutOfMemory;
    case E_INVALIDARG: return kErrInvalidCall;
    case E_NOINTERFACE: return kErrNoInterface;
    case E_NOTIMPL: return kErrActionNotSupported;
    case E_POINTER: return kErrObjectNotSet;
    case DISP_E_OVERFLOW: return kErrOverflow;
    case DISP_E_TYPEMISMATCH: return kErrTypeMismatch;
    case DISP_E_BADINDEX: return kErrSubscript;
    default: return status;  // an automation error, numbered by its status
  }
}

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportError(const RuntimeError& error) {
  if (Reporter()) {
    Reporter()(error);
    return;
  }
  std::fprintf(stderr, "%s\n", error.what());
}

}  // namespace runtime
