#include "update/update_check_win.h"

#include "app/application_win.h"
#include "update/update_desktop_win.h"
#include "update/url_fetcher.h"

void check_for_updates(void* parameter) {
    if (parameter == nullptr) {
        return;
    }
    auto& application = *static_cast<Application*>(parameter);
    UrlFetcher fetcher;
    Win32UpdateDesktop desktop(application.main_window_handle());
    run_update_check(fetcher, maker_update_site(), desktop);
    application.update_worker().stop(false);
}
