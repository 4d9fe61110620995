#pragma once

// What the error logger needs of the system beneath the program: the registers at a throw or a
// crash, a call chain that may be taken inside a signal handler, the module of a code address,
// a look at every C++ throw before it unwinds, and memory set aside for a report. glibc on x86-64
// has all of them; elsewhere the stubs below leave those parts out of the report, the memory
// comes from the heap, and the crash writer does nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <typeinfo>

namespace FailurePlatform {

// Frames kept of a call chain.
inline constexpr std::size_t MaxFrames = 64;

struct RegisterName
{
    const char *name;
    int index;
    bool savedByGetcontext; // glibc's getcontext() leaves the scratch registers out
};

struct Module
{
    const char *fileName;
    std::uintptr_t base;
    const char *symbol = nullptr; // the nearest exported one at or below the address, if any
    std::uintptr_t symbolAddress = 0;
};

} // namespace FailurePlatform

#if defined(__linux__) && defined(__GLIBC__) && defined(__x86_64__)

// ThrowCapture.cpp defines __cxa_throw, and CrashWriter.cpp handles the crash signals.
#define NUMRA_INTERPOSES_THROW 1
#define NUMRA_HANDLES_CRASH_SIGNALS 1
#define BACKWARD_HAS_DW 1

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <sys/mman.h>
#include <ucontext.h>

#include <cstdlib>
#include <system_error>

namespace FailurePlatform {

using MachineContext = ucontext_t;

inline constexpr RegisterName Registers[] = {
    {"RIP", REG_RIP, true},  {"RSP", REG_RSP, true}, {"RBP", REG_RBP, true},
    {"RAX", REG_RAX, false}, {"RBX", REG_RBX, true}, {"RCX", REG_RCX, true},
    {"RDX", REG_RDX, true},  {"RSI", REG_RSI, true}, {"RDI", REG_RDI, true},
    {"R8", REG_R8, true},    {"R9", REG_R9, true},   {"R10", REG_R10, false},
    {"R11", REG_R11, false}, {"R12", REG_R12, true}, {"R13", REG_R13, true},
    {"R14", REG_R14, true},  {"R15", REG_R15, true}, {"EFL", REG_EFL, false},
};

inline std::span<const RegisterName> registerNames()
{
    return Registers;
}

// Called directly by whoever wants its own registers: it returns twice, so it cannot be wrapped.
using ::getcontext;

// Shows the thrower's view: where it called the throw, and its stack pointer.
inline void setThrowerView(MachineContext &context, void *site, void *callerStack)
{
    context.uc_mcontext.gregs[REG_RIP] = reinterpret_cast<greg_t>(site);
    context.uc_mcontext.gregs[REG_RSP] = reinterpret_cast<greg_t>(callerStack);
}

inline std::uintptr_t registerValue(const MachineContext &context, const RegisterName &reg)
{
    return static_cast<std::uintptr_t>(context.uc_mcontext.gregs[reg.index]);
}

// The third argument of an SA_SIGINFO handler.
inline const MachineContext &signalContext(void *context)
{
    return *static_cast<const ucontext_t *>(context);
}

inline int backtrace(void **frames, int size)
{
    return ::backtrace(frames, size);
}

// Async-signal-safe once backtrace() has been called outside the handler.
inline void writeBacktrace(void *const *frames, int count, int fd)
{
    ::backtrace_symbols_fd(frames, count, fd);
}

inline bool moduleOf(const void *address, Module &module)
{
    Dl_info info;
    if (!dladdr(address, &info) || !info.dli_fname)
        return false;
    module = {info.dli_fname, reinterpret_cast<std::uintptr_t>(info.dli_fbase), info.dli_sname,
              reinterpret_cast<std::uintptr_t>(info.dli_saddr)};
    return true;
}

// Mapped and never touched, so that it holds address space and commit charge, the limits an
// allocation runs into, but no memory. Not from the heap, whose thresholds a large block moves.
inline void *reserveMemory(std::size_t bytes)
{
    void *block =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

inline void releaseMemory(void *block, std::size_t bytes)
{
    if (block)
        ::munmap(block, bytes);
}

inline std::string demangle(const char *name)
{
    int status = 0;
    char *readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string result = status == 0 && readable ? readable : name;
    std::free(readable);
    return result;
}

// Inside a catch block.
inline const std::type_info *currentExceptionType()
{
    return abi::__cxa_current_exception_type();
}

} // namespace FailurePlatform

#else

#define NUMRA_INTERPOSES_THROW 0
#define NUMRA_HANDLES_CRASH_SIGNALS 0

namespace FailurePlatform {

struct MachineContext
{
};

inline std::span<const RegisterName> registerNames()
{
    return {};
}

inline std::uintptr_t registerValue(const MachineContext &, const RegisterName &)
{
    return 0;
}

inline bool moduleOf(const void *, Module &)
{
    return false;
}

inline void *reserveMemory(std::size_t bytes)
{
    return std::malloc(bytes);
}

inline void releaseMemory(void *block, std::size_t)
{
    std::free(block);
}

inline std::string demangle(const char *name)
{
    return name;
}

inline const std::type_info *currentExceptionType()
{
    return nullptr;
}

} // namespace FailurePlatform

#endif
