// An in-memory main window for the controller tests. It keeps the texts of
// the boxes and labels and records everything the user would see: every
// message box (text, title, style and the button pressed), menu check marks
// and the auto-detect confirmations. Answers come from scripted queues.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "controller/window.h"

namespace fake {

using controller::Answer;
using controller::MessageStyle;

struct Message {
    std::string text;
    std::string title;
    MessageStyle style;
    Answer answer;
};

class Window : public controller::Window {
public:
    // ---- What the user would see ----
    std::map<int, std::string> texts;  // every box and label by control id
    std::vector<Message> messages;
    std::map<int, bool> checked;  // menu check marks by item
    std::vector<int> confirm_shown;  // controller::len each time the dialog opened

    // ---- What the user will do ----
    // Buttons pressed in question boxes, in order; when the queue runs dry the
    // fallback is pressed. Information boxes only have OK.
    std::deque<Answer> answers;
    Answer fallback = Answer::cancel;
    std::deque<int> confirm_results;  // 1 = Set, 0 = Cancel
    int confirm_fallback = 1;

    // A run that asks questions without end would hang a test; after this many
    // boxes every question is cancelled and the test sees the count.
    static constexpr std::size_t runaway = 64;

    void type(const std::string& s) { texts[controller::number_box] = s; }
    std::string text(int control) const {
        auto it = texts.find(control);
        return it == texts.end() ? std::string() : it->second;
    }
    std::vector<std::string> results() const {
        return {text(controller::result_box1), text(controller::result_box2),
                text(controller::result_box3)};
    }
    std::vector<std::string> labels() const {
        return {text(controller::label_number), text(controller::label_result1),
                text(controller::label_result2), text(controller::label_result3)};
    }

    // ---- controller::Window ----
    void get_text(int control, char* buf, int limit) override {
        const std::string& s = texts[control];
        std::size_t n = s.size();
        if (n > static_cast<std::size_t>(limit - 1)) n = static_cast<std::size_t>(limit - 1);
        std::memcpy(buf, s.data(), n);
        buf[n] = '\0';
    }
    void set_text(int control, const char* t) override { texts[control] = t; }
    void set_int(int control, int value, bool is_signed) override {
        char buf[16];
        if (is_signed)
            std::snprintf(buf, sizeof buf, "%d", value);
        else
            std::snprintf(buf, sizeof buf, "%u", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
        texts[control] = buf;
    }
    Answer message(const char* t, const char* title, MessageStyle style) override {
        Answer a = Answer::ok;
        if (style == MessageStyle::question) {
            if (messages.size() >= runaway) {
                a = Answer::cancel;
            } else if (!answers.empty()) {
                a = answers.front();
                answers.pop_front();
            } else {
                a = fallback;
            }
        }
        messages.push_back({t, title, style, a});
        return a;
    }
    void check_menu(int item, bool on) override { checked[item] = on; }
    int confirm_length() override {
        confirm_shown.push_back(controller::len);
        if (confirm_results.empty()) return confirm_fallback;
        const int r = confirm_results.front();
        confirm_results.pop_front();
        return r;
    }
};

}  // namespace fake
