#include "framework/ui/application/PluginEntrypoints.h"

#include "framework/runtime/Exceptions.h"
#include "framework/ui/application/PluginEntrypoints_p.h"
#include "framework/ui/controls/BevelButton.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace {

    // Every accessor of the properties BevelButton adds to RectControl.
    constexpr char const* signatures[] = {
        "BevelButton.Caption.Get",
        "BevelButton.Caption.Set",
        "BevelButton.TextSize.Get",
        "BevelButton.TextSize.Set",
        "BevelButton.TextUnit.Get",
        "BevelButton.TextUnit.Set",
        "BevelButton.TextFont.Get",
        "BevelButton.TextFont.Set",
        "BevelButton.Bold.Get",
        "BevelButton.Bold.Set",
        "BevelButton.Italic.Get",
        "BevelButton.Italic.Set",
        "BevelButton.Underline.Get",
        "BevelButton.Underline.Set",
        "BevelButton.TextColor.Get",
        "BevelButton.TextColor.Set",
        "BevelButton.HasBackColor.Get",
        "BevelButton.HasBackColor.Set",
        "BevelButton.BackColor.Get",
        "BevelButton.BackColor.Set",
        "BevelButton.CaptionAlign.Get",
        "BevelButton.CaptionAlign.Set",
        "BevelButton.CaptionPlacement.Get",
        "BevelButton.CaptionPlacement.Set",
        "BevelButton.CaptionDelta.Get",
        "BevelButton.CaptionDelta.Set",
        "BevelButton.IconAlign.Get",
        "BevelButton.IconAlign.Set",
        "BevelButton.IconDX.Get",
        "BevelButton.IconDX.Set",
        "BevelButton.IconDY.Get",
        "BevelButton.IconDY.Set",
        "BevelButton.Bevel.Get",
        "BevelButton.Bevel.Set",
        "BevelButton.HasMenu.Get",
        "BevelButton.HasMenu.Set",
        "BevelButton.Value.Get",
        "BevelButton.Value.Set",
        "BevelButton.MenuValue.Get",
        "BevelButton.MenuValue.Set",
        "BevelButton.ButtonType.Get",
        "BevelButton.ButtonType.Set",
        "BevelButton.AcceptFocus.Get",
        "BevelButton.AcceptFocus.Set",
    };

    // The plug-in classes, by the name their signature texts use.
    ClassTable const* plugin_class(std::string_view name)
    {
        if (name == "BevelButton")
            return &BevelButton::__Lookup();
        return nullptr;
    }

    std::vector<std::pair<std::string, AnyFunction>>& entry_points()
    {
        static std::vector<std::pair<std::string, AnyFunction>> table;
        return table;
    }

    [[noreturn]] void unresolved(std::string_view signature)
    {
        raise(make<RuntimeException>("plug-in entry point " + std::string(signature) + " not found"));
    }

}

namespace detail {

    std::span<char const* const> plugin_signatures() noexcept { return signatures; }

    AnyFunction resolve_plugin_entry(std::string_view signature)
    {
        auto first = signature.find('.');
        auto last = signature.rfind('.');
        if (first == std::string_view::npos || first == last)
            unresolved(signature);
        auto const* cls = plugin_class(signature.substr(0, first));
        auto const* property = cls ? cls->find_property(signature.substr(first + 1, last - first - 1)) : nullptr;
        auto accessor = signature.substr(last + 1);
        AnyFunction entry = !property ? nullptr
            : accessor == "Get"       ? property->get
            : accessor == "Set"       ? property->set
                                      : nullptr;
        if (!entry)
            unresolved(signature);
        return entry;
    }

    void clear_plugin_entry_points() noexcept { entry_points().clear(); }

}

void _InitPluginEntrypoints()
{
    std::vector<std::pair<std::string, AnyFunction>> table;
    for (auto const* signature : signatures)
        table.emplace_back(signature, detail::resolve_plugin_entry(signature));
    entry_points() = std::move(table);
}

AnyFunction plugin_entry_point(std::string_view signature) noexcept
{
    for (auto const& [text, entry] : entry_points())
        if (text == signature)
            return entry;
    return nullptr;
}

}
