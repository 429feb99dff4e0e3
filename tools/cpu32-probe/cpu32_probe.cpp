// Tells whether this machine's kernel lets a 64-bit Linux process run 32-bit x86 code, the
// one thing Wine's WoW64 mode needs from the kernel: a far call into the 32-bit user code
// segment and a far return out of it. Some kernels leave that segment unusable (32-bit
// emulation switched off), and then every 32-bit Windows program dies at its first
// instruction. The probe does the same switch in a child process, so a fault is a verdict,
// not a crash.
//
// Prints one line and exits 0 (runs 32-bit code), 1 (does not), or 2 (could not tell; the
// caller then runs the 32-bit suites, which fail loudly if something is broken).
// --selector N replaces the 32-bit code segment's selector, for testing the verdicts.
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr unsigned kUser32CodeSelector = 0x23;  // Linux's __USER32_CS on x86-64

// Exit codes of the child, beside death by a signal.
constexpr int kRanIn32BitMode = 0;
constexpr int kRanIn64BitMode = 10;
constexpr int kNoLowMemory = 11;

// Machine code, written into one page below 4 GiB: in compatibility mode the instruction
// pointer and the stack pointer are 32 bits wide, so both the code and the stack must live
// there. Layout of the page:
constexpr std::uint32_t kSavedStackOffset = 0x100;  // the caller's 64-bit stack pointer
constexpr std::uint32_t kFarPointerOffset = 0x110;  // offset:selector for the far call
constexpr std::uint32_t kCode32Offset = 0x120;
constexpr std::size_t kPageBytes = 0x2000;

void Put(std::uint8_t*& at, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t byte : bytes)
    *at++ = byte;
}
void Put32(std::uint8_t*& at, std::uint32_t value) {
  std::memcpy(at, &value, sizeof value);
  at += sizeof value;
}

[[noreturn]] void RunProbeInChild(unsigned selector) {
  // A fault must end the child by its signal, whatever handlers the parent had.
  for (int fault : {SIGSEGV, SIGBUS, SIGILL})
    std::signal(fault, SIG_DFL);
  void* mapped = mmap(nullptr, kPageBytes, PROT_READ | PROT_WRITE | PROT_EXEC,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
  if (mapped == MAP_FAILED)
    _exit(kNoLowMemory);
  auto* page = static_cast<std::uint8_t*>(mapped);
  const auto base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(page));
  const std::uint32_t stack_top = base + kPageBytes - 16;

  // 64-bit entry: save rsp, switch to the low stack, far call, restore rsp, return.
  std::uint8_t* at = page;
  Put(at, {0x48, 0x89, 0x24, 0x25});  // mov [abs32], rsp
  Put32(at, base + kSavedStackOffset);
  Put(at, {0xBC});  // mov esp, imm32 (zero-extends into rsp)
  Put32(at, stack_top);
  Put(at, {0xFF, 0x1C, 0x25});  // call far [abs32] (m16:32)
  Put32(at, base + kFarPointerOffset);
  Put(at, {0x48, 0x8B, 0x24, 0x25});  // mov rsp, [abs32]
  Put32(at, base + kSavedStackOffset);
  Put(at, {0xC3});  // ret

  at = page + kFarPointerOffset;
  Put32(at, base + kCode32Offset);
  Put(at, {static_cast<std::uint8_t>(selector), static_cast<std::uint8_t>(selector >> 8)});

  // Runs in either mode and says which: 0x48 is "dec eax" in 32-bit code, a mere prefix in
  // 64-bit code. Then a far return (pops 32-bit EIP and CS in both modes).
  at = page + kCode32Offset;
  Put(at, {0x31, 0xC0, 0x48, 0x90, 0xCB});  // xor eax,eax; dec eax | rex.w nop; retf

  auto entry = reinterpret_cast<int (*)()>(mapped);
  _exit(entry() == -1 ? kRanIn32BitMode : kRanIn64BitMode);
}

}  // namespace

int main(int argc, char** argv) {
  unsigned selector = kUser32CodeSelector;
  if (argc == 3 && std::string(argv[1]) == "--selector") {
    selector = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 0));
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: cpu32_probe [--selector N]\n");
    return 2;
  }
  char segment[64];
  std::snprintf(segment, sizeof segment, "the 32-bit code segment (selector 0x%x)", selector);

  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) {
    std::printf("undecided: fork failed: %s\n", std::strerror(errno));
    return 2;
  }
  if (child == 0)
    RunProbeInChild(selector);
  int status = 0;
  if (waitpid(child, &status, 0) != child) {
    std::printf("undecided: waiting for the probe failed: %s\n", std::strerror(errno));
    return 2;
  }
  if (WIFSIGNALED(status)) {
    std::printf("no: this machine's kernel runs no 32-bit code: a far call into %s ended in %s\n",
                segment, strsignal(WTERMSIG(status)));
    return 1;
  }
  switch (WEXITSTATUS(status)) {
    case kRanIn32BitMode:
      std::printf("yes: this machine runs 32-bit code: a far call into %s ran and returned\n",
                  segment);
      return 0;
    case kRanIn64BitMode:
      std::printf("no: a far call into %s returned, but ran as 64-bit code\n", segment);
      return 1;
    case kNoLowMemory:
      std::printf("undecided: no memory below 4 GiB for the probe\n");
      return 2;
    default:
      std::printf("undecided: the probe ended with exit code %d\n", WEXITSTATUS(status));
      return 2;
  }
}
