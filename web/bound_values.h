// What the bindings hand over besides value objects and vectors: bytes as
// a Uint8Array, and what the form's fields show, read from the page's
// object. Only for the module's bindings.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "form/form_reading.h"

namespace pilaro::web {

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
