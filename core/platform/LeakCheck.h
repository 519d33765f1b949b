#pragma once
// RINGPAD_LEAK_CHECK is defined in sanitizer builds, which check for leaks:
// the program before it ends at once (EndProgram), as _Exit skips the check
// at exit, and every test program at its end.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define RINGPAD_LEAK_CHECK 1
#endif
#endif
#if !defined(RINGPAD_LEAK_CHECK) && (defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_LEAK__))
#define RINGPAD_LEAK_CHECK 1
#endif

// Leaks inside system libraries that we cannot free ourselves, left out of
// those checks. Qt itself is not listed: a leak of ours through a Qt object
// must show.
inline constexpr const char kKnownSystemLeaks[] =
    "leak:libfontconfig\n"
    "leak:libglib\n"
    "leak:libdbus\n"
    "leak:libcups\n"
    // The dynamic loader's lists of loaded plugins, and glibc's list of a
    // thread's thread-local destructors, reached only from thread-local
    // storage, which the test programs' leak check does not scan.
    "leak:_dl_map_object_deps\n"
    "leak:dl_open_worker\n"
    "leak:__cxa_thread_atexit_impl\n";
