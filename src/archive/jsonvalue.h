// A small JSON reader for the palettes people keep as design tokens: the whole text is
// read into values, each remembering the line it starts on, or into nothing when the
// text is not JSON. Deep nesting is refused rather than followed.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace hk {

struct JsonValue {
  using Array = std::vector<JsonValue>;
  using Object = std::map<std::string, JsonValue, std::less<>>;
  // null, true/false, a number, a string (UTF-8), an array, an object.
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;
  int line = 1;  // where the value starts, counting from 1

  const std::string* String() const { return std::get_if<std::string>(&value); }
  const double* Number() const { return std::get_if<double>(&value); }
  const Array* Items() const { return std::get_if<Array>(&value); }
  const Object* Members() const { return std::get_if<Object>(&value); }
  // The member `name` of an object, or nothing.
  const JsonValue* Member(std::string_view name) const;
};

std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace hk
