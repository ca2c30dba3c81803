// SPDX-License-Identifier: MIT
#include "low/Low.h"
