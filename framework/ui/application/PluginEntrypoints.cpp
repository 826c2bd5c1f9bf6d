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

    // "<Class>.<Property>.Get" and ".Set" for every property the class adds
    // to its base, in the order of its table.
    std::vector<std::string> accessor_texts(ClassTable const& cls)
    {
        std::vector<std::string> texts;
        std::size_t const inherited = cls.base ? cls.base->properties.size() : 0;
        for (std::size_t i = inherited; i < cls.properties.size(); ++i) {
            texts.push_back(cls.name + "." + cls.properties[i].name + ".Get");
            texts.push_back(cls.name + "." + cls.properties[i].name + ".Set");
        }
        return texts;
    }

    // Every accessor of the properties BevelButton adds to RectControl.
    std::span<char const* const> signatures()
    {
        static std::vector<std::string> const texts = accessor_texts(BevelButton::__Lookup());
        static std::vector<char const*> const pointers = [] {
            std::vector<char const*> list;
            for (auto const& text : texts)
                list.push_back(text.c_str());
            return list;
        }();
        return pointers;
    }

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

    std::span<char const* const> plugin_signatures() { return signatures(); }

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
    for (auto const* signature : signatures())
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
