#pragma once

// The product's fixed addresses. The program reads no host, port or URL from anywhere else.

#include "framework/string.h"

inline constexpr char32_t kUpdateURL[] = U"http://www.brevant.example/Updates/rozovozu.xml";
inline constexpr char32_t kProductWebSite[] = U"http://www.brevant.example";
inline constexpr char32_t kDownloadPage[] = U"http://www.brevant.example/download/";

// The address the update check fetches: kUpdateURL unless a test has pointed it elsewhere.
String UpdateURL();
// The one seam for tests; an empty url restores kUpdateURL.
void SetUpdateURLForTesting(const String& url);
