#pragma once
// One record as a JSON object, built by walking the record type's `fields` list: integers as
// numbers, texts trimmed (null when never written), arrays nested with the first declared
// index outermost, embedded records as objects, spare bytes left out.

#include "store/records.h"
#include "tools/json_text.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>

namespace velmora::tools {

template <class T> struct IsSpare : std::false_type {};
template <std::size_t N> struct IsSpare<store::Spare<N>> : std::true_type {};

class JsonFieldWriter {
public:
    // Appends `"name":value` pairs to out; the first one without a leading comma unless
    // the object already holds a member.
    explicit JsonFieldWriter(std::string& out, bool hasMembers = false)
        : out_(out), hasMembers_(hasMembers) {}

    template <class T> void operator()(const char* name, const T& field) {
        if constexpr (!IsSpare<T>::value) {
            if (hasMembers_)
                out_ += ',';
            hasMembers_ = true;
            appendJsonString(out_, name);
            out_ += ':';
            value(field);
        }
    }

private:
    void value(std::int16_t v) { out_ += std::to_string(v); }
    void value(std::int32_t v) { out_ += std::to_string(v); }

    template <std::size_t N> void value(const store::Text<N>& text) {
        if (text.neverWritten())
            out_ += "null";
        else
            appendJsonString(out_, text.trimmed());
    }

    template <class T, int... Upper> void value(const store::BoundedArray<T, Upper...>& array) {
        typename store::BoundedArray<T, Upper...>::Index index{};
        nest(array, index, 0);
    }

    template <class R>
    requires requires { R::kSize; }
    void value(const R& nested) {
        out_ += '{';
        JsonFieldWriter inner(out_);
        R::fields(nested, inner);
        out_ += '}';
    }

    // Writes the elements along dimension `depth` (the indexes before it fixed in index),
    // as one JSON array per value of the outer indexes.
    template <class T, int... Upper>
    void nest(const store::BoundedArray<T, Upper...>& array,
              typename store::BoundedArray<T, Upper...>::Index& index, std::size_t depth) {
        constexpr std::array<int, sizeof...(Upper)> upper{Upper...};
        out_ += '[';
        for (int i = 0; i <= upper[depth]; ++i) {
            if (i > 0)
                out_ += ',';
            index[depth] = i;
            if (depth + 1 < upper.size()) {
                nest(array, index, depth + 1);
            } else {
                const T* element = std::apply([&](auto... at) { return array.find(at...); }, index);
                if (element == nullptr)
                    throw std::logic_error("array index outside its declared bounds");
                value(*element);
            }
        }
        out_ += ']';
    }

    std::string& out_;
    bool hasMembers_;
};

// {"record":n, then the fields of R by name}
template <class R> std::string recordJson(std::int32_t recordNumber, const R& record) {
    std::string out = "{\"record\":" + std::to_string(recordNumber);
    JsonFieldWriter writer(out, true);
    R::fields(record, writer);
    out += '}';
    return out;
}

} // namespace velmora::tools
