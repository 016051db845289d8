#pragma once

#include <string>

// Where the published release number and the download page live.
struct UpdateSite {
    std::wstring version_file_url;
    std::wstring download_page_url;
};

// The two addresses on the web server `host` (a host name, optionally with ":port").
UpdateSite update_site_on(const std::wstring& host);

// The maker's web server, chosen when the program is built. A build made without naming one
// uses a reserved name that never resolves, so it contacts nobody.
UpdateSite maker_update_site();
