#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// What a user does to the controls of a dialog.
struct user {
    static void click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static std::wstring text_of(HWND window) {
        wchar_t text[1024] = {};
        GetWindowTextW(window, text, 1024);
        return text;
    }

    // Picks an entry of a drop-down list, which tells the dialog as the list itself would.
    static void choose(HWND dialog, int id, int index) {
        SendMessageW(GetDlgItem(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        tell(dialog, id, CBN_SELCHANGE);
    }
    static std::wstring chosen_text(HWND dialog, int id) {
        const auto index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? L"" : entry(dialog, id, index, CB_GETLBTEXT);
    }

    static void select_line(HWND dialog, int id, int line) {
        SendMessageW(GetDlgItem(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        tell(dialog, id, LBN_SELCHANGE);
    }
    static std::vector<std::wstring> lines(HWND dialog, int id) {
        std::vector<std::wstring> texts;
        for (LRESULT line = 0; line < SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0); ++line) {
            texts.push_back(entry(dialog, id, line, LB_GETTEXT));
        }
        return texts;
    }
    // What a control tells its dialog of a change.
    static void tell(HWND dialog, int id, WORD code) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

private:
    static std::wstring entry(HWND dialog, int id, LRESULT index, UINT text_message) {
        wchar_t text[1024] = {};
        SendDlgItemMessageW(dialog, id, text_message, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(text));
        return text;
    }
};

// Serves this thread's messages until `done` (30 seconds at most).
inline void serve_messages_until(const std::function<bool()>& done) {
    for (const ULONGLONG deadline = GetTickCount64() + 30000;
         !done() && GetTickCount64() < deadline;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
}

// Works the modal windows the code under test opens, from inside their modal loops: a timer runs
// each step on this thread's shown window of the step's caption; steps post their clicks. 20 s
// after the last step was added every window the thread shows is closed, so a failing test ends.
class ModalScript {
public:
    using Action = std::function<void(HWND window)>;

    ModalScript() { active_ = this; }
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        active_ = nullptr;
    }

    // Adds a step that acts on the window with this caption once it is shown.
    ModalScript& on(const std::wstring& caption, Action action) {
        steps_.emplace_back(caption, std::move(action));
        deadline_ = GetTickCount64() + 20000;
        return *this;
    }
    // Adds a step for the message box with this caption, which must belong to the window of the
    // step before, and answers it with `button`.
    ModalScript& answer(const std::wstring& caption, int button = IDOK) {
        return on(caption, [this, button](HWND box) {
            EXPECT_EQ(GetWindow(box, GW_OWNER), opener_) << "the box belongs to another window";
            user::click(box, button);
        });
    }

    // Runs `open`, which opens the windows of the steps; steps not all run fail the test.
    template <typename Open> void run(Open&& open) {
        running_ = true;
        open();
        running_ = false;
        EXPECT_TRUE(steps_.empty() && !timed_out_) << steps_.size() << " steps not run";
    }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = active_;
        if (self == nullptr || (self->steps_.empty() && !self->running_)) {
            return;
        }
        self->timed_out_ = self->timed_out_ || GetTickCount64() > self->deadline_;
        for (HWND window = GetTopWindow(nullptr); window != nullptr;
             window = GetWindow(window, GW_HWNDNEXT)) {
            if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
                !IsWindowVisible(window)) {
                continue;
            }
            if (self->timed_out_) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            } else if (!self->steps_.empty() &&
                       user::text_of(window) == self->steps_.front().first) {
                // Taken off first: the step may start a modal loop in which this timer ticks.
                const auto [caption, action] = std::move(self->steps_.front());
                self->steps_.pop_front();
                self->opener_ = std::exchange(self->last_window_, window);
                action(window);
                return;
            }
        }
    }

    static inline ModalScript* active_ = nullptr;
    UINT_PTR timer_ = SetTimer(nullptr, 0, 10, &ModalScript::tick);
    ULONGLONG deadline_ = 0;
    bool running_ = false;
    bool timed_out_ = false;
    std::deque<std::pair<std::wstring, Action>> steps_;
    // The windows of the last step and of the one before it.
    HWND last_window_ = nullptr;
    HWND opener_ = nullptr;
};
