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
    static HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    static void click(HWND dialog, int id) { PostMessageW(item(dialog, id), BM_CLICK, 0, 0); }
    static void type(HWND dialog, int id, const std::wstring& text) {
        SetDlgItemTextW(dialog, id, text.c_str());
    }
    // Without the dialog being told, as the dialogs read their check boxes on OK.
    static void tick(HWND dialog, int id, bool ticked) {
        CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
    }
    static bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) != 0; }
    static std::wstring text_of(HWND window) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    static std::wstring text_of(HWND dialog, int id) { return text_of(item(dialog, id)); }
    // The close box (or Alt+F4).
    static void close_window(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

    // Picks an entry of a drop-down list, which tells the dialog as the list itself would.
    static void choose(HWND dialog, int id, int index) {
        SendMessageW(item(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        tell(dialog, id, CBN_SELCHANGE);
    }
    static std::wstring chosen_text(HWND dialog, int id) {
        const auto index = SendMessageW(item(dialog, id), CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? L""
                               : entry(item(dialog, id), index, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    }

    // A list box line picked with the mouse or the keyboard, then double-clicked if asked.
    static void select_line(HWND dialog, int id, int line, bool double_click = false) {
        SendMessageW(item(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        tell(dialog, id, LBN_SELCHANGE);
        if (double_click) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(item(dialog, id)));
        }
    }
    static int selected_line(HWND dialog, int id) {
        return static_cast<int>(SendDlgItemMessageW(dialog, id, LB_GETCURSEL, 0, 0));
    }
    static std::vector<std::wstring> lines(HWND dialog, int id) {
        std::vector<std::wstring> texts;
        for (LRESULT line = 0; line < SendDlgItemMessageW(dialog, id, LB_GETCOUNT, 0, 0); ++line) {
            texts.push_back(entry(item(dialog, id), line, LB_GETTEXTLEN, LB_GETTEXT));
        }
        return texts;
    }

private:
    static void tell(HWND dialog, int id, WORD code) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(item(dialog, id)));
    }
    static std::wstring entry(HWND list, LRESULT index, UINT length_message, UINT text_message) {
        const auto at = static_cast<WPARAM>(index);
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, length_message, at, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list, text_message, at, reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
};

// Works the modal dialogs and message boxes that the code under test opens, from inside their
// modal loops, as a user would: a thread timer runs each step on the shown window of this thread
// with the step's caption. Steps post their clicks, so each click is handled (and a dialog it
// opens is running) before the next step starts. Steps not all run 20 seconds after the last was
// added close every window the thread shows, so a failing test ends instead of hanging. Of
// nested scripts the newest works until it goes.
class ModalScript {
public:
    using Action = std::function<void(HWND window)>;

    ModalScript() : previous_(std::exchange(active_, this)) {}
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        active_ = previous_;
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

    // Runs `open`, which opens the modal windows for the steps, and returns what it returned;
    // steps that did not all run in time fail the test.
    template <typename Open> auto run(Open&& open) {
        struct Check {
            const ModalScript& script;
            ~Check() { EXPECT_TRUE(script.finished()) << "stopped after " << script.seen_.size(); }
        } check{*this};
        return open();
    }

    bool finished() const { return steps_.empty() && !timed_out_; }
    // The captions of the windows the steps ran on, in order.
    const std::vector<std::wstring>& seen() const { return seen_; }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = active_;
        if (self == nullptr || self->steps_.empty()) {
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
            } else if (user::text_of(window) == self->steps_.front().first) {
                // Taken off first: the step may start a modal loop in which this timer ticks.
                const auto [caption, action] = std::move(self->steps_.front());
                self->steps_.pop_front();
                self->seen_.push_back(caption);
                self->opener_ = std::exchange(self->last_window_, window);
                action(window);
                return;
            }
        }
    }

    static inline ModalScript* active_ = nullptr;
    ModalScript* previous_ = nullptr;
    UINT_PTR timer_ = SetTimer(nullptr, 0, 10, &ModalScript::tick);
    ULONGLONG deadline_ = 0;
    bool timed_out_ = false;
    std::deque<std::pair<std::wstring, Action>> steps_;
    std::vector<std::wstring> seen_;
    // The windows of the last step and of the one before it.
    HWND last_window_ = nullptr;
    HWND opener_ = nullptr;
};
