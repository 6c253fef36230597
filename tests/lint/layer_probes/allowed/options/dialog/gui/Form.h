#pragma once
#include "options/dialog/Pages.h"
