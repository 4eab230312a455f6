#pragma once
// Included by the one file of each test program that holds its main.
#if defined(__SANITIZE_ADDRESS__)
// LeakSanitizer takes a block of a loaded library's thread-local storage that
// starts 16 bytes into a page for an older C library's layout, reads a size
// from the 16 bytes before it and crashes scanning that range. The JPEG
// decoder's block lands there or not by chance of the heap, so the test
// programs leave such blocks unscanned; nothing of ours lives in them.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }
#endif
