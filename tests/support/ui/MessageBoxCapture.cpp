#include "tests/support/ui/MessageBoxCapture.h"

#include "framework/ui/application/MsgBox.h"

namespace test_support {

MessageBoxCapture::MessageBoxCapture()
{
    fw::set_message_box_presenter([this](std::string const& text) {
        m_texts.push_back(text);
        if (on_box)
            on_box();
    });
}

MessageBoxCapture::~MessageBoxCapture() { fw::set_message_box_presenter({}); }

}
