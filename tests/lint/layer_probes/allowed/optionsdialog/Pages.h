#pragma once
#include "desktop/Help.h"
#include "search/Query.h"
