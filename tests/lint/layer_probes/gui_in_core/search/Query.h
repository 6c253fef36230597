#pragma once
#include "search/gui/Form.h"
