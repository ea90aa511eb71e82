/* Preloaded into the program: a line on standard error when it loads, for every environment variable
   set and for every thread started, naming the library that started it. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pthread.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef int (*ThreadCreator)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
typedef int (*EnvironmentSetter)(const char*, const char*, int);

/* One write per line, so that lines from several threads do not interleave. */
static void Report(const char* what, const char* detail) {
  char line[512] = "thread report: ";
  strncat(line, what, sizeof line - strlen(line) - 2);
  strncat(line, detail, sizeof line - strlen(line) - 2);
  strcat(line, "\n");
  /* Nothing to do about a failed write: a missing line fails the test that reads it. */
  if (write(STDERR_FILENO, line, strlen(line)) < 0) return;
}

__attribute__((constructor)) static void ReportLoaded(void) { Report("loaded", ""); }

int setenv(const char* name, const char* value, int overwrite) {
  Report("setenv ", name);
  const EnvironmentSetter set = (EnvironmentSetter)dlsym(RTLD_NEXT, "setenv");
  return set(name, value, overwrite);
}

int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*start)(void*), void* argument) {
  Dl_info caller;
  const int found = dladdr(__builtin_return_address(0), &caller);
  Report("pthread_create from ", found != 0 && caller.dli_fname != NULL ? caller.dli_fname : "unknown");
  const ThreadCreator create = (ThreadCreator)dlsym(RTLD_NEXT, "pthread_create");
  return create(thread, attributes, start, argument);
}
