#pragma once

// While a capture lives, MsgBox shows no box: each text is kept here, in
// order, and on_box (when set) runs inside MsgBox right after the text is
// kept, as a user's answer to the box would. Its end brings the real box
// back. One capture at a time.

#include <functional>
#include <string>
#include <vector>

namespace test_support {

class MessageBoxCapture {
public:
    MessageBoxCapture();
    ~MessageBoxCapture();
    MessageBoxCapture(MessageBoxCapture const&) = delete;
    MessageBoxCapture& operator=(MessageBoxCapture const&) = delete;

    std::vector<std::string> const& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

    std::function<void()> on_box;

private:
    std::vector<std::string> m_texts;
};

}
