// Runs the Qt tests off screen, each process with its own configuration folder.
#include "qt_test_support.h"

int main(int argc, char** argv) { return quire::qt::test::RunOffscreenTests(argc, argv); }
