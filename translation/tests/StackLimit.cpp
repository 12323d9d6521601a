#include "translation/tests/StackLimit.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace tolmeric {

namespace {

#ifdef _WIN32
DWORD WINAPI RunWork(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}
#else
void* RunWork(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return nullptr;
}
#endif

}  // namespace

#ifdef _WIN32
bool RunWithStack(size_t stackBytes, const std::function<void()>& work) {
  HANDLE thread = CreateThread(nullptr, stackBytes, RunWork, const_cast<std::function<void()>*>(&work),
                               STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
}
#else
bool RunWithStack(size_t stackBytes, const std::function<void()>& work) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  pthread_t thread;
  bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                 pthread_create(&thread, &attributes, RunWork,
                                const_cast<std::function<void()>*>(&work)) == 0;
  pthread_attr_destroy(&attributes);
  if (started) pthread_join(thread, nullptr);
  return started;
}
#endif

}  // namespace tolmeric
