// The program's entry point: hands its header to the runtime's start
// routine, which never returns.
#include "form1_header.h"
#include "start.h"

int main() { runtime::Start(tarvel::ProgramHeader()); }
