#include "up/Up.h"
#include "low/Low.h"
