// Sanitizer builds only: dlclose does nothing, so libVLC and its plug-ins stay mapped until exit.
// LeakSanitizer runs at exit; for an unloaded library it can neither scan the static data that still
// points at its allocations (they would all be reported) nor name its frames ("<unknown module>"),
// which leaves reports that cannot be told apart from ours. Mapped, only real leaks remain, named.
extern "C" int dlclose(void*) { return 0; }
