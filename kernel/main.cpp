// The program's entry point.
#include "startup.h"

int main(int argc, char **argv) { return fablet_main(argc, argv); }
