#pragma once

// The product's fixed addresses. The program reads no host, port or URL from anywhere else.

#include "framework/string.h"

// The About box's three links: a mail to the author, the maker's site (host only, no www label),
// and the order page at the reseller, which takes our vendor code as a bare first query part.
inline constexpr char32_t kAuthorMailto[] = U"mailto:mira.okafor@brevant.example";
inline constexpr char32_t kWebSite[] = U"http://brevant.example";
inline constexpr char32_t kOrderPage[] = U"http://orders.kestrelpay.example/?BRV7QX&lang=en";

// The update check's file, and the upgrade offer's two pages; its site keeps the www label.
inline constexpr char32_t kUpdateURL[] = U"http://www.brevant.example/Updates/rozovozu.xml";
inline constexpr char32_t kProductWebSite[] = U"http://www.brevant.example";
inline constexpr char32_t kDownloadPage[] = U"http://www.brevant.example/download/";

// The address the update check fetches: kUpdateURL unless a test has pointed it elsewhere.
String UpdateURL();
// The one seam for tests; an empty url restores kUpdateURL.
void SetUpdateURLForTesting(const String& url);
