// A shared library without the component entry points, for the activation error test.
extern "C" __attribute__((visibility("default"))) int notAComponent() { return 1; }
