// SPDX-License-Identifier: MIT
#pragma once
#include "up/Up.h"
