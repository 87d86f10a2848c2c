# Turns a window description stream into a C++ source that carries it, with
# one zero pad byte behind it, and the program's table of windows.
#   cmake -DSTREAM=FILE -DOUTPUT=FILE -P embed_stream.cmake
file(SIZE "${STREAM}" length)
file(READ "${STREAM}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}"
"// Generated from ${STREAM}: Form1's window description and the table of windows.\n"
"#include \"form1_design.h\"\n"
"#include \"windows_table.h\"\n\n"
"namespace tarvel {\n"
"namespace {\n"
"// The stream, then the zero pad byte that no length counts.\n"
"alignas(4) constexpr unsigned char kForm1Stream[${length} + 1] = {\n${bytes}\n0x00};\n"
"}  // namespace\n\n"
"const runtime::WindowEntry kWindows[1] = {{kForm1WindowId, ${length}u, kForm1Stream}};\n"
"}  // namespace tarvel\n")
