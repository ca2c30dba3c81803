// SPDX-License-Identifier: MIT
#include "up/Up.h"
#include "low/Low.h"
