// A core header that reaches up into the platform adapters: the build must refuse it.
#pragma once
#include "platform/grid.h"
