// LeakSanitizer's thread scan crashes at exit ("Tracer caught signal 11")
// after the ruled-paper gallery, which draws every design through the PDF
// printer's fonts. This program keeps AddressSanitizer and UndefinedBehavior-
// Sanitizer but skips the leak check; the other test programs keep it.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
