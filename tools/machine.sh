# What this machine's kernel can run. Sourced by the other scripts.

# runs_x86_32: whether the kernel runs 32-bit x86 programs. Some kernels
# are built without that support, and then every i386 program (the 32-bit
# wine loader included) fails with "Exec format error", whatever packages
# are installed. So this asks the kernel itself, with the smallest such
# program: an ELF32 i386 executable of 93 bytes whose code only exits
# with status 0.
runs_x86_32() {
  local probe status
  probe=$(mktemp)
  {
    # ELF header: class 32-bit, little-endian, version 1; an executable
    # for the 386; entry 0x08048054; one program header at offset 52.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
    # Program header: the whole file loaded at 0x08048000, read and execute.
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
    printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
    # Code: exit(0) through the 32-bit system call gate.
    printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80'
  } >"$probe"
  chmod +x "$probe"
  status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 0 ]
}
