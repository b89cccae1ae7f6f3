#define B 2

#include "rec_a.h"
