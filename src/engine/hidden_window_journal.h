#pragma once

#include "engine/boot_session.h"
#include "engine/window_handle.h"
#include "engine/window_record.h"
#include "storage/config_file.h"
#include "storage/hidden_windows_file.h"

#include <set>
#include <string>
#include <vector>

// The windows this program holds hidden, kept on disk in hidden_windows.xml so that a run
// ended by force or by a crash strands none of them: the next run takes back those whose
// process still runs. Changes are gathered in memory and written by `flush`, once per action
// or pass, so a hot key that hides many windows writes the file once.
class HiddenWindowJournal {
public:
    HiddenWindowJournal(std::wstring path, const engine::BootSession& session);
    HiddenWindowJournal(const HiddenWindowJournal&) = delete;
    HiddenWindowJournal& operator=(const HiddenWindowJournal&) = delete;

    // Reads the file and hands over its entries (of the older format, those of `session`, the
    // boot session given at construction), emptying the journal;
    // the caller records again those it keeps. The next `flush` rewrites the file whatever
    // was read, so that entries of an earlier boot and a damaged file are replaced. A missing
    // or unreadable file is logged and gives nothing.
    std::vector<HiddenWindowEntry> take_entries();

    // A window hidden again keeps one entry, updated.
    void record_hidden(const HiddenWindowEntry& entry);
    void record_shown(WindowHandle window);
    // Drops the entries whose window has no record of the latest pass any more, or whose
    // handle now belongs to a program of another image name. A window this program holds
    // hidden that lost its title has no record; it is kept when it is among `untitled`.
    void keep_windows_of(const std::vector<WindowRecord>& records,
                         const std::set<WindowHandle>& untitled = {});

    // Writes the file when the entries changed since the last successful write, so that a
    // failed write is tried again at the next action or pass; only the first failure of a
    // series is logged.
    void flush();

    const std::vector<HiddenWindowEntry>& entries() const { return entries_; }

private:
    std::wstring path_;
    engine::BootSession session_;
    std::vector<HiddenWindowEntry> entries_;
    bool changed_ = false;
    bool failing_ = false;
    ConfigFile file_;
};
