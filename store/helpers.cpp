#include "store/helpers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace velmora::store {

double numericValue(std::string_view text) {
    // Blanks (space, tab, line feed, carriage return) are skipped anywhere in the number.
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::string number;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && text[i] >= '0' && text[i] <= '9'; skipBlanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool any = digits();
    if (i < text.size() && text[i] == '.') {
        const std::size_t save = i;
        number += text[i++];
        const bool fraction = digits();
        if (!fraction) {
            i = save;
            number.pop_back();
        }
        any = any || fraction;
    }
    if (!any)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        std::size_t digitsStart = exponent.size();
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            exponent += text[j++];
        if (exponent.size() > digitsStart)
            number += exponent;
    }
    // from_chars reads '.' whatever the process locale is; it refuses a plus sign and
    // reports a value beyond a double either way as out of range: too large is infinite,
    // too small is zero.
    const char* first = number.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    if (std::from_chars(first, number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        value = number.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
        if (number.front() == '-')
            value = -value;
    }
    return value;
}

std::int64_t roundHalfEven(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value)); // default mode rounds to even
}

std::optional<std::int16_t> integerValue(std::string_view text) {
    const double value = numericValue(text);
    if (!std::isfinite(value) || value < -32768.5 || value > 32767.5)
        return std::nullopt;
    const std::int64_t rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

std::string pupilDisplayName(const ClassRecord& pupil) {
    // One space and the part are appended, then the whole is trimmed, for each part in
    // turn: the parts' padding never piles up between them.
    std::string name;
    for (int part = 0; part < ClassRecord::kNamePartCount; ++part) {
        name += ' ';
        name += pupil.info.elements()[static_cast<std::size_t>(part)].value();
        name = std::string(trimSpaces(name));
    }
    return name;
}

Mark markOf(std::int16_t right, std::int16_t wrong) {
    if (right > 0)
        return Mark::Right;
    if (wrong > 0)
        return Mark::Wrong;
    return Mark::Unanswered;
}

} // namespace velmora::store
