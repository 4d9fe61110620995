#include "toolkit/ThrowCapture.h"

namespace {

thread_local ThrowCapture lastCapture;

} // namespace

const ThrowCapture &lastThrow()
{
    return lastCapture;
}

#if NUMRA_INTERPOSES_THROW

void prepareThrowCapture()
{
    // As deep as a capture goes before it drops the frames above the thrower.
    lastCapture.stack.load_here(FailurePlatform::MaxFrames + 8);
}

namespace {

thread_local bool capturing = false;

[[gnu::noinline]] void captureThrow(void *object, std::type_info *type, void *site,
                                    void *callerStack)
{
    ThrowCapture &capture = lastCapture;
    FailurePlatform::getcontext(&capture.context);
    FailurePlatform::setThrowerView(capture.context, site, callerStack);
    capture.object = object;
    capture.type = type;
    capture.site = site;
    // backward-cpp keeps return addresses less one; start the chain at the thrower.
    capture.stack.load_from(static_cast<char *>(site) - 1, FailurePlatform::MaxFrames);
}

} // namespace

// Declared where <cxxabi.h> declares it: at global scope it would clash with the declaration
// the compiler makes for itself.
namespace __cxxabiv1 {

extern "C" [[noreturn]] void __cxa_throw(void *object, std::type_info *type,
                                         void (*destroy)(void *))
{
    using CxaThrow = void (*)(void *, std::type_info *, void (*)(void *));
    // A failure while capturing (say, no memory for the frames) is thrown through here too;
    // it is neither captured nor allowed to escape.
    if (!capturing) {
        capturing = true;
        try {
            captureThrow(object, type, __builtin_return_address(0), __builtin_dwarf_cfa());
        } catch (...) {
        }
        capturing = false;
    }
    static const auto realThrow = reinterpret_cast<CxaThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    if (!realThrow)
        std::abort();
    realThrow(object, type, destroy);
    __builtin_unreachable();
}

} // namespace __cxxabiv1

#else

void prepareThrowCapture() {}

#endif
