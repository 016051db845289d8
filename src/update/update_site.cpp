#include "update/update_site.h"

#ifndef HUSHCLOAK_UPDATE_HOST
#error "HUSHCLOAK_UPDATE_HOST must name the web server of the update check"
#endif

UpdateSite update_site_on(const std::wstring& host) {
    const std::wstring server = L"http://" + host;
    return {server + L"/meta/release_current_version_hushcloak.txt", server + L"/hushcloak"};
}

UpdateSite maker_update_site() {
    return update_site_on(L"" HUSHCLOAK_UPDATE_HOST);
}
