// Runs a piece of work on a thread with a stack of a chosen size, so that a
// test shows that an operation fits a given stack (Windows gives its main
// thread 1 MB).
#pragma once

#include <cstddef>
#include <functional>

namespace tolmeric {

// Runs work on a new thread with stackBytes of stack and waits for it.
// False when the thread could not be started.
bool RunWithStack(size_t stackBytes, const std::function<void()>& work);

}  // namespace tolmeric
