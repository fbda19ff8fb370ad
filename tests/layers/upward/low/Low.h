#pragma once

// A header of a low layer that reaches up: the check must refuse it.
#include "High.h"
