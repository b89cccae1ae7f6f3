#define A 1
#include "rec_b.h"
