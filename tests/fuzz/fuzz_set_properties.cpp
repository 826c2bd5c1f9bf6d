// Applies arbitrary property streams to a real text field and a real window
// through _SetProperties. A stream either applies or raises RuntimeException;
// it never reads past its end, and no object is left behind either way.
//
// Input: byte 0 picks the target (bit 0: window or text field), byte 1 how
// much of the target's stored stream goes first, so that mutations start
// from whole, valid records; the rest of the input follows it.

#include "framework/runtime/Exceptions.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/streams/SetProperties.h"
#include "framework/ui/window/Window.h"
#include "window/StoredLayout.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

// fontconfig keeps its font cache until the process ends; that is not ours.
extern "C" char const* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit();
    return 0;
}

namespace {

fw::Ref<fw::Object> make_target(bool window)
{
    if (window)
        return fw::make<fw::Window>();
    return fw::make<fw::TextField>();
}

std::vector<unsigned char> stream_from(std::uint8_t const* data, std::size_t size, bool window)
{
    fw::ByteView stored = window ? stored_layout::window_stream() : stored_layout::control_stream("efStart");
    std::size_t prefix = stored.size() * data[1] / 255;
    std::vector<unsigned char> stream(stored.begin(), stored.begin() + std::ptrdiff_t(prefix));
    stream.insert(stream.end(), data + 2, data + size);
    return stream;
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size < 2)
        return 0;
    bool const window = data[0] & 1;
    auto const stream = stream_from(data, size, window);
    auto const live = fw::Object::live_count();
    {
        auto target = make_target(window);
        try {
            fw::_SetProperties(target.ptr(), stream);
        } catch (fw::RuntimeError const&) {
        }
    }
    if (fw::Object::live_count() != live)
        std::abort();
    return 0;
}
