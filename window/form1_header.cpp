// Form1's window header.
#include "form1_header.h"

#include "event_tables.h"
#include "form1.h"

namespace tarvel {

namespace {

runtime::Form* NewForm1() { return new Form1; }

}  // namespace

runtime::WindowHeader Form1Header(const runtime::WindowEntry* description) {
  return runtime::WindowHeader{"Form1", description, &NewForm1, kEventTables};
}

}  // namespace tarvel
