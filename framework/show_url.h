#pragma once

#include "framework/string.h"

// Hands an address to the system's browser or mail client. Failures are not reported.
void ShowURL(const String& url);
