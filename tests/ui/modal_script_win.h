#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// What a user does to the controls of a dialog.
namespace user {

inline HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

inline void click(HWND dialog, int id) {
    PostMessageW(item(dialog, id), BM_CLICK, 0, 0);
}

inline void type(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

// Ticks or clears a check box without the dialog being told, as the dialogs read them on OK.
inline void tick(HWND dialog, int id, bool ticked) {
    CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

inline std::wstring text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring text_of(HWND dialog, int id) {
    return text_of(item(dialog, id));
}

// The text of one entry of a list box or drop-down list, read with that list's messages.
inline std::wstring entry_text(HWND list, WPARAM index, UINT length_message, UINT text_message) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, length_message, index, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, text_message, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// Picks an entry of a drop-down list, which tells the dialog as the list itself would.
inline void choose(HWND dialog, int id, int index) {
    SendMessageW(item(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(dialog, id)));
}

inline std::wstring chosen_text(HWND dialog, int id) {
    const auto index = SendMessageW(item(dialog, id), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? L""
                           : entry_text(item(dialog, id), static_cast<WPARAM>(index),
                                        CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

inline bool checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// A list box line picked with the mouse or the keyboard, then double-clicked if asked.
inline void select_line(HWND dialog, int id, int line, bool double_click = false) {
    SendMessageW(item(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(dialog, id)));
    if (double_click) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(item(dialog, id)));
    }
}

inline std::vector<std::wstring> lines(HWND dialog, int id) {
    std::vector<std::wstring> texts;
    for (LRESULT line = 0; line < SendMessageW(item(dialog, id), LB_GETCOUNT, 0, 0); ++line) {
        texts.push_back(
            entry_text(item(dialog, id), static_cast<WPARAM>(line), LB_GETTEXTLEN, LB_GETTEXT));
    }
    return texts;
}

inline int selected_line(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(item(dialog, id), LB_GETCURSEL, 0, 0));
}

// The window's close box (or Alt+F4).
inline void close_window(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace user

// Works the modal dialogs and message boxes that the code under test opens, from inside their
// modal loops, as a user would: a thread timer waits for a shown window of this thread with
// the next step's caption and runs the step on it. Steps post their clicks, so each click is
// handled (and any dialog it opens is running) before the next step starts. A script that has
// not finished in time closes every window the thread shows, so a failing test ends instead of
// hanging. Of nested scripts the newest works until it goes.
class ModalScript {
public:
    using Action = std::function<void(HWND window)>;

    ModalScript() : previous_(std::exchange(active_, this)) {}
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        active_ = previous_;
    }

    // Adds a step that acts on the window with this caption once it is shown.
    ModalScript& on(const std::wstring& caption, Action action) {
        steps_.push_back({caption, std::move(action)});
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

    // Runs `open`, which opens the modal windows, lets the steps work them and returns what
    // `open` returned; steps that did not all run in time fail the test.
    template <typename Open> auto run(Open&& open) {
        if constexpr (std::is_void_v<decltype(open())>) {
            open();
            EXPECT_TRUE(finished()) << "the script stopped after " << seen_.size() << " steps";
        } else {
            auto result = open();
            EXPECT_TRUE(finished()) << "the script stopped after " << seen_.size() << " steps";
            return result;
        }
    }

    // Every step ran in time.
    bool finished() const { return steps_.empty() && !timed_out_; }
    // The captions of the windows the steps ran on, in order.
    const std::vector<std::wstring>& seen() const { return seen_; }

private:
    struct Step {
        std::wstring caption;
        Action action;
    };

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        if (active_ != nullptr) {
            active_->run_next_step();
        }
    }

    void run_next_step() {
        if (GetTickCount64() > deadline_) {
            timed_out_ = true;
            for (HWND window : shown_windows()) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            return;
        }
        const HWND window = steps_.empty() ? nullptr : shown_window(steps_.front().caption);
        if (window == nullptr) {
            return;
        }
        // Taken off first: a step may start a modal loop in which this timer ticks again.
        Step step = std::move(steps_.front());
        steps_.pop_front();
        seen_.push_back(step.caption);
        opener_ = std::exchange(last_window_, window);
        step.action(window);
    }

    static std::vector<HWND> shown_windows() {
        std::vector<HWND> windows;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                if (IsWindowVisible(window)) {
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    static HWND shown_window(const std::wstring& caption) {
        for (HWND window : shown_windows()) {
            if (caption == user::text_of(window)) {
                return window;
            }
        }
        return nullptr;
    }

    static inline ModalScript* active_ = nullptr;
    ModalScript* previous_ = nullptr;
    UINT_PTR timer_ = SetTimer(nullptr, 0, 10, &ModalScript::tick);
    ULONGLONG deadline_ = GetTickCount64() + 20000;
    bool timed_out_ = false;
    std::deque<Step> steps_;
    std::vector<std::wstring> seen_;
    // The windows of the last step and of the one before it.
    HWND last_window_ = nullptr;
    HWND opener_ = nullptr;
};
