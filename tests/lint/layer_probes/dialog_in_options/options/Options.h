#pragma once
#include "optionsdialog/Pages.h"
