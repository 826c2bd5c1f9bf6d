#pragma once

// MsgBox: the one way the framework shows the user a message.

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

}
