#pragma once
#include "up/Up.h"
