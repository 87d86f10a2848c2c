// Form1's window header.
#include "form1_header.h"

#include "event_tables.h"
#include "form1.h"

namespace tarvel {

namespace {

vb::Form* NewForm1() { return new Form1; }

}  // namespace

vb::WindowHeader Form1Header(const vb::WindowEntry* description) {
  return vb::WindowHeader{"Form1", description, &NewForm1, kEventTables};
}

}  // namespace tarvel
