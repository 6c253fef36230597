#pragma once
#include "search/Query.h"
