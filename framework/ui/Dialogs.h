#pragma once

// MsgBox and the background-task yield.

#include <cstdint>
#include <functional>
#include <string>

namespace fw {

// Shows an application-modal box with the text and an OK button, and
// returns when the user has dismissed it.
void MsgBox(std::string const& text);

// Tests replace how a box is shown (never whether MsgBox is called): the
// presenter receives every text instead of a box. An empty function restores
// the real box.
void set_message_box_presenter(std::function<void(std::string const&)> presenter);

// Cheap enough to call once per day of a long walk: a counter check that at
// most a few times a second lets the window repaint. It never delivers
// input, a close request or anything else that runs program code, and it is
// not re-entered.
void RuntimeBackgroundTask();

// How many times RuntimeBackgroundTask has been called in this process, for
// tests that count a computation's yields. Costs the yield nothing.
std::uint64_t background_task_calls() noexcept;

}
