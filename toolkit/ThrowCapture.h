#pragma once

#include "toolkit/FailurePlatform.h"

#include <backward.hpp>

#include <typeinfo>

// What the last throw on this thread left behind. The catch in NumraApplication::notify()
// runs after the thrower's frames have been unwound, so the call chain is taken at the throw.
struct ThrowCapture
{
    backward::StackTrace stack;
    void *site = nullptr; // return address into the throwing function
    void *object = nullptr;
    const std::type_info *type = nullptr;
    FailurePlatform::MachineContext context{};
};

// This thread's last throw; empty where the platform does not let throws be watched.
const ThrowCapture &lastThrow();
// Makes room for this thread's call chains now, so that a throw for want of memory is captured
// as well as any other.
void prepareThrowCapture();
