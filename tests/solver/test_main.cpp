#include "platform/ui/test_support.h"

int main(int argc, char** argv) { return vorn_test::RunTests(argc, argv); }
