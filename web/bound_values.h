// The plain JavaScript values that the page's calls hand back: texts,
// arrays and bytes made from C++ values. Only for the module's bindings.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "form/form_reading.h"

namespace pilaro::web {

inline emscripten::val text(std::string_view s) {
    return emscripten::val(std::string(s));
}

template <typename Range, typename Convert>
emscripten::val array(const Range& range, Convert convert) {
    emscripten::val list = emscripten::val::array();
    for (const auto& item : range) list.call<void>("push", convert(item));
    return list;
}

// A Uint8Array of its own holding the bytes.
inline emscripten::val bytes(std::string_view s) {
    const emscripten::val view(
        emscripten::typed_memory_view(s.size(), reinterpret_cast<const unsigned char*>(s.data())));
    return emscripten::val::global("Uint8Array").new_(view);
}

// What the form's fields and lists show, from an object that maps their
// names to their texts.
inline ControlText controlTextOf(const emscripten::val& controls) {
    return [&controls](std::string_view name) {
        const emscripten::val value = controls[std::string(name)];
        return value.isString() ? value.as<std::string>() : std::string();
    };
}

}  // namespace pilaro::web
