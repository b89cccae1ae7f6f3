#include <cstdlib>
#include <ctime>

#include "platform/ui/test_support.h"

int main(int argc, char** argv) {
    // Times of day are local times; every expectation is written for this zone.
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    return vorn_test::RunTests(argc, argv);
}
